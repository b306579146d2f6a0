#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace core {

// The fields of the generator window hold any Unicode text; the program carries it as UTF-8.
class Utf8 {
 public:
  static constexpr char32_t kReplacement = 0xFFFD;
  // The code point at i, moving i past it. A malformed sequence gives kReplacement and moves
  // past its first byte, so every text can be read to its end.
  static char32_t Next(std::string_view text, std::size_t& i);
  // The same, but a malformed sequence gives nothing (and i is past its first byte).
  static std::optional<char32_t> TryNext(std::string_view text, std::size_t& i);
  static void Append(std::string& out, char32_t codePoint);
};

}  // namespace core
