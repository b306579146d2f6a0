#pragma once
#include <windows.h>

#include "framework/Color.h"

namespace ui {
class TWinControl;
}

// The keyboard focus mark of the flat button and check box: a dotted frame around the caption,
// drawn only while the control has the focus and its window shows keyboard cues, so the look
// with the mouse stays as it was.

// Whether control should draw its focus mark now.
bool ShowsFocusRectangle(const ui::TWinControl& control);

// The frame around caption (the rectangle the text takes), with the flat look's focus gaps at dpi,
// kept inside limits.
RECT FocusRectangleAround(const RECT& caption, const RECT& limits, int dpi);

// Every other pixel of the frame's edge in color (the text colour, which contrasts with the face
// the text stands on).
void DrawFocusRectangle(HDC dc, const RECT& frame, ui::TColor color);
