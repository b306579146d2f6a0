#pragma once
#include <string>
#include <string_view>

namespace ui {

// UTF-8, the program's text, and the UTF-16 of the windows and file names.
class WideText {
 public:
  static std::wstring FromUtf8(std::string_view utf8);
  static std::string ToUtf8(std::wstring_view wide);
};

}  // namespace ui
