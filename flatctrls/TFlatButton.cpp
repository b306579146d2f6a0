#include "flatctrls/TFlatButton.h"

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

// Space presses and releases the button; other keys do nothing here.
void TFlatButton::WMKeyDown(ui::TMessage& m) {
  if (m.wParam != VK_SPACE) {
    TFlatButtonBase::WMKeyDown(m);
    return;
  }
  Act(Machine().SpaceDown());
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
}

void TFlatButton::WMMove(ui::TMessage& m) {
  TFlatButtonBase::WMMove(m);
  if (TransparentMode() != TTransparentMode::tmNone) Invalidate();
}

void TFlatButton::WMSize(ui::TMessage& m) {
  TFlatButtonBase::WMSize(m);
  if (TransparentMode() != TTransparentMode::tmNone) Invalidate();
}

bool TFlatButton::SetProperty(std::string_view name, const core::PropertyValue& v, ui::LoadContext& context) {
  if (name == "Default") SetDefault(ui::BoolValue(v));
  else return TFlatButtonBase::SetProperty(name, v, context);
  return true;
}
