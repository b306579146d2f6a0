#include "flatctrls/FlatLook.h"

#include <algorithm>
#include <string>

#include "core/ColorShade.h"
#include "framework/Component.h"
#include "framework/Exceptions.h"
#include "framework/Gdi.h"

ui::TColor DeriveShade(ui::TColor base, ui::TColor current, int percent, bool darken) {
  COLORREF rgb = ui::ColorToRGB(base);
  return core::ColorShade::DeriveShade(rgb, current, percent, darken);
}

int AdvColorValue(const core::PropertyValue& value) { return std::clamp(ui::IntValue(value), 0, 100); }

int EnumIndex(const core::PropertyValue& value, std::initializer_list<const char*> names) {
  const std::string& name = ui::IdentValue(value);
  int index = 0;
  for (const char* n : names) {
    if (name == n) return index;
    ++index;
  }
  throw ui::Exception("Invalid property value");
}

void FrameWithColor(HDC dc, const RECT& r, ui::TColor color) {
  ui::Brush brush(CreateSolidBrush(ui::ColorToRGB(color)));
  FrameRect(dc, &r, brush.Get());
}
