#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

#include "flatctrls/FlatLook.h"
#include "framework/Bitmap.h"
#include "framework/Exceptions.h"
#include "framework/Form.h"
#include "framework/Platform.h"
#include "framework/WinControl.h"

// The painting state of a flat button.
enum class TButtonState : unsigned char { StateUp, StateDisabled, StatePressed, StateExclusive };

// Everything the two flat push buttons share: state, groups, glyph, clicks and painting. Base is
// the framework class the button stands on: a windowed custom control for TFlatButton, a graphic
// control for TFlatSpeedButton.
template <typename Base>
class TFlatButtonBase : public Base {
 public:
  explicit TFlatButtonBase(ui::TComponent* owner) : Base(owner) {
    this->SetStyle(ui::csCaptureMouse | ui::csDoubleClicks);
    this->SetBounds(0, 0, 25, 25);
    this->SetParentFont(true);
    this->SetParentColor(true);
  }

  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode value) {
    transparentMode_ = value;
    this->Invalidate();
  }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }

  ui::TColor ColorFocused() const { return colorFocused_; }
  ui::TColor ColorDown() const { return colorDown_; }
  ui::TColor ColorBorder() const { return colorBorder_; }
  ui::TColor ColorHighLight() const { return colorHighLight_; }
  ui::TColor ColorShadow() const { return colorShadow_; }
  void SetColorFocused(ui::TColor c) { StoreColor(colorFocused_, c); }
  void SetColorDown(ui::TColor c) { StoreColor(colorDown_, c); }
  void SetColorBorder(ui::TColor c) { StoreColor(colorBorder_, c); }
  void SetColorHighLight(ui::TColor c) { StoreColor(colorHighLight_, c); }
  void SetColorShadow(ui::TColor c) { StoreColor(colorShadow_, c); }

  int AdvColorFocused() const { return advColorFocused_; }
  int AdvColorDown() const { return advColorDown_; }
  int AdvColorBorder() const { return advColorBorder_; }
  void SetAdvColorFocused(int percent) { StorePercent(advColorFocused_, percent); }
  void SetAdvColorDown(int percent) { StorePercent(advColorDown_, percent); }
  void SetAdvColorBorder(int percent) { StorePercent(advColorBorder_, percent); }
  bool UseAdvColors() const { return useAdvColors_; }
  void SetUseAdvColors(bool value) {
    if (value == useAdvColors_) return;
    useAdvColors_ = value;
    this->SetParentColor(value);
    DeriveButtonColors();
    this->Invalidate();
  }

  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value) {
    if (value == groupIndex_) return;
    groupIndex_ = value;
    NotifyGroup();
  }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) {
    if (value == allowAllUp_) return;
    allowAllUp_ = value;
    NotifyGroup();
  }
  bool Down() const { return down_; }
  void SetDown(bool value) {
    if (groupIndex_ == 0) value = false;
    if (value == down_) return;
    if (down_ && !allowAllUp_) return;  // the down member cannot release itself
    down_ = value;
    if (value) {
      if (state_ == TButtonState::StateUp) this->Invalidate();
      state_ = TButtonState::StateExclusive;
      NotifyGroup();
    } else {
      state_ = TButtonState::StateUp;
      this->Repaint();
    }
  }

  ui::TBitmap& Glyph() { return glyph_; }
  // Takes a copy of the image; a strip whose width is a multiple of its height says how many
  // images it holds.
  void SetGlyph(const ui::TBitmap& bitmap) {
    if (&bitmap == &glyph_) return;
    glyph_.Assign(bitmap);
    if (!glyph_.Empty() && glyph_.Width() % glyph_.Height() == 0) {
      int count = glyph_.Width() / glyph_.Height();
      numGlyphs_ = count > 4 ? 1 : count;
    }
    this->Invalidate();
  }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_) return;
    numGlyphs_ = value;
    this->Invalidate();
  }
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value) {
    if (value == layout_) return;
    layout_ = value;
    this->Invalidate();
  }
  int Spacing() const { return spacing_; }
  void SetSpacing(int value) {
    if (value == spacing_) return;
    spacing_ = value;
    this->Invalidate();
  }
  int Margin() const { return margin_; }
  void SetMargin(int value) {
    if (value == margin_ || value < -1) return;
    margin_ = value;
    this->Invalidate();
  }

  TButtonState State() const { return state_; }
  bool Hovered() const { return hovered_; }
  bool Pressing() const { return pressing_; }

  // The containing window takes the modal result, then OnClick runs.
  void Click() override {
    if (this->Parent())
      if (ui::TForm* form = this->ParentForm()) form->SetModalResult(modalResult_);
    Base::Click();
  }

  void Loaded() override {
    Base::Loaded();
    this->Invalidate();
  }

  bool SetProperty(std::string_view name, const core::PropertyValue& v, ui::LoadContext& context) override {
    if (name == "TransparentMode")
      SetTransparentMode(static_cast<TTransparentMode>(EnumIndex(v, {"tmAlways", "tmNotFocused", "tmNone"})));
    else if (name == "AllowAllUp") SetAllowAllUp(ui::BoolValue(v));
    else if (name == "ColorFocused") SetColorFocused(ColorOf(v));
    else if (name == "ColorDown") SetColorDown(ColorOf(v));
    else if (name == "ColorBorder") SetColorBorder(ColorOf(v));
    else if (name == "ColorHighLight") SetColorHighLight(ColorOf(v));
    else if (name == "ColorShadow") SetColorShadow(ColorOf(v));
    else if (name == "AdvColorFocused") SetAdvColorFocused(AdvColorValue(v));
    else if (name == "AdvColorDown") SetAdvColorDown(AdvColorValue(v));
    else if (name == "AdvColorBorder") SetAdvColorBorder(AdvColorValue(v));
    else if (name == "UseAdvColors") SetUseAdvColors(ui::BoolValue(v));
    else if (name == "GroupIndex") SetGroupIndex(ui::IntValue(v));
    else if (name == "Down") SetDown(ui::BoolValue(v));
    else if (name == "Glyph.Data") {
      if (v.type != core::ValueType::Binary) throw ui::Exception("Invalid property value");
      ui::TBitmap bitmap;
      bitmap.LoadFromBmpBytes(v.bytes);
      SetGlyph(bitmap);
    } else if (name == "Layout")
      SetLayout(static_cast<TButtonLayout>(
          EnumIndex(v, {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"})));
    else if (name == "Margin") SetMargin(ui::IntValue(v));
    else if (name == "NumGlyphs") SetNumGlyphs(ui::IntValue(v));
    else if (name == "Spacing") SetSpacing(ui::IntValue(v));
    else if (name == "ModalResult") SetModalResult(ui::IntValue(v));
    else return Base::SetProperty(name, v, context);
    return true;
  }

 protected:
  static ui::TColor ColorOf(const core::PropertyValue& v) { return static_cast<ui::TColor>(ui::IntValue(v)); }

  // Hooks where the two classes differ.
  virtual void CountedPress() {}
  virtual bool AcceleratorPressesDown() const { return false; }
  virtual void AcceleratorRefused(ui::TMessage& m) { (void)m; }

  bool Inside(int x, int y) const {
    RECT r = this->ClientRect();
    return x >= 0 && y >= 0 && x < r.right && y < r.bottom;
  }

  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override {
    Base::MouseDown(button, shift, x, y);
    if (button != ui::TMouseButton::mbLeft || !this->Enabled()) return;
    if (!down_) {
      state_ = TButtonState::StatePressed;
      this->Invalidate();
    }
    pressing_ = true;
    CountedPress();
  }

  void MouseMove(ui::TShiftState shift, int x, int y) override {
    Base::MouseMove(shift, x, y);
    if (Inside(x, y)) TrackHover();
    if (!pressing_) return;
    TButtonState next = down_ ? TButtonState::StateExclusive : TButtonState::StateUp;
    if (Inside(x, y)) next = down_ ? TButtonState::StateExclusive : TButtonState::StatePressed;
    if (next != state_) {
      state_ = next;
      this->Invalidate();
    }
  }

  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override {
    Base::MouseUp(button, shift, x, y);
    if (!pressing_) return;
    pressing_ = false;
    bool inside = Inside(x, y);
    if (groupIndex_ == 0) {
      state_ = TButtonState::StateUp;
      hovered_ = false;
      if (inside) this->Invalidate();
    } else if (inside) {
      SetDown(!down_);
      if (down_) this->Repaint();
    } else {
      if (down_) state_ = TButtonState::StateExclusive;
      this->Repaint();
    }
    if (inside) Click();
    else HoverOff();
    RefreshHover();
  }

  void WMLButtonDblClk(ui::TMessage& m) override {
    Base::WMLButtonDblClk(m);
    if (down_ && this->OnDblClick) this->OnDblClick(this);
  }

  // Until the class-wide hover timer exists, the pointer coming over the button and the
  // framework's mouse-leave notice stand in for its tracking.
  void TrackHover() {
    if (!hovered_ && ui::Platform::Current().ActiveWindow()) HoverOn();
  }
  void CMMouseLeave(ui::TMessage& m) override {
    Base::CMMouseLeave(m);
    HoverOff();
  }

  virtual void HoverOn() {
    if (!this->Enabled() || hovered_) return;
    hovered_ = true;
    this->Invalidate();
  }
  // Refused while a press is in progress, so a held button keeps its hover look.
  virtual void HoverOff() {
    if (!this->Enabled() || !hovered_ || pressing_) return;
    hovered_ = false;
    this->Invalidate();
  }
  void RefreshHover() {
    if (!this->Enabled()) return;
    ui::TControl* under = ui::FindControlAtScreenPoint(ui::Platform::Current().CursorPos(), false);
    if (under == this) {
      hovered_ = false;
      HoverOn();
    } else {
      hovered_ = true;
      HoverOff();
    }
  }

  void NotifyGroup() {
    if (groupIndex_ == 0 || !this->Parent()) return;
    std::vector<ui::TControl*> siblings = this->Parent()->Controls();
    auto sender = reinterpret_cast<LPARAM>(static_cast<ui::TControl*>(this));
    for (ui::TControl* c : siblings) c->Perform(ui::CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex_), sender);
  }

  // Notices from buttons of the other class are ignored: a group is made of one class.
  void CMButtonPressed(ui::TMessage& m) override {
    if (static_cast<int>(m.wParam) != groupIndex_) return;
    auto* sender = dynamic_cast<TFlatButtonBase*>(reinterpret_cast<ui::TControl*>(m.lParam));
    if (!sender || sender == this) return;
    if (sender->down_ && down_) {
      down_ = false;
      state_ = TButtonState::StateUp;
      this->Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
  }

  void CMDialogChar(ui::TMessage& m) override {
    if (ui::TControl::IsAccel(static_cast<char>(m.wParam), this->Caption()) && this->Enabled()) {
      if (AcceleratorPressesDown() && groupIndex_ != 0) SetDown(true);
      Click();
      m.result = 1;
      return;
    }
    AcceleratorRefused(m);
  }

  void CMEnabledChanged(ui::TMessage& m) override {
    Base::CMEnabledChanged(m);
    if (!this->Enabled()) {
      hovered_ = false;
      state_ = TButtonState::StateDisabled;
    }
    RefreshHover();
    this->Invalidate();
  }

  void CMParentColorChanged(ui::TMessage& m) override {
    Base::CMParentColorChanged(m);
    FollowParentForAdvColors();
  }
  void CMSysColorChange(ui::TMessage&) override { FollowParentForAdvColors(); }

  void FollowParentForAdvColors() {
    if (useAdvColors_) {
      this->SetParentColor(true);
      DeriveButtonColors();
    }
    this->Invalidate();
  }

  void DeriveButtonColors() {
    if (!useAdvColors_) return;
    colorFocused_ = DeriveShade(this->Color(), colorFocused_, advColorFocused_, false);
    colorDown_ = DeriveShade(this->Color(), colorDown_, advColorDown_, true);
    colorBorder_ = DeriveShade(this->Color(), colorBorder_, advColorBorder_, true);
  }

  // A re-enabled button leaves StateDisabled at its next paint.
  void NormaliseState() {
    if (!this->Enabled()) {
      state_ = TButtonState::StateDisabled;
      pressing_ = false;
    } else if (state_ == TButtonState::StateDisabled) {
      state_ = down_ && groupIndex_ != 0 ? TButtonState::StateExclusive : TButtonState::StateUp;
    }
  }

  ui::TColor FaceColor() const {
    switch (state_) {
      case TButtonState::StateUp: return hovered_ ? colorFocused_ : this->Color();
      case TButtonState::StateDisabled: return this->Color();
      case TButtonState::StatePressed: return colorDown_;
      case TButtonState::StateExclusive: return hovered_ ? colorFocused_ : colorDown_;
    }
    return this->Color();
  }

  // Plain drawing: face, a one-pixel border, the glyph and the caption centred.
  void Paint() override {
    ui::TCanvas& canvas = this->Canvas();
    RECT r = this->ClientRect();
    int offset = state_ == TButtonState::StatePressed || state_ == TButtonState::StateExclusive ? 1 : 0;
    NormaliseState();
    canvas.SetBrushColor(FaceColor());
    canvas.FillRect(r);
    canvas.SetBrushColor(colorBorder_);
    canvas.FrameRect(r);
    PaintGlyph(canvas.Handle(), r, offset);
    PaintCaption(canvas, r, offset);
  }

  // The image of the current state out of the strip; pixels of the bottom-left pixel's colour
  // stay transparent.
  void PaintGlyph(HDC dc, const RECT& r, int offset) {
    if (glyph_.Empty() || !glyph_.Bits()) return;
    int cell = glyph_.Width() / numGlyphs_;
    int image = GlyphImage();
    int height = glyph_.Height();
    int x0 = r.left + (r.right - r.left - cell) / 2 + offset;
    int y0 = r.top + (r.bottom - r.top - height + 1) / 2 + offset;
    if (margin_ >= 0 && layout_ == TButtonLayout::blGlyphTop) y0 = r.top + margin_ + offset;
    if (margin_ >= 0 && layout_ == TButtonLayout::blGlyphBottom) y0 = r.bottom - margin_ - height + offset;
    const std::uint32_t* bits = glyph_.Bits();
    std::uint32_t mask = bits[static_cast<std::size_t>(height - 1) * glyph_.Width()];
    bool embossed = state_ == TButtonState::StateDisabled && numGlyphs_ == 1;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < cell; ++x) {
        std::uint32_t pixel = bits[static_cast<std::size_t>(y) * glyph_.Width() + image * cell + x] & 0xFFFFFF;
        if (pixel == (mask & 0xFFFFFF)) continue;
        COLORREF colour = embossed ? ui::ColorToRGB(ui::clBtnShadow)
                                   : RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        SetPixelV(dc, x0 + x, y0 + y, colour);
      }
    }
  }

  int GlyphImage() const {
    static const int kImages[4][4] = {{0, 0, 0, 0}, {0, 1, 0, 0}, {0, 1, 2, 2}, {0, 1, 2, 3}};
    return kImages[numGlyphs_ - 1][static_cast<int>(state_)];
  }

  void PaintCaption(ui::TCanvas& canvas, RECT r, int offset) {
    std::string caption = this->Caption();
    if (caption.empty()) return;
    OffsetRect(&r, offset, offset);
    canvas.SetBrushStyle(ui::BrushStyle::Clear);
    canvas.Font().SetColor(this->Enabled() ? this->Font().Color() : ui::clGrayText);
    canvas.DrawText(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

  TButtonState state_ = TButtonState::StateUp;
  bool pressing_ = false;
  bool hovered_ = false;

 private:
  void StoreColor(ui::TColor& field, ui::TColor value) {
    field = value;
    this->Invalidate();
  }
  void StorePercent(int& field, int percent) {
    field = std::clamp(percent, 0, 100);
    DeriveButtonColors();
    this->Invalidate();
  }

  TTransparentMode transparentMode_ = TTransparentMode::tmNone;
  int modalResult_ = 0;
  bool useAdvColors_ = false;
  int advColorFocused_ = 10;
  int advColorDown_ = 10;
  int advColorBorder_ = 50;
  int numGlyphs_ = 1;
  ui::TColor colorDown_ = kFlatDownColor;
  ui::TColor colorBorder_ = kFlatBorderColor;
  ui::TColor colorHighLight_ = 0x00FFFFFF;
  ui::TColor colorShadow_ = 0x00000000;
  ui::TColor colorFocused_ = kFlatFaceColor;
  int groupIndex_ = 0;
  ui::TBitmap glyph_;
  bool down_ = false;
  bool allowAllUp_ = false;
  TButtonLayout layout_ = TButtonLayout::blGlyphTop;
  int spacing_ = 4;
  int margin_ = -1;
};
