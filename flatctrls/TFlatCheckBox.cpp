#include "flatctrls/TFlatCheckBox.h"

#include <oleacc.h>

#include "core/AccessibleText.h"
#include "core/DpiScale.h"
#include "core/EnumNames.h"
#include "flatctrls/FocusRectangle.h"
#include "framework/AccessibleObject.h"
#include "framework/Form.h"
#include "framework/Gdi.h"
#include "framework/HighContrast.h"
#include "framework/PropertyTable.h"
#include "paint/LookMetrics.h"
#include "system/WideText.h"

TFlatCheckBox::TFlatCheckBox(ui::TComponent* owner) : ui::TCustomControl(owner) {
  colors_.Tie({[this](bool on) { SetParentColor(on); }, [this] { SetParentColor(true); },
               [this] { return std::optional<ui::TColor>(Color()); }});
  ClassHoverTracker().Join();
  SetParentColor(true);
  SetParentFont(true);
  SetTabStop(true);
  SetBounds(0, 0, 121, 17);
}

TFlatCheckBox::~TFlatCheckBox() { ClassHoverTracker().Leave(*this); }

HoverTracker& TFlatCheckBox::ClassHoverTracker() {
  static HoverTracker* tracker = new HoverTracker;  // outlives every check box, even at exit
  return *tracker;
}

void TFlatCheckBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Click();
  RepaintBox();
  ui::AccessibleObject::Notify(EVENT_OBJECT_STATECHANGE, *this);
}

void TFlatCheckBox::DescribeAccessible(ui::AccessibleInfo& info) const {
  info.role = ROLE_SYSTEM_CHECKBUTTON;
  info.SetName(core::SpokenCaption(Caption()));
  info.defaultAction = checked_ ? "Uncheck" : "Check";
  if (checked_) info.state |= STATE_SYSTEM_CHECKED;
}

void TFlatCheckBox::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TFlatCheckBox::SetLayout(TCheckBoxLayout value) {
  layout_ = value;
  Invalidate();
}

void TFlatCheckBox::SetColorCheck(ui::TColor value) {
  colorCheck_ = value;
  Invalidate();
}

void TFlatCheckBox::StoreColor(AdvancedColors::Role role, ui::TColor value) {
  colors_.SetColor(role, value);
  Invalidate();
}

void TFlatCheckBox::StorePercent(AdvancedColors::Role role, int percent) {
  colors_.SetPercent(role, percent);
  Invalidate();
}

void TFlatCheckBox::SetUseAdvColors(bool value) {
  if (colors_.Use(value)) Invalidate();
}

// A disabled check box ignores the mouse altogether.
void TFlatCheckBox::WMLButtonDown(ui::TMessage& m) {
  if (Enabled()) ui::TCustomControl::WMLButtonDown(m);
}

void TFlatCheckBox::WMLButtonUp(ui::TMessage& m) {
  if (Enabled()) ui::TCustomControl::WMLButtonUp(m);
}

void TFlatCheckBox::WMLButtonDblClk(ui::TMessage& m) {
  if (Enabled()) ui::TCustomControl::WMLButtonDblClk(m);
}

// A press is the pointer at the box as much as a move is, so it runs the same hover step first.
void TFlatCheckBox::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  if (button != ui::TMouseButton::mbLeft || !Enabled()) return;
  ClassHoverTracker().MouseMoved(*this, ClientToScreen(POINT{x, y}));
  if (CanFocus()) SetFocus();
  machine_.Press(true, true);
  RepaintBox();
  ui::TCustomControl::MouseDown(button, shift, x, y);
}

// The framework has already fired the click with the old value when the release is inside.
void TFlatCheckBox::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  if (button != ui::TMouseButton::mbLeft || !Enabled()) return;
  machine_.EndPress();
  if (machine_.Hovered()) SetChecked(!checked_);
  RepaintBox();
  ui::TCustomControl::MouseUp(button, shift, x, y);
}

void TFlatCheckBox::MouseMove(ui::TShiftState shift, int x, int y) {
  ui::TCustomControl::MouseMove(shift, x, y);
  ClassHoverTracker().MouseMoved(*this, ClientToScreen(POINT{x, y}));
}

// Another window took the mouse during a press: the press ends without toggling.
void TFlatCheckBox::MouseCaptureLost() {
  ui::TCustomControl::MouseCaptureLost();
  if (machine_.CaptureLost() != core::kNoAction) RepaintBox();
}

void TFlatCheckBox::HoverOn() {
  if (machine_.HoverOn(Enabled()) != core::kNoAction) RepaintBox();
}

void TFlatCheckBox::HoverOff() {
  if (machine_.HoverOff(Enabled()) == core::kNoAction) return;
  ClassHoverTracker().Remove(*this);
  RepaintBox();
}

void TFlatCheckBox::WMSetFocus(ui::TMessage& m) {
  ui::TCustomControl::WMSetFocus(m);
  if (!Enabled()) return;
  focused_ = true;
  if (ShowsFocusRectangle(*this)) Invalidate();
  else RepaintBox();
}

void TFlatCheckBox::WMKillFocus(ui::TMessage& m) {
  ui::TCustomControl::WMKillFocus(m);
  if (!Enabled()) return;
  machine_.SetHovered(false);
  focused_ = false;
  ClassHoverTracker().Remove(*this);
  if (ui::TForm* form = ParentForm(); form && form->FocusCuesShown()) Invalidate();  // the mark goes
  else RepaintBox();
}

void TFlatCheckBox::CMEnter(ui::TMessage& m) {
  ui::TCustomControl::CMEnter(m);
  focused_ = true;
  if (ShowsFocusRectangle(*this)) Invalidate();
  else RepaintBox();
}

void TFlatCheckBox::CMExit(ui::TMessage& m) {
  ui::TCustomControl::CMExit(m);
  focused_ = false;
  RepaintBox();
}

void TFlatCheckBox::WMMove(ui::TMessage& m) {
  ui::TCustomControl::WMMove(m);
  if (transparent_) Invalidate();
}

void TFlatCheckBox::WMSize(ui::TMessage& m) {
  ui::TCustomControl::WMSize(m);
  if (transparent_) Invalidate();
}

void TFlatCheckBox::CMEnabledChanged(ui::TMessage& m) {
  ui::TCustomControl::CMEnabledChanged(m);
  if (!Enabled()) {
    machine_.EndPress();
    machine_.SetHovered(false);
    ClassHoverTracker().Remove(*this);
    SetMouseCapture(false);
  }
  Invalidate();
}

void TFlatCheckBox::CMTextChanged(ui::TMessage& m) {
  ui::TCustomControl::CMTextChanged(m);
  Invalidate();
}

// The caption's accelerator toggles from anywhere in the window; space toggles only while the
// box has the focus.
void TFlatCheckBox::CMDialogChar(ui::TMessage& m) {
  const auto c = static_cast<wchar_t>(m.wParam);
  if (IsAccel(c, Caption()) && CanFocus()) {
    SetFocus();
    SetChecked(!checked_);
    m.result = 1;
  } else if (c != ' ' || !Focused()) {
    ui::TCustomControl::CMDialogChar(m);
  } else {
    SetChecked(!checked_);
    m.result = 1;
  }
}

void TFlatCheckBox::CMParentColorChanged(ui::TMessage& m) {
  ui::TCustomControl::CMParentColorChanged(m);
  colors_.ColorsChanged();
  Invalidate();
}

void TFlatCheckBox::CMSysColorChange(ui::TMessage&) {
  colors_.ColorsChanged();
  Invalidate();
}

RECT TFlatCheckBox::BoxRect() const {
  const paint::LookMetrics metrics(Dpi());
  const int side = metrics[paint::Metric::CheckBoxBox], inset = metrics[paint::Metric::CheckBoxInset];
  const int top = metrics[paint::Metric::CheckBoxTop];
  if (layout_ == TCheckBoxLayout::checkboxRight) return RECT{Width() - inset - side, top, Width() - inset, top + side};
  return RECT{inset, top, inset + side, top + side};
}

// The box alone, straight onto the window and at once.
void TFlatCheckBox::RepaintBox() {
  PaintNow([this](ui::TCanvas& canvas) { PaintBox(canvas); });
}

// The framework has erased the background with Color.
void TFlatCheckBox::Paint() {
  if (transparent_) PaintParentBackground(*this, Canvas().Handle());
  else if (ui::HighContrastOn()) {
    Canvas().SetBrushColor(ui::LookColor(core::LookPart::Face, Color()));
    Canvas().FillRect(ClientRect());
  }
  PaintBox(Canvas());
  PaintCaption(Canvas());
}

void TFlatCheckBox::PaintBox(ui::TCanvas& canvas) {
  RECT box = BoxRect();
  const bool hot = focused_ || machine_.Hovered();
  ui::TColor face = !hot ? Color() : machine_.Pressing() ? ColorDown() : ColorFocused();
  canvas.SetPenWidth(1);
  canvas.SetBrushColor(ui::LookColor(hot ? core::LookPart::HotFace : core::LookPart::Field, face));
  canvas.FillRect(box);
  const paint::LookMetrics metrics(Dpi());
  if (checked_) {
    canvas.SetPenColor(!Enabled() ? ui::LookColor(core::LookPart::Disabled, ui::clBtnShadow)
                                  : ui::LookColor(hot ? core::LookPart::HotText : core::LookPart::FieldText, colorCheck_));
    const int x = box.left, y = box.top;
    if (metrics.Dpi() == core::DpiScale::kDesignDpi) {
      // The tick as designed, pixel for pixel: three one-pixel strokes side by side.
      const int lines[6][4] = {{2, 4, 6, 8}, {2, 5, 5, 8}, {2, 6, 5, 9}, {8, 2, 4, 6}, {8, 3, 4, 7}, {8, 4, 5, 7}};
      for (const auto& l : lines) {
        canvas.MoveTo(x + l[0], y + l[1]);
        canvas.LineTo(x + l[2], y + l[3]);
      }
    } else {
      // The same tick through its scaled corner points, as one stroke of the scaled width.
      auto at = [&](int px, int py) { return POINT{x + metrics.Scale(px), y + metrics.Scale(py)}; };
      canvas.SetPenWidth(metrics[paint::Metric::CheckMarkStroke]);
      canvas.Polyline({at(3, 5), at(5, 7), at(8, 4)});
      canvas.SetPenWidth(1);
    }
  }
  // A highlighted square is framed in itself, so its edge is the one against the face around it.
  FrameWithColor(canvas.Handle(), box,
                 ui::LookColor(hot ? core::LookPart::HotFace : core::LookPart::FieldText, ColorBorder()), metrics.Line());
}

void TFlatCheckBox::PaintCaption(ui::TCanvas& canvas) {
  const paint::LookMetrics metrics(Dpi());
  const int inset = metrics[paint::Metric::CheckBoxInset], beside = metrics[paint::Metric::CheckBoxCaption];
  RECT r = layout_ == TCheckBoxLayout::checkboxRight ? RECT{inset, inset, Width() - beside, Height() - inset}
                                                     : RECT{beside, inset, Width() - inset, Height() - inset};
  UINT flags = DT_WORDBREAK | (layout_ == TCheckBoxLayout::checkboxRight ? DT_RIGHT : DT_LEFT);
  const std::string caption = DrawnCaption(Caption(), flags);
  canvas.SetBrushStyle(ui::BrushStyle::Clear);
  canvas.Font().Assign(Font());
  const ui::TColor ink = ui::LookColor(core::LookPart::Text, Font().Color());
  if (ui::HighContrastOn()) canvas.Font().SetColor(ink);
  if (Enabled()) canvas.DrawText(caption, r, flags);
  else DrawEngravedText(canvas.Handle(), caption, r, flags);
  if (!ShowsFocusRectangle(*this) || Caption().empty()) return;
  RECT text = r;
  const std::wstring wide = ui::WideText::FromUtf8(caption);
  DrawTextW(canvas.Handle(), wide.c_str(), static_cast<int>(wide.size()), &text, flags | DT_CALCRECT);
  if (layout_ == TCheckBoxLayout::checkboxRight) OffsetRect(&text, r.right - text.right, 0);
  DrawFocusRectangle(canvas.Handle(), FocusRectangleAround(text, ClientRect(), Dpi()), ink);
}

const ui::PropertyTable& TFlatCheckBox::Published() const {
  using C = TFlatCheckBox;
  static const ui::PropertyTable table{
#include "flatctrls/TFlatCheckBox.props"
  };
  return table;
}
