#include "framework/Control.h"

#include <windowsx.h>
#include <cctype>

#include "core/AccessibleText.h"
#include "core/DpiScale.h"
#include "core/EnumNames.h"
#include "framework/AccessibleObject.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/WinControl.h"
#include "system/Exceptions.h"
#include "system/WideText.h"

namespace ui {

namespace {
TControl* captureControl = nullptr;

}  // namespace

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
  if (captureControl == this) {
    captureControl = nullptr;
    ReleaseCapture();
  }
  if (Application) Application->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WndProc(m);
  return m.result;
}

void TControl::WndProc(TMessage& message) { Dispatch(message); }

int TControl::Dpi() const { return parent_ ? parent_->Dpi() : core::DpiScale::kDesignDpi; }

void TControl::DefaultHandler(TMessage& message) { message.result = 0; }

void TControl::Dispatch(TMessage& m) {
  switch (m.msg) {
    case WM_MOUSEMOVE: WMMouseMove(m); break;
    case WM_LBUTTONDOWN: WMLButtonDown(m); break;
    case WM_LBUTTONUP: WMLButtonUp(m); break;
    case WM_LBUTTONDBLCLK: WMLButtonDblClk(m); break;
    case WM_RBUTTONDOWN: WMRButtonDown(m); break;
    case WM_RBUTTONUP: WMRButtonUp(m); break;
    case WM_MBUTTONDOWN: WMMButtonDown(m); break;
    case WM_MBUTTONUP: WMMButtonUp(m); break;
    case WM_SETCURSOR: WMSetCursor(m); break;
    case WM_PAINT: WMPaint(m); break;
    case WM_ERASEBKGND: WMEraseBkgnd(m); break;
    case WM_SIZE: WMSize(m); break;
    case WM_MOVE: WMMove(m); break;
    case WM_SETFOCUS: WMSetFocus(m); break;
    case WM_KILLFOCUS: WMKillFocus(m); break;
    case WM_KEYDOWN: WMKeyDown(m); break;
    case WM_KEYUP: WMKeyUp(m); break;
    case WM_CHAR: WMChar(m); break;
    case WM_TIMER: WMTimer(m); break;
    case WM_COMMAND: WMCommand(m); break;
    case WM_NCCALCSIZE: WMNCCalcSize(m); break;
    case WM_NCPAINT: WMNCPaint(m); break;
    case WM_GETDLGCODE: WMGetDlgCode(m); break;
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(m); break;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX: WMCtlColor(m); break;
    case WM_CLOSE: WMClose(m); break;
    case WM_ACTIVATE: WMActivate(m); break;
    case WM_SHOWWINDOW: WMShowWindow(m); break;
    case WM_CUT: WMCut(m); break;
    case WM_PASTE: WMPaste(m); break;
    case WM_CAPTURECHANGED: WMCaptureChanged(m); break;
    case WM_DPICHANGED: WMDpiChanged(m); break;
    case WM_CANCELMODE: WMCancelMode(m); break;
    case WM_PRINTCLIENT: WMPrintClient(m); break;
    case WM_SYSCOLORCHANGE: WMSysColorChange(m); break;
    case WM_SETTINGCHANGE: WMSettingChange(m); break;
    case WM_UPDATEUISTATE: WMUpdateUIState(m); break;
    case WM_GETOBJECT: WMGetObject(m); break;
    case WM_SYSCOMMAND: WMSysCommand(m); break;
    case WM_DROPFILES: WMDropFiles(m); break;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(m); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(m); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(m); break;
    case CM_SYSCOLORCHANGE: CMSysColorChange(m); break;
    case CM_MOUSEENTER: CMMouseEnter(m); break;
    case CM_MOUSELEAVE: CMMouseLeave(m); break;
    case CM_DIALOGCHAR: CMDialogChar(m); break;
    case CM_DIALOGKEY: CMDialogKey(m); break;
    case CM_BUTTONPRESSED: CMButtonPressed(m); break;
    case CM_ENTER: CMEnter(m); break;
    case CM_EXIT: CMExit(m); break;
    case CM_FOCUSCHANGED: CMFocusChanged(m); break;
    case CN_COMMAND: CNCommand(m); break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX: CNCtlColor(m); break;
    default: DefaultHandler(m); break;
  }
}

TShiftState TControl::ShiftFromKeys(WPARAM keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

// The caption is UTF-8; its accelerator is the character after the first single "&", compared
// without regard to case.
bool TControl::IsAccel(wchar_t c, const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    std::size_t end = i + 2;
    while (end < caption.size() && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80) ++end;
    std::wstring accel = WideText::FromUtf8(std::string_view(caption).substr(i + 1, end - i - 1));
    std::wstring typed(1, c);
    if (accel.empty()) return false;
    CharUpperBuffW(accel.data(), static_cast<DWORD>(accel.size()));
    CharUpperBuffW(typed.data(), 1);
    return accel == typed;
  }
  return false;
}

// Mouse handling: capture during a left press, a click when the press ends inside the control.
void TControl::MouseButtonDown(TMessage& m, TMouseButton button) {
  if (button == TMouseButton::mbLeft) {
    if (controlStyle_ & csCaptureMouse) SetMouseCapture(true);
    if (controlStyle_ & csClickEvents) clicked_ = true;
  }
  MouseDown(button, ShiftFromKeys(m.wParam), GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
}

void TControl::MouseButtonUp(TMessage& m, TMouseButton button) {
  int x = GET_X_LPARAM(m.lParam), y = GET_Y_LPARAM(m.lParam);
  if (button == TMouseButton::mbLeft) {
    if (controlStyle_ & csCaptureMouse) SetMouseCapture(false);
    if (clicked_) {
      clicked_ = false;
      RECT r = ClientRect();
      if (PtInRect(&r, POINT{x, y})) Click();
    }
  }
  MouseUp(button, ShiftFromKeys(m.wParam), x, y);
}

void TControl::WMMouseMove(TMessage& m) {
  MouseMove(ShiftFromKeys(m.wParam), GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam));
}
void TControl::WMLButtonDown(TMessage& m) { MouseButtonDown(m, TMouseButton::mbLeft); }
void TControl::WMLButtonUp(TMessage& m) { MouseButtonUp(m, TMouseButton::mbLeft); }
void TControl::WMLButtonDblClk(TMessage& m) {
  // A double click counts as a further press.
  MouseButtonDown(m, TMouseButton::mbLeft);
}
void TControl::WMRButtonDown(TMessage& m) { MouseButtonDown(m, TMouseButton::mbRight); }
void TControl::WMRButtonUp(TMessage& m) { MouseButtonUp(m, TMouseButton::mbRight); }
void TControl::WMMButtonDown(TMessage& m) { MouseButtonDown(m, TMouseButton::mbMiddle); }
void TControl::WMMButtonUp(TMessage& m) { MouseButtonUp(m, TMouseButton::mbMiddle); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

bool TControl::MouseCaptured() const { return captureControl == this; }

void TControl::SetMouseCapture(bool capture) {
  if (capture) {
    HWND window = IsWindowed() ? static_cast<TWinControl*>(this)->Handle() : (parent_ ? parent_->Handle() : nullptr);
    TControl* previous = captureControl;
    captureControl = this;
    if (previous && previous != this) previous->MouseCaptureLost();
    if (window) SetCapture(window);
  } else if (captureControl == this) {
    captureControl = nullptr;
    ReleaseCapture();
  }
}

void TControl::MouseCaptureLost() { clicked_ = false; }

TControl* CaptureControl() { return captureControl; }

void ForgetCaptureControl(HWND window, HWND newCapture) {
  TControl* lost = captureControl;
  if (!lost || newCapture == window) return;
  HWND held = lost->IsWindowed() ? static_cast<TWinControl*>(lost)->Handle()
                                 : (lost->Parent() ? lost->Parent()->Handle() : nullptr);
  if (held != window) return;
  captureControl = nullptr;
  lost->MouseCaptureLost();
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = parent;
  if (parent_) {
    parent_->InsertControl(this);
    if (parentColor_) Perform(CM_PARENTCOLORCHANGED);
    if (parentFont_) Perform(CM_PARENTFONTCHANGED);
  }
}

void TControl::SetParentComponent(TComponent* parent) {
  auto* container = dynamic_cast<TWinControl*>(parent);
  if (!container) throw Exception(std::string(ClassName()) + " " + Name() + " cannot be placed in " + parent->Name());
  SetParent(container);
}

bool TControl::IsKeyboardFocus() const {
  const TForm* form = ParentForm();
  return form && form->FocusedGraphic() == this && form->HandleAllocated() && GetFocus() == form->Handle();
}

std::string TControl::DrawnCaption(const std::string& caption, UINT& flags) const {
  const TForm* form = ParentForm();
  if ((flags & DT_NOPREFIX) || (form && form->AccessKeysShown())) return caption;
  flags |= DT_NOPREFIX;
  return core::SpokenCaption(caption);
}

bool TControl::HoldsFocus() const {
  const TForm* form = ParentForm();
  if (!form || !form->HandleAllocated()) return false;
  const HWND focus = GetFocus();
  if (IsWindowed()) {
    const HWND own = static_cast<const TWinControl*>(this)->Handle();
    if (own && (focus == own || IsChild(own, focus))) return true;
  }
  if (focus != form->Handle()) return false;
  for (const TControl* c = form->FocusedGraphic(); c; c = c->parent_)
    if (c == this) return true;
  return false;
}

TForm* TControl::ParentForm() const {
  const TControl* c = this;
  while (c) {
    if (auto* form = dynamic_cast<TForm*>(const_cast<TControl*>(c))) return form;
    c = c->parent_;
  }
  return nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  if (!IsWindowed()) Invalidate();
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (!IsWindowed()) Invalidate();
  BoundsChanged();
}

POINT TControl::ClientToScreen(POINT p) const {
  if (IsWindowed()) {
    HWND h = static_cast<const TWinControl*>(this)->Handle();
    ::ClientToScreen(h, &p);
    return p;
  }
  if (!parent_) return p;
  return parent_->ClientToScreen(POINT{p.x + left_, p.y + top_});
}

POINT TControl::ScreenToClient(POINT p) const {
  if (IsWindowed()) {
    HWND h = static_cast<const TWinControl*>(this)->Handle();
    ::ScreenToClient(h, &p);
    return p;
  }
  if (!parent_) return p;
  POINT q = parent_->ScreenToClient(p);
  return POINT{q.x - left_, q.y - top_};
}

// A control hidden or greyed out while it holds the focus hands it on to the next tab stop: the
// system would leave the focus nowhere, and no key would reach the window any more. It hands it
// on first, while the focus still has a window to leave, so the move is announced as any other.
void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  if (!visible && parent_ && HoldsFocus()) PassFocusOn();
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible);
}

bool TControl::Showing() const {
  if (!visible_) return false;
  return parent_ ? parent_->Showing() : true;
}

void TControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  if (!enabled && parent_ && HoldsFocus()) PassFocusOn();
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetAccessibleDescription(std::string description) {
  if (description == accessibleDescription_) return;
  accessibleDescription_ = std::move(description);
  AccessibleObject::Notify(EVENT_OBJECT_DESCRIPTIONCHANGE, *this);
}

void TControl::PassFocusOn() {
  if (TForm* form = ParentForm()) form->FocusPassedFrom(*this);
}

void TControl::SetText(const std::string& text) {
  if (Text() == text) return;
  text_ = text;
  if (IsWindowed()) static_cast<TWinControl*>(this)->TextToWindow();
  Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color) {
  if (color_ == color) return;
  color_ = color;
  parentColor_ = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetColorFromParent(TColor color) {
  if (color_ == color) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (parentColor_ == value) return;
  parentColor_ = value;
  if (parent_ && value) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  if (parentFont_ == value) return;
  parentFont_ = value;
  if (parent_ && value) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
  if (!fontFromParent_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMVisibleChanged(TMessage&) {
  if (!IsWindowed() && parent_ && parent_->HandleAllocated())
    InvalidateRect(parent_->Handle(), nullptr, TRUE);
}
void TControl::CMTextChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }

void TControl::CMParentColorChanged(TMessage&) {
  if (parentColor_ && parent_) SetColorFromParent(parent_->Color());
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!parentFont_ || !parent_) return;
  fontFromParent_ = true;
  font_.Assign(parent_->Font());
  fontFromParent_ = false;
}

// Enter and leave are passed on to the parent, naming the control they began at.
void TControl::CMMouseEnter(TMessage& m) {
  if (parent_) parent_->Perform(CM_MOUSEENTER, 0, m.lParam ? m.lParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMMouseLeave(TMessage& m) {
  if (parent_) parent_->Perform(CM_MOUSELEAVE, 0, m.lParam ? m.lParam : reinterpret_cast<LPARAM>(this));
}

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, (controlStyle_ & csOpaque) ? FALSE : TRUE);
  }
}

void TControl::Update() {
  if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->Handle());
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

}  // namespace ui
