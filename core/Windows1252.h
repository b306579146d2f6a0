#pragma once
#include <string>
#include <string_view>

namespace core {

// Stored window definitions and Preview's files are single-byte Windows-1252; the program's own
// text is UTF-8.
class Windows1252 {
 public:
  // Converts UTF-8 to Windows-1252 bytes. Raises std::invalid_argument for malformed UTF-8 and
  // for characters the code page cannot hold, naming the character.
  static std::string FromUtf8(std::string_view utf8);
  // The same, appending to out; raises std::length_error as soon as out would grow past
  // maxLength, before the rest of the text is looked at.
  static void AppendFromUtf8(std::string_view utf8, std::string& out, std::size_t maxLength);

  // Whether the code page has the character.
  static bool Holds(char32_t codePoint);
  // What the program writes where only Windows-1252 fits: each character the code page lacks
  // (and each malformed byte) becomes "?", as the system's own conversion does.
  static std::string FromUtf8OrQuestionMark(std::string_view utf8);
  // Windows-1252 bytes as UTF-8.
  static std::string ToUtf8(std::string_view bytes);
};

}  // namespace core
