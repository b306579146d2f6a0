#include "framework/Application.h"

#include <algorithm>
#include <utility>

#include "framework/Form.h"
#include "framework/Menu.h"
#include "framework/WinControl.h"
#include "system/Exceptions.h"
#include "system/Platform.h"
#include "system/WideText.h"

namespace ui {

TApplication* Application = nullptr;

TApplication::TApplication() : TComponent(nullptr), taskbar_(*this) { Application = this; }

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  taskbar_.SetTitle(title_);
}

TApplication::~TApplication() {
  DestroyForms();
  DestroyComponents();
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
  taskbar_.FormDestroyed(form);
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
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
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
    DispatchMessageW(&msg);
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
      if (msg.wParam == VK_MENU) form->ShowFocusCues(true, true);
      return false;
    }
    if (msg.message == WM_SYSCHAR) return form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    // Ctrl plus a letter runs the menu entry that has it as its shortcut.
    if (GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0 && GetKeyState(VK_SHIFT) >= 0 && form->Menu() &&
        form->Enabled() && form->Menu()->DispatchShortCut(msg.wParam))
      return true;
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
  MessageBoxW(owner, WideText::FromUtf8(ErrorBoxText(e)).c_str(), WideText::FromUtf8(title_).c_str(), MB_OK | MB_ICONSTOP);
}

TForm* TApplication::FrontForm() const {
  if (!mainForm_ || !mainForm_->Visible()) return nullptr;
  if (mainForm_->Enabled()) return mainForm_;
  auto waitedFor = [this](TForm* form) { return form && form != mainForm_ && form->Visible() && form->Enabled(); };
  if (waitedFor(activeForm_)) return activeForm_;
  for (TForm* form : forms_)
    if (waitedFor(form)) return form;
  return nullptr;
}

void TApplication::ActivateFrontForm() {
  TForm* front = FrontForm();
  if (!front || !front->HandleAllocated() || taskbar_.Minimized()) return;
  SetForegroundWindow(front->Handle());
  SetActiveWindow(front->Handle());
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
