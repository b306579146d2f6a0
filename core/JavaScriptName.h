#pragma once
#include <string_view>

namespace core {

// What a browser accepts as a name in the generated script. Names are Windows-1252 bytes.
class JavaScriptName {
 public:
  // A letter, "_" or "$", then letters, digits, "_" or "$". The letters of the code page count
  // (é, ß, Š, ...), as they do in JavaScript; signs and symbols do not.
  static bool IsIdentifier(std::string_view name);
  // A word the language keeps for itself (if, new, class, let, ...), or a literal (true, null).
  static bool IsReservedWord(std::string_view name);
  // A name the browser's own window object already uses (location, top, name, status, ...):
  // assigning the new window to it does not keep the window.
  static bool IsWindowProperty(std::string_view name);
  // The window properties that cannot be declared again (window, document, location, top): a
  // function of that name stops the script with an error.
  static bool IsUnforgeableWindowProperty(std::string_view name);
};

}  // namespace core
