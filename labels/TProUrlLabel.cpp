#include "labels/TProUrlLabel.h"

#include <oleacc.h>

#include "core/AccessibleText.h"
#include "core/EnumNames.h"
#include "framework/PropertyTable.h"
#include "framework/WinControl.h"
#include "labels/ProUrl.h"

TProUrlLabel::TProUrlLabel(ui::TComponent* owner) : TProLabel(owner) {
  Font().SetColor(ui::clBlue);
  Font().SetStyle(ui::fsUnderline);
  unvisitedColor_ = ui::clBlue;
  activatedColor_ = ui::clRed;
  visitedColor_ = ui::clNavy;
  hoveredColor_ = ui::clWhite;
  SetCursor(crHandPoint);
}

// Before the first use only the font colour is set; the font-change rule stores it.
void TProUrlLabel::SetUnvisitedColor(ui::TColor value) {
  if (value == unvisitedColor_) return;
  if (visited_) unvisitedColor_ = value;
  else Font().SetColor(value);
}

void TProUrlLabel::SetVisitedColor(ui::TColor value) {
  if (value == visitedColor_) return;
  if (visited_) Font().SetColor(value);
  else visitedColor_ = value;
}

void TProUrlLabel::SetCanHover(bool value) {
  canHover_ = value;
  SetUnderline(!value);
}

void TProUrlLabel::SetUnderline(bool on) {
  unsigned style = Font().Style();
  unsigned wanted = on ? (style | ui::fsUnderline) : (style & ~ui::fsUnderline);
  if (wanted != style) Font().SetStyle(wanted);
}

void TProUrlLabel::DoMouseEnter() {
  TProLabel::DoMouseEnter();
  if (canHover_) SetUnderline(true);
  if (pressed_) Font().SetColor(activatedColor_);
  else if (canHover_) Font().SetColor(hoveredColor_);
}

void TProUrlLabel::DoMouseLeave() {
  TProLabel::DoMouseLeave();
  if (canHover_) SetUnderline(false);
  Font().SetColor(StateColor());
}

void TProUrlLabel::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TProLabel::MouseDown(button, shift, x, y);
  if (button != ui::TMouseButton::mbLeft) return;
  pressed_ = true;
  Font().SetColor(activatedColor_);
}

// The right and bottom edges count as inside.
void TProUrlLabel::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TProLabel::MouseUp(button, shift, x, y);
  if (button != ui::TMouseButton::mbLeft) return;
  bool outside = x < 0 || y < 0 || x > Width() || y > Height();
  if (outside) {
    Font().SetColor(StateColor());
  } else if (pressed_) {
    visited_ = true;
    Font().SetColor(canHover_ ? hoveredColor_ : visitedColor_);
    OpenLink(url_.empty() ? Caption() : url_);
  }
  pressed_ = false;
}

void TProUrlLabel::DescribeAccessible(ui::AccessibleInfo& info) const {
  info.role = ROLE_SYSTEM_LINK;
  info.SetName(core::SpokenCaption(Caption()));
  info.SetValue(url_.empty() ? Caption() : url_);
  info.state = STATE_SYSTEM_LINKED | STATE_SYSTEM_FOCUSABLE | (visited_ ? STATE_SYSTEM_TRAVERSED : 0);
  if (IsKeyboardFocus()) info.state |= STATE_SYSTEM_FOCUSED;
  info.defaultAction = "Jump";
}

void TProUrlLabel::Paint() {
  TProLabel::Paint();
  PaintFocusMark();
}

void TProUrlLabel::DoAccessibleAction() {
  visited_ = true;
  Font().SetColor(visitedColor_);
  OpenLink(url_.empty() ? Caption() : url_);
}

// A font colour given from outside, not by a state change, becomes the current state's colour.
void TProUrlLabel::CMFontChanged(ui::TMessage& m) {
  TProLabel::CMFontChanged(m);
  if (canHover_ || pressed_) return;
  if (visited_) visitedColor_ = Font().Color();
  else unvisitedColor_ = Font().Color();
}

const ui::PropertyTable& TProUrlLabel::Published() const {
  using C = TProUrlLabel;
  static const ui::PropertyTable table{
#include "labels/TProUrlLabel.props"
  };
  return table;
}
