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

TEST(CallSnippetTest, TheFiveMethodsLoadTheSavedScriptAndCallTheFunctionThroughWindow) {
  const std::string address = "https://www.skylatch.example/page.htm";
  const CallSnippet::Names names{"PopUp", "Skylatch"};
  const std::string tag = "<script src=\"PopUp.js\"></script>\r\n";
  const std::string link = "<a href=\"https://www.skylatch.example/page.htm\" target=\"Skylatch\" ";
  const struct {
    ActivationMethod method;
    std::string call;
  } cases[] = {
      {ActivationMethod::OnPageLoad, "<script>window.addEventListener('load', function () { "
                                     "window.PopUp('https://www.skylatch.example/page.htm'); });</script>"},
      {ActivationMethod::OnPageUnload, "<script>window.addEventListener('pagehide', function () { "
                                       "window.PopUp('https://www.skylatch.example/page.htm'); });</script>"},
      {ActivationMethod::OnMouseOver,
       link + "onmouseover=\"window.PopUp('https://www.skylatch.example/page.htm')\">Open the pop-up</a>"},
      {ActivationMethod::OnMouseOut,
       link + "onmouseout=\"window.PopUp('https://www.skylatch.example/page.htm')\">Open the pop-up</a>"},
      {ActivationMethod::FromLink, link + "onclick=\"window.PopUp(this.href); return false;\">Open the pop-up</a>"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CallSnippet::Text(c.method, names, address, "PopUp.js"), tag + c.call + "\r\n");
  // No window name: the link has no target.
  EXPECT_EQ(CallSnippet::Call(ActivationMethod::FromLink, {"f", ""}, "a.htm"),
            "<a href=\"a.htm\" onclick=\"window.f(this.href); return false;\">Open the pop-up</a>");
}

TEST(CallSnippetTest, NamesAndAddressesBeyondWindows1252) {
  // A name that is no JavaScript name is reached as a string, which cannot end the block.
  EXPECT_EQ(CallSnippet::FunctionReference("a</script>"), "window['a\\x3C/script\\x3E']");
  EXPECT_EQ(CallSnippet::FunctionReference("Funci\xC3\xB3n"), "window.Funci\xC3\xB3n");
  EXPECT_EQ(CallSnippet::Call(ActivationMethod::FromLink, {"f", "\xE6\x97\xA5"}, "https://e.org/\xC3\xBC/\xE6\x97\xA5"),
            "<a href=\"https://e.org/\xC3\xBC/%E6%97%A5\" target=\"\xE6\x97\xA5\" onclick=\"window.f(this.href); "
            "return false;\">Open the pop-up</a>");
}

TEST(CallSnippetTest, TheScriptTagNamesTheFileAsAnAddress) {
  EXPECT_EQ(CallSnippet::ScriptTag("Abrir.js"), "<script src=\"Abrir.js\"></script>");
  // Characters a file may hold but an address may not hold as they are.
  EXPECT_EQ(CallSnippet::ScriptTag("a b#c%d&e'f.js"), "<script src=\"a%20b%23c%25d%26e%27f.js\"></script>");
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
    const std::string call = CallSnippet::Call(method, {"PopUp", "W"}, address);
    const auto tag = ReadTag(call);
    ASSERT_TRUE(tag.has_value()) << call;
    EXPECT_EQ(call.find('\r'), std::string::npos);
    EXPECT_EQ(call.find('\n'), std::string::npos);
    if (method == ActivationMethod::OnPageLoad || method == ActivationMethod::OnPageUnload) {
      EXPECT_EQ(tag->name, "script");
      const std::string head = "window.addEventListener('" + std::string(CallSnippet::EventName(method)) +
                               "', function () { ";
      ASSERT_EQ(tag->rest.substr(0, head.size()), head) << call;
      const std::string tail = "; });</script>";
      ASSERT_TRUE(tag->rest.ends_with(tail)) << call;
      const std::string code = tag->rest.substr(head.size(), tag->rest.size() - head.size() - tail.size());
      EXPECT_EQ(StringArgument(code, "window.PopUp"), address) << call;
      // Only the closing tag ends the block.
      EXPECT_EQ(tag->rest.find("</"), tag->rest.size() - 9) << call;
      continue;
    }
    EXPECT_EQ(tag->name, "a");
    EXPECT_EQ(tag->rest, "Open the pop-up</a>");
    ASSERT_EQ(tag->attributes.size(), 3u) << call;
    EXPECT_EQ(tag->attributes.at("href"), address);
    EXPECT_EQ(tag->attributes.at("target"), "W");
    if (method == ActivationMethod::FromLink) {
      EXPECT_EQ(tag->attributes.at("onclick"), "window.PopUp(this.href); return false;");
    } else {
      const std::string event = method == ActivationMethod::OnMouseOver ? "onmouseover" : "onmouseout";
      EXPECT_EQ(StringArgument(tag->attributes.at(event), "window.PopUp"), address) << call;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(CallSnippetTest, HostileAddress,
                         testing::Values("it's.htm", "a\"b.htm", "back\\slash\\", "x');alert(1);//",
                                         "\" onmouseover=\"alert(1)", "<script>&amp;</script>",
                                         "end\\'", "tab\there", std::string("nul\0byte", 8),
                                         "caf\xC3\xA9.htm", "&quot;'\\\"<>&"));

TEST(CallSnippetTest, JavaScriptStringsNeverHoldWhatEndsAScriptOrAnAttribute) {
  EXPECT_EQ(core::WebEscape::JavaScriptString("</script>"), "\\x3C/script\\x3E");
  EXPECT_EQ(core::WebEscape::JavaScriptString("a\r\nb"), "a\\x0D\\x0Ab");
  EXPECT_EQ(core::WebEscape::JavaScriptString("\\'\""), "\\\\\\'\\x22");
  EXPECT_EQ(core::WebEscape::JavaScriptString("caf\xC3\xA9"), "caf\xC3\xA9");
  EXPECT_EQ(core::WebEscape::Html("<a href='x'>&\"</a>"), "&lt;a href=&#39;x&#39;&gt;&amp;&quot;&lt;/a&gt;");
}

}  // namespace
