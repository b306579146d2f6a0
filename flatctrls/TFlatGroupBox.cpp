#include "flatctrls/TFlatGroupBox.h"

#include <algorithm>
#include <vector>

TFlatGroupBox::TFlatGroupBox(ui::TComponent* owner) : ui::TCustomControl(owner) {
  SetStyle(Style() | ui::csAcceptsControls | ui::csOpaque);
  SetParentColor(true);
  SetBounds(0, 0, 185, 105);
}

void TFlatGroupBox::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TFlatGroupBox::SetColorBorder(ui::TColor value) {
  colorBorder_ = value;
  Invalidate();
}

void TFlatGroupBox::SetBorder(TGroupBoxBorder value) {
  border_ = value;
  Invalidate();
}

void TFlatGroupBox::SetAdvColorBorder(int percent) {
  advColorBorder_ = std::clamp(percent, 0, 100);
  DeriveColors();
  Invalidate();
}

void TFlatGroupBox::SetUseAdvColors(bool value) {
  if (value == useAdvColors_) return;
  useAdvColors_ = value;
  SetParentColor(value);
  DeriveColors();
  Invalidate();
}

void TFlatGroupBox::DeriveColors() {
  if (useAdvColors_) colorBorder_ = DeriveShade(Color(), colorBorder_, advColorBorder_, true);
}

void TFlatGroupBox::FollowParentForAdvColors() {
  if (useAdvColors_) {
    SetParentColor(true);
    DeriveColors();
  }
  Invalidate();
}

void TFlatGroupBox::Paint() {
  ui::TCanvas& canvas = Canvas();
  const int w = Width(), h = Height();
  const std::string caption = Caption();
  SIZE text = canvas.TextExtent(caption.empty() ? std::string(" ") : caption);
  const int textWidth = caption.empty() ? 0 : text.cx;
  const int y = text.cy / 2;
  canvas.SetBrushColor(Color());
  canvas.FillRect(RECT{0, 0, w, h});
  canvas.SetPenWidth(1);
  canvas.SetPenColor(colorBorder_);
  if (border_ == TGroupBoxBorder::brFull) {
    canvas.Polyline({{5, y}, {0, y}, {0, h - 1}, {w - 1, h - 1}, {w - 1, y}, {textWidth + 12, y}});
  } else {
    canvas.MoveTo(5, y);
    canvas.LineTo(0, y);
    canvas.MoveTo(w - 1, y);
    canvas.LineTo(textWidth + 12, y);
  }
  RECT r{10, 0, 10 + textWidth, text.cy};
  canvas.SetBrushStyle(ui::BrushStyle::Clear);
  if (!Enabled()) canvas.Font().SetColor(ui::clGrayText);
  canvas.DrawText(caption, r, DT_SINGLELINE);
}

void TFlatGroupBox::WMMove(ui::TMessage& m) {
  ui::TCustomControl::WMMove(m);
  if (transparent_) Invalidate();
}

void TFlatGroupBox::WMSize(ui::TMessage& m) {
  ui::TCustomControl::WMSize(m);
  if (transparent_) Invalidate();
}

void TFlatGroupBox::CMTextChanged(ui::TMessage& m) {
  ui::TCustomControl::CMTextChanged(m);
  Invalidate();
}

void TFlatGroupBox::CMEnabledChanged(ui::TMessage& m) {
  ui::TCustomControl::CMEnabledChanged(m);
  Invalidate();
}

// The caption's accelerator focuses the box itself; other characters go on to the controls
// inside, so the space key still reaches a focused check box.
void TFlatGroupBox::CMDialogChar(ui::TMessage& m) {
  if (IsAccel(static_cast<char>(m.wParam), Caption()) && CanFocus()) {
    SetFocus();
    m.result = 1;
    return;
  }
  ui::TCustomControl::CMDialogChar(m);
}

void TFlatGroupBox::CMParentColorChanged(ui::TMessage& m) {
  ui::TCustomControl::CMParentColorChanged(m);
  FollowParentForAdvColors();
}

void TFlatGroupBox::CMSysColorChange(ui::TMessage&) { FollowParentForAdvColors(); }

bool TFlatGroupBox::SetProperty(std::string_view name, const core::PropertyValue& v, ui::LoadContext& context) {
  if (name == "Transparent") SetTransparent(ui::BoolValue(v));
  else if (name == "Align")
    SetAlign(ui::EnumValue<TAlign>(v, core::kAlign));
  else if (name == "ColorBorder") SetColorBorder(static_cast<ui::TColor>(ui::IntValue(v)));
  else if (name == "Border") SetBorder(ui::EnumValue<TGroupBoxBorder>(v, core::kGroupBoxBorder));
  else if (name == "AdvColorBorder") SetAdvColorBorder(AdvColorValue(v));
  else if (name == "UseAdvColors") SetUseAdvColors(ui::BoolValue(v));
  else return ui::TCustomControl::SetProperty(name, v, context);
  return true;
}
