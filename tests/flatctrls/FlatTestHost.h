#pragma once
#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "framework/Form.h"
#include "tests/support/WindowTest.h"

// A plain window to put controls on. It publishes one handler of each event signature, so that
// stored event bindings can be applied to the controls on it.
class TTestHostForm : public ui::TForm {
 public:
  explicit TTestHostForm(ui::TComponent* owner) : ui::TForm(owner) {
    Publish("NotifyHandler", &TTestHostForm::NotifyHandler);
    Publish("MouseHandler", &TTestHostForm::MouseHandler);
    Publish("MouseMoveHandler", &TTestHostForm::MouseMoveHandler);
    Publish("KeyHandler", &TTestHostForm::KeyHandler);
    Publish("KeyPressHandler", &TTestHostForm::KeyPressHandler);
    Publish("DrawItemHandler", &TTestHostForm::DrawItemHandler);
    Publish("MeasureItemHandler", &TTestHostForm::MeasureItemHandler);
    Publish("CloseHandler", &TTestHostForm::CloseHandler);
  }
  const char* ClassName() const override { return "TTestHostForm"; }

  void NotifyHandler(ui::TObject*) {}
  void MouseHandler(ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) {}
  void MouseMoveHandler(ui::TObject*, ui::TShiftState, int, int) {}
  void KeyHandler(ui::TObject*, WORD&, ui::TShiftState) {}
  void KeyPressHandler(ui::TObject*, wchar_t&) {}
  void DrawItemHandler(ui::TObject*, int, const RECT&, UINT) {}
  void MeasureItemHandler(ui::TObject*, int, int&) {}
  void CloseHandler(ui::TObject*, ui::TCloseAction&) {}
};

// A shown host window and helpers that drive controls with real messages.
class FlatControlTest : public testsupport::WindowTest {
 protected:
  FlatControlTest() : host(new TTestHostForm(nullptr)) {
    host->SetBounds(100, 100, 400, 300);
    host->HandleNeeded();
    host->Show();
    Pump();
  }
  ~FlatControlTest() override { delete host; }

  template <typename T>
  T* Make(int left, int top, int width, int height, ui::TWinControl* parent = nullptr) {
    T* control = new T(host);
    control->SetParent(parent ? parent : host);
    control->SetBounds(left, top, width, height);
    return control;
  }

  static void Key(ui::TWinControl& control, UINT msg, WPARAM key) { SendMessageA(control.Handle(), msg, key, 0); }
  static void Char(ui::TWinControl& control, char c) {
    SendMessageA(control.Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
  }
  // A key sent while the given modifier keys read as held down.
  static void KeyHolding(ui::TWinControl& control, std::initializer_list<BYTE> held, WPARAM key) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    for (BYTE k : held) keys[k] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(control.Handle(), WM_KEYDOWN, key, 0);
    for (BYTE k : held) keys[k] = 0;
    SetKeyboardState(keys);
  }
  void SetClipboardText(const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(host->Handle()));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(data), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
  }

  TTestHostForm* host;
};
