#pragma once
#include <string>
#include <string_view>

namespace core {

// The name Save suggests: the function name with an extension, made safe as a Windows file name.
class SaveFileName {
 public:
  static constexpr std::string_view kFallback = "popup";

  // \ / : * ? " < > | and control characters become "_"; spaces and dots at either end go; a
  // device name (CON, NUL, COM1, ...) gets a "_" in front; nothing left gives "popup".
  static std::string ForFunction(std::string_view functionName, std::string_view extension = ".js");

  // The extension of a path in lower case, with its dot (".htm"), or "" when the last part of the
  // path has none.
  static std::string LowerExtension(std::string_view path);

  enum class Kind { Script, Page };
  // What a chosen path receives: ".js" the script, ".htm" or ".html" the page; any other name
  // follows the file type picked in the dialog (1 the script, 2 the page).
  static Kind KindOf(std::string_view path, int fileType);
  // The name in the Save As dialog after the user picks a file type: a name ending in ".js",
  // ".htm" or ".html", or with no extension, takes the type's extension; another extension stays.
  static std::string WithTypeExtension(std::string_view name, int fileType);
};

}  // namespace core
