#include "flatctrls/TCustomFlatEdit.h"

#include <algorithm>

#include "flatctrls/FlatLook.h"
#include "flatctrls/TFlatEdit.h"
#include "framework/Gdi.h"
#include "framework/HighContrast.h"
#include "framework/Screen.h"
#include "paint/LookMetrics.h"
#include "system/Platform.h"

namespace {
constexpr int kFrameWidth = 3;
}

TCustomFlatEdit::TCustomFlatEdit(ui::TComponent* owner)
    : ui::TCustomEdit(owner) {
  ui::TCustomEdit::SetParentFont(true);
  SetAutoSize(false);
  SetBounds(0, 0, 121, 19);
  colors_.Tie({[this](bool on) { SetParentColor(on); }, [this] { TakeParentColor(); },
               [this] { return std::optional<ui::TColor>(colorFlat_); }});
  RepaintFrame();
}

void TCustomFlatEdit::CreateParams(ui::TCreateParams& params) {
  ui::TCustomEdit::CreateParams(params);
  params.exStyle &= ~WS_EX_CLIENTEDGE;
  params.style &= ~WS_BORDER;
}

// The frame reserved in WM_NCCALCSIZE takes effect only once the frame is recalculated: the
// first calculation ran inside CreateWindow, before the window was ours.
void TCustomFlatEdit::CreateWnd() {
  ui::TCustomEdit::CreateWnd();
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomFlatEdit::SetColorFocused(ui::TColor value) {
  colors_.SetColor(AdvancedColors::Focused, value);
  RepaintFrame();
}

void TCustomFlatEdit::SetColorBorder(ui::TColor value) {
  colors_.SetColor(AdvancedColors::Border, value);
  RepaintFrame();
}

void TCustomFlatEdit::SetColorFlat(ui::TColor value) {
  colorFlat_ = value;
  parentColor_ = false;
  RepaintFrame();
}

void TCustomFlatEdit::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  if (!value) return;
  TakeParentColor();
  RepaintFrame();
}

void TCustomFlatEdit::SetAdvColorFocused(int percent) {
  colors_.SetPercent(AdvancedColors::Focused, percent);
  if (colors_.InUse()) RepaintFrame();
}

void TCustomFlatEdit::SetAdvColorBorder(int percent) {
  colors_.SetPercent(AdvancedColors::Border, percent);
  if (colors_.InUse()) RepaintFrame();
}

void TCustomFlatEdit::SetUseAdvColors(bool value) {
  if (colors_.Use(value)) RepaintFrame();
}

void TCustomFlatEdit::TakeParentColor() {
  if (Parent()) colorFlat_ = Parent()->Color();
}

// The framework only tells a control about its parent's colour when its own ParentColor is set,
// which the flat edit keeps off; so it asks here.
void TCustomFlatEdit::SetParent(ui::TWinControl* parent) {
  ui::TCustomEdit::SetParent(parent);
  if (parent) Perform(ui::CM_PARENTCOLORCHANGED);
}

void TCustomFlatEdit::Loaded() {
  ui::TCustomEdit::Loaded();
  FitHeightToFont();
}

void TCustomFlatEdit::FitHeightToFont() {
  ui::WindowDC screen(nullptr);
  ui::SelectedObject font(screen.Get(), Font().Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.Get(), &tm);
  SetHeight(tm.tmHeight + 2 * kFrameWidth);
}

void TCustomFlatEdit::WMNCCalcSize(ui::TMessage& m) {
  ui::TCustomEdit::WMNCCalcSize(m);
  InflateRect(reinterpret_cast<RECT*>(m.lParam), -kFrameWidth, -kFrameWidth);
}

void TCustomFlatEdit::WMNCPaint(ui::TMessage& m) {
  ui::TCustomEdit::WMNCPaint(m);
  ui::WindowDC dc(Handle(), ui::WindowDC::Area::Window);
  PaintFrame(dc.Get());
}

void TCustomFlatEdit::WMSetFocus(ui::TMessage& m) {
  ui::TCustomEdit::WMSetFocus(m);
  RepaintFrame();
}

void TCustomFlatEdit::WMKillFocus(ui::TMessage& m) {
  ui::TCustomEdit::WMKillFocus(m);
  RepaintFrame();
}

// The hover look counts only while the application is active at the moment the mouse enters.
void TCustomFlatEdit::CMMouseEnter(ui::TMessage& m) {
  ui::TCustomEdit::CMMouseEnter(m);
  if (!ui::Platform::Current().ActiveWindow()) return;
  hovered_ = true;
  RepaintFrame();
}

void TCustomFlatEdit::CMMouseLeave(ui::TMessage& m) {
  ui::TCustomEdit::CMMouseLeave(m);
  hovered_ = false;
  RepaintFrame();
}

void TCustomFlatEdit::CMEnabledChanged(ui::TMessage& m) {
  ui::TCustomEdit::CMEnabledChanged(m);
  RepaintFrame();
}

void TCustomFlatEdit::CMFontChanged(ui::TMessage& m) {
  ui::TCustomEdit::CMFontChanged(m);
  if (!Loading()) FitHeightToFont();
}

void TCustomFlatEdit::CMParentColorChanged(ui::TMessage&) {
  if (!colors_.ColorsChanged() && parentColor_) TakeParentColor();
  RepaintFrame();
}

void TCustomFlatEdit::CMSysColorChange(ui::TMessage& m) { CMParentColorChanged(m); }

// Focus always wins; hover shows the focused look only while no flat edit has the focus, so that
// with the focus in one field the others stay flat under the mouse.
bool TCustomFlatEdit::ShowsFocusedLook() const {
  if (Focused()) return true;
  return hovered_ && !dynamic_cast<TFlatEdit*>(ui::Screen().ActiveControl());
}

void TCustomFlatEdit::RepaintFrame() {
  SetColor(ui::LookColor(core::LookPart::Field, ShowsFocusedLook() ? ColorFocused() : colorFlat_));
  InvalidateFrame();
}

// A thin border (one pixel below 200 %) and the rest of the frame in the face of the current look.
// Under high contrast the field keeps the window colour and a focused or hovered one is framed
// in the highlight colour.
void TCustomFlatEdit::PaintFrame(HDC dc) const {
  const bool hot = ShowsFocusedLook();
  const ui::TColor face = ui::LookColor(hot ? core::LookPart::HotFace : core::LookPart::Field, hot ? ColorFocused() : colorFlat_);
  const ui::TColor border = ui::LookColor(hot ? core::LookPart::HotFace : core::LookPart::FieldText, ColorBorder());
  const int line = std::min(paint::LookMetrics(Dpi()).Line(), kFrameWidth);
  RECT window{};
  GetWindowRect(Handle(), &window);
  RECT r{0, 0, window.right - window.left, window.bottom - window.top};
  FrameWithColor(dc, r, border, line);
  InflateRect(&r, -line, -line);
  FrameWithColor(dc, r, face, kFrameWidth - line);
}

void TCustomFlatEdit::CNCtlColor(ui::TMessage& m) {
  ui::TCustomEdit::CNCtlColor(m);
  if (!ui::HighContrastOn()) return;
  SetTextColor(reinterpret_cast<HDC>(m.wParam), ui::ColorToRGB(ui::LookColor(core::LookPart::FieldText, Font().Color())));
}

