#include "framework/Exceptions.h"
#include "framework/Application.h"

#include <algorithm>

#include "framework/Form.h"
#include "framework/Platform.h"
#include "framework/Timer.h"
#include "framework/WinControl.h"

namespace ui {

TApplication* Application = nullptr;

namespace {
const char kAppWindowClass[] = "TApplication";

LRESULT CALLBACK AppWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    try {
      TTimer::Dispatch(static_cast<UINT_PTR>(wParam));
    } catch (const std::exception& e) {
      if (Application) Application->HandleException(e);
    }
    return 0;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}
}  // namespace

TApplication::TApplication() : TComponent(nullptr) {
  Application = this;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  if (!GetClassInfoA(instance, kAppWindowClass, &wc)) {
    wc.lpfnWndProc = &AppWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kAppWindowClass;
    RegisterClassA(&wc);
  }
  handle_ = CreateWindowExA(0, kAppWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
}

TApplication::~TApplication() {
  DestroyForms();
  DestroyComponents();
  if (handle_) DestroyWindow(handle_);
  if (Application == this) Application = nullptr;
}

void TApplication::DestroyForms() {
  while (!forms_.empty()) {
    TForm* form = forms_.back();
    delete form;  // removes itself from forms_
  }
  mainForm_ = nullptr;
  activeForm_ = nullptr;
}

void TApplication::FormDestroyed(TForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  if (mainForm_ == form) mainForm_ = nullptr;
  if (activeForm_ == form) activeForm_ = nullptr;
}

void TApplication::ControlDestroyed(TControl* control) {
  if (mouseControl_ == control) mouseControl_ = nullptr;
}

bool TApplication::FormActivated(TForm* form) {
  bool changed = activeForm_ != form;
  activeForm_ = form;
  return changed;
}

void TApplication::ActivateMainFormIfUsable() {
  if (!mainForm_ || !mainForm_->HandleAllocated() || !mainForm_->Visible() || !mainForm_->Enabled()) return;
  HWND active = GetActiveWindow();
  if (active && active != mainForm_->Handle() && IsWindowVisible(active)) return;
  SetForegroundWindow(mainForm_->Handle());
  SetActiveWindow(mainForm_->Handle());
}

int TApplication::Run() {
  if (mainForm_ && !terminated_) mainForm_->Show();
  while (!terminated_) HandleMessage();
  DestroyForms();
  return exitCode_;
}

void TApplication::ProcessMessages() {
  while (!terminated_ && HandleMessage()) {
  }
}

bool TApplication::HandleMessage() {
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    Idle();
    if (!terminated_) WaitMessage();
    return false;
  }
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  if (!PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return true;
}

// Keys that belong to the window rather than to the focused control: Tab moves the focus, Alt
// plus a character looks for a caption's accelerator, Enter and Esc go to the window's default and
// cancel buttons unless the focused control takes them. Keyboard navigation shows the focus cues,
// a mouse press hides them again.
bool TApplication::PreTranslate(MSG& msg) {
  const bool press = msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN || msg.message == WM_MBUTTONDOWN;
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN && msg.message != WM_SYSCHAR && !press) return false;
  if (!press) lastInputKeyboard_ = true;
  TWinControl* control = nullptr;
  for (HWND w = msg.hwnd; w && !control; w = GetParent(w)) control = TWinControl::FromHandle(w);
  TForm* form = control ? control->ParentForm() : nullptr;
  if (!form) return false;
  try {
    if (press) {
      lastInputKeyboard_ = false;
      form->ShowFocusCues(false);
      return false;
    }
    if (msg.message == WM_SYSKEYDOWN) {
      if (msg.wParam == VK_MENU) form->ShowFocusCues(true);
      return false;
    }
    if (msg.message == WM_SYSCHAR) return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    switch (msg.wParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0) return false;
        form->ShowFocusCues(true);
        form->SelectNext(GetKeyState(VK_SHIFT) >= 0);
        return true;
      case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        form->ShowFocusCues(true);
        return false;
      case VK_RETURN: case VK_ESCAPE: {
        TWinControl* focused = TWinControl::FromHandle(GetFocus());
        if (focused && focused->WantsKey(msg.wParam)) return false;
        return form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
      }
      default: return false;
    }
  } catch (const std::exception& e) {
    HandleException(e);
    return true;
  }
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(exitCode_);
}

void TApplication::Halt(int exitCode) {
  exitCode_ = exitCode;
  Terminate();
}

std::string TApplication::ErrorBoxText(const std::exception& e) {
  std::string text = e.what();
  if (text.empty() || text.back() != '.') text += '.';
  return text;
}

void TApplication::HandleException(const std::exception& e) {
  if (OnException) {
    OnException(e);
    return;
  }
  HWND owner = GetActiveWindow();
  MessageBoxA(owner, ErrorBoxText(e).c_str(), Title.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::Idle() {
  TControl* target = FindControlAtScreenPoint(Platform::Current().CursorPos(), true);
  TControl* capture = CaptureControl();
  if (capture && target != capture) target = nullptr;
  if (target == mouseControl_) return;
  TControl* old = mouseControl_;
  mouseControl_ = target;
  try {
    if (old) old->Perform(CM_MOUSELEAVE);
    if (target) target->Perform(CM_MOUSEENTER);
  } catch (const std::exception& e) {
    HandleException(e);
  }
}

}  // namespace ui
