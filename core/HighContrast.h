#pragma once
#include <cstdint>

namespace core {

// The system colours a high-contrast theme sets, by their index for GetSysColor.
enum class SystemInk : int {
  Window = 5,
  WindowText = 8,
  Highlight = 13,
  HighlightText = 14,
  ButtonFace = 15,
  GrayText = 17,
  ButtonText = 18,
  HotLight = 26,
};

// What a pixel of the flat look is, for the system colour it takes while high contrast is on.
enum class LookPart {
  Face,       // the ground of a window, button, group box, label or spin button
  Text,       // captions, labels, group lines, button frames, arrows and focus marks on a face
  Field,      // the inside of an edit, a list or the check box's square
  FieldText,  // typed text, the tick and the border of a field
  HotFace,    // a hovered, pressed or down button, a hovered or pressed check box's square
  HotText,    // its caption, glyph, frame, tick and focus mark
  Disabled,   // greyed-out captions, ticks and arrows
  Link,       // the text of a link and its focus mark
};

SystemInk HighContrastInk(LookPart part);

// The relative luminance of an RGB colour ($00BBGGRR) as the web's contrast rules define it, and
// the contrast ratio of two colours: 1 for equal ones, 21 for black and white.
double RelativeLuminance(std::uint32_t rgb);
double ContrastRatio(std::uint32_t a, std::uint32_t b);

}  // namespace core
