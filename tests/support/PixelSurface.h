#pragma once
#include <windows.h>

#include <cstdint>

#include "framework/Gdi.h"

namespace testsupport {

// A 32-bit top-down DIB selected into a memory DC, to paint into and read back pixel by pixel.
class PixelSurface {
 public:
  PixelSurface(int width, int height, COLORREF fill = RGB(255, 0, 255)) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<std::uint32_t*>(bits);
    selected_ = SelectObject(dc_.Get(), bitmap_.Get());
    RECT all{0, 0, width, height};
    ui::Brush brush(CreateSolidBrush(fill));
    FillRect(dc_.Get(), &all, brush.Get());
  }
  ~PixelSurface() { SelectObject(dc_.Get(), selected_); }
  PixelSurface(const PixelSurface&) = delete;
  PixelSurface& operator=(const PixelSurface&) = delete;

  HDC Dc() const { return dc_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // The pixel as a COLORREF ($00BBGGRR), so it compares with TColor values directly.
  COLORREF At(int x, int y) const {
    GdiFlush();
    std::uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  // A window's picture through WM_PRINT, frame and children included.
  static void Print(HWND window, PixelSurface& into) {
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(into.Dc()),
                 PRF_CLIENT | PRF_NONCLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
  }

  // What the window's client area shows on the screen now.
  static void GrabClient(HWND window, PixelSurface& into) {
    ui::WindowDC source(window);
    BitBlt(into.Dc(), 0, 0, into.Width(), into.Height(), source.Get(), 0, 0, SRCCOPY);
  }

  // What the window shows on the screen now, frame included, read back from its window DC.
  static void Grab(HWND window, PixelSurface& into) {
    ui::WindowDC source(window, ui::WindowDC::Area::Window);
    BitBlt(into.Dc(), 0, 0, into.Width(), into.Height(), source.Get(), 0, 0, SRCCOPY);
  }

 private:
  int width_, height_;
  ui::BitmapHandle bitmap_;
  std::uint32_t* bits_ = nullptr;
  ui::MemoryDC dc_;
  HGDIOBJ selected_ = nullptr;
};

}  // namespace testsupport
