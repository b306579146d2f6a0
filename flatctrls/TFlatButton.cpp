#include "flatctrls/TFlatButton.h"

TFlatButton::TFlatButton(ui::TComponent* owner) : TFlatButtonBase<ui::TCustomControl>(owner) {
  SetStyle(Style() | ui::csOpaque);
}

void TFlatButton::SetDefault(bool value) {
  default_ = value;
  if (HandleAllocated())
    if (ui::TForm* form = ParentForm())
      form->Perform(ui::CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
  Invalidate();
}

void TFlatButton::CountedPress() {
  if (CanFocus()) SetFocus();
}

// Space presses and releases the button; other keys do nothing here.
void TFlatButton::WMKeyDown(ui::TMessage& m) {
  if (m.wParam != VK_SPACE) {
    TFlatButtonBase::WMKeyDown(m);
    return;
  }
  if (GroupIndex() == 0) state_ = TButtonState::StatePressed;
  else SetDown(true);
  Invalidate();
}

void TFlatButton::WMKeyUp(ui::TMessage& m) {
  if (m.wParam != VK_SPACE) {
    TFlatButtonBase::WMKeyUp(m);
    return;
  }
  if (GroupIndex() == 0) state_ = TButtonState::StateUp;
  else SetDown(false);
  Click();
  Invalidate();
}

void TFlatButton::WMSetFocus(ui::TMessage& m) {
  TFlatButtonBase::WMSetFocus(m);
  if (!Enabled()) return;
  hovered_ = true;
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
