#include "core/PreviewPage.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
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
            "<p><A href=\"javascript:('')\" alt=\"Latchy!\">click here to preview your PopUp</a></p>");
}

TEST(PreviewPageTest, AddressGoesInUnescaped) {
  const std::vector<std::string> lines = PageLines("Show", "it's.htm?a=1&b=\"2\"");
  EXPECT_EQ(lines.at(43),
            "<p><A href=\"javascript:Show('it's.htm?a=1&b=\"2\"')\" alt=\"Latchy!\">"
            "click here to preview your PopUp</a></p>");
  EXPECT_EQ(lines.size(), 45u);
}

}  // namespace
