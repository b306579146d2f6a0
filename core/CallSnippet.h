#pragma once
#include <string>
#include <string_view>

#include "core/ActivationMethod.h"

namespace core {

// The HTML an author puts into a page to call the generated function: the tag that loads the
// saved script, then a body tag or a link for the activation method. The address is escaped for
// a JavaScript string inside an HTML attribute, so no character of it can end either early.
class CallSnippet {
 public:
  static constexpr std::string_view kLinkText = "Open the pop-up";

  // <script src="PopUp.js"></script> and the call, each line ending in CR LF.
  static std::string Text(ActivationMethod method, std::string_view functionName, std::string_view address);
  // <script src="..."></script> for the name Save suggests.
  static std::string ScriptTag(std::string_view functionName);
  // <body onload="PopUp('...')"> and the others; one line, no line end.
  static std::string Call(ActivationMethod method, std::string_view functionName, std::string_view address);
};

}  // namespace core
