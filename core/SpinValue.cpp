#include "core/SpinValue.h"

#include "core/FieldLimits.h"

namespace core {

namespace {

int DigitValue(char c, int base) {
  int digit = base;
  if (c >= '0' && c <= '9') digit = c - '0';
  else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
  return digit < base ? digit : -1;
}

bool StartsWithHexPrefix(std::string_view text, std::size_t& length) {
  if (!text.empty() && text[0] == '$') {
    length = 1;
    return true;
  }
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    length = 2;
    return true;
  }
  return false;
}

}  // namespace

bool SpinValue::ParseInteger(std::string_view text, std::int32_t& out) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  std::size_t prefix = 0;
  if (StartsWithHexPrefix(text.substr(i), prefix)) {
    base = 16;
    i += prefix;
  }
  if (i >= text.size()) return false;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0) return false;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  out = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return true;
}

std::int32_t SpinValue::ReadValue(std::string_view text, std::int32_t minValue) {
  std::int32_t value = 0;
  return ParseInteger(text, value) ? value : minValue;
}

std::int32_t SpinValue::CheckValue(std::int32_t value, std::int32_t minValue, std::int32_t maxValue) {
  if (minValue == maxValue) return value;
  if (value < minValue) return minValue;
  if (value > maxValue) return maxValue;
  return value;
}

std::int32_t SpinValue::StepValue(std::int32_t value, std::int32_t increment, bool up) {
  const auto v = static_cast<std::uint32_t>(value);
  const auto step = static_cast<std::uint32_t>(increment);
  const std::uint32_t sum = up ? v + step : v - step;
  return static_cast<std::int32_t>(sum);  // modular since C++20
}

bool SpinValue::IsValidChar(char c, char decimalSeparator, bool editorEnabled) {
  const auto code = static_cast<unsigned char>(c);
  const bool typed = c == '+' || c == '-' || (c >= '0' && c <= '9') || c == decimalSeparator;
  const bool control = code < 32 && code != 13;
  if (!typed && !control) return false;
  if (!editorEnabled && (code >= 32 || code == 8)) return false;
  return true;
}

std::string SpinValue::FormatValue(std::int32_t value) { return std::to_string(value); }

bool SpinValue::IsPastableNumber(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 10) return false;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value <= std::int64_t{2147483647} + (negative ? 1 : 0);
}

bool SpinValue::IsEditableText(std::string_view text, char decimalSeparator) {
  if (text.size() > static_cast<std::size_t>(FieldLimits::kNumber)) return false;
  for (char c : text)
    if (!(c >= '0' && c <= '9') && c != '+' && c != '-' && c != decimalSeparator) return false;
  return true;
}

std::string SpinValue::WrittenText(std::string_view text, std::int32_t minValue) {
  std::string_view digits = text;
  if (digits.starts_with('+')) digits.remove_prefix(1);
  if (!digits.starts_with('+') && (digits.size() == text.size() || !digits.starts_with('-')) && IsPastableNumber(digits)) return std::string(text);
  return FormatValue(ReadValue(text, minValue));
}

}  // namespace core
