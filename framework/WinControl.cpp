#include "framework/WinControl.h"

#include <windowsx.h>
#include <algorithm>

#include "core/AccessibleText.h"
#include "framework/AccessibleObject.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/Label.h"
#include "framework/Screen.h"
#include "system/Exceptions.h"
#include "system/Platform.h"
#include "system/WideText.h"

namespace ui {

namespace {
const char kObjectProperty[] = "SkylatchControl";
thread_local TWinControl* creatingControl = nullptr;

// The mouse messages whose framework handlers do not pass them on to the window's own procedure.
bool HandledWithoutDefault(UINT msg) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return true;
    default: return false;
  }
}
}  // namespace

LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Every window that runs this procedure is ours, so its user data is the control. (A window
  // property would do as well, but Wine asks its server for one on every message.)
  auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!control && creatingControl) {
    control = creatingControl;
    creatingControl = nullptr;
    control->Attach(window);
  }
  if (!control) return DefWindowProcW(window, msg, wParam, lParam);
  if (msg == WM_DESTROY) control->text_ = control->Text();  // natives keep their text in the window
  TMessage m{msg, wParam, lParam, 0};
  try {
    control->WndProc(m);
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
    m.result = 0;
  }
  if (msg == WM_NCDESTROY) control->Detach();
  return m.result;
}

TWinControl* TWinControl::FromHandle(HWND window) {
  return window ? static_cast<TWinControl*>(GetPropA(window, kObjectProperty)) : nullptr;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  BeginDestroy();
  while (!controls_.empty()) delete controls_.back();
  DestroyWnd();
}

void TWinControl::Attach(HWND window) {
  handle_ = window;
  SetPropA(window, kObjectProperty, this);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TWinControl::Detach() {
  if (handle_) {
    RemovePropA(handle_, kObjectProperty);
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  }
  handle_ = nullptr;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.windowClass = ClassName();
  params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  if (tabStop_) params.style |= WS_TABSTOP;
  params.x = left_;
  params.y = top_;
  params.width = width_;
  params.height = height_;
  params.parent = Parent() ? Parent()->Handle() : nullptr;
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* nativeClass) {
  params.windowClass = nativeClass;
  params.nativeClass = true;
  params.style &= ~WS_CLIPCHILDREN;
}

// Every window is a Unicode one. A class of our own sends its first messages to StdWndProc,
// which attaches the control; a native class is subclassed once the window exists.
void TWinControl::CreateWindowHandle(const TCreateParams& p) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  const std::wstring windowClass = WideText::FromUtf8(p.windowClass);
  if (!p.nativeClass) {
    WNDCLASSW existing{};
    if (!GetClassInfoW(instance, windowClass.c_str(), &existing)) {
      WNDCLASSW wc{};
      wc.style = p.classStyle;
      wc.lpfnWndProc = &StdWndProc;
      wc.hInstance = instance;
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      wc.lpszClassName = windowClass.c_str();
      if (!(p.style & WS_CHILD)) wc.hIcon = LoadIconW(instance, L"MAINICON");  // a child shows no icon
      if (!RegisterClassW(&wc)) throw Exception("Error creating window class");
    }
    defWndProc_ = &DefWindowProcW;
    creatingControl = this;
  }
  HWND window = CreateWindowExW(p.exStyle, windowClass.c_str(), WideText::FromUtf8(text_).c_str(), p.style, p.x, p.y,
                                p.width, p.height, p.parent, p.menu, instance, nullptr);
  creatingControl = nullptr;
  if (!window) throw Exception("Error creating window");
  if (p.nativeClass) {
    Attach(window);
    defWndProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc)));
  }
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  CreateWindowHandle(params);
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  for (TControl* child : controls_)
    if (child->IsWindowed()) static_cast<TWinControl*>(child)->HandleNeeded();
}

void TWinControl::DestroyWnd() {
  if (handle_) DestroyWindow(handle_);
  handle_ = nullptr;
}

void TWinControl::HandleNeeded() {
  if (handle_ || Loading() || Destroying()) return;
  if (Parent() && !Parent()->HandleAllocated()) {
    Parent()->HandleNeeded();
    return;  // the parent makes its children's windows
  }
  CreateWnd();
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  std::string text = Text();
  for (TControl* child : controls_)
    if (child->IsWindowed()) static_cast<TWinControl*>(child)->DestroyWnd();
  DestroyWnd();
  text_ = text;
  HandleNeeded();
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent == Parent()) return;
  if (handle_ && !parent) DestroyWnd();
  TControl::SetParent(parent);
  if (parent) {
    if (handle_) ::SetParent(handle_, parent->Handle());
    else if (parent->HandleAllocated() && !Loading()) HandleNeeded();
  }
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (handle_) SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  BoundsChanged();
}

void TWinControl::UpdateBoundsFromWindow() {
  RECT r{};
  GetWindowRect(handle_, &r);
  HWND parent = GetParent(handle_);
  if (parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD)) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  bool changed = r.left != left_ || r.top != top_ || r.right - r.left != width_ || r.bottom - r.top != height_;
  left_ = r.left;
  top_ = r.top;
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  if (changed) BoundsChanged();
}

RECT TWinControl::ClientRect() const {
  RECT r{0, 0, width_, height_};
  if (handle_) GetClientRect(handle_, &r);
  return r;
}

std::string TWinControl::Text() const {
  if (!handle_) return text_;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle_)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(std::max(0, GetWindowTextW(handle_, text.data(), static_cast<int>(text.size())))));
  return WideText::ToUtf8(text);
}

void TWinControl::TextToWindow() {
  if (handle_) SetWindowTextW(handle_, WideText::FromUtf8(text_).c_str());
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (control->IsWindowed()) tabList_.push_back(static_cast<TWinControl*>(control));
}

void TWinControl::RemoveControl(TControl* control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
  if (handle_ && !control->IsWindowed() && !Destroying()) {
    RECT r = control->BoundsRect();
    InvalidateRect(handle_, &r, TRUE);
  }
}

void TWinControl::NotifyControls(UINT msg) {
  std::vector<TControl*> copy = controls_;
  for (TControl* c : copy) c->Perform(msg);
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (c->IsWindowed() || !c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, p)) return c;
  }
  return nullptr;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  requestedTabOrder_ = order;
  if (!Parent() || order < 0 || Loading()) return;
  auto& list = Parent()->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.insert(list.begin() + std::min<std::size_t>(static_cast<std::size_t>(order), list.size()), this);
}

void TWinControl::SetTabStop(bool value) {
  tabStop_ = value;
  if (handle_) {
    LONG style = GetWindowLongW(handle_, GWL_STYLE);
    SetWindowLongW(handle_, GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Stored tab orders are applied once all siblings exist.
  std::stable_sort(tabList_.begin(), tabList_.end(), [](TWinControl* a, TWinControl* b) {
    auto key = [](TWinControl* c) { return c->requestedTabOrder_ < 0 ? 1 << 30 : c->requestedTabOrder_; };
    return key(a) < key(b);
  });
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  HandleNeeded();
  if (handle_) ::SetFocus(handle_);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, (Style() & csOpaque) ? FALSE : TRUE);
}

void TWinControl::Repaint() {
  if (!handle_) return;
  Invalidate();
  UpdateWindow(handle_);
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* c : controls_) {
    if (c->IsWindowed() || !c->Visible()) continue;
    RECT r = c->BoundsRect();
    if (!RectVisible(dc, &r)) continue;
    SavedDCState saved(dc);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
    IntersectClipRect(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    static_cast<TGraphicControl*>(c)->PaintTo(dc);
  }
}

HBRUSH TWinControl::ColorBrush() {
  if (!brush_) brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
  return brush_.Get();
}

void TWinControl::DefaultHandler(TMessage& m) {
  m.result = handle_ && defWndProc_ ? CallWindowProcW(defWndProc_, handle_, m.msg, m.wParam, m.lParam) : 0;
}

void TWinControl::WndProc(TMessage& m) {
  if (m.msg >= WM_MOUSEFIRST && m.msg <= WM_MOUSELAST && m.msg != WM_MOUSEWHEEL) {
    // Mouse messages over a windowless child, or while one holds the capture, are its own.
    POINT p{GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
    TControl* target = CaptureControl();
    if (target && (target->IsWindowed() || target->Parent() != this)) target = nullptr;
    if (!target && !CaptureControl()) target = ControlAtPos(p, false);
    if (target) {
      m.result = target->Perform(m.msg, m.wParam, MAKELPARAM(p.x - target->Left(), p.y - target->Top()));
      return;
    }
    // A native control places the caret, takes the focus and drops its list on the mouse
    // itself, so it sees the message before the framework's own handling.
    if (defWndProc_ && defWndProc_ != &DefWindowProcW && HandledWithoutDefault(m.msg)) DefaultHandler(m);
  }
  Dispatch(m);
}

void TWinControl::WMPaint(TMessage& m) {
  if (defWndProc_ != &DefWindowProcW) {
    DefaultHandler(m);
    return;
  }
  if (m.wParam) {
    PaintWindow(reinterpret_cast<HDC>(m.wParam));
    return;
  }
  PaintSession paint(handle_);
  PaintWindow(paint.Get());
}

void TWinControl::WMPrintClient(TMessage& m) {
  if (defWndProc_ != &DefWindowProcW) {
    DefaultHandler(m);
    return;
  }
  HDC dc = reinterpret_cast<HDC>(m.wParam);
  if (m.lParam & PRF_ERASEBKGND) Perform(WM_ERASEBKGND, m.wParam, 0);
  PaintWindow(dc);
  m.result = 0;
}

void TWinControl::PaintWindow(HDC dc) { PaintControls(dc); }

void TWinControl::WMCaptureChanged(TMessage& m) {
  DefaultHandler(m);
  ForgetCaptureControl(handle_, reinterpret_cast<HWND>(m.lParam));
}

void TWinControl::WMCancelMode(TMessage& m) {
  ForgetCaptureControl(handle_, nullptr);
  DefaultHandler(m);
}

void TWinControl::InvalidateFrame() {
  if (handle_) RedrawWindow(handle_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TWinControl::BroadcastSysColorChange() {
  brush_.Reset();
  Perform(CM_SYSCOLORCHANGE);
  std::vector<TControl*> copy = controls_;
  for (TControl* c : copy) {
    if (c->IsWindowed()) static_cast<TWinControl*>(c)->BroadcastSysColorChange();
    else c->Perform(CM_SYSCOLORCHANGE);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& m) {
  if (Style() & csOpaque) {
    m.result = 1;
    return;
  }
  if (defWndProc_ != &DefWindowProcW) {
    DefaultHandler(m);
    return;
  }
  RECT r;
  GetClientRect(handle_, &r);
  FillRect(reinterpret_cast<HDC>(m.wParam), &r, ColorBrush());
  m.result = 1;
}

void TWinControl::WMSetCursor(TMessage& m) {
  if (LOWORD(m.lParam) == HTCLIENT && reinterpret_cast<HWND>(m.wParam) == handle_) {
    POINT p = ScreenToClient(Platform::Current().CursorPos());
    TControl* c = ControlAtPos(p, false);
    int cursor = c ? c->Cursor() : Cursor();
    if (cursor != 0) {
      if (HCURSOR h = Screen().CursorHandle(cursor)) {
        ::SetCursor(h);
        m.result = TRUE;
        return;
      }
    }
  }
  DefaultHandler(m);
}

void TWinControl::WMSetFocus(TMessage& m) {
  DefaultHandler(m);
  if (TForm* form = ParentForm()) form->FocusControlChanged(this);
}

void TWinControl::WMKillFocus(TMessage& m) { DefaultHandler(m); }

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}
void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}
void TWinControl::KeyPress(wchar_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

static TShiftState KeyShift() {
  TShiftState s = 0;
  if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
  if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

void TWinControl::WMKeyDown(TMessage& m) {
  WORD key = static_cast<WORD>(m.wParam);
  KeyDown(key, KeyShift());
  if (key != 0) {
    m.wParam = key;
    DefaultHandler(m);
  }
}

void TWinControl::WMKeyUp(TMessage& m) {
  WORD key = static_cast<WORD>(m.wParam);
  KeyUp(key, KeyShift());
  if (key != 0) {
    m.wParam = key;
    DefaultHandler(m);
  }
}

// KeyPress sees the UTF-16 unit the window was sent, and may change or drop it.
void TWinControl::WMChar(TMessage& m) {
  wchar_t c = static_cast<wchar_t>(m.wParam);
  KeyPress(c);
  if (c == 0) return;
  m.wParam = c;
  if (!WantsChars()) {
    if (TForm* form = ParentForm())
      if (form->Perform(CM_DIALOGCHAR, m.wParam, 0)) return;
  }
  DefaultHandler(m);
}

void TWinControl::WMCommand(TMessage& m) {
  if (m.lParam) {
    if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.lParam))) {
      m.result = child->Perform(CN_COMMAND, m.wParam, m.lParam);
      return;
    }
  }
  DefaultHandler(m);
}

void TWinControl::WMCtlColor(TMessage& m) {
  if (TWinControl* child = FromHandle(reinterpret_cast<HWND>(m.lParam))) {
    m.result = child->Perform(CN_BASE + m.msg, m.wParam, m.lParam);
    return;
  }
  DefaultHandler(m);
}

// A window without frame, caption, menu or scroll bars has nothing outside its client area to
// paint; the default painting would still fetch a window device context from Wine's server.
void TWinControl::WMNCPaint(TMessage& m) {
  RECT window{}, client{};
  GetWindowRect(handle_, &window);
  GetClientRect(handle_, &client);
  if (window.right - window.left == client.right && window.bottom - window.top == client.bottom) {
    m.result = 0;
    return;
  }
  DefaultHandler(m);
}

void TWinControl::CNCtlColor(TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.wParam);
  SetTextColor(dc, ColorToRGB(Font().Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  m.result = reinterpret_cast<LRESULT>(ColorBrush());
}

void TWinControl::WMWindowPosChanged(TMessage& m) {
  DefaultHandler(m);
  UpdateBoundsFromWindow();
}

void TWinControl::CMEnabledChanged(TMessage& m) {
  if (handle_) EnableWindow(handle_, Enabled());
  TControl::CMEnabledChanged(m);
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (Visible()) {
    HandleNeeded();
    if (handle_) ShowWindow(handle_, SW_SHOWNA);
  } else if (handle_) {
    ShowWindow(handle_, SW_HIDE);
  }
}

void TWinControl::CMColorChanged(TMessage& m) {
  brush_.Reset();
  TControl::CMColorChanged(m);
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMFontChanged(TMessage& m) {
  if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  TControl::CMFontChanged(m);
  NotifyControls(CM_PARENTFONTCHANGED);
}

// Offers a dialog character to the controls inside until one takes it.
void TWinControl::CMDialogChar(TMessage& m) {
  std::vector<TControl*> copy = controls_;
  for (TControl* c : copy) {
    m.result = c->Perform(CM_DIALOGCHAR, m.wParam, m.lParam);
    if (m.result) return;
  }
}

void TWinControl::WMGetObject(TMessage& m) {
  if (static_cast<LONG>(m.lParam) == OBJID_CLIENT)
    if (LRESULT answer = AccessibleObject::Answer(*this, m.wParam)) {
      m.result = answer;
      return;
    }
  DefaultHandler(m);
}

void TWinControl::DescribeAccessible(AccessibleInfo& info) const {
  const TComponent* owner = Owner();
  if (!owner) return;
  for (const TComponent* c : owner->Components())
    if (auto* label = dynamic_cast<const TLabel*>(c); label && label->FocusControl() == this) {
      info.SetName(core::NameFromLabel(label->Caption()));
      return;
    }
}

void TWinControl::CMDialogKey(TMessage& m) {
  std::vector<TControl*> copy = controls_;
  for (TControl* c : copy) {
    m.result = c->Perform(CM_DIALOGKEY, m.wParam, m.lParam);
    if (m.result) return;
  }
}

void TWinControl::CMEnter(TMessage&) {
  if (OnEnter) OnEnter(this);
}

void TWinControl::CMExit(TMessage&) {
  if (OnExit) OnExit(this);
}

TControl* FindControlAtScreenPoint(POINT screen, bool allowDisabled) {
  HWND window = WindowFromPoint(screen);
  if (!window) return nullptr;
  for (;;) {
    POINT p = screen;
    ScreenToClient(window, &p);
    HWND child = ChildWindowFromPointEx(window, p, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!child || child == window) break;
    window = child;
  }
  TWinControl* control = nullptr;
  for (HWND w = window; w && !control; w = GetParent(w)) control = TWinControl::FromHandle(w);
  if (!control) return nullptr;
  if (!allowDisabled && !control->Enabled()) return nullptr;
  POINT p = control->ScreenToClient(screen);
  TControl* graphic = control->ControlAtPos(p, allowDisabled);
  return graphic ? graphic : control;
}

}  // namespace ui
