#pragma once
#include <windows.h>

#include <cstdint>

namespace ui {

// $00BBGGRR, or $80 in the high byte and a system-colour index in the low byte.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clNavy = 0x800000, clBlue = 0xFF0000,
                 clRed = 0x0000FF, clWhite = 0xFFFFFF, clGray = 0x808080, clSilver = 0xC0C0C0, clYellow = 0x00FFFF;
constexpr TColor clWindow = 0x80000005, clWindowText = 0x80000008, clBtnFace = 0x8000000F, clHighlight = 0x8000000D,
                 clHighlightText = 0x8000000E, clBtnShadow = 0x80000010, clGrayText = 0x80000011,
                 clBtnText = 0x80000012, clBtnHighlight = 0x80000014;

// The RGB value to hand to raw GDI calls: system colours resolved to their current value.
inline COLORREF ColorToRGB(TColor color) {
  if ((color & 0xFF000000u) == 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

}  // namespace ui
