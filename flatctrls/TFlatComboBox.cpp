#include "flatctrls/TFlatComboBox.h"

#include <algorithm>
#include <vector>

#include "framework/Gdi.h"

TFlatComboBox::TFlatComboBox(ui::TComponent* owner)
    : ui::TCustomComboBox(owner), systemArrowWidth_(GetSystemMetrics(SM_CXVSCROLL)) {
  // The native list tracks the mouse with a capture of its own, which the framework's must not
  // take away.
  SetStyle(Style() & ~ui::csCaptureMouse);
  SetItemHeight(13);
}

void TFlatComboBox::StoreColor(ui::TColor& field, ui::TColor value) {
  field = value;
  Invalidate();
}

void TFlatComboBox::StorePercent(int& field, int percent) {
  field = std::clamp(percent, 0, 100);
  DeriveColors();
  Invalidate();
}

void TFlatComboBox::SetUseAdvColors(bool value) {
  if (value == useAdvColors_) return;
  useAdvColors_ = value;
  DeriveColors();
  Invalidate();
}

void TFlatComboBox::DeriveColors() {
  if (!useAdvColors_ || !Parent()) return;
  colorBorder_ = DeriveShade(Parent()->Color(), colorBorder_, advColorBorder_, true);
  colorArrowBackground_ = DeriveShade(Parent()->Color(), colorArrowBackground_, advColorArrowBackground_, true);
}

// The native control paints first; the flat border and button then cover its 3-D edge and arrow.
void TFlatComboBox::WMPaint(ui::TMessage& m) {
  ui::TCustomComboBox::WMPaint(m);
  PaintFlatLook();
  m.result = 0;
}

void TFlatComboBox::WMSetFocus(ui::TMessage& m) {
  ui::TCustomComboBox::WMSetFocus(m);
  PaintFlatLook();
}

void TFlatComboBox::WMKillFocus(ui::TMessage& m) {
  ui::TCustomComboBox::WMKillFocus(m);
  PaintFlatLook();
}

// The dropped-down list takes the face colour.
void TFlatComboBox::WMCtlColor(ui::TMessage& m) {
  if (m.msg != WM_CTLCOLORLISTBOX) {
    ui::TCustomComboBox::WMCtlColor(m);
    return;
  }
  HDC dc = reinterpret_cast<HDC>(m.wParam);
  SetTextColor(dc, ui::ColorToRGB(Font().Color()));
  SetBkColor(dc, ui::ColorToRGB(Color()));
  m.result = reinterpret_cast<LRESULT>(ColorBrush());
}

void TFlatComboBox::CNCommand(ui::TMessage& m) {
  ui::TCustomComboBox::CNCommand(m);
  switch (HIWORD(m.wParam)) {
    case CBN_SELCHANGE:
    case CBN_DROPDOWN:
    case CBN_CLOSEUP:
    case CBN_SELENDOK: Invalidate(); break;
    default: break;
  }
}

void TFlatComboBox::CMEnabledChanged(ui::TMessage& m) {
  ui::TCustomComboBox::CMEnabledChanged(m);
  Invalidate();
}

void TFlatComboBox::CMParentColorChanged(ui::TMessage&) {
  DeriveColors();
  Invalidate();
}

void TFlatComboBox::CMSysColorChange(ui::TMessage&) {
  DeriveColors();
  Invalidate();
}

void TFlatComboBox::PaintFlatLook() {
  if (!HandleAllocated()) return;
  RECT window{};
  GetWindowRect(Handle(), &window);
  int w = window.right - window.left, h = window.bottom - window.top;
  ui::WindowDC dc(Handle(), ui::WindowDC::Area::Window);
  // The strip between the text and the flat button, where the native arrow was.
  RECT gap{std::max(2, w - systemArrowWidth_ - 2), 2, w - kButtonWidth - 2, h - 2};
  if (gap.right > gap.left) {
    ui::Brush face(CreateSolidBrush(ui::ColorToRGB(Color())));
    FillRect(dc.Get(), &gap, face.Get());
  }
  RECT frame{0, 0, w - kButtonWidth - 1, h};
  FrameWithColor(dc.Get(), frame, colorBorder_);
  InflateRect(&frame, -1, -1);
  FrameWithColor(dc.Get(), frame, Color());
  InflateRect(&frame, -1, -1);
  FrameWithColor(dc.Get(), frame, Color());
  if (ComboStyle() != ui::TComboBoxStyle::csSimple) PaintButton(dc.Get(), w, h);
}

// A narrow flat button with a filled triangle: down while the list is closed, up while it is open.
void TFlatComboBox::PaintButton(HDC dc, int w, int h) {
  RECT r{w - kButtonWidth - 2, 0, w, h};
  ui::Brush face(CreateSolidBrush(ui::ColorToRGB(colorArrowBackground_)));
  FillRect(dc, &r, face.Get());
  FrameWithColor(dc, r, colorBorder_);
  int x = r.left + (r.right - r.left) / 2 - 6;
  int y = h / 2 - 1;
  bool open = DroppedDown();
  std::vector<POINT> triangle = open ? std::vector<POINT>{{x + 4, y + 2}, {x + 8, y + 2}, {x + 6, y}}
                                     : std::vector<POINT>{{x + 4, y}, {x + 8, y}, {x + 6, y + 2}};
  auto draw = [dc](const std::vector<POINT>& points, ui::TColor color) {
    ui::Brush brush(CreateSolidBrush(ui::ColorToRGB(color)));
    ui::Pen pen(CreatePen(PS_SOLID, 1, ui::ColorToRGB(color)));
    ui::SelectedObject b(dc, brush.Get());
    ui::SelectedObject p(dc, pen.Get());
    Polygon(dc, points.data(), static_cast<int>(points.size()));
  };
  if (Enabled()) {
    draw(triangle, colorArrow_);
    return;
  }
  std::vector<POINT> shadow = triangle;
  for (POINT& p : shadow) {
    ++p.x;
    ++p.y;
  }
  draw(shadow, ui::clWhite);
  draw(triangle, ui::clGray);
}

bool TFlatComboBox::SetProperty(std::string_view name, const core::PropertyValue& v, ui::LoadContext& context) {
  auto color = [&v] { return static_cast<ui::TColor>(ui::IntValue(v)); };
  if (name == "ColorArrow") SetColorArrow(color());
  else if (name == "ColorArrowBackground") SetColorArrowBackground(color());
  else if (name == "ColorBorder") SetColorBorder(color());
  else if (name == "AdvColorBorder") SetAdvColorBorder(AdvColorValue(v));
  else if (name == "AdvColorArrowBackground") SetAdvColorArrowBackground(AdvColorValue(v));
  else if (name == "UseAdvColors") SetUseAdvColors(ui::BoolValue(v));
  else if (name == "OnDrawItem") OnDrawItem = context.Method<TDrawItemEvent>(v);
  else if (name == "OnMeasureItem") OnMeasureItem = context.Method<TMeasureItemEvent>(v);
  else return ui::TCustomComboBox::SetProperty(name, v, context);
  return true;
}
