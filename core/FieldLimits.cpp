#include "core/FieldLimits.h"

#include "core/Utf8.h"

namespace core {

std::size_t FieldLimits::Length(std::string_view utf8) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < utf8.size();) units += Utf8::Next(utf8, i) > 0xFFFF ? 2 : 1;
  return units;
}

}  // namespace core
