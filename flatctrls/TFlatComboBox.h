#pragma once
#include <functional>

#include "flatctrls/FlatLook.h"
#include "framework/CustomComboBox.h"

using TDrawItemEvent = std::function<void(ui::TObject* sender, int index, const RECT& rect, UINT state)>;
using TMeasureItemEvent = std::function<void(ui::TObject* sender, int index, int& height)>;

// The native combo box with its sunken edge covered by a one-pixel flat border and its arrow
// button by a narrow flat button with a small triangle. The native control paints only its text
// area: its own arrow button is clipped away before it paints. Setting ItemIndex fires no
// OnChange; a pick by the user does.
class TFlatComboBox : public ui::TCustomComboBox {
 public:
  explicit TFlatComboBox(ui::TComponent* owner);
  const char* ClassName() const override { return "TFlatComboBox"; }
  const ui::PropertyTable& Published() const override;

  ui::TColor ColorArrow() const { return colorArrow_; }
  ui::TColor ColorArrowBackground() const { return colors_.Color(AdvancedColors::ArrowBackground); }
  ui::TColor ColorBorder() const { return colors_.Color(AdvancedColors::Border); }
  void SetColorArrow(ui::TColor value);
  void SetColorArrowBackground(ui::TColor value) { StoreColor(AdvancedColors::ArrowBackground, value); }
  void SetColorBorder(ui::TColor value) { StoreColor(AdvancedColors::Border, value); }
  int AdvColorBorder() const { return colors_.Percent(AdvancedColors::Border); }
  int AdvColorArrowBackground() const { return colors_.Percent(AdvancedColors::ArrowBackground); }
  void SetAdvColorBorder(int percent) { StorePercent(AdvancedColors::Border, percent); }
  void SetAdvColorArrowBackground(int percent) { StorePercent(AdvancedColors::ArrowBackground, percent); }
  // Derived from the parent's colour. Unlike the other flat controls it leaves ParentColor alone.
  bool UseAdvColors() const { return colors_.InUse(); }
  void SetUseAdvColors(bool value);

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;


  // Whether the list is open or the focus is in the control, as last seen.
  bool Active() const { return active_; }
  // The width of the native arrow button that is never let paint.
  int SystemArrowWidth() const;
  // The flat arrow button's width at the window's DPI.
  int ButtonWidth() const;

 protected:
  void WMPaint(ui::TMessage& m) override;
  void WMPrintClient(ui::TMessage& m) override;
  void WMNCPaint(ui::TMessage& m) override;
  void WMSetFocus(ui::TMessage& m) override;
  void WMKillFocus(ui::TMessage& m) override;
  void WMKeyDown(ui::TMessage& m) override;
  void WMWindowPosChanging(ui::TMessage& m) override;
  void WMCtlColor(ui::TMessage& m) override;
  void CNCommand(ui::TMessage& m) override;
  void CMEnabledChanged(ui::TMessage& m) override;
  void CMFontChanged(ui::TMessage& m) override;
  void CMParentColorChanged(ui::TMessage& m) override;
  void CMSysColorChange(ui::TMessage& m) override;
  void ComboWndProc(ui::TMessage& m, HWND child) override;

 private:

  void StoreColor(AdvancedColors::Role role, ui::TColor value);
  void StorePercent(AdvancedColors::Role role, int percent);
  SIZE WindowSize() const;
  bool DrawsSelectionStrip() const;
  void UpdateActive();
  // The whole look into one device context: the paint cycle's steps, then frame and button.
  void PaintContent(HDC dc, const RECT& update, HDC canvas);
  void PaintFrameAndButton();
  void PaintFrame(HDC windowDC) const;
  void PaintButton(HDC dc) const;
  void PaintSelectionStrip(HDC dc) const;
  void PaintSelectionStrip();

  ui::TColor colorArrow_ = kFlatMarkColor;
  AdvancedColors colors_{kFlatFocusedColor, kFlatDownColor, kFlatBorderColor, kFlatDownColor};
  int systemArrowWidth_;
  bool active_ = false;
};
