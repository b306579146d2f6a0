#include "framework/Screen.h"

#include "framework/WinControl.h"

namespace ui {

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

HCURSOR TScreen::CursorHandle(int id) const {
  auto it = cursors_.find(id);
  return it == cursors_.end() ? nullptr : it->second;
}

TWinControl* TScreen::ActiveControl() const {
  for (HWND w = GetFocus(); w; w = GetParent(w))
    if (TWinControl* c = TWinControl::FromHandle(w)) return c;
  return nullptr;
}

}  // namespace ui
