#include "framework/HighContrast.h"

#include <optional>

#include "system/Platform.h"

namespace ui {

namespace {
std::optional<bool> highContrast;
}

bool HighContrastOn() {
  if (!highContrast) RereadHighContrast();
  return *highContrast;
}

void RereadHighContrast() { highContrast = Platform::Current().HighContrast(); }

TColor LookColor(core::LookPart part, TColor normal) {
  if (!HighContrastOn()) return normal;
  return 0x80000000u | static_cast<TColor>(core::HighContrastInk(part));
}

}  // namespace ui
