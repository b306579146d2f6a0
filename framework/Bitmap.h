#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Canvas.h"
#include "framework/Gdi.h"

namespace ui {

// A 32-bit device-independent bitmap with its own memory device context and canvas.
class TBitmap {
 public:
  TBitmap();
  ~TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  void SetSize(int width, int height);
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // A .bmp file's bytes (file header first), any bit depth GDI can read.
  void LoadFromBmpBytes(const std::vector<std::uint8_t>& bytes);
  void LoadFromResource(const std::string& name);
  void Assign(const TBitmap& other);

  HBITMAP Handle() const { return bitmap_.Get(); }
  HDC DC() const { return dc_.Get(); }
  TCanvas& Canvas() { return canvas_; }
  std::uint32_t* Bits() const { return bits_; }  // rows top-down, 0x00RRGGBB

  // A 32-bit DIB section with rows top-down, owned by the caller (null when GDI has no room).
  static HBITMAP CreateTopDownDib(HDC dc, int width, int height, std::uint32_t*& bits);

 private:
  void Allocate(int width, int height);

  MemoryDC dc_;
  BitmapHandle bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  TCanvas canvas_;
};

}  // namespace ui
