#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/WinControl.h"
#include "tests/support/RecordingPlatform.h"

namespace testsupport {

// Base fixture of the Wine tests: a recording platform, exceptions collected instead of shown
// in a box, and helpers that drive real windows with real messages.
class WindowTest : public testing::Test {
 protected:
  WindowTest() : scoped_(platform) {
    ui::Application->OnException = [this](const std::exception& e) { errors.push_back(e.what()); };
  }
  ~WindowTest() override {
    ui::Application->DestroyForms();
    ui::Application->OnException = nullptr;
    ui::Application->ClearTerminated();
  }

  // Dispatches whatever is waiting (and runs the idle step).
  static void Pump() {
    MSG msg;
    for (int i = 0; i < 3; ++i) {
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      ui::Application->Idle();
    }
  }

  // A left click at a client point of a control, sent as the messages Windows would send.
  static void Click(ui::TControl& control, int x = 3, int y = 3) {
    SendMouse(control, WM_LBUTTONDOWN, MK_LBUTTON, x, y);
    SendMouse(control, WM_LBUTTONUP, 0, x, y);
    Pump();
  }

  static void SendMouse(ui::TControl& control, UINT msg, WPARAM keys, int x, int y) {
    HWND window;
    if (control.IsWindowed()) {
      window = static_cast<ui::TWinControl&>(control).Handle();
    } else {
      window = control.Parent()->Handle();
      x += control.Left();
      y += control.Top();
    }
    SendMessageA(window, msg, keys, MAKELPARAM(x, y));
  }

  RecordingPlatform platform;
  std::vector<std::string> errors;

 private:
  ui::ScopedPlatform scoped_;
};

}  // namespace testsupport
