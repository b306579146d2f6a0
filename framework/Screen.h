#pragma once
#include <windows.h>

#include <map>

namespace ui {

class TWinControl;

constexpr int crDefault = 0;

// Program-wide screen state: the cursor table and the focused control.
class TScreen {
 public:
  void SetCursor(int id, HCURSOR cursor) { cursors_[id] = cursor; }
  HCURSOR CursorHandle(int id) const;
  TWinControl* ActiveControl() const;

 private:
  std::map<int, HCURSOR> cursors_;
};

TScreen& Screen();

}  // namespace ui
