#include "labels/TProCustomLabel.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "framework/Gdi.h"
#include "framework/HighContrast.h"
#include "framework/WinControl.h"
#include "paint/PaintHelpers.h"
#include "system/Exceptions.h"
#include "system/WideText.h"

namespace {

POINT Step(TDirection d) {
  static const POINT kSteps[] = {{0, 0}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
  return kSteps[static_cast<int>(d)];
}

struct Preset {
  TDirection highlightDirection;
  int highlightDepth;
  TDirection shadowDirection;
  int shadowDepth;
  int shadowSize;
  bool faceColouredFont;
};

Preset PresetOf(TShadowStyle style) {
  using D = TDirection;
  switch (style) {
    case TShadowStyle::ssRaised: return {D::drUpLeft, 1, D::drNone, 0, 0, false};
    case TShadowStyle::ssRaisedColor: return {D::drUpLeft, 1, D::drDownRight, 1, 1, true};
    case TShadowStyle::ssRaisedShadow: return {D::drUpLeft, 1, D::drDownRight, 1, 1, false};
    case TShadowStyle::ssRaisedThickShadow: return {D::drUpLeft, 1, D::drDownRight, 1, 4, false};
    case TShadowStyle::ssRecessed: return {D::drDownRight, 1, D::drNone, 0, 0, false};
    case TShadowStyle::ssRecessedColor: return {D::drDownRight, 1, D::drUpLeft, 1, 1, true};
    case TShadowStyle::ssRecessedShadow: return {D::drDownRight, 1, D::drUpLeft, 1, 1, false};
    case TShadowStyle::ssShadow: return {D::drNone, 0, D::drDownRight, 2, 1, false};
    case TShadowStyle::ssThickShadow: return {D::drNone, 0, D::drDownRight, 1, 4, false};
    default: return {D::drNone, 0, D::drNone, 0, 0, false};
  }
}

}  // namespace

TProCustomLabel::TProCustomLabel(ui::TComponent* owner)
    : ui::TLabel(owner), highlightColor_(ui::clBtnHighlight), shadowColor_(ui::clBtnShadow) {}

void TProCustomLabel::SetAngle(int value) {
  int angle = value % 360;
  if (angle < 0) angle += 360;
  if (angle == angle_) return;
  angle_ = angle;
  const double radians = angle * std::numbers::pi / 180.0;
  angleCos_ = std::cos(radians);
  angleSin_ = std::sin(radians);
  if (angle_ > 0 && AutoSize()) SetAutoSize(false);
  Invalidate();
}

void TProCustomLabel::SetOffsetX(int value) {
  if (value == offsetX_) return;
  offsetX_ = value;
  if (value > 0 && AutoSize()) SetAutoSize(false);
  Invalidate();
}

void TProCustomLabel::SetOffsetY(int value) {
  if (value == offsetY_) return;
  offsetY_ = value;
  if (value > 0 && AutoSize()) SetAutoSize(false);
  Invalidate();
}

template <typename T>
void TProCustomLabel::SetEffect(T& field, T value) {
  if (value == field) return;
  field = value;
  if (!applyingStyle_) shadowStyle_ = TShadowStyle::ssCustom;
  Invalidate();
}

void TProCustomLabel::SetHighlightDirection(TDirection value) { SetEffect(highlightDirection_, value); }
void TProCustomLabel::SetHighlightDepth(int value) { SetEffect(highlightDepth_, value); }
void TProCustomLabel::SetHighlightColor(ui::TColor value) { SetEffect(highlightColor_, value); }
void TProCustomLabel::SetShadowDirection(TDirection value) { SetEffect(shadowDirection_, value); }
void TProCustomLabel::SetShadowDepth(int value) { SetEffect(shadowDepth_, std::clamp(value, 0, 1280)); }
void TProCustomLabel::SetShadowSize(int value) { SetEffect(shadowSize_, std::clamp(value, 0, 1280)); }
void TProCustomLabel::SetShadowColor(ui::TColor value) { SetEffect(shadowColor_, value); }

void TProCustomLabel::SetShadowStyle(TShadowStyle value) {
  if (value == shadowStyle_) return;
  shadowStyle_ = value;
  if (value == TShadowStyle::ssCustom) return;
  const Preset preset = PresetOf(value);
  applyingStyle_ = true;
  SetHighlightDirection(preset.highlightDirection);
  SetHighlightDepth(preset.highlightDepth);
  SetHighlightColor(ui::clBtnHighlight);
  SetShadowDirection(preset.shadowDirection);
  SetShadowDepth(preset.shadowDepth);
  SetShadowSize(preset.shadowSize);
  SetShadowColor(ui::clBtnShadow);
  if (preset.faceColouredFont) Font().SetColor(ui::clBtnFace);
  applyingStyle_ = false;
}

// Layout is a second name for it; the framework label's own layout is kept in step.
void TProCustomLabel::SetVerticalAlignment(TVerticalAlignment value) {
  if (value == verticalAlignment_) return;
  verticalAlignment_ = value;
  SetLayout(static_cast<ui::TTextLayout>(value));
  Invalidate();
}

void TProCustomLabel::DoMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TProCustomLabel::DoMouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TProCustomLabel::CMMouseEnter(ui::TMessage& m) {
  ui::TLabel::CMMouseEnter(m);
  DoMouseEnter();
}

void TProCustomLabel::CMMouseLeave(ui::TMessage& m) {
  ui::TLabel::CMMouseLeave(m);
  DoMouseLeave();
}

// The box the turned text needs, placed by the alignments, then moved to where the turned line
// starts: the text is drawn with its unturned top-left corner there.
void TProCustomLabel::PlaceRotated(HDC dc, const std::string& text, RECT& r) const {
  SIZE size{};
  const std::wstring wide = ui::WideText::FromUtf8(text);
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  const int wc = static_cast<int>(size.cx * angleCos_), ws = static_cast<int>(size.cx * angleSin_);
  const int hc = static_cast<int>(size.cy * angleCos_), hs = static_cast<int>(size.cy * angleSin_);
  int bw, bh;
  if (angle_ < 90) bw = wc + hs, bh = ws + hc;
  else if (angle_ < 180) bw = hs - wc, bh = ws - hc;
  else if (angle_ < 270) bw = -wc - hs, bh = -ws - hc;
  else bw = wc - hs, bh = hc - ws;
  const int cw = Width(), ch = Height();
  bw = std::min(bw, cw);
  bh = std::min(bh, ch);
  r = RECT{0, 0, bw, bh};
  if (Alignment() == ui::TAlignment::taCenter) OffsetRect(&r, (cw - bw) / 2, 0);
  else if (Alignment() == ui::TAlignment::taRightJustify) OffsetRect(&r, cw - bw, 0);
  if (verticalAlignment_ == TVerticalAlignment::vaCenter) OffsetRect(&r, 0, (ch - bh) / 2);
  else if (verticalAlignment_ == TVerticalAlignment::vaBottom) OffsetRect(&r, 0, ch - bh);
  if (angle_ < 90) OffsetRect(&r, 0, ws);
  else if (angle_ < 180) OffsetRect(&r, -wc, bh);
  else if (angle_ < 270) OffsetRect(&r, bw, -hc);
  else OffsetRect(&r, -hs, 0);
}

// A text taller than the label moves up.
void TProCustomLabel::PlaceUnrotated(HDC dc, const std::string& text, UINT format, RECT& r) const {
  RECT measured = r;
  const std::wstring wide = ui::WideText::FromUtf8(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &measured, format | DT_CALCRECT);
  const LONG oldBottom = r.bottom;
  r.bottom = r.top + (measured.bottom - measured.top);
  const LONG difference = oldBottom - r.bottom;
  OffsetRect(&r, 0, verticalAlignment_ == TVerticalAlignment::vaCenter ? difference / 2 : difference);
}

void TProCustomLabel::DrawPass(HDC dc, const std::string& text, RECT r, UINT format, ui::TColor color) const {
  SetTextColor(dc, ui::ColorToRGB(color));
  const std::wstring wide = ui::WideText::FromUtf8(text);
  if (angle_ != 0) TextOutW(dc, r.left, r.top, wide.c_str(), static_cast<int>(wide.size()));
  else DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, format);
}

// Enabled, the shadow copies come first from nearest to farthest, then the highlight copy, then
// the text on top. Disabled, only the embossed pair is drawn.
void TProCustomLabel::Paint() {
  ui::TCanvas& canvas = Canvas();
  HDC dc = canvas.Handle();
  const std::string text = Caption();
  const UINT format = TextFlags();
  RECT r = ClientRect();
  if (!Transparent()) {
    canvas.SetBrushColor(ui::LookColor(core::LookPart::Face, Color()));
    canvas.FillRect(r);
  }
  canvas.SetBrushStyle(ui::BrushStyle::Clear);

  ui::FontHandle turned;
  std::optional<ui::SelectedObject> turnedSelected;
  if (angle_ != 0) {
    LOGFONTA lf = Font().LogFont();
    lf.lfEscapement = angle_ * 10;
    lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    turned.Reset(CreateFontIndirectA(&lf));
    turnedSelected.emplace(dc, turned.Get());
    PlaceRotated(dc, text, r);
  } else if (verticalAlignment_ != TVerticalAlignment::vaTop) {
    PlaceUnrotated(dc, text, format, r);
  }
  OffsetRect(&r, offsetX_, offsetY_);

  if (!Enabled()) {
    DrawEngravedPasses(r, [&](const RECT& at, ui::TColor color) { DrawPass(dc, text, at, format, color); });
    return;
  }
  // A contrast theme has no colours for the effect's copies: the text alone, in the theme's ink.
  const bool contrast = ui::HighContrastOn();
  if (shadowStyle_ != TShadowStyle::ssNone && !contrast) {
    const POINT shadowStep = Step(shadowDirection_);
    RECT copy = r;
    OffsetRect(&copy, shadowDepth_ * shadowStep.x, shadowDepth_ * shadowStep.y);
    for (int i = 0; i < shadowSize_; ++i) {
      DrawPass(dc, text, copy, format, shadowColor_);
      OffsetRect(&copy, shadowStep.x, shadowStep.y);
    }
    const POINT highlightStep = Step(highlightDirection_);
    copy = r;
    OffsetRect(&copy, highlightDepth_ * highlightStep.x, highlightDepth_ * highlightStep.y);
    DrawPass(dc, text, copy, format, highlightColor_);
  }
  DrawPass(dc, text, r, format, ui::LookColor(TextPart(), Font().Color()));
}

