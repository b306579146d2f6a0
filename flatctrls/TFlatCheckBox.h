#pragma once
#include "core/ButtonStateMachine.h"
#include "flatctrls/FlatLook.h"
#include "flatctrls/HoverTracker.h"
#include "framework/CustomControl.h"

// The flat two-state check box: an 11 by 11 box with a drawn tick, and a caption beside it.
// OnClick fires on every change of Checked, and a mouse click fires it once more before the
// change, with the old value.
class TFlatCheckBox : public ui::TCustomControl, public HoverClient {
 public:
  explicit TFlatCheckBox(ui::TComponent* owner);
  ~TFlatCheckBox() override;
  const char* ClassName() const override { return "TFlatCheckBox"; }
  const ui::PropertyTable& Published() const override;

  // Shared by every check box.
  static HoverTracker& ClassHoverTracker();

  bool Checked() const { return checked_; }
  void SetChecked(bool value);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TCheckBoxLayout Layout() const { return layout_; }
  void SetLayout(TCheckBoxLayout value);
  ui::TColor ColorFocused() const { return colors_.Color(AdvancedColors::Focused); }
  ui::TColor ColorDown() const { return colors_.Color(AdvancedColors::Down); }
  ui::TColor ColorCheck() const { return colorCheck_; }
  ui::TColor ColorBorder() const { return colors_.Color(AdvancedColors::Border); }
  void SetColorFocused(ui::TColor value) { StoreColor(AdvancedColors::Focused, value); }
  void SetColorDown(ui::TColor value) { StoreColor(AdvancedColors::Down, value); }
  void SetColorCheck(ui::TColor value);
  void SetColorBorder(ui::TColor value) { StoreColor(AdvancedColors::Border, value); }
  int AdvColorFocused() const { return colors_.Percent(AdvancedColors::Focused); }
  int AdvColorDown() const { return colors_.Percent(AdvancedColors::Down); }
  int AdvColorBorder() const { return colors_.Percent(AdvancedColors::Border); }
  void SetAdvColorFocused(int percent) { StorePercent(AdvancedColors::Focused, percent); }
  void SetAdvColorDown(int percent) { StorePercent(AdvancedColors::Down, percent); }
  void SetAdvColorBorder(int percent) { StorePercent(AdvancedColors::Border, percent); }
  bool UseAdvColors() const { return colors_.InUse(); }
  void SetUseAdvColors(bool value);

  bool Hovered() const { return machine_.Hovered(); }
  bool Pressed() const { return machine_.Pressing(); }

  ui::TControl& HoverControl() override { return *this; }
  void HoverOn() override;
  // Refused while pressed: the box keeps its hover while the button is held, so a release
  // outside still toggles.
  void HoverOff() override;

  void DescribeAccessible(ui::AccessibleInfo& info) const override;
  void DoAccessibleAction() override { SetChecked(!checked_); }

 protected:
  void Paint() override;
  void WMLButtonDown(ui::TMessage& m) override;
  void WMLButtonUp(ui::TMessage& m) override;
  void WMLButtonDblClk(ui::TMessage& m) override;
  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseMove(ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void WMSetFocus(ui::TMessage& m) override;
  void WMKillFocus(ui::TMessage& m) override;
  void WMMove(ui::TMessage& m) override;
  void WMSize(ui::TMessage& m) override;
  void CMEnter(ui::TMessage& m) override;
  void CMExit(ui::TMessage& m) override;
  void CMEnabledChanged(ui::TMessage& m) override;
  void CMDialogChar(ui::TMessage& m) override;
  void CMTextChanged(ui::TMessage& m) override;
  void CMParentColorChanged(ui::TMessage& m) override;
  void CMSysColorChange(ui::TMessage& m) override;
  void MouseCaptureLost() override;

 private:
  void StoreColor(AdvancedColors::Role role, ui::TColor value);
  void StorePercent(AdvancedColors::Role role, int percent);
  RECT BoxRect() const;
  void RepaintBox();
  void PaintBox(ui::TCanvas& canvas);
  void PaintCaption(ui::TCanvas& canvas);

  bool transparent_ = false;
  bool checked_ = false;
  AdvancedColors colors_{kFlatFocusedColor, kFlatDownColor, kFlatBorderColor};
  ui::TColor colorCheck_ = kFlatMarkColor;
  TCheckBoxLayout layout_ = TCheckBoxLayout::checkboxLeft;
  // Press, hover and capture loss follow the flat buttons' rules; the release is the box's own.
  core::ButtonStateMachine machine_;
  bool focused_ = false;
};
