#pragma once
namespace core {

// Window definitions and the flat look are drawn in pixels of a 96-DPI screen. At another
// DPI every such length is multiplied by dpi / 96 with one rounding rule, so that nothing moves
// by one pixel at 96 and a layout keeps its proportions everywhere else.
class DpiScale {
 public:
  static constexpr int kDesignDpi = 96;

  // value × dpi / 96, halves rounded away from zero (as the system's MulDiv rounds).
  static int Scale(int value, int dpi);
  // The same, from one DPI to another (a window moved to a monitor of another scaling).
  static int Rescale(int value, int fromDpi, int toDpi);

  // The width of the flat look's thin lines (borders, frames, check marks, focus rings): one
  // pixel up to 191 DPI, so that 125 % and 150 % keep the crisp hairline of the design, and one
  // more for every further 96 DPI (two at 200 %, three at 300 %). A hairline scaled like a
  // length would blur or jump between one and two pixels from edge to edge.
  static int LineWidth(int dpi);
};

}  // namespace core
