#pragma once
#include <windows.h>

#include <cstdint>

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Color.h"

// Pixels of a 32-bit bitmap as 0x00RRGGBB, the form its bits hold them in.
namespace bitmappixels {

inline std::uint32_t Bits(ui::TColor color) {
  COLORREF c = ui::ColorToRGB(color);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

inline std::uint32_t At(const ui::TBitmap& b, int x, int y) {
  GdiFlush();
  return b.Bits()[y * b.Width() + x] & 0xFFFFFF;
}

inline void Fill(ui::TBitmap& b, ui::TColor color) {
  b.Canvas().SetBrushColor(color);
  b.Canvas().FillRect(RECT{0, 0, b.Width(), b.Height()});
}

}  // namespace bitmappixels
