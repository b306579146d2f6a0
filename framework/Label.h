#pragma once
#include "framework/GraphicControl.h"

namespace ui {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

// A caption drawn on the parent's surface.
class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* owner);
  const char* ClassName() const override { return "TLabel"; }
  const PropertyTable& Published() const override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);

  // The control this label names (screen readers read the label as that control's name).
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* control) { focusControl_ = control; }

  // The font the caption is drawn in: Font(), or, where a word-wrapped caption of a fixed box
  // needs more room than the box in it, the same face as large as fits, down to four fifths.
  // Scaled past the sizes of a bitmap face, a stand-in face can be a few pixels wider than a
  // design that left none to spare.
  LOGFONTA FittedFont() const;

  void Loaded() override;
  void Notification(TComponent* component) override;
  void DescribeAccessible(AccessibleInfo& info) const override;

 protected:
  void Paint() override;
  void CMTextChanged(TMessage& m) override;
  void CMFontChanged(TMessage& m) override;
  void CMDialogChar(TMessage& m) override;
  // DrawText flags for the caption, without DT_CALCRECT.
  UINT TextFlags() const;
  void AdjustBounds();

 private:
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool transparent_ = false;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;
};

}  // namespace ui
