#include "framework/Bitmap.h"

#include <cstring>

#include "system/Exceptions.h"

namespace ui {

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  canvas_.Release();
  if (oldBitmap_) SelectObject(dc_.Get(), oldBitmap_);
}

void TBitmap::Allocate(int width, int height) {
  canvas_.Release();
  if (oldBitmap_) {
    SelectObject(dc_.Get(), oldBitmap_);
    oldBitmap_ = nullptr;
  }
  bitmap_.Reset();
  bits_ = nullptr;
  width_ = height_ = 0;
  if (width <= 0 || height <= 0) return;
  std::uint32_t* bits = nullptr;
  HBITMAP made = CreateTopDownDib(dc_.Get(), width, height, bits);
  if (!made) throw Exception("Out of system resources");
  bitmap_.Reset(made);
  bits_ = bits;
  width_ = width;
  height_ = height;
  oldBitmap_ = SelectObject(dc_.Get(), made);
  canvas_.Bind(dc_.Get());
}

HBITMAP TBitmap::CreateTopDownDib(HDC dc, int width, int height, std::uint32_t*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* memory = nullptr;
  HBITMAP made = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
  bits = made ? static_cast<std::uint32_t*>(memory) : nullptr;
  return made;
}

void TBitmap::SetSize(int width, int height) { Allocate(width, height); }

void TBitmap::LoadFromBmpBytes(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) throw Exception("Bitmap image is not valid");
  BITMAPFILEHEADER file;
  std::memcpy(&file, bytes.data(), sizeof file);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes.data() + sizeof file);
  const BITMAPINFOHEADER& header = info->bmiHeader;
  if (file.bfType != 0x4D42 || header.biSize < sizeof(BITMAPINFOHEADER) || file.bfOffBits >= bytes.size() ||
      header.biWidth <= 0 || header.biHeight == 0 || header.biWidth > 8192 || header.biHeight > 8192 ||
      header.biHeight < -8192)
    throw Exception("Bitmap image is not valid");
  int width = header.biWidth;
  int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
  std::size_t stride = ((static_cast<std::size_t>(width) * header.biBitCount + 31) / 32) * 4;
  if (header.biCompression == BI_RGB && file.bfOffBits + stride * height > bytes.size())
    throw Exception("Bitmap image is not valid");
  Allocate(width, height);
  SetDIBitsToDevice(dc_.Get(), 0, 0, width, height, 0, 0, 0, height, bytes.data() + file.bfOffBits, info,
                    DIB_RGB_COLORS);
}

void TBitmap::LoadFromResource(const std::string& name) {
  HBITMAP loaded = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!loaded) throw Exception("Resource " + name + " not found");
  BitmapHandle owned(loaded);
  BITMAP info{};
  GetObject(loaded, sizeof info, &info);
  Allocate(info.bmWidth, info.bmHeight);
  canvas_.Draw(0, 0, loaded);
}

void TBitmap::Assign(const TBitmap& other) {
  Allocate(other.width_, other.height_);
  if (!Empty()) BitBlt(dc_.Get(), 0, 0, width_, height_, other.dc_.Get(), 0, 0, SRCCOPY);
}

}  // namespace ui
