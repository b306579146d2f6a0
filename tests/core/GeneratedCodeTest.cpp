// What Generate shows and Save writes: the script Preview writes, the snippet, the advice, the
// page and the name Save suggests.
#include "core/GeneratedCode.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>

#include "core/SaveFileName.h"
#include "core/SavedPage.h"
#include "tests/core/CollectingSink.h"

namespace {

using core::ActivationMethod;
using core::GeneratedCode;
using core::PopupSettings;
using core::SaveFileName;
using core::SavedPage;

std::string PreviewScript(const PopupSettings& s) {
  testing_support::CollectingSink sink;
  core::PopupScript::WriteTo(sink, s);
  return sink.bytes;
}

PopupSettings Unusual() {
  PopupSettings s;
  s.functionName = "Abrir";
  s.windowName = "it's";
  s.widthText = "640";
  s.fullScreen = true;
  s.resizable = true;
  return s;
}

TEST(GeneratedCodeTest, TheScriptIsPreviewsBytesAndTheSnippetLoadsTheFileSaved) {
  for (const PopupSettings& s : {PopupSettings{}, Unusual()})
    EXPECT_EQ(GeneratedCode(s, ActivationMethod::OnPageLoad, "a").Script(), PreviewScript(s));
  GeneratedCode code(PopupSettings{}, ActivationMethod::OnPageLoad, "https://www.skylatch.example");
  EXPECT_EQ(code.ScriptFile(), "PopUp.js");
  EXPECT_EQ(code.Snippet().substr(0, code.Snippet().find("\r\n")), "<script src=\"PopUp.js\"></script>");
  GeneratedCode saved(PopupSettings{}, ActivationMethod::OnPageLoad, "a", "my popup.js");
  EXPECT_EQ(saved.Snippet().substr(0, saved.Snippet().find("\r\n")), "<script src=\"my%20popup.js\"></script>");
  // A name beyond Windows-1252 goes into the UTF-8 script whole.
  PopupSettings s;
  s.functionName = "Funci\xC3\xB3n";
  s.windowName = "\xE6\x97\xA5";
  EXPECT_NE(GeneratedCode(s, ActivationMethod::FromLink, "a").Script().find(
                "function Funci\xC3\xB3n(url){\r\n\xE6\x97\xA5=window.open(url,'\xE6\x97\xA5',"),
            std::string::npos);
  EXPECT_EQ(core::PopupScript::InWindows1252(s).functionName, "Funci\xF3n");
  EXPECT_EQ(core::PopupScript::InWindows1252(s).windowName, "?");
}

TEST(GeneratedCodeTest, AdviceItemsBreakAtSpacesToFitTheField) {
  const std::string bullet = "\xE2\x80\xA2";
  EXPECT_EQ(GeneratedCode::Bullet("short one"), bullet + " short one\r\n");
  EXPECT_EQ(GeneratedCode::Bullet("aaa bbb ccc ddd", 9), bullet + " aaa bbb\r\n  ccc ddd\r\n");
  EXPECT_EQ(GeneratedCode::Bullet("aaa bbbbbbbbbbbb c", 9), bullet + " aaa\r\n  bbbbbbbbbbbb\r\n  c\r\n");
  // Characters count, not bytes.
  EXPECT_EQ(GeneratedCode::Bullet("\xC3\xBC\xC3\xBC\xC3\xBC b", 7), bullet + " \xC3\xBC\xC3\xBC\xC3\xBC b\r\n");
  EXPECT_EQ(GeneratedCode(PopupSettings{}, ActivationMethod::OnPageLoad, "a").AdviceText().substr(0, 3), bullet);
}

TEST(GeneratedCodeTest, ThePageIsUtf8AndCallsTheFunctionFromTheScriptsOwnScope) {
  GeneratedCode code(PopupSettings{}, ActivationMethod::FromLink, "https://www.skylatch.example/a b.htm");
  const std::string expected =
      "<!DOCTYPE html>\r\n"
      "<html>\r\n"
      "<head>\r\n"
      "<meta charset=\"utf-8\">\r\n"
      "<title>PopUp</title>\r\n"
      "</head>\r\n"
      "<body>\r\n"
      "<p>A click on the link opens the pop-up.</p>\r\n"
      "<p><a href=\"https://www.skylatch.example/a b.htm\" target=\"Skylatch\" id=\"popup\">Open the pop-up</a></p>\r\n"
      "<script>\r\n"
      "(function () {\r\n" +
      code.Script() +
      "document.getElementById('popup').addEventListener('click', function (e) { e.preventDefault(); "
      "PopUp(this.href); });\r\n"
      "})();\r\n"
      "</script>\r\n"
      "</body>\r\n"
      "</html>\r\n";
  EXPECT_EQ(code.Page(), expected);

  const std::string load = GeneratedCode(PopupSettings{}, ActivationMethod::OnPageLoad, "x.htm").Page();
  EXPECT_NE(load.find("window.addEventListener('load', function () { PopUp('x.htm'); });\r\n})();"), std::string::npos);
  EXPECT_EQ(load.find("<a "), std::string::npos);
  const std::string over = GeneratedCode(PopupSettings{}, ActivationMethod::OnMouseOver, "x.htm").Page();
  EXPECT_NE(over.find("addEventListener('mouseover', function () { PopUp('x.htm'); });"), std::string::npos);
  const std::string wide = GeneratedCode(PopupSettings{}, ActivationMethod::OnPageLoad, "/\xE6\x97\xA5").Page();
  EXPECT_NE(wide.find("PopUp('/%E6%97%A5');"), std::string::npos);
}

TEST(GeneratedCodeTest, NamesCannotEndThePagesScriptBlockOrTitle) {
  PopupSettings s;
  s.functionName = "a</title><b>";
  s.windowName = "x</SCRIPT><script>alert(1)//";
  const std::string page = GeneratedCode(s, ActivationMethod::FromLink, "p").Page();
  EXPECT_NE(page.find("<title>a&lt;/title&gt;&lt;b&gt;</title>"), std::string::npos);
  // Only </script, in any letter case, ends a script block.
  std::string lower = page;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto open = lower.find("<script>\r\n");
  ASSERT_NE(open, std::string::npos);
  EXPECT_EQ(lower.find("</script", open), page.find("</script>\r\n</body>"));
  EXPECT_NE(page.find("x<\\/SCRIPT><\\script>alert(1)//=window.open("), std::string::npos);
  EXPECT_EQ(SavedPage::InlineScript("x</Script y</scrip </script <SCRIPT <scrip"),
            "x<\\/Script y</scrip <\\/script <\\SCRIPT <scrip");
  // After "<!--", a "<script" would keep the block open past its end tag.
  s.functionName = "x<!--<script>";
  const std::string commented = GeneratedCode(s, ActivationMethod::FromLink, "p").Page();
  EXPECT_EQ(commented.find("<script", commented.find("<script>\r\n") + 1), std::string::npos);
}

// For every method and hostile name or address, the saved page has one script element, which
// ends at the page's own end tag, and no tag or attribute but its own.
TEST(GeneratedCodeTest, HostileNamesAndAddressesAddNoMarkupToTheSavedPage) {
  const std::pair<const char*, const char*> cases[] = {
      {"x<!--<script>", "p"},          {"x</script><script>", "p"},      {"x\" onclick=\"a()", "p"},
      {"<img src=x onerror=a()>", "p"}, {"PopUp", "x\"><script>a()</script>"}, {"PopUp", "x');a();//"},
      {"PopUp", "x%27);a()//"},         {"PopUp", "x&#39;);a()//"},       {"PopUp", "x\\');a()//"},
      {"PopUp", "a\r\nb</script>"},     {"x<!--", "<!--<script>"},        {"-->", "<SCRIPT >"},
  };
  for (const auto& [name, address] : cases) {
    for (int m = 0; m < 5; ++m) {
      PopupSettings s;
      s.functionName = name;
      s.windowName = name;
      const std::string page = GeneratedCode(s, static_cast<ActivationMethod>(m), address).Page();
      std::string lower = page;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      const auto open = lower.find("<script");
      ASSERT_NE(open, std::string::npos);
      EXPECT_EQ(lower.find("<script", open + 1), std::string::npos) << name << " " << address << " " << m;
      EXPECT_EQ(lower.find("</script"), page.rfind("</script>\r\n</body>")) << name << " " << address << " " << m;
      // Outside the script every tag is one of the page's own, and the link has only its own attributes.
      const std::string outside = lower.substr(0, open) + lower.substr(lower.rfind("</script>"));
      for (std::size_t at = outside.find('<'); at != std::string::npos; at = outside.find('<', at + 1)) {
        bool known = false;
        for (const char* tag : {"<!doctype html>", "<html>", "</html>", "<head>", "</head>", "<meta charset=\"utf-8\">",
                                "<title>", "</title>", "<body>", "</body>", "<p>", "</p>", "<a ", "</a>", "</script>"})
          known = known || outside.compare(at, std::strlen(tag), tag) == 0;
        EXPECT_TRUE(known) << outside.substr(at, 20) << " | " << name << " " << address << " " << m;
      }
      if (const auto a = outside.find("<a "); a != std::string::npos) {
        std::string tag = outside.substr(a + 3, outside.find('>', a) - a - 3);
        for (std::size_t q = tag.find('"'); q != std::string::npos; q = tag.find('"', q + 1)) {
          const std::size_t end = tag.find('"', q + 1);
          ASSERT_NE(end, std::string::npos) << tag;
          tag.erase(q + 1, end - q - 1);  // the values, which hold no quote
          q += 1;
        }
        EXPECT_TRUE(tag == "href=\"\" target=\"\" id=\"\"" || tag == "href=\"\" id=\"\"") << tag << " | " << name;
      }
    }
  }
}

TEST(GeneratedCodeTest, TheNameSaveSuggestsIsASafeWindowsFileName) {
  EXPECT_EQ(SaveFileName::ForFunction("PopUp"), "PopUp.js");
  EXPECT_EQ(SaveFileName::ForFunction("PopUp", ".htm"), "PopUp.htm");
  EXPECT_EQ(SaveFileName::ForFunction("a\\b/c:d*e?f\"g<h>i|j\tk"), "a_b_c_d_e_f_g_h_i_j_k.js");
  EXPECT_EQ(SaveFileName::ForFunction(" . name. "), "name.js");
  EXPECT_EQ(SaveFileName::ForFunction(""), "popup.js");
  EXPECT_EQ(SaveFileName::ForFunction("..."), "popup.js");
  EXPECT_EQ(SaveFileName::ForFunction("con"), "_con.js");
  EXPECT_EQ(SaveFileName::ForFunction("Lpt3"), "_Lpt3.js");
  EXPECT_EQ(SaveFileName::ForFunction("nul.x"), "_nul.x.js");
  EXPECT_EQ(SaveFileName::ForFunction("COM0"), "COM0.js");
  EXPECT_EQ(SaveFileName::ForFunction("console"), "console.js");
  EXPECT_EQ(SaveFileName::ForFunction("Funci\xC3\xB3n"), "Funci\xC3\xB3n.js");
}

TEST(GeneratedCodeTest, TheChosenNameDecidesWhatIsWritten) {
  using Kind = SaveFileName::Kind;
  EXPECT_EQ(SaveFileName::KindOf("C:\\w\\PopUp.js", 2), Kind::Script);
  EXPECT_EQ(SaveFileName::KindOf("C:\\w\\Page.HTM", 1), Kind::Page);
  EXPECT_EQ(SaveFileName::KindOf("C:\\w\\page.html", 1), Kind::Page);
  EXPECT_EQ(SaveFileName::KindOf("C:\\w.htm\\page", 1), Kind::Script);
  EXPECT_EQ(SaveFileName::KindOf("C:\\w.js\\page", 2), Kind::Page);
  EXPECT_EQ(SaveFileName::KindOf("page.txt", 2), Kind::Page);
}

TEST(GeneratedCodeTest, PickingAFileTypeChangesTheNamesExtensionToMatch) {
  const struct {
    const char* name;
    int type;
    const char* expected;
  } cases[] = {{"PopUp.js", 2, "PopUp.htm"}, {"PopUp.htm", 1, "PopUp.js"}, {"PopUp.HTML", 1, "PopUp.js"},
               {"PopUp", 2, "PopUp.htm"},    {"PopUp.txt", 2, "PopUp.txt"}, {"a.b.js", 2, "a.b.htm"}};
  for (const auto& c : cases) EXPECT_EQ(SaveFileName::WithTypeExtension(c.name, c.type), c.expected) << c.name;
}

}  // namespace
