#pragma once
#include "flatctrls/FlatLook.h"
#include "framework/CustomControl.h"

// The flat two-state check box: an 11 by 11 box with a drawn tick, and a caption beside it.
// OnClick fires on every change of Checked, and a mouse click fires it once more before the
// change, with the old value.
class TFlatCheckBox : public ui::TCustomControl {
 public:
  explicit TFlatCheckBox(ui::TComponent* owner);
  const char* ClassName() const override { return "TFlatCheckBox"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool value);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TCheckBoxLayout Layout() const { return layout_; }
  void SetLayout(TCheckBoxLayout value);
  ui::TColor ColorFocused() const { return colorFocused_; }
  ui::TColor ColorDown() const { return colorDown_; }
  ui::TColor ColorCheck() const { return colorCheck_; }
  ui::TColor ColorBorder() const { return colorBorder_; }
  void SetColorFocused(ui::TColor value) { StoreColor(colorFocused_, value); }
  void SetColorDown(ui::TColor value) { StoreColor(colorDown_, value); }
  void SetColorCheck(ui::TColor value) { StoreColor(colorCheck_, value); }
  void SetColorBorder(ui::TColor value) { StoreColor(colorBorder_, value); }
  int AdvColorFocused() const { return advColorFocused_; }
  int AdvColorDown() const { return advColorDown_; }
  int AdvColorBorder() const { return advColorBorder_; }
  void SetAdvColorFocused(int percent) { StorePercent(advColorFocused_, percent); }
  void SetAdvColorDown(int percent) { StorePercent(advColorDown_, percent); }
  void SetAdvColorBorder(int percent) { StorePercent(advColorBorder_, percent); }
  bool UseAdvColors() const { return useAdvColors_; }
  void SetUseAdvColors(bool value);

  bool Hovered() const { return hovered_; }
  bool Pressed() const { return pressed_; }

  bool SetProperty(std::string_view name, const core::PropertyValue& value, ui::LoadContext& context) override;

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
  void CMMouseLeave(ui::TMessage& m) override;
  void CMParentColorChanged(ui::TMessage& m) override;
  void CMSysColorChange(ui::TMessage& m) override;

  void HoverOn();
  void HoverOff();

 private:
  void StoreColor(ui::TColor& field, ui::TColor value);
  void StorePercent(int& field, int percent);
  void DeriveColors();
  void FollowParentForAdvColors();
  RECT BoxRect() const;
  void RepaintBox();
  void PaintBox(ui::TCanvas& canvas);
  void PaintCaption(ui::TCanvas& canvas);

  bool transparent_ = false;
  bool checked_ = false;
  ui::TColor colorFocused_ = kFlatFocusedColor;
  ui::TColor colorDown_ = kFlatDownColor;
  ui::TColor colorCheck_ = kFlatMarkColor;
  ui::TColor colorBorder_ = kFlatBorderColor;
  int advColorFocused_ = 10;
  int advColorDown_ = 10;
  int advColorBorder_ = 50;
  bool useAdvColors_ = false;
  TCheckBoxLayout layout_ = TCheckBoxLayout::checkboxLeft;
  bool hovered_ = false;
  bool pressed_ = false;
  bool focused_ = false;
};
