#pragma once
#include "flatctrls/FlatLook.h"
#include "framework/CustomControl.h"

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// The captioned frame of the flat set: a container whose one-pixel frame has its top line
// through the middle of the caption, broken around it. Children sit in its coordinates.
class TFlatGroupBox : public ui::TCustomControl {
 public:
  explicit TFlatGroupBox(ui::TComponent* owner);
  const char* ClassName() const override { return "TFlatGroupBox"; }
  const ui::PropertyTable& Published() const override;
  void DescribeAccessible(ui::AccessibleInfo& info) const override;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  ui::TColor ColorBorder() const { return colors_.Color(AdvancedColors::Border); }
  void SetColorBorder(ui::TColor value);
  TGroupBoxBorder Border() const { return border_; }
  void SetBorder(TGroupBoxBorder value);
  int AdvColorBorder() const { return colors_.Percent(AdvancedColors::Border); }
  void SetAdvColorBorder(int percent);
  bool UseAdvColors() const { return colors_.InUse(); }
  void SetUseAdvColors(bool value);
  // Stored for the window definitions; the system's group boxes are all alNone.
  TAlign Align() const { return align_; }
  void SetAlign(TAlign value) { align_ = value; }


 protected:
  void Paint() override;
  void WMMove(ui::TMessage& m) override;
  void WMSize(ui::TMessage& m) override;
  void CMTextChanged(ui::TMessage& m) override;
  void CMEnabledChanged(ui::TMessage& m) override;
  void CMDialogChar(ui::TMessage& m) override;
  void CMParentColorChanged(ui::TMessage& m) override;
  void CMSysColorChange(ui::TMessage& m) override;

 private:

  bool transparent_ = false;
  AdvancedColors colors_{kFlatFocusedColor, kFlatDownColor, kFlatBorderColor};
  TGroupBoxBorder border_ = TGroupBoxBorder::brFull;
  TAlign align_ = TAlign::alNone;
};
