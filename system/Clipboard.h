#pragma once
#include <windows.h>
#include <string>
#include <string_view>

namespace ui {

// The system clipboard for the program's text.
class Clipboard {
 public:
  // Replaces the clipboard's content with the UTF-8 text, as Unicode and as Windows-1252 text
  // ("?" where the code page lacks a character). Raises Exception when the clipboard cannot be had.
  static void SetText(HWND owner, std::string_view utf8);
  // The clipboard's Unicode text as UTF-8; empty when it holds none.
  static std::string TextUtf8(HWND owner);
};

}  // namespace ui
