#include "core/ColorShade.h"

#include <algorithm>
#include <cmath>

namespace core {

namespace {

// Round to nearest, ties to even (the default floating-point rounding mode).
int RoundEven(double value) { return static_cast<int>(std::nearbyint(value)); }

double Channel(double m1, double m2, double t) {
  if (t < 0) t += 1;
  else if (t > 1) t -= 1;
  if (6 * t < 1) return m1 + (m2 - m1) * t * 6;
  if (2 * t < 1) return m2;
  if (3 * t < 2) return m1 + (m2 - m1) * (2.0 / 3.0 - t) * 6;
  return m1;
}

TColor ToByte(double unit) { return static_cast<TColor>(std::clamp(RoundEven(unit * 255), 0, 255)); }

}  // namespace

bool ColorShade::IsSystemColor(TColor color) { return (color >> 24) == 0x80; }

int ColorShade::SystemColorIndex(TColor color) { return static_cast<int>(color & 0xFF); }

Hsl ColorShade::RgbToHsl(TColor rgb) {
  const double r = (rgb & 0xFF) / 255.0;
  const double g = ((rgb >> 8) & 0xFF) / 255.0;
  const double b = ((rgb >> 16) & 0xFF) / 255.0;
  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  const double l = (max + min) / 2;
  Hsl result;
  result.lightness = RoundEven(l * 240);
  if (max == min) return result;
  const double d = max - min;
  const double s = l >= 0.5 ? d / (2 - max - min) : d / (max + min);
  double h = 0;
  if (max == r) h = (g - b) / d;
  else if (max == g) h = 2 + (b - r) / d;
  else h = 4 + (r - g) / d;
  h /= 6;
  if (h < 0) h += 1;
  result.hue = RoundEven(h * 239);
  result.saturation = RoundEven(s * 240);
  return result;
}

TColor ColorShade::HslToRgb(int hue, int saturation, int lightness) {
  const double h = hue / 239.0;
  const double s = saturation / 240.0;
  const double l = lightness / 240.0;
  if (s == 0) {
    const TColor grey = ToByte(l);
    return grey | (grey << 8) | (grey << 16);
  }
  const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
  const double m1 = 2 * l - m2;
  const TColor red = ToByte(Channel(m1, m2, h + 1.0 / 3.0));
  const TColor green = ToByte(Channel(m1, m2, h));
  const TColor blue = ToByte(Channel(m1, m2, h - 1.0 / 3.0));
  return red | (green << 8) | (blue << 16);
}

TColor ColorShade::DeriveShade(TColor base, TColor current, int percent, bool darken) {
  if (percent == 0) return current;
  Hsl hsl = RgbToHsl(base);
  int l = hsl.lightness + 10;
  if (darken) l = std::max(l - percent, 0);
  else l = l + percent > 100 ? 100 : l + percent;
  return HslToRgb(hsl.hue, hsl.saturation, l);
}

}  // namespace core
