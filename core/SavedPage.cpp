#include "core/SavedPage.h"

#include <cctype>

#include "core/CallSnippet.h"
#include "core/WebEscape.h"

namespace core {

namespace {

bool StartsWithTag(std::string_view rest, std::string_view tag) {
  if (rest.size() < tag.size()) return false;
  for (std::size_t i = 0; i < tag.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(rest[i])) != tag[i]) return false;
  return true;
}

}  // namespace

std::string SavedPage::InlineScript(std::string_view script) {
  std::string out;
  out.reserve(script.size());
  for (std::size_t i = 0; i < script.size(); ++i) {
    out.push_back(script[i]);
    const std::string_view rest = script.substr(i);
    if (StartsWithTag(rest, "</script") || StartsWithTag(rest, "<script")) out.push_back('\\');
  }
  return out;
}

std::string_view SavedPage::Explanation(ActivationMethod method) {
  switch (method) {
    case ActivationMethod::OnPageLoad:
      return "The pop-up opens when this page loads, where the browser allows this page to open pop-ups; a pop-up "
             "blocker stops it otherwise.";
    case ActivationMethod::OnPageUnload:
      return "Leaving this page opens the pop-up only in Firefox, when the visitor leaves by a click on a link; "
             "Chromium and Edge and WebKit (Safari's engine) open no window while a page is being left.";
    case ActivationMethod::OnMouseOver:
      return "The pop-up opens when the pointer moves onto the link, where the browser allows this page to open "
             "pop-ups; a click on the link opens the page in that window in any case.";
    case ActivationMethod::OnMouseOut:
      return "The pop-up opens when the pointer leaves the link, where the browser allows this page to open "
             "pop-ups; a click on the link opens the page in that window in any case.";
    case ActivationMethod::FromLink: return "A click on the link opens the pop-up.";
  }
  return {};
}

std::string SavedPage::Text(std::string_view script, ActivationMethod method, CallSnippet::Names names,
                            std::string_view address) {
  std::string page =
      "<!DOCTYPE html>\r\n"
      "<html>\r\n"
      "<head>\r\n"
      "<meta charset=\"utf-8\">\r\n"
      "<title>" + WebEscape::Html(names.function) + "</title>\r\n"
      "</head>\r\n"
      "<body>\r\n"
      "<p>" + std::string(Explanation(method)) + "</p>\r\n";
  const bool link = method != ActivationMethod::OnPageLoad && method != ActivationMethod::OnPageUnload;
  if (link) page += "<p>" + CallSnippet::LinkStart(names.window, address, "id=\"popup\"") +
                    std::string(CallSnippet::kLinkText) + "</a></p>\r\n";
  std::string block = "(function () {\r\n" + std::string(script);
  if (!block.ends_with("\r\n")) block += "\r\n";
  const std::string function(names.function);
  const std::string event(CallSnippet::EventName(method));
  const std::string call = function + "('" + WebEscape::JavaScriptString(WebEscape::Address(address)) + "');";
  if (!link)
    block += "window.addEventListener('" + event + "', function () { " + call + " });\r\n";
  else if (method == ActivationMethod::FromLink)
    block += "document.getElementById('popup').addEventListener('click', function (e) { e.preventDefault(); " +
             function + "(this.href); });\r\n";
  else
    block += "document.getElementById('popup').addEventListener('" + event + "', function () { " + call + " });\r\n";
  block += "})();\r\n";
  page += "<script>\r\n" + InlineScript(block) + "</script>\r\n</body>\r\n</html>\r\n";
  return page;
}

}  // namespace core
