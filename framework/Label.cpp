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

void TLabel::Paint() {
  TCanvas& canvas = Canvas();
  RECT r = ClientRect();
  if (!transparent_) {
    canvas.SetBrushColor(LookColor(core::LookPart::Face, Color()));
    canvas.FillRect(r);
  }
  canvas.SetBrushStyle(BrushStyle::Clear);
  std::string text = Caption();
  UINT flags = TextFlags();
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
