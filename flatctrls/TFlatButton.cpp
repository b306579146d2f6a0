#include "flatctrls/TFlatButton.h"

#include "core/EnumNames.h"
#include "framework/PropertyTable.h"

TFlatButton::TFlatButton(ui::TComponent* owner) : TFlatButtonBase<ui::TCustomControl>(owner, ClassHoverTracker()) {
  SetStyle(Style() | ui::csOpaque);
}

HoverTracker& TFlatButton::ClassHoverTracker() {
  static HoverTracker* tracker = new HoverTracker;  // outlives every button, even at exit
  return *tracker;
}

void TFlatButton::SetDefault(bool value) {
  default_ = value;
  if (HandleAllocated())
    if (ui::TForm* form = ParentForm())
      form->Perform(ui::CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
  Invalidate();
}

void TFlatButton::TakeFocusOnPress() {
  if (CanFocus()) SetFocus();
}

// Space presses and releases the button, Enter clicks it; other keys do nothing here.
void TFlatButton::WMKeyDown(ui::TMessage& m) {
  if (m.wParam == VK_RETURN) {
    if (Enabled()) Click();
    return;
  }
  if (m.wParam != VK_SPACE) {
    TFlatButtonBase::WMKeyDown(m);
    return;
  }
  Act(Machine().SpaceDown());
}

// Enter or Esc that the focused control left to the window.
void TFlatButton::CMDialogKey(ui::TMessage& m) {
  const bool mine = (m.wParam == VK_RETURN && default_) || (m.wParam == VK_ESCAPE && cancel_);
  if (!mine || !Enabled() || !Showing()) return;
  Click();
  m.result = 1;
}

void TFlatButton::WMKeyUp(ui::TMessage& m) {
  if (m.wParam != VK_SPACE) {
    TFlatButtonBase::WMKeyUp(m);
    return;
  }
  Act(Machine().SpaceUp());
}

// The focused button looks hovered.
void TFlatButton::WMSetFocus(ui::TMessage& m) {
  TFlatButtonBase::WMSetFocus(m);
  if (!Enabled()) return;
  Machine().SetHovered(true);
  Invalidate();
}

void TFlatButton::WMKillFocus(ui::TMessage& m) {
  TFlatButtonBase::WMKillFocus(m);
  HoverOff();
  if (ui::TForm* form = ParentForm(); form && form->FocusCuesShown()) Invalidate();  // the mark goes
}

void TFlatButton::WMMove(ui::TMessage& m) {
  TFlatButtonBase::WMMove(m);
  if (TransparentMode() != TTransparentMode::tmNone) Invalidate();
}

void TFlatButton::WMSize(ui::TMessage& m) {
  TFlatButtonBase::WMSize(m);
  if (TransparentMode() != TTransparentMode::tmNone) Invalidate();
}

const ui::PropertyTable& TFlatButton::Published() const {
  using C = TFlatButton;
  static const ui::PropertyTable table{
#include "flatctrls/TFlatButton.props"
  };
  return table;
}
