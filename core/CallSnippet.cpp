#include "core/CallSnippet.h"

#include "core/JavaScriptName.h"
#include "core/WebEscape.h"

namespace core {

std::string CallSnippet::Text(ActivationMethod method, Names names, std::string_view address,
                              std::string_view scriptFile) {
  return ScriptTag(scriptFile) + "\r\n" + Call(method, names, address) + "\r\n";
}

std::string CallSnippet::ScriptTag(std::string_view scriptFile) {
  return "<script src=\"" + WebEscape::Html(WebEscape::AddressPath(scriptFile)) + "\"></script>";
}

std::string CallSnippet::FunctionReference(std::string_view functionName) {
  if (JavaScriptName::IsIdentifier(functionName)) return "window." + std::string(functionName);
  return "window['" + WebEscape::JavaScriptString(functionName) + "']";
}

std::string_view CallSnippet::EventName(ActivationMethod method) {
  switch (method) {
    case ActivationMethod::OnPageLoad: return "load";
    // Browsers no longer promise unload to a page; pagehide comes every time the page is left.
    case ActivationMethod::OnPageUnload: return "pagehide";
    case ActivationMethod::OnMouseOver: return "mouseover";
    case ActivationMethod::OnMouseOut: return "mouseout";
    case ActivationMethod::FromLink: return "click";
  }
  return "load";
}

std::string CallSnippet::LinkStart(std::string_view windowName, std::string_view address, std::string_view attributes) {
  std::string tag = "<a href=\"" + WebEscape::Html(WebEscape::Address(address)) + "\"";
  if (!windowName.empty()) tag += " target=\"" + WebEscape::Html(windowName) + "\"";
  if (!attributes.empty()) tag.append(" ").append(attributes);
  return tag + ">";
}

std::string CallSnippet::Call(ActivationMethod method, Names names, std::string_view address) {
  const std::string call =
      FunctionReference(names.function) + "('" + WebEscape::JavaScriptString(WebEscape::Address(address)) + "')";
  const std::string event(EventName(method));
  switch (method) {
    case ActivationMethod::OnPageLoad:
    case ActivationMethod::OnPageUnload:
      // Neither the reference nor the escaped address can hold a quote, "<" or "&", so the call
      // stands unchanged in a script block and in an attribute.
      return "<script>window.addEventListener('" + event + "', function () { " + call + "; });</script>";
    case ActivationMethod::OnMouseOver:
    case ActivationMethod::OnMouseOut:
      return LinkStart(names.window, address, "on" + event + "=\"" + call + "\"") +
             std::string(kLinkText) + "</a>";
    case ActivationMethod::FromLink:
      return LinkStart(names.window, address,
                       "onclick=\"" + FunctionReference(names.function) +
                           "(this.href); return false;\"") +
             std::string(kLinkText) + "</a>";
  }
  return {};
}

}  // namespace core
