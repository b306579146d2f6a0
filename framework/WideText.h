#pragma once
#include <string>
#include <string_view>

namespace ui {

// UTF-8, the program's text for what the user types, and the UTF-16 of the Unicode windows and
// file names.
class WideText {
 public:
  static std::wstring FromUtf8(std::string_view utf8);
  static std::string ToUtf8(std::wstring_view wide);
  // The Unicode text of a Windows-1252 string, the program's text for captions and names.
  static std::wstring FromWindows1252(std::string_view text);
};

}  // namespace ui
