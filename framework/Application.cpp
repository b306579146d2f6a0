#include "framework/Exceptions.h"
#include "framework/Application.h"

#include <algorithm>
#include <utility>

#include "framework/Form.h"
#include "framework/Menu.h"
#include "framework/Platform.h"
#include "framework/TaskbarPreview.h"
#include "framework/WinControl.h"
#include "framework/WideText.h"

namespace ui {

TApplication* Application = nullptr;

namespace {
const wchar_t kAppWindowClass[] = L"TApplication";
// Posted when the taskbar entry has been activated: once the system has finished activating it,
// the activation goes on to the window the user works in.
const UINT kActivateFront = WM_APP + 1;
// The taskbar's pictures are asked for a moment after the main window first shows: loading the
// window manager's library then costs start-up nothing.
const UINT_PTR kEnablePreviewsTimer = 0x7A5B0001;
const UINT kEnablePreviewsDelayMs = 1000;
}  // namespace

LRESULT CALLBACK ApplicationWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  try {
    if (msg == WM_TIMER && wParam == kEnablePreviewsTimer) {
      KillTimer(window, kEnablePreviewsTimer);
      TaskbarPreview::Enable(window);
      return 0;
    }
    LRESULT result = 0;
    if (Application && Application->handle_ == window && Application->TaskbarMessage(msg, wParam, lParam, result))
      return result;
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

TApplication::TApplication() : TComponent(nullptr) {
  Application = this;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSW wc{};
  if (!GetClassInfoW(instance, kAppWindowClass, &wc)) {
    wc.lpfnWndProc = &ApplicationWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kAppWindowClass;
    RegisterClassW(&wc);
  }
  // A captioned window of no size: it has the system menu and the minimise command the taskbar
  // offers for it, and nothing of it shows on the screen.
  handle_ = CreateWindowExW(0, kAppWindowClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                            0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  // The program's icons for the taskbar button and the task switcher, which ask the window.
  if (handle_) {
    auto icon = [instance](int metric) {
      return reinterpret_cast<LPARAM>(LoadImageA(instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(metric),
                                                 GetSystemMetrics(metric), LR_SHARED));
    };
    SendMessageA(handle_, WM_SETICON, ICON_BIG, icon(SM_CXICON));
    SendMessageA(handle_, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));
  }
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_, WideText::FromUtf8(title_).c_str());
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
  hiddenByMinimize_.erase(std::remove(hiddenByMinimize_.begin(), hiddenByMinimize_.end(), form), hiddenByMinimize_.end());
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
      if (msg.wParam == VK_MENU) form->ShowFocusCues(true);
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

void TApplication::ShowTaskbarEntry() {
  if (!handle_ || IsWindowVisible(handle_)) return;
  PlaceTaskbarEntry();
  ShowWindow(handle_, SW_SHOWNA);
  SetTimer(handle_, kEnablePreviewsTimer, kEnablePreviewsDelayMs, nullptr);
}

void TApplication::PlaceTaskbarEntry() {
  if (!handle_ || Minimized()) return;
  const RECT covered = TaskbarPreview::Covered(ShownFormWindows());
  RECT entry{};
  GetWindowRect(handle_, &entry);
  if (!IsRectEmpty(&covered) && (covered.left != entry.left || covered.top != entry.top))
    SetWindowPos(handle_, nullptr, covered.left, covered.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
  if (!front || !front->HandleAllocated() || Minimized()) return;
  SetForegroundWindow(front->Handle());
  SetActiveWindow(front->Handle());
}

void TApplication::Minimize() {
  if (!handle_ || Minimized()) return;
  // The entry takes the activation before the windows go: hiding the active window would
  // otherwise activate the one behind it, and run its activation handler, on the way down.
  if (IsWindowVisible(handle_)) SetActiveWindow(handle_);
  HideFormsForMinimize();
  ShowWindow(handle_, SW_MINIMIZE);
  TaskbarPreview::Invalidate(handle_);
}

void TApplication::Restore() {
  if (Minimized()) ShowWindow(handle_, SW_RESTORE);
  ShowFormsAfterRestore();
}

// The windows are hidden and shown by the system only: for the program they stay visible, so
// a window closed while minimised (from the taskbar) is not brought back.
void TApplication::HideFormsForMinimize() {
  if (!hiddenByMinimize_.empty()) return;
  for (TForm* form : forms_)
    if (form->HandleAllocated() && IsWindowVisible(form->Handle())) hiddenByMinimize_.push_back(form);
  for (TForm* form : hiddenByMinimize_) ShowWindow(form->Handle(), SW_HIDE);
}

void TApplication::ShowFormsAfterRestore() {
  if (hiddenByMinimize_.empty()) return;
  for (TForm* form : std::exchange(hiddenByMinimize_, {}))
    if (form->Visible() && form->HandleAllocated()) ShowWindow(form->Handle(), SW_SHOWNA);
  ActivateFrontForm();
}

std::vector<HWND> TApplication::ShownFormWindows() const {
  std::vector<HWND> windows;
  for (TForm* form : forms_)
    if (form->Visible() && form->HandleAllocated()) windows.push_back(form->Handle());
  return windows;
}

bool TApplication::TaskbarMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) PostMessageA(handle_, kActivateFront, 0, 0);
      return false;
    case kActivateFront:
      if (GetActiveWindow() == handle_) ActivateFrontForm();
      return true;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MINIMIZE: Minimize(); return true;
        case SC_RESTORE: Restore(); return true;
        case SC_CLOSE: break;
        default: return false;
      }
      [[fallthrough]];
    case WM_CLOSE:
      // "Close window" on the taskbar closes the window in front, as its close box would.
      if (TForm* front = FrontForm(); front && front->HandleAllocated()) PostMessageA(front->Handle(), WM_CLOSE, 0, 0);
      return true;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) HideFormsForMinimize();
      else ShowFormsAfterRestore();
      return false;
    case WM_ACTIVATEAPP:
      if (!wParam) TaskbarPreview::Invalidate(handle_);
      return false;
    case WM_DWMSENDICONICTHUMBNAIL:
      TaskbarPreview::SendThumbnail(handle_, ShownFormWindows(), HIWORD(lParam), LOWORD(lParam));
      return true;
    case WM_DWMSENDICONICLIVEPREVIEWBITMAP:
      TaskbarPreview::SendPeek(handle_, ShownFormWindows());
      return true;
    default: return false;
  }
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
