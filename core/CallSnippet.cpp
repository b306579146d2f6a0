#include "core/CallSnippet.h"

#include "core/SaveFileName.h"
#include "core/WebEscape.h"

namespace core {

namespace {

// functionName('address') as the value of an event attribute.
std::string CallWithAddress(std::string_view functionName, std::string_view address) {
  return WebEscape::Html(functionName) + "('" + WebEscape::JavaScriptString(address) + "')";
}

std::string Link(std::string_view address, std::string_view event, const std::string& handler) {
  return "<a href=\"" + WebEscape::Html(address) + "\" " + std::string(event) + "=\"" + handler + "\">" +
         std::string(CallSnippet::kLinkText) + "</a>";
}

}  // namespace

std::string CallSnippet::Text(ActivationMethod method, std::string_view functionName, std::string_view address) {
  return ScriptTag(functionName) + "\r\n" + Call(method, functionName, address) + "\r\n";
}

std::string CallSnippet::ScriptTag(std::string_view functionName) {
  return "<script src=\"" + WebEscape::Html(WebEscape::AddressPath(SaveFileName::ForFunction(functionName))) +
         "\"></script>";
}

std::string CallSnippet::Call(ActivationMethod method, std::string_view functionName, std::string_view address) {
  switch (method) {
    case ActivationMethod::OnPageLoad: return "<body onload=\"" + CallWithAddress(functionName, address) + "\">";
    case ActivationMethod::OnPageUnload: return "<body onunload=\"" + CallWithAddress(functionName, address) + "\">";
    case ActivationMethod::OnMouseOver: return Link(address, "onmouseover", CallWithAddress(functionName, address));
    case ActivationMethod::OnMouseOut: return Link(address, "onmouseout", CallWithAddress(functionName, address));
    case ActivationMethod::FromLink:
      // The link still opens the page where scripts are off.
      return Link(address, "onclick", WebEscape::Html(functionName) + "(this.href); return false;");
  }
  return {};
}

}  // namespace core
