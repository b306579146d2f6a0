#include "flatctrls/TSpinButton.h"

#include "flatctrls/TTimerSpeedButton.h"
#include "framework/Bitmap.h"
#include "paint/LookMetrics.h"

TSpinButton::TSpinButton(ui::TComponent* owner) : ui::TWinControl(owner) {
  SetStyle(Style() & ~(ui::csAcceptsControls | ui::csSetCaption));
  SetParentColor(true);
  upButton_ = CreateHalf();
  downButton_ = CreateHalf();
  upButton_->SetAccessibleName("Increase");
  downButton_->SetAccessibleName("Decrease");
  SetUpGlyph(nullptr);
  SetDownGlyph(nullptr);
  SetBounds(Left(), Top(), 21, 10);
  focusedHalf_ = upButton_;
}

TTimerSpeedButton* TSpinButton::CreateHalf() {
  auto* half = new TTimerSpeedButton(this);
  half->OnClick = [this](ui::TObject* sender) { HalfClicked(sender); };
  half->OnMouseDown = [this](ui::TObject* sender, ui::TMouseButton button, ui::TShiftState, int, int) {
    HalfPressed(sender, button);
  };
  half->SetVisible(true);
  half->SetEnabled(true);
  half->SetAllowTimer(true);
  half->SetParent(this);
  return half;
}

// The halves are 11 pixels wide each (at 96 DPI) and overlap in column 10, whatever the width.
void TSpinButton::LayoutHalves(int height) {
  if (!upButton_ || !downButton_ || Loading()) return;
  const paint::LookMetrics metrics(Dpi());
  const int half = metrics[paint::Metric::SpinHalf];
  upButton_->SetBounds(0, 0, half, height);
  downButton_->SetBounds(metrics[paint::Metric::SpinHalfOverlap], 0, half, height);
}

void TSpinButton::SetBounds(int left, int top, int width, int height) {
  LayoutHalves(height);
  ui::TWinControl::SetBounds(left, top, width, height);
}

void TSpinButton::WMSize(ui::TMessage& m) {
  ui::TWinControl::WMSize(m);
  LayoutHalves(Height());
  m.result = 0;
}

void TSpinButton::Loaded() {
  ui::TWinControl::Loaded();
  LayoutHalves(Height());
}

void TSpinButton::Notification(ui::TComponent* component) {
  ui::TWinControl::Notification(component);
  if (component == focusControl_) focusControl_ = nullptr;
}

void TSpinButton::SetGlyph(TTimerSpeedButton* half, const ui::TBitmap* bitmap, const char* resource, bool up) {
  if (bitmap) {
    half->SetGlyph(*bitmap);
    return;
  }
  ui::TBitmap arrow;
  try {
    arrow.LoadFromResource(resource);
  } catch (const ui::Exception&) {
    // A program built without the arrow bitmaps shows empty halves.
  }
  half->SetGlyph(arrow);
  half->SetNumGlyphs(1);
  half->SetMargin(2);
  half->Invalidate();
  half->SetLayout(up ? TButtonLayout::blGlyphTop : TButtonLayout::blGlyphBottom);
}

void TSpinButton::SetUpGlyph(const ui::TBitmap* bitmap) { SetGlyph(upButton_, bitmap, "FlatUp", true); }
void TSpinButton::SetDownGlyph(const ui::TBitmap* bitmap) { SetGlyph(downButton_, bitmap, "FlatDown", false); }
int TSpinButton::UpNumGlyphs() const { return upButton_->NumGlyphs(); }
void TSpinButton::SetUpNumGlyphs(int value) { upButton_->SetNumGlyphs(value); }
int TSpinButton::DownNumGlyphs() const { return downButton_->NumGlyphs(); }
void TSpinButton::SetDownNumGlyphs(int value) { downButton_->SetNumGlyphs(value); }

void TSpinButton::HalfClicked(ui::TObject* sender) {
  if (sender == upButton_ && OnUpClick) OnUpClick(this);
  else if (sender == downButton_ && OnDownClick) OnDownClick(this);
}

// A press on a half hands the keyboard focus to the control the spin button serves.
void TSpinButton::HalfPressed(ui::TObject* sender, ui::TMouseButton button) {
  if (button != ui::TMouseButton::mbLeft) return;
  SetFocusedHalf(static_cast<TTimerSpeedButton*>(sender));
  if (focusControl_ && focusControl_->TabStop() && focusControl_->CanFocus() && !focusControl_->Focused())
    focusControl_->SetFocus();
  else if (TabStop() && !Focused() && CanFocus())
    SetFocus();
}

void TSpinButton::SetFocusedHalf(TTimerSpeedButton* half) {
  if (!TabStop() || !CanFocus() || half == focusedHalf_) return;
  focusedHalf_ = half;
  if (Focused()) Invalidate();
}

void TSpinButton::WMSetFocus(ui::TMessage& m) {
  ui::TWinControl::WMSetFocus(m);
  focusedHalf_->Invalidate();
}

void TSpinButton::WMKillFocus(ui::TMessage& m) {
  ui::TWinControl::WMKillFocus(m);
  focusedHalf_->Invalidate();
}

void TSpinButton::WMGetDlgCode(ui::TMessage& m) { m.result = DLGC_WANTARROWS; }

void TSpinButton::KeyDown(WORD& key, ui::TShiftState) {
  switch (key) {
    case VK_SPACE: focusedHalf_->Click(); break;
    case VK_UP:
      SetFocusedHalf(upButton_);
      upButton_->Click();
      break;
    case VK_DOWN:
      SetFocusedHalf(downButton_);
      downButton_->Click();
      break;
    default: break;
  }
}
