#pragma once
#include "framework/Color.h"
#include "framework/CustomEdit.h"
#include "framework/Gdi.h"

// The native multi-line edit in the flat look: a one-pixel frame of its own in the flat border
// colour around the text and its scroll bar. Lines too long for the field wrap, so nothing is
// cut at the right; the vertical scroll bar shows only while the text is higher than the field.
// Its text is always set in a fixed-pitch font (the named face, or the one the system offers in
// its place), and Ctrl+A selects all of it.
class TFlatMemo : public ui::TCustomEdit {
 public:
  explicit TFlatMemo(ui::TComponent* owner);
  const char* ClassName() const override { return "TFlatMemo"; }
  const ui::PropertyTable& Published() const override;

  ui::TColor ColorBorder() const { return colorBorder_; }
  void SetColorBorder(ui::TColor value);
  // The font the edit shows its text in.
  HFONT TextFont() const { return textFont_.Get(); }


  // Paints the frame straight into the window, outside any paint cycle.
  void PaintBorder();
  // Replaces the text and shows the scroll bar only if the text needs it. Text with a line longer
  // than kLongestWrappedLine is shown unwrapped, with a horizontal scroll bar: the native edit
  // wraps a line in time that grows with the square of its length (8 s for a 64 k line, 40 ms for 1 k).
  void SetTextAndFit(std::string_view utf8);
  static constexpr std::size_t kLongestWrappedLine = 500;
  bool WordWrap() const { return wordWrap_; }
  // Characters of the font that fit on one line of the field.
  int Columns() const;
  bool ScrollBarShown() const;

 protected:
  void CreateParams(ui::TCreateParams& params) override;
  void CreateWnd() override;
  void WMNCCalcSize(ui::TMessage& m) override;
  void WMNCPaint(ui::TMessage& m) override;
  void WMSize(ui::TMessage& m) override;
  void CMFontChanged(ui::TMessage& m) override;
  void KeyDown(WORD& key, ui::TShiftState shift) override;
  void KeyPress(wchar_t& key) override;

 private:
  void ApplyFixedPitchFont();
  void FitScrollBar();
  int LineHeight() const;

  ui::TColor colorBorder_;
  ui::FontHandle textFont_;
  bool wordWrap_ = true;
  bool fitting_ = false;
};
