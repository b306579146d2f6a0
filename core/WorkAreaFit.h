#pragma once
#include "core/GlyphLayout.h"

namespace core {

// A window's rectangle made to lie inside its monitor's work area: no larger than the area, and
// moved in from any edge it crosses (the left and top edges win, so the title bar stays
// reachable). A window that fits already keeps its rectangle.
LayoutRect FitToWorkArea(const LayoutRect& window, const LayoutRect& workArea);

}  // namespace core
