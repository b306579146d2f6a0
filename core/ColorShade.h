#pragma once
#include <cstdint>

namespace core {

using TColor = std::uint32_t;  // $00BBGGRR, or $800000nn for system colour nn

struct Hsl {
  int hue = 0;         // 0..239
  int saturation = 0;  // 0..240
  int lightness = 0;   // 0..240
};

// The colour arithmetic behind the flat controls' advanced colours.
class ColorShade {
 public:
  static bool IsSystemColor(TColor color);
  static int SystemColorIndex(TColor color);

  // Takes an RGB colour; system colours must be resolved by the caller first.
  static Hsl RgbToHsl(TColor rgb);
  // Channels are clamped to 0..255, so a lightness above 240 gives white-ish channels, not wrap.
  static TColor HslToRgb(int hue, int saturation, int lightness);

  // The advanced-colour shade: percent 0 returns current; otherwise the base's lightness, raised by
  // 10, is lowered by percent (not below 0) or raised by percent (capped at 100 of 240). The base
  // must already be resolved to RGB; the Windows side resolves system colours before calling.
  static TColor DeriveShade(TColor base, TColor current, int percent, bool darken);
};

}  // namespace core
