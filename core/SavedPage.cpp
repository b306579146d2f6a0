#include "core/SavedPage.h"

#include <cctype>

#include "core/CallSnippet.h"
#include "core/WebEscape.h"

namespace core {

namespace {

bool StartsClosingScriptTag(std::string_view rest) {
  constexpr std::string_view kTag = "</script";
  if (rest.size() < kTag.size()) return false;
  for (std::size_t i = 0; i < kTag.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(rest[i])) != kTag[i]) return false;
  return true;
}

std::string_view Explanation(ActivationMethod method) {
  switch (method) {
    case ActivationMethod::OnPageLoad: return "<p>The pop-up opens when this page loads.</p>";
    case ActivationMethod::OnPageUnload: return "<p>The pop-up opens when you leave this page.</p>";
    default: return {};
  }
}

}  // namespace

std::string SavedPage::InlineScript(std::string_view script) {
  std::string out;
  out.reserve(script.size());
  for (std::size_t i = 0; i < script.size(); ++i) {
    out.push_back(script[i]);
    if (StartsClosingScriptTag(script.substr(i))) out.push_back('\\');
  }
  return out;
}

std::string SavedPage::Text(std::string_view script, ActivationMethod method, std::string_view functionName,
                            std::string_view address) {
  std::string page =
      "<!DOCTYPE html>\r\n"
      "<html>\r\n"
      "<head>\r\n"
      "<meta charset=\"windows-1252\">\r\n"
      "<title>" + WebEscape::Html(functionName) + "</title>\r\n"
      "<script>\r\n" + InlineScript(script);
  if (!page.ends_with("\r\n")) page += "\r\n";
  page += "</script>\r\n</head>\r\n";
  const std::string call = CallSnippet::Call(method, functionName, address);
  if (method == ActivationMethod::OnPageLoad || method == ActivationMethod::OnPageUnload) {
    page += call + "\r\n" + std::string(Explanation(method)) + "\r\n";
  } else {
    page += "<body>\r\n<p>" + call + "</p>\r\n";
  }
  page += "</body>\r\n</html>\r\n";
  return page;
}

}  // namespace core
