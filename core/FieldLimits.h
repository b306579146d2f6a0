#pragma once
#include <cstddef>
#include <string_view>

namespace core {

// How much each field of the generator window holds, in the edit's own units (UTF-16). Typing,
// pasting and reading a file all keep to the same limits; no user meets them, and everything the
// program makes from the fields stays quick within them.
class FieldLimits {
 public:
  static constexpr int kFunctionName = 25;
  static constexpr int kWindowName = 32767;  // what Windows' own edit holds by default
  static constexpr int kAddress = 32767;
  static constexpr int kNumber = 11;  // "-2147483648"

  // The length of UTF-8 text as the edit counts it.
  static std::size_t Length(std::string_view utf8);
  static bool Fits(std::string_view utf8, int limit) { return Length(utf8) <= static_cast<std::size_t>(limit); }
};

}  // namespace core
