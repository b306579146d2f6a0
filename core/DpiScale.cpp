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

}  // namespace core
