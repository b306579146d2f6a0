#pragma once

namespace paint {

// The flat look's own lengths, as designed for a 96-DPI screen.
enum class Metric {
  CheckBoxBox,         // side of the check box's square
  CheckBoxInset,       // from the control's edge to the square
  CheckBoxTop,         // from the control's top to the square
  CheckBoxCaption,     // from the control's edge to the caption beside the square
  CheckMarkStroke,     // width of the tick's stroke
  ComboButton,         // width of the flat arrow button over the native one
  SpinButton,          // width of the spin edit's button
  SpinHalf,            // width of each half of the spin button
  SpinHalfOverlap,     // where the second half starts (the halves share one column)
  SpinButtonRight,     // from the edit's outer right edge to the spin button
  GroupLineStart,      // where the group box's top line begins, left of the caption
  GroupCaptionLeft,    // where the group box's caption begins
  GroupCaptionGap,     // between the caption's end and the top line going on
  FocusGapX,           // between a caption and its dotted focus frame, beside it
  FocusGapY,           // the same, above and below it
  Count
};

// The metrics at one DPI. Lengths scale by dpi / 96, rounded as the window definitions are.
//
// The one-pixel-line rule: the flat look's thin lines (the check box's frame, the group box's
// lines) keep one pixel up to 191 DPI, at 125 % and 150 % too, because a hairline is what the
// look is made of and a line of 1.25 or 1.5 pixels can only blur or come out uneven. From 192 DPI
// (200 %) they take one more pixel for every further 96 DPI, so they keep their weight beside the
// doubled text. Lengths around the lines are scaled as lengths; a line always grows inward, into
// the shape it bounds.
class LookMetrics {
 public:
  explicit LookMetrics(int dpi) : dpi_(dpi) {}

  int Dpi() const { return dpi_; }
  int operator[](Metric metric) const;
  int Line() const;
  int Scale(int designed) const;
  // The value at 96 DPI.
  static int Designed(Metric metric);

 private:
  int dpi_;
};

}  // namespace paint
