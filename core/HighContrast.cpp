#include "core/HighContrast.h"

#include <algorithm>
#include <cmath>

namespace core {

SystemInk HighContrastInk(LookPart part) {
  switch (part) {
    case LookPart::Face: return SystemInk::ButtonFace;
    case LookPart::Text: return SystemInk::ButtonText;
    case LookPart::Field: return SystemInk::Window;
    case LookPart::FieldText: return SystemInk::WindowText;
    case LookPart::HotFace: return SystemInk::Highlight;
    case LookPart::HotText: return SystemInk::HighlightText;
    case LookPart::Disabled: return SystemInk::GrayText;
    case LookPart::Link: return SystemInk::HotLight;
  }
  return SystemInk::ButtonText;
}

namespace {
double Linear(unsigned channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

double RelativeLuminance(std::uint32_t rgb) {
  return 0.2126 * Linear(rgb & 0xFF) + 0.7152 * Linear((rgb >> 8) & 0xFF) + 0.0722 * Linear((rgb >> 16) & 0xFF);
}

double ContrastRatio(std::uint32_t a, std::uint32_t b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace core
