#pragma once
#include <windows.h>
#include <oleacc.h>
#include <string>
#include <vector>

#include "core/AccessibleText.h"
#include "core/ButtonStateMachine.h"
#include "flatctrls/FlatButtonPainter.h"
#include "flatctrls/FlatLook.h"
#include "flatctrls/FocusRectangle.h"
#include "flatctrls/HoverTracker.h"
#include "framework/Bitmap.h"
#include "framework/Form.h"
#include "framework/WinControl.h"
#include "paint/LookMetrics.h"
#include "system/Exceptions.h"
#include "system/Platform.h"

using core::TButtonState;

// The two flat push buttons, on the framework class each stands on (a windowed custom control
// for TFlatButton, a graphic control for TFlatSpeedButton). The rules live in the state machine,
// the look in ComputeButtonLook and PaintFlatButton; this layer stores the published properties,
// turns messages into events of the state machine and carries out the actions it returns.
template <typename Base>
class TFlatButtonBase : public Base, public HoverClient {
 public:
  TFlatButtonBase(ui::TComponent* owner, HoverTracker& tracker)
      : Base(owner), tracker_(tracker), colors_(kFlatFaceColor, kFlatDownColor, kFlatBorderColor) {
    this->SetStyle(ui::csCaptureMouse | ui::csDoubleClicks);
    tracker_.Join();
    this->SetBounds(0, 0, 25, 25);
    this->SetParentFont(true);
    this->SetParentColor(true);
    colors_.Tie({[this](bool on) { this->SetParentColor(on); }, [this] { this->SetParentColor(true); },
                 [this] { return std::optional<ui::TColor>(this->Color()); }});
  }
  ~TFlatButtonBase() override { tracker_.Leave(*this); }

  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode value) {
    transparentMode_ = value;
    this->Invalidate();
  }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }

  ui::TColor ColorFocused() const { return colors_.Color(AdvancedColors::Focused); }
  ui::TColor ColorDown() const { return colors_.Color(AdvancedColors::Down); }
  ui::TColor ColorBorder() const { return colors_.Color(AdvancedColors::Border); }
  ui::TColor ColorHighLight() const { return colorHighLight_; }
  ui::TColor ColorShadow() const { return colorShadow_; }
  void SetColorFocused(ui::TColor c) { StoreColor(AdvancedColors::Focused, c); }
  void SetColorDown(ui::TColor c) { StoreColor(AdvancedColors::Down, c); }
  void SetColorBorder(ui::TColor c) { StoreColor(AdvancedColors::Border, c); }
  void SetColorHighLight(ui::TColor c) {
    colorHighLight_ = c;
    this->Invalidate();
  }
  void SetColorShadow(ui::TColor c) {
    colorShadow_ = c;
    this->Invalidate();
  }

  int AdvColorFocused() const { return colors_.Percent(AdvancedColors::Focused); }
  int AdvColorDown() const { return colors_.Percent(AdvancedColors::Down); }
  int AdvColorBorder() const { return colors_.Percent(AdvancedColors::Border); }
  void SetAdvColorFocused(int percent) { StorePercent(AdvancedColors::Focused, percent); }
  void SetAdvColorDown(int percent) { StorePercent(AdvancedColors::Down, percent); }
  void SetAdvColorBorder(int percent) { StorePercent(AdvancedColors::Border, percent); }
  bool UseAdvColors() const { return colors_.InUse(); }
  void SetUseAdvColors(bool value) {
    if (colors_.Use(value)) this->Invalidate();
  }

  int GroupIndex() const { return machine_.GroupIndex(); }
  void SetGroupIndex(int value) { Act(machine_.SetGroupIndex(value)); }
  bool AllowAllUp() const { return machine_.AllowAllUp(); }
  void SetAllowAllUp(bool value) { Act(machine_.SetAllowAllUp(value)); }
  bool Down() const { return machine_.Down(); }
  void SetDown(bool value) { Act(machine_.SetDown(value)); }

  const ui::TBitmap& Glyph() const { return glyph_; }
  // Takes a copy of the image; a strip whose width is a multiple of its height says how many
  // images it holds.
  void SetGlyph(const ui::TBitmap& bitmap) {
    if (&bitmap == &glyph_) return;
    glyph_.Assign(bitmap);
    numGlyphs_ = core::NumGlyphsForStrip(glyph_.Width(), glyph_.Height(), numGlyphs_);
    this->Invalidate();
  }
  // The stored .bmp bytes the glyph was read from.
  const std::vector<std::uint8_t>& GlyphData() const { return glyphData_; }
  void SetGlyphData(const std::vector<std::uint8_t>& bytes) {
    ui::TBitmap bitmap;
    bitmap.LoadFromBmpBytes(bytes);
    SetGlyph(bitmap);
    glyphData_ = bytes;
  }
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value) {
    if (value < 1 || value > 4 || value == numGlyphs_) return;
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

  TButtonState State() const { return machine_.State(); }
  bool Hovered() const { return machine_.Hovered(); }
  bool Pressing() const { return machine_.Pressing(); }
  // Where the last paint put the caption and the glyph.
  RECT TextBounds() const { return textBounds_; }
  POINT GlyphPos() const { return glyphPos_; }

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

  void DescribeAccessible(ui::AccessibleInfo& info) const override {
    info.role = ROLE_SYSTEM_PUSHBUTTON;
    info.SetName(core::SpokenCaption(this->Caption()));
    info.defaultAction = "Press";
    if (IsDefault()) info.state |= STATE_SYSTEM_DEFAULT;
    if (machine_.Down()) info.state |= STATE_SYSTEM_PRESSED;
    if (!this->Enabled()) info.state |= STATE_SYSTEM_UNAVAILABLE;
  }

  // Hover, as the class's tracker and the button's own rules give it.
  ui::TControl& HoverControl() override { return *this; }
  void HoverOn() override {
    if (machine_.HoverOn(this->Enabled())) RepaintForHover();
  }
  // Refused while a press is in progress, so a held button keeps its hover look.
  void HoverOff() override {
    if (!machine_.HoverOff(this->Enabled())) return;
    tracker_.Remove(*this);
    this->Invalidate();
  }

 protected:
  // Where the two classes differ.
  virtual bool IsDefault() const { return false; }
  virtual void TakeFocusOnPress() {}
  virtual bool AcceleratorPressesDown() const { return false; }
  virtual void AcceleratorRefused(ui::TMessage& m) { (void)m; }
  virtual void RepaintForHover() { this->Invalidate(); }
  virtual bool ShowsFocusMark() const { return false; }

  core::ButtonStateMachine& Machine() { return machine_; }

  // Carries out what the state machine asked for, in its order.
  void Act(unsigned actions) {
    if (actions & core::kNotifyGroup) NotifyGroup();
    if (actions & core::kRepaintNow) this->Repaint();
    else if (actions & core::kInvalidate) this->Invalidate();
    if (actions & core::kTakeFocus) TakeFocusOnPress();
    if (actions & core::kClick) Click();
    if (actions & core::kHoverOff) HoverOff();
    if (actions & core::kRefreshHover) RefreshHover();
  }

  bool Inside(int x, int y) const {
    RECT r = this->ClientRect();
    return x >= 0 && y >= 0 && x < r.right && y < r.bottom;
  }

  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override {
    Base::MouseDown(button, shift, x, y);
    Act(machine_.Press(button == ui::TMouseButton::mbLeft, this->Enabled()));
  }

  void MouseMove(ui::TShiftState shift, int x, int y) override {
    Base::MouseMove(shift, x, y);
    tracker_.MouseMoved(*this, this->ClientToScreen(POINT{x, y}));
    Act(machine_.Move(Inside(x, y)));
  }

  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override {
    Base::MouseUp(button, shift, x, y);
    Act(machine_.Release(Inside(x, y)));
  }

  void MouseCaptureLost() override {
    Base::MouseCaptureLost();
    Act(machine_.CaptureLost());
  }

  void WMLButtonDblClk(ui::TMessage& m) override {
    Base::WMLButtonDblClk(m);
    if (machine_.Down() && this->OnDblClick) this->OnDblClick(this);
  }

  // Hover that matches the cursor, whatever the tracker last saw.
  void RefreshHover() {
    if (!this->Enabled()) return;
    ui::TControl* under = ui::FindControlAtScreenPoint(ui::Platform::Current().CursorPos(), true);
    if (under == this) {
      machine_.SetHovered(false);
      HoverOn();
    } else {
      machine_.SetHovered(true);
      HoverOff();
    }
  }

  void NotifyGroup() {
    if (machine_.GroupIndex() == 0 || !this->Parent()) return;
    std::vector<ui::TControl*> siblings = this->Parent()->Controls();
    auto sender = reinterpret_cast<LPARAM>(static_cast<ui::TControl*>(this));
    for (ui::TControl* c : siblings)
      c->Perform(ui::CM_BUTTONPRESSED, static_cast<WPARAM>(machine_.GroupIndex()), sender);
  }

  // Notices from buttons of the other class are ignored: a group is made of one class.
  void CMButtonPressed(ui::TMessage& m) override {
    auto* sender = dynamic_cast<TFlatButtonBase*>(reinterpret_cast<ui::TControl*>(m.lParam));
    if (!sender || sender == this) return;
    Act(machine_.GroupNotice(static_cast<int>(m.wParam), sender->Down(), sender->AllowAllUp()));
  }

  void CMDialogChar(ui::TMessage& m) override {
    if (ui::TControl::IsAccel(static_cast<wchar_t>(m.wParam), this->Caption()) && this->Enabled()) {
      Act(machine_.Accelerator(AcceleratorPressesDown()));
      m.result = 1;
      return;
    }
    AcceleratorRefused(m);
  }

  void CMEnabledChanged(ui::TMessage& m) override {
    Base::CMEnabledChanged(m);
    if (!this->Enabled()) {
      tracker_.Remove(*this);
      Act(machine_.Disable());
      return;
    }
    RefreshHover();
    this->Invalidate();
  }

  void CMParentColorChanged(ui::TMessage& m) override {
    Base::CMParentColorChanged(m);
    colors_.ColorsChanged();
    this->Invalidate();
  }
  void CMSysColorChange(ui::TMessage&) override {
    colors_.ColorsChanged();
    this->Invalidate();
  }
  void CMFontChanged(ui::TMessage& m) override {
    Base::CMFontChanged(m);
    this->Invalidate();
  }
  void CMTextChanged(ui::TMessage& m) override {
    Base::CMTextChanged(m);
    this->Invalidate();
  }

  // A windowed button paints off-screen and copies the result in one go; the speed button
  // paints straight onto its parent.
  void Paint() override {
    const TButtonState before = machine_.State();
    machine_.NormaliseForPaint(this->Enabled());
    const core::ButtonColors colors{this->Color(), ColorFocused(), ColorDown(), ColorBorder(), colorHighLight_,
                                    colorShadow_};
    const bool windowed = this->IsWindowed();
    const core::ButtonLook look = core::ComputeButtonLook(machine_, before, colors, transparentMode_, windowed,
                                                          IsDefault(), numGlyphs_, glyph_.Width(), glyph_.Height());
    ButtonContent content{&glyph_, numGlyphs_, layout_, spacing_, margin_, {}, this->Font().Color()};
    content.caption = this->DrawnCaption(this->Caption(), content.textFlags);
    const RECT client = this->ClientRect();
    ui::TCanvas& canvas = this->Canvas();
    GlyphCaptionPlace place;
    if (windowed) {
      ui::TBitmap offscreen;
      offscreen.SetSize(client.right, client.bottom);
      if (offscreen.Empty()) return;
      offscreen.Canvas().Font().Assign(this->Font());
      place = PaintFlatButton(offscreen.Canvas(), client, look, *this, content);
      if (ShowsFocusMark()) DrawFocusMark(offscreen.DC(), client, place.textBounds, ButtonInk(look, content.fontColor));
      BitBlt(canvas.Handle(), 0, 0, client.right, client.bottom, offscreen.DC(), 0, 0, SRCCOPY);
    } else {
      place = PaintFlatButton(canvas, client, look, *this, content);
    }
    textBounds_ = place.textBounds;
    glyphPos_ = place.glyphPos;
  }

 private:
  // Around the caption, or around the middle of a button without one; inside the frame.
  void DrawFocusMark(HDC dc, const RECT& client, const RECT& caption, ui::TColor color) const {
    const int frame = paint::LookMetrics(this->Dpi()).Scale(2);
    RECT limits = client;
    InflateRect(&limits, -frame, -frame);
    const bool hasCaption = caption.right > caption.left && caption.bottom > caption.top;
    RECT around = hasCaption ? caption : RECT{limits.left + 1, limits.top + 1, limits.right - 1, limits.bottom - 1};
    DrawFocusRectangle(dc, FocusRectangleAround(around, limits, this->Dpi()), color);
  }

  void StoreColor(AdvancedColors::Role role, ui::TColor value) {
    colors_.SetColor(role, value);
    this->Invalidate();
  }
  void StorePercent(AdvancedColors::Role role, int percent) {
    colors_.SetPercent(role, percent);
    this->Invalidate();
  }

  HoverTracker& tracker_;
  core::ButtonStateMachine machine_;
  AdvancedColors colors_;
  TTransparentMode transparentMode_ = TTransparentMode::tmNone;
  int modalResult_ = 0;
  ui::TColor colorHighLight_ = 0x00FFFFFF;
  ui::TColor colorShadow_ = 0x00000000;
  ui::TBitmap glyph_;
  std::vector<std::uint8_t> glyphData_;
  int numGlyphs_ = 1;
  TButtonLayout layout_ = TButtonLayout::blGlyphTop;
  int spacing_ = 4;
  int margin_ = -1;
  RECT textBounds_{};
  POINT glyphPos_{};
};
