#include "core/PreviewPage.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <cstring>
#include <optional>
#include <string>

#include "tests/core/CollectingSink.h"
#include "tests/core/Unescape.h"

namespace {

using core::PreviewPage;
using testing_support::CollectingSink;
using testing_support::Unescape;

// Lines 1 to 42 of the test page.
const std::array<std::string, 42> kLeadingLines = {
    "<HTML>",
    "<HEAD>",
    "",
    "<script src=\"tmpskt.js\" language=\"JavaScript\"></script>",
    "<!--www.skylatch.example-->",
    "<script language=\"Javascript\">",
    "var vie=",
    "parseFloat(navigator.appVersion.slice(navigator.appVersion.indexOf(\"MSIE\")+4,navigator.appVersion.length));",
    "function sinmenu()",
    "{",
    "event.cancelBubble = true;",
    "event.returnValue = false;",
    "return false;",
    "}",
    "function noclicderecho(e)",
    "{",
    "if (navigator.appName == 'Netscape' && (e.which == 3 || e.which == 2)) return false;",
    "else",
    "if (navigator.appName == 'Microsoft Internet Explorer' && (event.button == 2 || event.button == 3))",
    "{",
    "if (vie < 5) // -- para el IE4 -- \\\\",
    "{",
    "",
    "return false;",
    "}",
    "else",
    "if (vie >= 5) // -- para el IE5 -- \\\\",
    "{",
    "document.oncontextmenu = sinmenu;",
    "return false;",
    "}",
    "}",
    "return true;",
    "}",
    "document.onmousedown=noclicderecho;",
    "if (document.layers)window.captureEvents(Event.MOUSEDOWN);",
    "window.onmousedown=noclicderecho;",
    "</script>",
    "<!-- Fin del c\xF3" "digo -->",
    "</HEAD>",
    "<body bgcolor=\"white\" text=\"black\" link=\"blue\" vlink=\"purple\" alink=\"red\">",
    "<!--Start-->",
};

// The stored pieces of line 43 after the first, byte for byte.
const std::array<std::string, 6> kLaterGuardPieces = {
    "Trial%21%22%3B%0D%0A%0D%0Afunction%20clickIE%28%29%20%20%7Bif%20%28document.all%29%20%7Balert%28message%29%3Breturn%20false%3B%",
    "7D%7D%0D%0Afunction%20clickNS%28e%29%20%7Bif%20%0D%0A%28document.layers%7C%7C%28document.getElementById%26%26%21document.all%29%29%",
    "20%7B%0D%0Aif%20%28e.which%3D%3D2%7C%7Ce.which%3D%3D3%29%20%7Balert%28message%29%3Breturn%20false%3B%7D%7D%7D%0D%0Aif%20%28document.layers",
    "%29%20%0D%0A%7Bdocument.captureEvents%28Event.MOUSEDOWN%29%3Bdocument.onmousedown%3DclickNS%3B%7D%0D%0Aelse%7Bdocument.onmouseup%3DclickNS%3",
    "Bdocument.oncontextmenu%3DclickIE%3B%7D%0D%0A%0D%0Adocument.oncontextmenu%3Dnew%20Function%28%22return%20false%22%29%0D%0A%0D%0A//%20--%3E%3C/",
    "script%3E';d=unescape(m);document.write(d);</script>",
};

const std::string kGuardStart = "<script language=JavaScript>m='";
const std::string kGuardEnd = "';d=unescape(m);document.write(d);</script>";

std::vector<std::string> PageLines(std::string_view functionName, std::string_view url) {
  CollectingSink sink;
  PreviewPage::WriteTo(sink, functionName, url);
  EXPECT_EQ(sink.bytes.substr(sink.bytes.size() - 2), "\r\n");
  return sink.Lines();
}

std::string EncodedGuard() {
  const std::string line43 = PageLines("PopUp", "page.htm").at(42);
  const std::size_t from = line43.find(kGuardStart);
  const std::size_t to = line43.find(kGuardEnd);
  EXPECT_EQ(from, 0u);
  EXPECT_NE(to, std::string::npos);
  return line43.substr(kGuardStart.size(), to - kGuardStart.size());
}

TEST(PreviewPageTest, HasFortyFiveLinesWithTheFixedHead) {
  const std::vector<std::string> lines = PageLines("PopUp", "page.htm");
  ASSERT_EQ(lines.size(), 45u);
  for (std::size_t i = 0; i < kLeadingLines.size(); ++i) EXPECT_EQ(lines[i], kLeadingLines[i]) << "line " << i + 1;
  EXPECT_EQ(lines[44], "</body></html>");
}

TEST(PreviewPageTest, KeepsTheByteDetailsOfTheHead) {
  const std::vector<std::string> lines = PageLines("PopUp", "page.htm");
  EXPECT_EQ(lines.at(38), std::string("<!-- Fin del c") + '\xF3' + "digo -->");
  EXPECT_EQ(lines.at(20).substr(lines.at(20).size() - 3), " \\\\");
  EXPECT_EQ(lines.at(26).substr(lines.at(26).size() - 3), " \\\\");
  EXPECT_EQ(lines.at(3), "<script src=\"tmpskt.js\" language=\"JavaScript\"></script>");
  EXPECT_EQ(lines.at(4), "<!--www.skylatch.example-->");
}

TEST(PreviewPageTest, GuardLineIsOnePhysicalLineOfSeparateWrites) {
  CollectingSink sink;
  PreviewPage::WriteTo(sink, "PopUp", "page.htm");
  const std::string line43 = sink.Lines().at(42);
  std::string later;
  for (const std::string& piece : kLaterGuardPieces) later += piece;
  ASSERT_GT(line43.size(), later.size());
  EXPECT_EQ(line43.substr(line43.size() - later.size() - 10), later + "<!--End-->");
  EXPECT_NE(line43.find("</script><!--End-->"), std::string::npos);
  std::size_t pieceWrites = 0;
  for (const std::string& op : sink.operations)
    for (const std::string& piece : kLaterGuardPieces)
      if (op == "Write " + piece) ++pieceWrites;
  EXPECT_EQ(pieceWrites, kLaterGuardPieces.size());
}

TEST(PreviewPageTest, GuardDecodesToAWellFormedTrialScript) {
  const std::string decoded = Unescape(EncodedGuard());
  EXPECT_EQ(decoded.rfind("<script language=JavaScript>\r\n<!--\r\nvar message=\"Skylatch! Trial!\";\r\n", 0), 0u)
      << decoded;
  const std::string ending = "// --></script>";
  EXPECT_EQ(decoded.substr(decoded.size() - ending.size()), ending);
  EXPECT_NE(decoded.find("alert(message);return false;"), std::string::npos);
  EXPECT_EQ(decoded.find('%'), std::string::npos);
}

TEST(PreviewPageTest, GuardEncodingUsesOnlyTheEscapeAlphabet) {
  const std::string encoded = EncodedGuard();
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const char c = encoded[i];
    const bool plain = std::isalnum(static_cast<unsigned char>(c)) || std::string_view("@*_+-./").find(c) != std::string_view::npos;
    if (c == '%') {
      ASSERT_LT(i + 2, encoded.size());
      EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(encoded[i + 1])) &&
                  std::isxdigit(static_cast<unsigned char>(encoded[i + 2])))
          << "at " << i;
    } else {
      EXPECT_TRUE(plain) << "unencoded '" << c << "' at " << i;
    }
  }
}

TEST(PreviewPageTest, LinkCallsTheFunctionWithTheAddress) {
  EXPECT_EQ(PageLines("PopUp", "page.htm").at(43),
            "<p><A href=\"javascript:PopUp('page.htm')\" alt=\"Latchy!\">click here to preview your PopUp</a></p>");
  EXPECT_EQ(PageLines("", "").at(43),
            "<p><A href=\"javascript:window['']('')\" alt=\"Latchy!\">click here to preview your PopUp</a></p>");
}

// What the browser runs for the link: the attribute's value (which must not end early or hold a
// tag), its entities decoded, then the javascript: address percent-decoded.
std::string LinkScript(const std::string& line) {
  const std::string head = "<p><A href=\"javascript:";
  const std::string tail = "\" alt=\"Latchy!\">click here to preview your PopUp</a></p>";
  EXPECT_TRUE(line.starts_with(head) && line.ends_with(tail)) << line;
  const std::string value = line.substr(head.size(), line.size() - head.size() - tail.size());
  EXPECT_EQ(value.find_first_of("\"<"), std::string::npos) << value;
  std::string decoded;
  for (std::size_t i = 0; i < value.size(); ++i) {
    bool named = false;
    for (const auto& [entity, c] : {std::pair{"&quot;", '"'}, {"&lt;", '<'}, {"&amp;", '&'}})
      if (value.compare(i, std::strlen(entity), entity) == 0) {
        decoded += c;
        i += std::strlen(entity) - 1;
        named = true;
        break;
      }
    if (named) continue;
    if (value[i] == '&') {  // any other & must be one no browser reads as a reference
      std::size_t j = i + 1;
      while (j < value.size() && std::isalnum(static_cast<unsigned char>(value[j]))) ++j;
      EXPECT_TRUE(j < value.size() && value[j] != '#' && (j == i + 1 || value[j] == '=')) << value;
    }
    decoded += value[i];
  }
  return Unescape(decoded);
}

// A single-quoted JavaScript string starting at text[at]; empty when it does not end cleanly.
std::optional<std::string> StringLiteral(const std::string& text, std::size_t& at) {
  if (at >= text.size() || text[at] != '\'') return std::nullopt;
  std::string out;
  for (++at; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '\'') return ++at, out;
    if (c == '\r' || c == '\n') return std::nullopt;
    if (c == '\\' && ++at < text.size()) out += text[at] == 'r' ? '\r' : text[at] == 'n' ? '\n' : text[at];
    else if (c != '\\') out += c;
  }
  return std::nullopt;
}

TEST(PreviewPageTest, OrdinaryNamesAndAddressesKeepTheirBytes) {
  for (const auto& [name, url] : {std::pair{"PopUp", "https://example.com/a%20b?x=1&y=2#top"},
                                  {"Funci\xF3n", "page.htm"},
                                  {"$w_1", "https://example.com/?q=a+b&utm_source=x&amp=3&=4&&"}}) {
    const std::string expected = std::string("<p><A href=\"javascript:") + name + "('" + url +
                                 "')\" alt=\"Latchy!\">click here to preview your PopUp</a></p>";
    EXPECT_EQ(PageLines(name, url).at(43), expected);
  }
}

// No name or address leaves the attribute or the string: the link calls one function, named as
// typed, with the address as typed.
TEST(PreviewPageTest, HostileNamesAndAddressesStayInsideTheLink) {
  const struct {
    const char* name;
    const char* url;
  } cases[] = {
      {"PopUp", "https://x.example/\"><script>alert(1)</script><a href=\""},
      {"PopUp", "https://example.com/o'brien"},
      {"PopUp", "x');alert(1);//"},
      {"PopUp", "x\\');alert(1);//"},
      {"PopUp", "x%27);alert(1);//"},
      {"PopUp", "x%5c%27);alert(1)//"},
      {"PopUp", "x&#39;);alert(1);//"},
      {"PopUp", "x&apos;);alert(1)//&#x27;"},
      {"PopUp", "line\r\nbreak');alert(1)//%0a%0D"},
      {"PopUp", "</a><img src=x onerror=alert(1)>&lt"},
      {"PopUp", "?a&amp_x&notin;&copy1&frac12"},
      {"x\" onclick=\"alert(1)", "page.htm"},
      {"x<!--<script>", "page.htm"},
      {"alert(1);PopUp", "page.htm"},
      {"x'] + alert(1) + window['", "a'b"},
      {"", "page.htm"},
  };
  for (const auto& c : cases) {
    const std::string script = LinkScript(PageLines(c.name, c.url).at(43));
    std::size_t at = 0;
    std::string callee;
    if (script.starts_with("window[")) {
      at = 7;
      const auto name = StringLiteral(script, at);
      ASSERT_TRUE(name && script.compare(at, 1, "]") == 0) << script;
      callee = *name;
      ++at;
    } else {
      at = script.find('(');
      callee = script.substr(0, at);
    }
    EXPECT_EQ(callee, c.name) << script;
    ASSERT_EQ(script.compare(at, 1, "("), 0) << script;
    ++at;
    const auto address = StringLiteral(script, at);
    ASSERT_TRUE(address) << script;
    EXPECT_EQ(*address, c.url) << script;
    EXPECT_EQ(script.substr(at), ")") << script;
  }
}

}  // namespace
