#include "flatctrls/TFlatComboBox.h"

#include <algorithm>
#include <array>

#include "core/DpiScale.h"
#include "core/EnumNames.h"
#include "framework/Gdi.h"
#include "framework/HighContrast.h"
#include "framework/PropertyTable.h"
#include "paint/LookMetrics.h"

namespace {

void FillWithColor(HDC dc, const RECT& r, ui::TColor color) {
  ui::Brush brush(CreateSolidBrush(ui::ColorToRGB(color)));
  FillRect(dc, &r, brush.Get());
}

void FillTriangle(HDC dc, const std::array<POINT, 3>& corners, ui::TColor color) {
  ui::Brush brush(CreateSolidBrush(ui::ColorToRGB(color)));
  ui::Pen pen(CreatePen(PS_SOLID, 1, ui::ColorToRGB(color)));
  ui::SelectedObject b(dc, brush.Get());
  ui::SelectedObject p(dc, pen.Get());
  Polygon(dc, corners.data(), static_cast<int>(corners.size()));
}

std::array<POINT, 3> Moved(std::array<POINT, 3> corners, int dx, int dy) {
  for (POINT& p : corners) {
    p.x += dx;
    p.y += dy;
  }
  return corners;
}

}  // namespace

TFlatComboBox::TFlatComboBox(ui::TComponent* owner)
    : ui::TCustomComboBox(owner), systemArrowWidth_(GetSystemMetrics(SM_CXVSCROLL)) {
  // Unlike the other flat controls the combo box keeps its own colour and ParentColor: the shades
  // come from its parent's colour, once it has a parent.
  colors_.Tie({nullptr, nullptr, [this] {
    return Parent() ? std::optional<ui::TColor>(Parent()->Color()) : std::nullopt;
  }});
  // The native list tracks the mouse with a capture of its own, which the framework's must not
  // take away. The control paints its whole client area itself.
  SetStyle((Style() & ~ui::csCaptureMouse) | ui::csOpaque);
  SetColor(static_cast<ui::TColor>(0x00E1EAEB));
  SetItemHeight(13);
}

void TFlatComboBox::SetColorArrow(ui::TColor value) {
  colorArrow_ = value;
  Invalidate();
}

void TFlatComboBox::StoreColor(AdvancedColors::Role role, ui::TColor value) {
  colors_.SetColor(role, value);
  Invalidate();
}

void TFlatComboBox::StorePercent(AdvancedColors::Role role, int percent) {
  colors_.SetPercent(role, percent);
  Invalidate();
}

void TFlatComboBox::SetUseAdvColors(bool value) {
  if (colors_.Use(value)) Invalidate();
}

// The native combo window has no non-client area: its window and client sizes are equal.
SIZE TFlatComboBox::WindowSize() const {
  RECT r{};
  GetWindowRect(Handle(), &r);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

bool TFlatComboBox::DrawsSelectionStrip() const {
  return ComboStyle() != ui::TComboBoxStyle::csDropDown && ComboStyle() != ui::TComboBoxStyle::csSimple;
}

// A picture of the window (WM_PRINT) takes the same path as the paint cycle, so the native arrow
// never shows there either.
void TFlatComboBox::WMPrintClient(ui::TMessage& m) {
  HDC dc = reinterpret_cast<HDC>(m.wParam);
  SIZE size = WindowSize();
  PaintContent(dc, RECT{0, 0, size.cx, size.cy}, dc);
  PaintFrame(dc);
  if (ComboStyle() != ui::TComboBoxStyle::csSimple) PaintButton(dc);
  m.result = 0;
}

void TFlatComboBox::WMPaint(ui::TMessage& m) {
  {
    ui::PaintSession paint(Handle());
    ui::WindowDC canvas(Handle());
    PaintContent(paint.Get(), paint.UpdateRect(), canvas.Get());
  }
  PaintFrameAndButton();
  m.result = 0;
}

// The face and flat button first, then the native text with the native arrow clipped away, then
// the strip that carries the selection up to the flat button.
void TFlatComboBox::PaintContent(HDC dc, const RECT& update, HDC canvas) {
  const SIZE size = WindowSize();
  const int w = size.cx, h = size.cy;
  RECT face = update;
  const int arrow = SystemArrowWidth();
  const int b = ButtonWidth();
  // Up to the frame's three rings beside the flat button.
  face.right = std::min<LONG>(face.right, w - b - 4);
  if (face.right > face.left) FillWithColor(dc, face, ui::LookColor(core::LookPart::Field, Color()));
  RECT button{w - b - 1, 0, w - 1, h}, overlap{};
  if (ComboStyle() != ui::TComboBoxStyle::csSimple && IntersectRect(&overlap, &button, &update)) {
    ui::SavedDCState saved(canvas);
    PaintButton(canvas);
  }
  {
    ui::SavedDCState saved(dc);
    ExcludeClipRect(dc, w - arrow - 2, 0, w, h);
    ui::TMessage native{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(native);
  }
  if (ComboStyle() == ui::TComboBoxStyle::csDropDown && DroppedDown()) {
    RECT r{2, 2, w - b - 3, h - 2};
    FrameWithColor(canvas, r, ui::clWindow);
  } else if (ComboStyle() != ui::TComboBoxStyle::csDropDown) {
    ui::SavedDCState saved(canvas);
    PaintSelectionStrip(canvas);
  }
}

void TFlatComboBox::PaintFrameAndButton() {
  if (!HandleAllocated()) return;
  {
    ui::WindowDC windowDC(Handle(), ui::WindowDC::Area::Window);
    PaintFrame(windowDC.Get());
  }
  if (ComboStyle() == ui::TComboBoxStyle::csSimple) return;
  ui::WindowDC canvas(Handle());
  PaintButton(canvas.Get());
}

// A thin border (one pixel below 200 %) and the face colour over the rest of the native sunken
// edge, three pixels deep.
void TFlatComboBox::PaintFrame(HDC dc) const {
  const SIZE size = WindowSize();
  const int line = std::min(paint::LookMetrics(Dpi()).Line(), 3);
  RECT r{0, 0, size.cx - ButtonWidth() - 1, size.cy};
  FrameWithColor(dc, r, ui::LookColor(core::LookPart::FieldText, ColorBorder()), line);
  InflateRect(&r, -line, -line);
  FrameWithColor(dc, r, ui::LookColor(core::LookPart::Field, Color()), 3 - line);
}

// A 13-pixel flat button with a small filled triangle, pointing up while the list is open.
void TFlatComboBox::PaintButton(HDC dc) const {
  const SIZE size = WindowSize();
  const int w = size.cx, h = size.cy;
  const paint::LookMetrics metrics(Dpi());
  RECT r{w - ButtonWidth() - 2, 0, w, h};
  FillWithColor(dc, r, ui::LookColor(core::LookPart::Face, ColorArrowBackground()));
  FrameWithColor(dc, r, ui::LookColor(core::LookPart::Text, ColorBorder()), metrics.Line());
  // Five pixels wide and three high at 96 DPI, its point in the button's middle column.
  const int mid = r.left + (r.right - r.left) / 2, half = metrics.Scale(2), tall = metrics.Scale(2);
  const int y = h / 2 - metrics.Scale(1);
  const std::array<POINT, 3> triangle =
      DroppedDown() ? std::array<POINT, 3>{{{mid - half, y + tall}, {mid + half, y + tall}, {mid, y}}}
                    : std::array<POINT, 3>{{{mid - half, y}, {mid + half, y}, {mid, y + tall}}};
  if (Enabled()) {
    FillTriangle(dc, triangle, ui::LookColor(core::LookPart::Text, colorArrow_));
  } else if (ui::HighContrastOn()) {
    FillTriangle(dc, triangle, ui::LookColor(core::LookPart::Disabled, ui::clGray));
  } else {
    FillTriangle(dc, Moved(triangle, 1, 1), ui::clWhite);
    FillTriangle(dc, triangle, ui::clGray);
  }
  ExcludeClipRect(dc, w - SystemArrowWidth(), 0, w, h);
}

// Carries the selection highlight of a focused drop-down list from the text up to the flat
// button, with a highlight ring three pixels inside the edge.
void TFlatComboBox::PaintSelectionStrip(HDC dc) const {
  const SIZE size = WindowSize();
  const int w = size.cx, h = size.cy;
  const bool focused = GetFocus() == Handle() && !DroppedDown();
  // From where the native text area ends to the frame's rings beside the flat button.
  const int right = w - ButtonWidth() - 5;
  RECT strip{right - paint::LookMetrics(Dpi()).Scale(5), 3, right, h - 3};
  FillWithColor(dc, strip, focused ? ui::clHighlight : ui::LookColor(core::LookPart::Field, Color()));
  if (focused) FrameWithColor(dc, RECT{3, 3, right, h - 3}, ui::clHighlight);
  ExcludeClipRect(dc, w - SystemArrowWidth() - 2, 0, w, h);
}

void TFlatComboBox::PaintSelectionStrip() {
  if (!HandleAllocated()) return;
  ui::WindowDC canvas(Handle());
  PaintSelectionStrip(canvas.Get());
}

void TFlatComboBox::UpdateActive() {
  if (!HandleAllocated()) return;
  HWND focus = GetFocus();
  bool active = DroppedDown() || focus == Handle() || (focus && focus == EditHandle());
  if (active == active_) return;
  active_ = active;
  PaintFrameAndButton();
}

void TFlatComboBox::WMNCPaint(ui::TMessage& m) {
  ui::TCustomComboBox::WMNCPaint(m);
  PaintFrameAndButton();
}

void TFlatComboBox::WMSetFocus(ui::TMessage& m) {
  ui::TCustomComboBox::WMSetFocus(m);
  UpdateActive();
  if (DrawsSelectionStrip()) PaintSelectionStrip();
}

void TFlatComboBox::WMKillFocus(ui::TMessage& m) {
  ui::TCustomComboBox::WMKillFocus(m);
  UpdateActive();
  if (DrawsSelectionStrip()) PaintSelectionStrip();
}

void TFlatComboBox::ComboWndProc(ui::TMessage& m, HWND child) {
  ui::TCustomComboBox::ComboWndProc(m, child);
  if (m.msg == WM_SETFOCUS || m.msg == WM_KILLFOCUS) UpdateActive();
}

// A selection made with the keyboard repaints the native text only; the strip follows it.
void TFlatComboBox::WMKeyDown(ui::TMessage& m) {
  const std::string before = Text();
  ui::TCustomComboBox::WMKeyDown(m);
  if (DrawsSelectionStrip() && Text() != before) PaintSelectionStrip();
}

// The inner edit of the editable styles stops short of the flat button.
void TFlatComboBox::WMWindowPosChanging(ui::TMessage& m) {
  if (HWND edit = EditHandle()) {
    RECT client = ClientRect();
    SetWindowPos(edit, nullptr, 0, 0, client.right - ButtonWidth() - 8, Height() - 6,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
  }
  ui::TCustomComboBox::WMWindowPosChanging(m);
}

// The dropped-down list takes the face colour, with the control's one brush.
void TFlatComboBox::WMCtlColor(ui::TMessage& m) {
  ui::TCustomComboBox::WMCtlColor(m);
  if (m.msg != WM_CTLCOLORLISTBOX) return;
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
    case CBN_SELENDOK:
      if (DrawsSelectionStrip()) PaintSelectionStrip();
      break;
    case CBN_CLOSEUP: {
      SIZE size = WindowSize();
      RECT button{size.cx - ButtonWidth() - 3, 0, size.cx - 1, size.cy};
      InvalidateRect(Handle(), &button, FALSE);
      break;
    }
    default: break;
  }
}

void TFlatComboBox::CMEnabledChanged(ui::TMessage& m) {
  ui::TCustomComboBox::CMEnabledChanged(m);
  Invalidate();
}

// A new font brings the native window back with rows of 13 pixels.
void TFlatComboBox::CMFontChanged(ui::TMessage& m) {
  ui::TCustomComboBox::CMFontChanged(m);
  SetItemHeight(13);
  RecreateWnd();
}

void TFlatComboBox::CMParentColorChanged(ui::TMessage&) {
  colors_.ColorsChanged();
  Invalidate();
}

void TFlatComboBox::CMSysColorChange(ui::TMessage&) {
  colors_.ColorsChanged();
  Invalidate();
}

int TFlatComboBox::ButtonWidth() const { return paint::LookMetrics(Dpi())[paint::Metric::ComboButton]; }

// The native arrow button's width at the window's DPI.
int TFlatComboBox::SystemArrowWidth() const {
  if (Dpi() == core::DpiScale::kDesignDpi) return systemArrowWidth_;
  return GetSystemMetricsForDpi(SM_CXVSCROLL, static_cast<UINT>(Dpi()));
}

const ui::PropertyTable& TFlatComboBox::Published() const {
  using C = TFlatComboBox;
  static const ui::PropertyTable table{
#include "flatctrls/TFlatComboBox.props"
  };
  return table;
}
