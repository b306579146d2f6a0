#pragma once
#include <string>
#include <string_view>

#include "core/ActivationMethod.h"

namespace core {

// The HTML an author puts into a page to call the generated function: the tag that loads the
// saved script, then the call for the activation method. The function is reached as a member of
// window, so a name the document or the link also has (write, click, title) still means the
// script's function; load and unload attach a listener instead of taking the body tag; a link
// keeps its address and names the pop-up as its target, so it opens the page without scripts.
// The address is escaped for a JavaScript string inside an HTML attribute, so no character of
// it can end either early. Text is UTF-8.
class CallSnippet {
 public:
  static constexpr std::string_view kLinkText = "Open the pop-up";

  struct Names {
    std::string_view function;
    std::string_view window;
  };

  // <script src="PopUp.js"></script> and the call, each line ending in CR LF.
  static std::string Text(ActivationMethod method, Names names, std::string_view address, std::string_view scriptFile);
  // <script src="..."></script> for a script file beside the page.
  static std::string ScriptTag(std::string_view scriptFile);
  // The call: a small script for load and unload, a link for the others; one line, no line end.
  static std::string Call(ActivationMethod method, Names names, std::string_view address);
  // window.PopUp, or window["..."] for a name that is no JavaScript name.
  static std::string FunctionReference(std::string_view functionName);
  // The DOM event each method listens to.
  static std::string_view EventName(ActivationMethod method);
  // <a href="address" target="window">, the target left out for an empty window name.
  static std::string LinkStart(std::string_view windowName, std::string_view address, std::string_view attributes);
};

}  // namespace core
