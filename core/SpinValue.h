#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace core {

// The value rules of the integer spin edit. The value is never stored: it is read from the text.
class SpinValue {
 public:
  // The runtime's integer conversion: leading blanks, an optional sign, then decimal digits or
  // hexadecimal digits after "$" (or "0x"), up to the end of the text, within 32-bit signed range.
  static bool ParseInteger(std::string_view text, std::int32_t& out);

  // The text's value, or minValue when the text does not convert. Never clamps.
  static std::int32_t ReadValue(std::string_view text, std::int32_t minValue);

  // Equal limits mean no limits at all; the lower limit is tested first.
  static std::int32_t CheckValue(std::int32_t value, std::int32_t minValue, std::int32_t maxValue);

  // One arrow step, wrapping around at the ends of the 32-bit range.
  static std::int32_t StepValue(std::int32_t value, std::int32_t increment, bool up);

  // Signs, digits and the locale's decimal separator are typed; control characters other than CR
  // pass. Without the editor only control characters other than backspace and CR pass.
  static bool IsValidChar(char c, char decimalSeparator, bool editorEnabled);

  static std::string FormatValue(std::int32_t value);

  // What a paste may leave in the field: an optional leading minus, then digits only, within the
  // 32-bit signed range. Anything else (letters, a second line, a lone sign) is refused whole.
  static bool IsPastableNumber(std::string_view text);

  // What may stand in the field however it got there: only characters the filter lets one type
  // (signs, digits, the decimal separator), at most FieldLimits::kNumber of them.
  static bool IsEditableText(std::string_view text, char decimalSeparator);

  // The number a script gets for the field: its text when that is a whole number (a sign and up
  // to ten digits within range, as typed), else the value the field reads, so no other text ever
  // reaches a script or page.
  static std::string WrittenText(std::string_view text, std::int32_t minValue);
};

}  // namespace core
