#include "core/DpiScale.h"

#include <cstdint>

namespace core {

int DpiScale::Rescale(int value, int fromDpi, int toDpi) {
  if (fromDpi <= 0 || fromDpi == toDpi) return value;
  const std::int64_t product = static_cast<std::int64_t>(value) * toDpi;
  const std::int64_t half = fromDpi / 2;
  const std::int64_t magnitude = ((product < 0 ? -product : product) + half) / fromDpi;
  return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

int DpiScale::Scale(int value, int dpi) { return Rescale(value, kDesignDpi, dpi); }

int DpiScale::LineWidth(int dpi) { return dpi < 2 * kDesignDpi ? 1 : dpi / kDesignDpi; }

bool DpiScale::IsPixelProperty(std::string_view name) {
  for (std::string_view pixel : {"Left", "Top", "Width", "Height", "ClientWidth", "ClientHeight", "ItemHeight"})
    if (name == pixel) return true;
  // Font.Height, and the height of any other font a control publishes.
  constexpr std::string_view fontHeight = "Font.Height";
  return name.size() >= fontHeight.size() && name.substr(name.size() - fontHeight.size()) == fontHeight;
}

}  // namespace core
