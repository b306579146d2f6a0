#pragma once
#include "flatctrls/FlatLook.h"
#include "framework/CustomEdit.h"

// The native single-line edit turned flat: no sunken edge, but a three-pixel frame of its own in
// the non-client area: a one-pixel border and a two-pixel ring in the face colour, ColorFlat at
// rest and ColorFocused while focused or hovered.
class TCustomFlatEdit : public ui::TCustomEdit {
 public:
  explicit TCustomFlatEdit(ui::TComponent* owner);
  const char* ClassName() const override { return "TCustomFlatEdit"; }

  ui::TColor ColorFocused() const { return colors_.Color(AdvancedColors::Focused); }
  void SetColorFocused(ui::TColor value);
  ui::TColor ColorBorder() const { return colors_.Color(AdvancedColors::Border); }
  void SetColorBorder(ui::TColor value);
  ui::TColor ColorFlat() const { return colorFlat_; }
  // Also clears ParentColor.
  void SetColorFlat(ui::TColor value);
  // The flat edit's own flag: ColorFlat follows the parent's colour. It replaces the framework's.
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  int AdvColorFocused() const { return colors_.Percent(AdvancedColors::Focused); }
  void SetAdvColorFocused(int percent);
  int AdvColorBorder() const { return colors_.Percent(AdvancedColors::Border); }
  void SetAdvColorBorder(int percent);
  bool UseAdvColors() const { return colors_.InUse(); }
  void SetUseAdvColors(bool value);
  bool Hovered() const { return hovered_; }

  void SetParent(ui::TWinControl* parent) override;
  void Loaded() override;

  // Puts the face of the current look into the text area and asks for the frame again; the
  // frame itself is painted in WM_NCPAINT only.
  void RepaintFrame();

 protected:
  void CreateParams(ui::TCreateParams& params) override;
  void CreateWnd() override;
  void WMNCCalcSize(ui::TMessage& m) override;
  void WMNCPaint(ui::TMessage& m) override;
  void WMSetFocus(ui::TMessage& m) override;
  void WMKillFocus(ui::TMessage& m) override;
  void CMMouseEnter(ui::TMessage& m) override;
  void CMMouseLeave(ui::TMessage& m) override;
  void CMEnabledChanged(ui::TMessage& m) override;
  void CMFontChanged(ui::TMessage& m) override;
  void CMParentColorChanged(ui::TMessage& m) override;
  void CMSysColorChange(ui::TMessage& m) override;
  void CNCtlColor(ui::TMessage& m) override;

  // Height of the font's character cell plus the frame.
  void FitHeightToFont();

 private:
  void TakeParentColor();
  bool ShowsFocusedLook() const;
  void PaintFrame(HDC windowDC) const;

  AdvancedColors colors_{kFlatFocusedColor, kFlatDownColor, kFlatBorderColor};
  ui::TColor colorFlat_ = kFlatFaceColor;
  bool parentColor_ = true;
  bool hovered_ = false;
};
