#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace ui {

// The system clipboard for the program's text (Windows-1252).
class Clipboard {
 public:
  // Replaces the clipboard's content with the text, both as Unicode and as ANSI text, so every
  // program pastes the same characters. Raises Exception when the clipboard cannot be had.
  static void SetText(HWND owner, std::string_view text);
  // The Unicode text of a Windows-1252 string.
  static std::wstring Widen(std::string_view text);
};

}  // namespace ui
