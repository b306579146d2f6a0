// What Generate shows and Save writes: the script Preview writes, the snippet, the advice, the
// page and the name Save suggests.
#include "core/GeneratedCode.h"

#include <gtest/gtest.h>

#include <cctype>

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

TEST(GeneratedCodeTest, TheScriptIsPreviewsBytesAndTheWindowShowsScriptSnippetAndAdvice) {
  for (const PopupSettings& s : {PopupSettings{}, Unusual()}) {
    GeneratedCode code(s, ActivationMethod::OnPageLoad, "https://www.skylatch.example");
    EXPECT_EQ(code.Script(), PreviewScript(s));
    EXPECT_EQ(code.CopyText(), code.Script() + "\r\n" + code.Snippet());
    std::string expected = code.CopyText() + "\r\n";
    for (const auto& line : code.Advice()) expected += GeneratedCode::Bullet(line.text);
    EXPECT_EQ(code.WindowText(), expected);
  }
  GeneratedCode code(PopupSettings{}, ActivationMethod::OnPageLoad, "https://www.skylatch.example");
  EXPECT_EQ(code.Snippet(),
            "<script src=\"PopUp.js\"></script>\r\n<body onload=\"PopUp('https://www.skylatch.example')\">\r\n");
  EXPECT_EQ(code.FileName(), "PopUp.js");
}

TEST(GeneratedCodeTest, AdviceItemsBreakAtSpacesToFitTheWindow) {
  EXPECT_EQ(GeneratedCode::Bullet("short one"), "* short one\r\n");
  EXPECT_EQ(GeneratedCode::Bullet("aaa bbb ccc ddd", 9), "* aaa bbb\r\n  ccc ddd\r\n");
  EXPECT_EQ(GeneratedCode::Bullet("aaa bbbbbbbbbbbb c", 9), "* aaa\r\n  bbbbbbbbbbbb\r\n  c\r\n");
  EXPECT_EQ(GeneratedCode::Bullet("", 9), "*\r\n");
  const std::string long_text(200, 'x');
  EXPECT_EQ(GeneratedCode::Bullet(long_text), "* " + long_text + "\r\n");
  for (const auto& line : GeneratedCode(PopupSettings{}, ActivationMethod::OnPageLoad, "a").Advice()) {
    const std::string item = GeneratedCode::Bullet(line.text);
    for (std::size_t start = 0, end; (end = item.find("\r\n", start)) != std::string::npos; start = end + 2)
      EXPECT_LE(end - start, GeneratedCode::kAdviceWidth) << item;
  }
}

TEST(GeneratedCodeTest, WithoutAdviceTheWindowShowsWhatCopyTakes) {
  PopupSettings s;
  s.location = true;
  GeneratedCode code(s, ActivationMethod::FromLink, "a.htm");
  EXPECT_TRUE(code.Advice().empty());
  EXPECT_EQ(code.WindowText(), code.CopyText());
}

TEST(GeneratedCodeTest, ThePageHoldsTheScriptInlineAndTheCallForTheMethod) {
  GeneratedCode code(PopupSettings{}, ActivationMethod::FromLink, "https://www.skylatch.example/a b.htm");
  const std::string expected =
      "<!DOCTYPE html>\r\n"
      "<html>\r\n"
      "<head>\r\n"
      "<meta charset=\"windows-1252\">\r\n"
      "<title>PopUp</title>\r\n"
      "<script>\r\n" +
      code.Script() +
      "</script>\r\n"
      "</head>\r\n"
      "<body>\r\n"
      "<p><a href=\"https://www.skylatch.example/a b.htm\" onclick=\"PopUp(this.href); return false;\">"
      "Open the pop-up</a></p>\r\n"
      "</body>\r\n"
      "</html>\r\n";
  EXPECT_EQ(code.Page(), expected);

  const std::string load = GeneratedCode(PopupSettings{}, ActivationMethod::OnPageLoad, "x.htm").Page();
  EXPECT_NE(load.find("</head>\r\n<body onload=\"PopUp('x.htm')\">\r\n<p>The pop-up opens when this page loads.</p>\r\n"
                      "</body>\r\n</html>\r\n"),
            std::string::npos);
  const std::string over = GeneratedCode(PopupSettings{}, ActivationMethod::OnMouseOver, "x.htm").Page();
  EXPECT_NE(over.find("<body>\r\n<p><a href=\"x.htm\" onmouseover=\"PopUp('x.htm')\">Open the pop-up</a></p>\r\n"),
            std::string::npos);
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
  EXPECT_EQ(lower.find("</script", open), page.find("</script>\r\n</head>"));
  EXPECT_NE(page.find("x<\\/SCRIPT><script>alert(1)//=window.open("), std::string::npos);
  EXPECT_EQ(SavedPage::InlineScript("x</Script y</scrip </script"), "x<\\/Script y</scrip <\\/script");
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
  EXPECT_EQ(SaveFileName::ForFunction("Funci\xF3n"), "Funci\xF3n.js");
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

}  // namespace
