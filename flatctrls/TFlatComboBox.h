#pragma once
#include <functional>

#include "flatctrls/FlatLook.h"
#include "framework/CustomComboBox.h"

using TDrawItemEvent = std::function<void(ui::TObject* sender, int index, const RECT& rect, UINT state)>;
using TMeasureItemEvent = std::function<void(ui::TObject* sender, int index, int& height)>;

// The native combo box with its sunken edge covered by a one-pixel flat border and its arrow
// button by a narrow flat button with a small triangle. Setting ItemIndex fires no OnChange; a
// pick by the user does.
class TFlatComboBox : public ui::TCustomComboBox {
 public:
  explicit TFlatComboBox(ui::TComponent* owner);
  const char* ClassName() const override { return "TFlatComboBox"; }

  ui::TColor ColorArrow() const { return colorArrow_; }
  ui::TColor ColorArrowBackground() const { return colorArrowBackground_; }
  ui::TColor ColorBorder() const { return colorBorder_; }
  void SetColorArrow(ui::TColor value) { StoreColor(colorArrow_, value); }
  void SetColorArrowBackground(ui::TColor value) { StoreColor(colorArrowBackground_, value); }
  void SetColorBorder(ui::TColor value) { StoreColor(colorBorder_, value); }
  int AdvColorBorder() const { return advColorBorder_; }
  int AdvColorArrowBackground() const { return advColorArrowBackground_; }
  void SetAdvColorBorder(int percent) { StorePercent(advColorBorder_, percent); }
  void SetAdvColorArrowBackground(int percent) { StorePercent(advColorArrowBackground_, percent); }
  // Unlike the other flat controls it leaves ParentColor alone.
  bool UseAdvColors() const { return useAdvColors_; }
  void SetUseAdvColors(bool value);

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

  bool SetProperty(std::string_view name, const core::PropertyValue& value, ui::LoadContext& context) override;

 protected:
  void WMPaint(ui::TMessage& m) override;
  void WMSetFocus(ui::TMessage& m) override;
  void WMKillFocus(ui::TMessage& m) override;
  void WMCtlColor(ui::TMessage& m) override;
  void CNCommand(ui::TMessage& m) override;
  void CMEnabledChanged(ui::TMessage& m) override;
  void CMParentColorChanged(ui::TMessage& m) override;
  void CMSysColorChange(ui::TMessage& m) override;

 private:
  static constexpr int kButtonWidth = 11;

  void StoreColor(ui::TColor& field, ui::TColor value);
  void StorePercent(int& field, int percent);
  void DeriveColors();
  void PaintFlatLook();
  void PaintButton(HDC dc, int width, int height);

  ui::TColor colorArrow_ = kFlatMarkColor;
  ui::TColor colorArrowBackground_ = kFlatDownColor;
  ui::TColor colorBorder_ = kFlatBorderColor;
  int advColorBorder_ = 50;
  int advColorArrowBackground_ = 10;
  bool useAdvColors_ = false;
  int systemArrowWidth_;
};
