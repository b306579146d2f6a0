#include "framework/Label.h"

#include <oleacc.h>

#include "core/AccessibleText.h"
#include "core/EnumNames.h"
#include "framework/AccessibleObject.h"
#include "framework/Gdi.h"
#include "framework/HighContrast.h"
#include "framework/PropertyTable.h"
#include "framework/WinControl.h"
#include "system/WideText.h"

namespace ui {

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
}

UINT TLabel::TextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
  else if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  return flags;
}

namespace {

int WrappedHeight(HDC dc, const LOGFONTA& lf, const std::wstring& text, int width, UINT flags) {
  FontHandle font(CreateFontIndirectA(&lf));
  SelectedObject selected(dc, font.Get());
  RECT r{0, 0, width, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
  return r.bottom;
}

}  // namespace

LOGFONTA TLabel::FittedFont() const {
  LOGFONTA lf = Font().LogFont();
  if (autoSize_ || !wordWrap_ || lf.lfHeight >= 0) return lf;
  WindowDC screen(nullptr);
  const std::wstring text = WideText::FromUtf8(Caption());
  const int smallest = lf.lfHeight * 4 / 5;
  while (lf.lfHeight < smallest && WrappedHeight(screen.Get(), lf, text, Width(), TextFlags()) > Height())
    ++lf.lfHeight;
  return lf;
}

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  if (const LOGFONTA fitted = FittedFont(); fitted.lfHeight != Font().Height()) {
    canvas.Font().SetName(fitted.lfFaceName);
    canvas.Font().SetHeight(fitted.lfHeight);
  }
  RECT r = ClientRect();
  if (!transparent_) {
    canvas.SetBrushColor(LookColor(core::LookPart::Face, Color()));
    canvas.FillRect(r);
  }
  canvas.SetBrushStyle(BrushStyle::Clear);
  UINT flags = TextFlags();
  const std::string text = DrawnCaption(Caption(), flags);
  if (layout_ != TTextLayout::tlTop) {
    RECT measured = r;
    canvas.DrawText(text, measured, flags | DT_CALCRECT);
    int offset = (r.bottom - r.top) - (measured.bottom - measured.top);
    r.top += layout_ == TTextLayout::tlCenter ? offset / 2 : offset;
  }
  if (HighContrastOn()) {
    canvas.Font().SetColor(LookColor(Enabled() ? core::LookPart::Text : core::LookPart::Disabled, Font().Color()));
  } else if (!Enabled()) {
    RECT shifted = r;
    OffsetRect(&shifted, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.DrawText(text, shifted, flags);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.DrawText(text, r, flags);
}

void TLabel::AdjustBounds() {
  if (!autoSize_ || Loading()) return;
  WindowDC screen(nullptr);
  SelectedObject font(screen.Get(), Font().Handle());
  std::string text = Caption();
  if (text.empty()) text.push_back(' ');
  RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
  const std::wstring wide = WideText::FromUtf8(text);
  DrawTextW(screen.Get(), wide.c_str(), static_cast<int>(wide.size()), &r, TextFlags() | DT_CALCRECT);
  int width = wordWrap_ ? Width() : r.right;
  int left = Left();
  if (alignment_ == TAlignment::taRightJustify) left += Width() - width;
  SetBounds(left, Top(), width, r.bottom);
}

void TLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TLabel::CMTextChanged(TMessage& m) {
  TGraphicControl::CMTextChanged(m);
  AdjustBounds();
  AccessibleObject::Notify(EVENT_OBJECT_NAMECHANGE, *this);
}

void TLabel::DescribeAccessible(AccessibleInfo& info) const {
  info.role = ROLE_SYSTEM_STATICTEXT;
  info.SetName(showAccelChar_ ? core::SpokenCaption(Caption()) : Caption());
  info.state = STATE_SYSTEM_READONLY;
}

// The label's access key takes the focus to the field it names.
void TLabel::CMDialogChar(TMessage& m) {
  TWinControl* target = FocusControl();
  if (!target || !showAccelChar_ || !IsAccel(static_cast<wchar_t>(m.wParam), Caption())) return;
  if (!target->CanFocus()) return;
  target->SetFocus();
  m.result = 1;
}

void TLabel::CMFontChanged(TMessage& m) {
  TGraphicControl::CMFontChanged(m);
  AdjustBounds();
}

void TLabel::SetAlignment(TAlignment value) {
  alignment_ = value;
  Invalidate();
}
void TLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  AdjustBounds();
}
void TLabel::SetWordWrap(bool value) {
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}
void TLabel::SetTransparent(bool value) {
  transparent_ = value;
  Invalidate();
}
void TLabel::SetLayout(TTextLayout value) {
  layout_ = value;
  Invalidate();
}
void TLabel::SetShowAccelChar(bool value) {
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

void TLabel::Notification(TComponent* component) {
  TGraphicControl::Notification(component);
  if (component == focusControl_) focusControl_ = nullptr;
}

const PropertyTable& TLabel::Published() const {
  using C = TLabel;
  static const PropertyTable table{
#include "framework/Label.props"
  };
  return table;
}

}  // namespace ui
