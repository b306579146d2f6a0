#pragma once
#include <windows.h>

#include <functional>
#include <initializer_list>

#include "framework/Application.h"

namespace testsupport {

// Keys and clicks through the system's input queue, handled by the program's own message loop
// (the one that turns Tab, Enter and Esc into window commands), as a user's would be.
class RealInput {
 public:
  // Runs the application's loop until done() holds or the time is up; true when it held.
  static bool RunUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    const UINT_PTR tick = SetTimer(nullptr, 0, 10, nullptr);  // wakes the loop's wait
    const DWORD start = GetTickCount();
    bool held = done();
    while (!held && GetTickCount() - start < timeoutMs) {
      ui::Application->ProcessMessages();
      held = done();
    }
    KillTimer(nullptr, tick);
    return held;
  }

  // Lets the loop handle what the input queue holds now.
  static void Settle() {
    const DWORD until = GetTickCount() + 150;
    RunUntil([until] { return GetTickCount() >= until; });
  }

  // Presses and releases each key in turn, with modifier held down throughout (0 for none), then
  // lets the loop handle them.
  static void Keys(std::initializer_list<WORD> keys, WORD modifier = 0) {
    Queue(keys, modifier);
    Settle();
  }
  // The same without handling them yet: keys meant for a menu's own loop (which runs inside the
  // handling of the first key) must all be queued before it starts.
  static void Queue(std::initializer_list<WORD> keys, WORD modifier = 0) {
    if (modifier) Send(modifier, false);
    for (WORD key : keys) {
      Send(key, false);
      Send(key, true);
    }
    if (modifier) Send(modifier, true);
  }

  // Presses the left button at a screen point and releases it at another (the same for a click).
  static void Press(POINT down, POINT up) {
    SetCursorPos(down.x, down.y);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Settle();
    SetCursorPos(up.x, up.y);
    Settle();
    Mouse(MOUSEEVENTF_LEFTUP);
    Settle();
  }

 private:
  static void Send(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
  }
  static void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
  }
};

}  // namespace testsupport
