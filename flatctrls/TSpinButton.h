#pragma once
#include "framework/WinControl.h"

class TTimerSpeedButton;
namespace ui {
class TBitmap;
}

// Two auto-repeating flat halves side by side, up on the left and down on the right, whose
// clicks come out as OnUpClick and OnDownClick.
class TSpinButton : public ui::TWinControl {
 public:
  explicit TSpinButton(ui::TComponent* owner);
  const char* ClassName() const override { return "TSpinButton"; }

  TTimerSpeedButton* UpButton() const { return upButton_; }
  TTimerSpeedButton* DownButton() const { return downButton_; }
  TTimerSpeedButton* FocusedHalf() const { return focusedHalf_; }
  ui::TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(ui::TWinControl* control) { focusControl_ = control; }

  // nullptr puts the program's default arrow back.
  void SetUpGlyph(const ui::TBitmap* bitmap);
  void SetDownGlyph(const ui::TBitmap* bitmap);
  int UpNumGlyphs() const;
  void SetUpNumGlyphs(int value);
  int DownNumGlyphs() const;
  void SetDownNumGlyphs(int value);

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void Notification(ui::TComponent* component) override;

  ui::TNotifyEvent OnUpClick;
  ui::TNotifyEvent OnDownClick;

 protected:
  void WMSize(ui::TMessage& m) override;
  void WMSetFocus(ui::TMessage& m) override;
  void WMKillFocus(ui::TMessage& m) override;
  void WMGetDlgCode(ui::TMessage& m) override;
  void KeyDown(WORD& key, ui::TShiftState shift) override;

 private:
  TTimerSpeedButton* CreateHalf();
  void LayoutHalves(int height);
  void HalfClicked(ui::TObject* sender);
  void HalfPressed(ui::TObject* sender, ui::TMouseButton button);
  void SetFocusedHalf(TTimerSpeedButton* half);
  void SetGlyph(TTimerSpeedButton* half, const ui::TBitmap* bitmap, const char* resource, bool up);

  TTimerSpeedButton* upButton_ = nullptr;
  TTimerSpeedButton* downButton_ = nullptr;
  TTimerSpeedButton* focusedHalf_ = nullptr;
  ui::TWinControl* focusControl_ = nullptr;
};
