#include "flatctrls/TFlatGroupBox.h"

#include <oleacc.h>
#include <algorithm>
#include <string>
#include <vector>

#include "core/AccessibleText.h"
#include "core/EnumNames.h"
#include "framework/Bitmap.h"
#include "framework/HighContrast.h"
#include "framework/PropertyTable.h"
#include "paint/LookMetrics.h"

TFlatGroupBox::TFlatGroupBox(ui::TComponent* owner) : ui::TCustomControl(owner) {
  colors_.Tie({[this](bool on) { SetParentColor(on); }, [this] { SetParentColor(true); },
               [this] { return std::optional<ui::TColor>(Color()); }});
  SetStyle(Style() | ui::csAcceptsControls | ui::csOpaque);
  SetColor(ui::clWindow);
  SetParentColor(true);
  SetBounds(0, 0, 185, 105);
}

void TFlatGroupBox::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}

void TFlatGroupBox::SetColorBorder(ui::TColor value) {
  colors_.SetColor(AdvancedColors::Border, value);
  Invalidate();
}

void TFlatGroupBox::SetBorder(TGroupBoxBorder value) {
  border_ = value;
  Invalidate();
}

void TFlatGroupBox::SetAdvColorBorder(int percent) {
  colors_.SetPercent(AdvancedColors::Border, percent);
  Invalidate();
}

void TFlatGroupBox::SetUseAdvColors(bool value) {
  if (colors_.Use(value)) Invalidate();
}

// Drawn off-screen and copied in one go, so the frame never flickers over the background.
void TFlatGroupBox::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  ui::TBitmap buffer;
  buffer.SetSize(w, h);
  ui::TCanvas& canvas = buffer.Canvas();
  canvas.Font().Assign(Font());
  const std::string caption = Caption();
  // An empty caption still has the height of a line, so the top line keeps its place.
  const SIZE text = canvas.TextExtent(caption.empty() ? std::string(" ") : caption);
  const int textWidth = caption.empty() ? 0 : text.cx;
  const int y = text.cy / 2;
  if (transparent_) {
    PaintParentBackground(*this, canvas.Handle());
  } else {
    canvas.SetBrushColor(ui::LookColor(core::LookPart::Face, Color()));
    canvas.SetBrushStyle(ui::BrushStyle::Solid);
    canvas.FillRect(RECT{0, 0, w, h});
  }
  const paint::LookMetrics metrics(Dpi());
  const int start = metrics[paint::Metric::GroupLineStart], left = metrics[paint::Metric::GroupCaptionLeft];
  const int resume = left + textWidth + metrics[paint::Metric::GroupCaptionGap];
  const int line = metrics.Line();
  const ui::TColor border = ui::LookColor(core::LookPart::Text, ColorBorder());
  canvas.SetPenColor(border);
  if (line == 1) {
    canvas.SetPenWidth(1);
    if (border_ == TGroupBoxBorder::brFull) {
      canvas.Polyline({{start, y}, {0, y}, {0, h - 1}, {w - 1, h - 1}, {w - 1, y}, {resume, y}});
    } else {
      canvas.MoveTo(start, y);
      canvas.LineTo(0, y);
      canvas.MoveTo(w - 1, y);
      canvas.LineTo(resume, y);
    }
  } else {
    // Thicker lines grow inward: down from the top line, in from the sides and up from the bottom.
    canvas.SetBrushColor(border);
    canvas.SetBrushStyle(ui::BrushStyle::Solid);
    canvas.FillRect(RECT{0, y, start, y + line});
    canvas.FillRect(RECT{resume, y, w, y + line});
    if (border_ == TGroupBoxBorder::brFull) {
      canvas.FillRect(RECT{0, y, line, h});
      canvas.FillRect(RECT{w - line, y, w, h});
      canvas.FillRect(RECT{0, h - line, w, h});
    }
  }
  RECT r{left, 0, left + textWidth, text.cy};
  canvas.SetBrushStyle(ui::BrushStyle::Clear);
  if (Enabled()) {
    canvas.Font().SetColor(ui::LookColor(core::LookPart::Text, Font().Color()));
    canvas.DrawText(caption, r, DT_SINGLELINE);
  } else {
    DrawEngravedText(canvas.Handle(), caption, r, DT_SINGLELINE);
  }
  BitBlt(Canvas().Handle(), 0, 0, w, h, buffer.DC(), 0, 0, SRCCOPY);
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
  if (IsAccel(static_cast<wchar_t>(m.wParam), Caption()) && CanFocus()) {
    SetFocus();
    m.result = 1;
    return;
  }
  ui::TCustomControl::CMDialogChar(m);
}

void TFlatGroupBox::CMParentColorChanged(ui::TMessage& m) {
  ui::TCustomControl::CMParentColorChanged(m);
  colors_.ColorsChanged();
  Invalidate();
}

void TFlatGroupBox::CMSysColorChange(ui::TMessage&) {
  colors_.ColorsChanged();
  Invalidate();
}

void TFlatGroupBox::DescribeAccessible(ui::AccessibleInfo& info) const {
  info.role = ROLE_SYSTEM_GROUPING;
  info.SetName(core::SpokenCaption(Caption()));
}

const ui::PropertyTable& TFlatGroupBox::Published() const {
  using C = TFlatGroupBox;
  static const ui::PropertyTable table{
#include "flatctrls/TFlatGroupBox.props"
  };
  return table;
}
