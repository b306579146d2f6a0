#pragma once
#include <string_view>

namespace core {

// What a browser accepts as a name in the generated script. Names are UTF-8.
class JavaScriptName {
 public:
  // A letter, "_" or "$", then letters, digits, "_" or "$". Letters beyond ASCII count (é, ß,
  // Š, ñ, 日), as they do in JavaScript; signs, symbols and punctuation do not.
  static bool IsIdentifier(std::string_view name);
  // A word the language keeps for itself (if, new, class, let, ...), or a literal (true, null).
  static bool IsReservedWord(std::string_view name);
  // A name the browser's own window object already uses (location, open, name, status, ...):
  // assigning the new window to it does not keep the window, and may do worse.
  static bool IsWindowProperty(std::string_view name);
  // The window properties that cannot be declared again (window, document, location, top): a
  // function of that name stops the script with an error.
  static bool IsUnforgeableWindowProperty(std::string_view name);
  // A member of the document or of a link: an inline handler finds these before the window's.
  static bool IsDocumentOrElementMember(std::string_view name);
};

}  // namespace core
