#include "flatctrls/FocusRectangle.h"

#include <algorithm>

#include "framework/Form.h"
#include "paint/LookMetrics.h"

bool ShowsFocusRectangle(const ui::TWinControl& control) {
  if (!control.HandleAllocated() || GetFocus() != control.Handle()) return false;
  const ui::TForm* form = control.ParentForm();
  return form && form->FocusCuesShown();
}

RECT FocusRectangleAround(const RECT& caption, const RECT& limits, int dpi) {
  const paint::LookMetrics metrics(dpi);
  const int x = metrics[paint::Metric::FocusGapX], y = metrics[paint::Metric::FocusGapY];
  return RECT{std::max(caption.left - x, limits.left), std::max(caption.top - y, limits.top),
              std::min(caption.right + x, limits.right), std::min(caption.bottom + y, limits.bottom)};
}

void DrawFocusRectangle(HDC dc, const RECT& frame, ui::TColor color) {
  if (frame.right - frame.left < 2 || frame.bottom - frame.top < 2) return;
  const COLORREF rgb = ui::ColorToRGB(color);
  // The dots follow the edge round, so the corners and both directions keep the same rhythm.
  int step = 0;
  auto dot = [&](int x, int y) {
    if (step++ % 2 == 0) SetPixelV(dc, x, y, rgb);
  };
  for (int x = frame.left; x < frame.right - 1; ++x) dot(x, frame.top);
  for (int y = frame.top; y < frame.bottom - 1; ++y) dot(frame.right - 1, y);
  for (int x = frame.right - 1; x > frame.left; --x) dot(x, frame.bottom - 1);
  for (int y = frame.bottom - 1; y > frame.top; --y) dot(frame.left, y);
}
