#include "core/EnumNames.h"

namespace core {

int EnumOrdinal(std::string_view names, std::string_view name) {
  int ordinal = 0;
  while (!names.empty()) {
    std::size_t comma = names.find(',');
    if (names.substr(0, comma) == name) return ordinal;
    if (comma == std::string_view::npos) break;
    names.remove_prefix(comma + 1);
    ++ordinal;
  }
  return -1;
}

}  // namespace core
