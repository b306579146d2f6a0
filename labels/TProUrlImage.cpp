#include "labels/TProUrlImage.h"

#include <oleacc.h>

#include "core/EnumNames.h"
#include "framework/PropertyTable.h"
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

const ui::PropertyTable& TProUrlImage::Published() const {
  using C = TProUrlImage;
  static const ui::PropertyTable table{
#include "labels/TProUrlImage.props"
  };
  return table;
}
