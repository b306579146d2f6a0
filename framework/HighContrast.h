#pragma once
#include "core/HighContrast.h"
#include "framework/Color.h"

namespace ui {

// Whether the user's high-contrast theme is on, as last read from the platform (read at the first
// question and again whenever a window hears that a setting or the system colours changed).
bool HighContrastOn();
void RereadHighContrast();

// The colour a part of the flat look paints with: normal while high contrast is off, the part's
// system colour while it is on.
TColor LookColor(core::LookPart part, TColor normal);

}  // namespace ui
