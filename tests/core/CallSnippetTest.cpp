#include "core/CallSnippet.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <optional>

#include "core/WebEscape.h"

namespace {

using core::ActivationMethod;
using core::CallSnippet;

// A tag as a browser reads it: its name and attributes, each value running to the next quote
// and then decoded from entities.
struct Tag {
  std::string name;
  std::map<std::string, std::string> attributes;
  std::string rest;  // what follows the ">"
};

std::string DecodeEntities(const std::string& text) {
  static const std::pair<const char*, char> kEntities[] = {
      {"&amp;", '&'}, {"&quot;", '"'}, {"&#39;", '\''}, {"&lt;", '<'}, {"&gt;", '>'}};
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    bool matched = false;
    for (const auto& [entity, c] : kEntities) {
      if (text.compare(i, std::strlen(entity), entity) == 0) {
        out.push_back(c);
        i += std::strlen(entity);
        matched = true;
        break;
      }
    }
    if (!matched) out.push_back(text[i++]);
  }
  return out;
}

std::optional<Tag> ReadTag(const std::string& html) {
  if (html.empty() || html[0] != '<') return std::nullopt;
  Tag tag;
  std::size_t i = 1;
  while (i < html.size() && std::isalpha(static_cast<unsigned char>(html[i]))) tag.name.push_back(html[i++]);
  while (i < html.size() && html[i] != '>') {
    if (html[i] == ' ') {
      ++i;
      continue;
    }
    std::string name;
    while (i < html.size() && html[i] != '=' && html[i] != ' ' && html[i] != '>') name.push_back(html[i++]);
    if (i + 1 >= html.size() || html[i] != '=' || html[i + 1] != '"') return std::nullopt;
    const std::size_t end = html.find('"', i + 2);
    if (end == std::string::npos) return std::nullopt;
    if (tag.attributes.count(name)) return std::nullopt;
    tag.attributes[name] = DecodeEntities(html.substr(i + 2, end - i - 2));
    i = end + 1;
  }
  if (i >= html.size()) return std::nullopt;
  tag.rest = html.substr(i + 1);
  return tag;
}

// The argument of F('...') as JavaScript reads it, or nothing when the code has another shape.
std::optional<std::string> StringArgument(const std::string& code, const std::string& function) {
  const std::string head = function + "('";
  if (code.compare(0, head.size(), head) != 0) return std::nullopt;
  std::string value;
  std::size_t i = head.size();
  for (; i < code.size() && code[i] != '\''; ++i) {
    if (code[i] == '\r' || code[i] == '\n') return std::nullopt;
    if (code[i] != '\\') {
      value.push_back(code[i]);
      continue;
    }
    if (++i >= code.size()) return std::nullopt;
    if (code[i] == 'x') {
      value.push_back(static_cast<char>(std::stoi(code.substr(i + 1, 2), nullptr, 16)));
      i += 2;
    } else {
      value.push_back(code[i]);
    }
  }
  if (code.substr(i) != "')") return std::nullopt;
  return value;
}

TEST(CallSnippetTest, TheFiveMethodsLoadTheSavedScriptAndCallTheFunction) {
  const std::string address = "https://www.skylatch.example/page.htm";
  const std::string tag = "<script src=\"PopUp.js\"></script>\r\n";
  EXPECT_EQ(CallSnippet::Text(ActivationMethod::OnPageLoad, "PopUp", address),
            tag + "<body onload=\"PopUp('https://www.skylatch.example/page.htm')\">\r\n");
  EXPECT_EQ(CallSnippet::Text(ActivationMethod::OnPageUnload, "PopUp", address),
            tag + "<body onunload=\"PopUp('https://www.skylatch.example/page.htm')\">\r\n");
  EXPECT_EQ(CallSnippet::Text(ActivationMethod::OnMouseOver, "PopUp", address),
            tag + "<a href=\"https://www.skylatch.example/page.htm\" "
                  "onmouseover=\"PopUp('https://www.skylatch.example/page.htm')\">Open the pop-up</a>\r\n");
  EXPECT_EQ(CallSnippet::Text(ActivationMethod::OnMouseOut, "PopUp", address),
            tag + "<a href=\"https://www.skylatch.example/page.htm\" "
                  "onmouseout=\"PopUp('https://www.skylatch.example/page.htm')\">Open the pop-up</a>\r\n");
  EXPECT_EQ(CallSnippet::Text(ActivationMethod::FromLink, "PopUp", address),
            tag + "<a href=\"https://www.skylatch.example/page.htm\" "
                  "onclick=\"PopUp(this.href); return false;\">Open the pop-up</a>\r\n");
}

TEST(CallSnippetTest, TheScriptTagNamesTheFileSaveSuggestsAsAnAddress) {
  EXPECT_EQ(CallSnippet::ScriptTag("Abrir"), "<script src=\"Abrir.js\"></script>");
  EXPECT_EQ(CallSnippet::ScriptTag(""), "<script src=\"popup.js\"></script>");
  // Characters a file may hold but an address may not hold as they are.
  EXPECT_EQ(CallSnippet::ScriptTag("a b#c%d&e'f?g"), "<script src=\"a%20b%23c%25d%26e%27f_g.js\"></script>");
  EXPECT_EQ(CallSnippet::ScriptTag("x\"<y>"), "<script src=\"x__y_.js\"></script>");
}

class HostileAddress : public testing::TestWithParam<std::string> {};

// Whatever the address holds, each snippet keeps its attributes (nothing added, none cut short)
// and hands the function exactly the address typed.
TEST_P(HostileAddress, StaysInsideItsStringAndAttribute) {
  const std::string& address = GetParam();
  for (ActivationMethod method : {ActivationMethod::OnPageLoad, ActivationMethod::OnPageUnload,
                                  ActivationMethod::OnMouseOver, ActivationMethod::OnMouseOut,
                                  ActivationMethod::FromLink}) {
    SCOPED_TRACE(static_cast<int>(method));
    const std::string call = CallSnippet::Call(method, "PopUp", address);
    const auto tag = ReadTag(call);
    ASSERT_TRUE(tag.has_value()) << call;
    EXPECT_EQ(call.find('\r'), std::string::npos);
    EXPECT_EQ(call.find('\n'), std::string::npos);
    if (method == ActivationMethod::OnPageLoad || method == ActivationMethod::OnPageUnload) {
      EXPECT_EQ(tag->name, "body");
      EXPECT_EQ(tag->rest, "");
      ASSERT_EQ(tag->attributes.size(), 1u) << call;
      const std::string& code = tag->attributes.begin()->second;
      EXPECT_EQ(StringArgument(code, "PopUp"), address) << call;
      continue;
    }
    EXPECT_EQ(tag->name, "a");
    EXPECT_EQ(tag->rest, "Open the pop-up</a>");
    ASSERT_EQ(tag->attributes.size(), 2u) << call;
    EXPECT_EQ(tag->attributes.at("href"), address);
    if (method == ActivationMethod::FromLink) {
      EXPECT_EQ(tag->attributes.at("onclick"), "PopUp(this.href); return false;");
    } else {
      const std::string event = method == ActivationMethod::OnMouseOver ? "onmouseover" : "onmouseout";
      EXPECT_EQ(StringArgument(tag->attributes.at(event), "PopUp"), address) << call;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(CallSnippetTest, HostileAddress,
                         testing::Values("it's.htm", "a\"b.htm", "back\\slash\\", "x');alert(1);//",
                                         "\" onmouseover=\"alert(1)", "<script>&amp;</script>",
                                         "end\\'", "tab\there", std::string("nul\0byte", 8),
                                         "caf\xE9.htm", "&quot;'\\\"<>&"));

TEST(CallSnippetTest, AFunctionNameIsEscapedForTheAttribute) {
  const std::string call = CallSnippet::Call(ActivationMethod::OnPageLoad, "a\"onclick=\"x<&", "p");
  const auto tag = ReadTag(call);
  ASSERT_TRUE(tag.has_value());
  ASSERT_EQ(tag->attributes.size(), 1u);
  EXPECT_EQ(tag->attributes.at("onload"), "a\"onclick=\"x<&('p')");
  EXPECT_EQ(CallSnippet::Call(ActivationMethod::FromLink, "f\"", "p"),
            "<a href=\"p\" onclick=\"f&quot;(this.href); return false;\">Open the pop-up</a>");
}

TEST(CallSnippetTest, JavaScriptStringsNeverHoldWhatEndsAScriptOrAnAttribute) {
  EXPECT_EQ(core::WebEscape::JavaScriptString("</script>"), "\\x3C/script\\x3E");
  EXPECT_EQ(core::WebEscape::JavaScriptString("a\r\nb"), "a\\x0D\\x0Ab");
  EXPECT_EQ(core::WebEscape::JavaScriptString("\\'\""), "\\\\\\'\\x22");
  EXPECT_EQ(core::WebEscape::JavaScriptString("caf\xE9"), "caf\xE9");
  EXPECT_EQ(core::WebEscape::Html("<a href='x'>&\"</a>"), "&lt;a href=&#39;x&#39;&gt;&amp;&quot;&lt;/a&gt;");
}

}  // namespace
