#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "framework/Control.h"
#include "framework/Gdi.h"

namespace ui {

TControl* CaptureControl();
// The window lost the mouse capture to newCapture: the control that held it through this window
// is told and stops being the capture owner.
void ForgetCaptureControl(HWND window, HWND newCapture);

// How the window of a control is made: its own window class, or a native one (EDIT, COMBOBOX)
// that the control subclasses.
struct TCreateParams {
  std::string windowClass;
  bool nativeClass = false;
  UINT classStyle = CS_DBLCLKS;
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parent = nullptr;
  HMENU menu = nullptr;
};

// A control with a window of its own: it holds child controls, takes the keyboard focus and gets
// its messages from Windows through one window procedure.
class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  const char* ClassName() const override { return "TWinControl"; }
  bool IsWindowed() const override { return true; }

  HWND Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  void RecreateWnd();
  static TWinControl* FromHandle(HWND window);

  void SetParent(TWinControl* parent) override;
  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  std::string Text() const override;
  void TextToWindow();

  const std::vector<TControl*>& Controls() const { return controls_; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void NotifyControls(UINT msg);
  // The innermost child (windowless included) under a client point, or nullptr.
  TControl* ControlAtPos(POINT clientPoint, bool allowDisabled) const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  const std::vector<TWinControl*>& TabList() const { return tabList_; }
  bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();
  // Whether typed characters belong to this control; others go to the window as dialog characters.
  virtual bool WantsChars() const { return false; }
  // Whether Enter or Esc belongs to this control while it has the focus; otherwise the window's
  // default or cancel button takes it.
  virtual bool WantsKey(WPARAM key) const { (void)key; return false; }

  void Invalidate() override;
  void Repaint() override;
  // Asks for the non-client frame to be painted again; frames are drawn only in WM_NCPAINT.
  void InvalidateFrame();
  void PaintControls(HDC dc);
  // Sends CM_SYSCOLORCHANGE to this control and every control inside it, after dropping the
  // brushes made from colours that may have changed.
  void BroadcastSysColorChange();

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // A label whose FocusControl is this control gives it its name.
  void DescribeAccessible(AccessibleInfo& info) const override;

  void Loaded() override;
  void DefaultHandler(TMessage& message) override;
  void WndProc(TMessage& message) override;

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  virtual void CreateWindowHandle(const TCreateParams& params);
  void CreateSubClass(TCreateParams& params, const char* nativeClass);
  HBRUSH ColorBrush();

  // WM_PAINT with a device context in wParam (as a parent is asked to paint under a transparent
  // child) and WM_PRINTCLIENT paint into that context; a plain WM_PAINT paints the invalid area.
  void WMPaint(TMessage& m) override;
  void WMPrintClient(TMessage& m) override;
  virtual void PaintWindow(HDC dc);
  void WMEraseBkgnd(TMessage& m) override;
  void WMNCPaint(TMessage& m) override;
  void WMCaptureChanged(TMessage& m) override;
  void WMCancelMode(TMessage& m) override;
  void WMSetCursor(TMessage& m) override;
  void WMSetFocus(TMessage& m) override;
  void WMKillFocus(TMessage& m) override;
  void WMKeyDown(TMessage& m) override;
  void WMKeyUp(TMessage& m) override;
  void WMChar(TMessage& m) override;
  void WMCommand(TMessage& m) override;
  void WMCtlColor(TMessage& m) override;
  void WMWindowPosChanged(TMessage& m) override;
  void CNCtlColor(TMessage& m) override;
  void CMEnabledChanged(TMessage& m) override;
  void CMVisibleChanged(TMessage& m) override;
  void CMColorChanged(TMessage& m) override;
  void CMFontChanged(TMessage& m) override;
  void CMEnter(TMessage& m) override;
  void CMDialogChar(TMessage& m) override;
  void CMDialogKey(TMessage& m) override;
  void WMGetObject(TMessage& m) override;
  void CMExit(TMessage& m) override;

  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(wchar_t& key);
  void UpdateBoundsFromWindow();

 private:
  friend LRESULT CALLBACK StdWndProc(HWND, UINT, WPARAM, LPARAM);
  void Attach(HWND window);
  void Detach();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  int requestedTabOrder_ = -1;
  bool tabStop_ = false;
  Brush brush_;
};

LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// The control (windowless included) under a screen point, or nullptr.
TControl* FindControlAtScreenPoint(POINT screenPoint, bool allowDisabled);

}  // namespace ui
