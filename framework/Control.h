#pragma once
#include <windows.h>
#include <string>

#include "framework/AccessibleInfo.h"
#include "framework/Canvas.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/Messages.h"

namespace ui {

class TWinControl;
class TForm;

// What a control class asks of the framework.
enum ControlStyle : unsigned {
  csAcceptsControls = 1,
  csCaptureMouse = 2,
  csClickEvents = 4,
  csOpaque = 8,
  csDoubleClicks = 16,
  csSetCaption = 32,
};

// A visible element with bounds inside a parent. Messages reach it through Perform, which
// dispatches them by number to small virtual handlers; windowless controls get theirs from
// their parent window.
class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  const char* ClassName() const override { return "TControl"; }

  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  virtual bool IsWindowed() const { return false; }

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  TForm* ParentForm() const;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  // The DPI the control is laid out for: its window's (96 for a control on no window).
  virtual int Dpi() const;
  POINT ClientToScreen(POINT p) const;
  POINT ScreenToClient(POINT p) const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  bool Showing() const;  // visible, and every parent too
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  virtual std::string Text() const { return text_; }
  void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);

  int Cursor() const { return cursor_; }
  void SetCursor(int cursor) { cursor_ = cursor; }
  unsigned Style() const { return controlStyle_; }
  bool MouseCaptured() const;
  void SetMouseCapture(bool capture);
  // Another window (or another control) took the mouse while this one held it: a press in
  // progress ends without a click. Controls that keep a pressed state drop it here.
  virtual void MouseCaptureLost();

  virtual void Invalidate();
  void Update();
  virtual void Repaint();
  virtual void Click();

  // For screen readers: the role, name, states and default action of this control (role 0: a
  // windowless control that screen readers do not see; a windowed one the system describes).
  virtual void DescribeAccessible(AccessibleInfo& info) const { (void)info; }
  // What a screen reader's "default action" does (a button clicks, a check box toggles).
  virtual void DoAccessibleAction() { Click(); }
  // A windowless control that Tab visits (a link): its window holds the keyboard focus for it, and
  // Enter runs its default action.
  virtual bool KeyboardFocusable() const { return false; }
  bool IsKeyboardFocus() const;
  // A caption as it is drawn with DrawText: while the window hides its access keys (the mouse in
  // use) without its "&" marks and with DT_NOPREFIX added to flags, as DT_HIDEPREFIX would draw
  // it (Wine ignores that flag and underlines anyway).
  std::string DrawnCaption(const std::string& caption, UINT& flags) const;
  // What a screen reader says for this control where its caption or picture does not say it (two
  // buttons both reading "Copy", a picture link, a spin arrow); the description is read after
  // the name and may change while the control is shown.
  const std::string& AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }
  const std::string& AccessibleDescription() const { return accessibleDescription_; }
  void SetAccessibleDescription(std::string description);
  // The keyboard focus is on this control or on something inside it.
  bool HoldsFocus() const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;


 protected:
  void Dispatch(TMessage& m);

  virtual void WMMouseMove(TMessage& m);
  virtual void WMLButtonDown(TMessage& m);
  virtual void WMLButtonUp(TMessage& m);
  virtual void WMLButtonDblClk(TMessage& m);
  virtual void WMRButtonDown(TMessage& m);
  virtual void WMRButtonUp(TMessage& m);
  virtual void WMMButtonDown(TMessage& m);
  virtual void WMMButtonUp(TMessage& m);
  virtual void WMSetCursor(TMessage& m) { DefaultHandler(m); }
  virtual void WMPaint(TMessage& m) { DefaultHandler(m); }
  virtual void WMEraseBkgnd(TMessage& m) { DefaultHandler(m); }
  virtual void WMSize(TMessage& m) { DefaultHandler(m); }
  virtual void WMMove(TMessage& m) { DefaultHandler(m); }
  virtual void WMSetFocus(TMessage& m) { DefaultHandler(m); }
  virtual void WMKillFocus(TMessage& m) { DefaultHandler(m); }
  virtual void WMKeyDown(TMessage& m) { DefaultHandler(m); }
  virtual void WMKeyUp(TMessage& m) { DefaultHandler(m); }
  virtual void WMChar(TMessage& m) { DefaultHandler(m); }
  virtual void WMTimer(TMessage& m) { DefaultHandler(m); }
  virtual void WMCommand(TMessage& m) { DefaultHandler(m); }
  virtual void WMNCCalcSize(TMessage& m) { DefaultHandler(m); }
  virtual void WMNCPaint(TMessage& m) { DefaultHandler(m); }
  virtual void WMGetDlgCode(TMessage& m) { DefaultHandler(m); }
  virtual void WMWindowPosChanging(TMessage& m) { DefaultHandler(m); }
  virtual void WMWindowPosChanged(TMessage& m) { DefaultHandler(m); }
  virtual void WMCtlColor(TMessage& m) { DefaultHandler(m); }
  virtual void WMClose(TMessage& m) { DefaultHandler(m); }
  virtual void WMActivate(TMessage& m) { DefaultHandler(m); }
  virtual void WMShowWindow(TMessage& m) { DefaultHandler(m); }
  virtual void WMCut(TMessage& m) { DefaultHandler(m); }
  virtual void WMPaste(TMessage& m) { DefaultHandler(m); }
  virtual void WMCaptureChanged(TMessage& m) { DefaultHandler(m); }
  virtual void WMDpiChanged(TMessage& m) { DefaultHandler(m); }
  virtual void WMCancelMode(TMessage& m) { DefaultHandler(m); }
  virtual void WMPrintClient(TMessage& m) { DefaultHandler(m); }
  virtual void WMSysColorChange(TMessage& m) { DefaultHandler(m); }
  virtual void WMSettingChange(TMessage& m) { DefaultHandler(m); }
  virtual void WMUpdateUIState(TMessage& m) { DefaultHandler(m); }
  virtual void WMGetObject(TMessage& m) { DefaultHandler(m); }
  virtual void WMSysCommand(TMessage& m) { DefaultHandler(m); }
  virtual void WMDropFiles(TMessage& m) { DefaultHandler(m); }
  virtual void WMGetMinMaxInfo(TMessage& m) { DefaultHandler(m); }

  virtual void CMEnabledChanged(TMessage& m);
  virtual void CMVisibleChanged(TMessage& m);
  virtual void CMTextChanged(TMessage& m);
  virtual void CMColorChanged(TMessage& m);
  virtual void CMFontChanged(TMessage& m);
  virtual void CMParentColorChanged(TMessage& m);
  virtual void CMParentFontChanged(TMessage& m);
  virtual void CMSysColorChange(TMessage& m) { (void)m; }
  virtual void CMMouseEnter(TMessage& m);
  virtual void CMMouseLeave(TMessage& m);
  virtual void CMDialogChar(TMessage& m) { (void)m; }
  virtual void CMDialogKey(TMessage& m) { (void)m; }
  virtual void CMButtonPressed(TMessage& m) { (void)m; }
  virtual void CMEnter(TMessage& m) { (void)m; }
  virtual void CMExit(TMessage& m) { (void)m; }
  virtual void CMFocusChanged(TMessage& m) { (void)m; }
  virtual void CNCommand(TMessage& m) { (void)m; }
  virtual void CNCtlColor(TMessage& m) { DefaultHandler(m); }

  // The framework's mouse handling raises these events; controls extend them.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  virtual void BoundsChanged() {}
  void SetStyle(unsigned style) { controlStyle_ = style; }
  void SetColorFromParent(TColor color);  // keeps ParentColor on
  static TShiftState ShiftFromKeys(WPARAM keys);
  static bool IsAccel(wchar_t c, const std::string& caption);

  std::string text_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;

 private:
  void MouseButtonDown(TMessage& m, TMouseButton button);
  void MouseButtonUp(TMessage& m, TMouseButton button);
  void FontChanged();
  void PassFocusOn();

  TWinControl* parent_ = nullptr;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  TFont font_;
  bool parentFont_ = true;
  bool fontFromParent_ = false;
  int cursor_ = 0;
  unsigned controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  bool clicked_ = false;
  std::string accessibleName_, accessibleDescription_;
};

}  // namespace ui
