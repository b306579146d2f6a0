#pragma once
#include <windows.h>

#include <initializer_list>

#include "core/PropertyValue.h"
#include "framework/Color.h"

// What every flat control shares: the colour scheme, the shading behind the advanced colours and
// the published enumerations.

constexpr ui::TColor kFlatBorderColor = 0x008396A0;
constexpr ui::TColor kFlatFaceColor = 0x00E1EAEB;
constexpr ui::TColor kFlatDownColor = 0x00C5D6D9;
constexpr ui::TColor kFlatFocusedColor = 0x00FFFFFF;
constexpr ui::TColor kFlatMarkColor = 0x00000000;

enum class TTransparentMode { tmAlways, tmNotFocused, tmNone };
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TCheckBoxLayout { checkboxLeft, checkboxRight };
enum class TGroupBoxBorder { brFull, brOnlyTopLine };

// The advanced-colour shade of base; system colours are resolved before the arithmetic.
ui::TColor DeriveShade(ui::TColor base, ui::TColor current, int percent, bool darken);

// A stored TAdvColors percentage, kept within 0..100.
int AdvColorValue(const core::PropertyValue& value);

// The position of a stored identifier among names; "Invalid property value" when it is none.
int EnumIndex(const core::PropertyValue& value, std::initializer_list<const char*> names);

// A one-pixel ring on the edge of r.
void FrameWithColor(HDC dc, const RECT& r, ui::TColor color);
