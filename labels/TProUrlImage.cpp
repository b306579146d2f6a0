#include "labels/TProUrlImage.h"

#include <oleacc.h>

#include "labels/ProUrl.h"

TProUrlImage::TProUrlImage(ui::TComponent* owner) : ui::TImage(owner) { SetCursor(crHandPoint); }

void TProUrlImage::Click() {
  ui::TImage::Click();
  OpenLink(url_);
}

void TProUrlImage::DoAccessibleAction() { OpenLink(url_); }

void TProUrlImage::Paint() {
  ui::TImage::Paint();
  PaintFocusMark();
}

void TProUrlImage::DescribeAccessible(ui::AccessibleInfo& info) const {
  info.role = ROLE_SYSTEM_LINK;
  info.SetName(url_);
  info.SetValue(url_);
  info.state = STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE;
  if (IsKeyboardFocus()) info.state |= STATE_SYSTEM_FOCUSED;
  info.defaultAction = "Jump";
}

bool TProUrlImage::SetProperty(std::string_view name, const core::PropertyValue& v, ui::LoadContext& context) {
  if (name == "URL") SetURL(ui::StringValue(v));
  else return ui::TImage::SetProperty(name, v, context);
  return true;
}
