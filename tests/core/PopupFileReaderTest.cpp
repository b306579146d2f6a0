// Open: a file Save wrote gives the same form back; pages written by hand give their first call.
#include "core/PopupFileReader.h"

#include <gtest/gtest.h>

#include <random>

#include "core/GeneratedCode.h"
#include "core/PreviewPage.h"
#include "core/SpinValue.h"
#include "core/StringSink.h"
#include "core/WebEscape.h"
#include "core/Windows1252.h"

namespace {

using core::ActivationMethod;
using core::GeneratedCode;
using core::PopupFileReader;
using core::PopupSettings;

struct Form {
  PopupSettings settings;
  ActivationMethod method = ActivationMethod::OnPageLoad;
  std::string address = "https://www.skylatch.example";
};

// Preview's two files and everything Generate shows and Save writes.
std::string Outputs(const Form& f) {
  const PopupSettings preview = core::PopupScript::InWindows1252(f.settings);
  core::StringSink sink;
  core::PopupScript::WriteTo(sink, preview);
  core::PreviewPage::WriteTo(sink, preview.functionName,
                             core::Windows1252::FromUtf8(core::WebEscape::Address(f.address)));
  const GeneratedCode code(f.settings, f.method, f.address, "saved.js");
  return sink.bytes + code.Script() + code.Snippet() + code.AdviceText() + code.Page();
}

// The form after Open: what the file says, the rest as it was.
Form Opened(const Form& before, const PopupFileReader::Result& r) {
  return {r.settings, r.method.value_or(before.method), r.address.value_or(before.address)};
}

std::string Pick(std::mt19937& random, const std::vector<std::string>& pieces, int most) {
  std::string text;
  for (int n = std::uniform_int_distribution<int>(0, most)(random); n > 0; --n)
    text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
  return text;
}

TEST(PopupFileReaderTest, SavingAndOpeningGivesTheSamePreviewAndGenerateForRandomSettings) {
  const std::vector<std::string> name = {"a", "Z", "_", "$", "7", "'", "\"", " ", "\xC3\xA9", "\xE6\x97\xA5",
                                         "\xD0\x96", "\xF0\x9D\x84\x9E", "<", "/", "(", ")", "{", ",", "=", "\\",
                                         "&", "%", "window.open(", "</script>", "(url){", "',"};
  const std::vector<std::string> number = {"0", "1", "9", "-", "+", ".", ","};
  const std::vector<std::string> address = {"http://x.example/", "a", "&", "'", "\"", "%", "%41", "%C3%A9", "?q=1",
                                            "\xC3\xA9", "\xE6\x97\xA5", "\xF0\x9F\x98\x80", " ", "<", "\\", "#"};
  std::mt19937 random(20231);
  for (int round = 0; round < 3000; ++round) {
    Form form;
    PopupSettings& s = form.settings;
    s.functionName = Pick(random, name, 6);
    s.windowName = Pick(random, name, 6);
    // What may be typed, as the window hands it on: a whole number as typed, anything else as its value.
    for (std::string* text : {&s.widthText, &s.heightText, &s.leftText, &s.topText})
      *text = core::SpinValue::WrittenText(Pick(random, number, 4), 0);
    const unsigned bars = random();
    bool* flags[] = {&s.fullScreen, &s.toolbar, &s.status, &s.menubar,
                     &s.location, &s.directories, &s.resizable, &s.scrollbars};
    for (int b = 0; b < 8; ++b) *flags[b] = (bars >> b) & 1;
    form.method = core::ActivationMethodAt(round % 5);
    form.address = Pick(random, address, 5);
    const GeneratedCode code(s, form.method, form.address);
    // Opened into a window that holds other values, so nothing is right by chance.
    Form other;
    other.address = "elsewhere";
    other.method = core::ActivationMethodAt((round + 2) % 5);
    for (const bool page : {false, true}) {
      SCOPED_TRACE(testing::Message() << "round " << round << (page ? " page" : " script") << ": " << code.Page());
      const auto result = PopupFileReader::Read(page ? code.Page() : code.Script());
      const Form opened = Opened(page ? other : form, result);
      EXPECT_EQ(Outputs(opened), Outputs(form));
      EXPECT_EQ(result.furtherCalls, 0u);
      EXPECT_EQ(result.savedScript, !page);
      EXPECT_EQ(PopupFileReader::Problems(result, {}), std::vector<std::string>{});
    }
  }
}

TEST(PopupFileReaderTest, PreviewsOwnScriptInWindows1252ReadsBack) {
  PopupSettings s;
  s.functionName = "Abr\xC3\xAD";  // Abrí
  s.windowName = "caf\xC3\xA9";
  s.fullScreen = true;
  core::StringSink sink;
  core::PopupScript::WriteTo(sink, core::PopupScript::InWindows1252(s));
  const auto result = PopupFileReader::Read(sink.bytes);
  EXPECT_EQ(result.settings.functionName, s.functionName);
  EXPECT_EQ(result.settings.windowName, s.windowName);
  EXPECT_TRUE(result.settings.fullScreen);
  EXPECT_FALSE(result.savedScript);
}

TEST(PopupFileReaderTest, CallsWrittenByHandGiveTheirSettings) {
  using M = ActivationMethod;
  struct Case {
    std::string file;
    std::string function, window, width, height, left, top;
    unsigned bars;  // fullscreen toolbar status menubar location directories resizable scrollbars, low bit first
    std::optional<M> method;
    std::optional<std::string> address;
    std::size_t further;
  };
  const PopupSettings d;
  const Case cases[] = {
      {"<a href=\"#\" onclick=\"window.open('x.htm', 'w', 'width=500,height=400,scrollbars=yes'); return false;\">",
       d.functionName, "w", "500", "400", d.leftText, d.topText, 0x80, M::FromLink, "x.htm", 0},
      {"<script>\nfunction show(u) { window.open(u,'_blank','noopener'); }\n</script>\n"
       "<body onload=\"show('https://a.example/?a=1&b=2')\">",
       "show", "_blank", d.widthText, d.heightText, d.leftText, d.topText, 0, M::OnPageLoad,
       "https://a.example/?a=1&b=2", 0},
      {"function Abrir(url) {\n  var w = window.open(url, \"pop\",\n    \"width=640,height=480,\" +\n"
       "    \"left=10,top=20,resizable\");\n}\n<a href=\"p.htm\" onmouseover=\"Abrir('p.htm')\">p</a>",
       "Abrir", "pop", "640", "480", "10", "20", 0x40, M::OnMouseOver, "p.htm", 0},
      {"window.open(\"a.htm\", \"x\", \"popup\")", d.functionName, "x", d.widthText, d.heightText, d.leftText,
       d.topText, 0, std::nullopt, "a.htm", 0},
      {"window.open('a','b','screenX=5, screenY = 6, innerWidth=7,innerHeight=8, toolbar=1, status=0, menubar, "
       "location=true, directories=no, fullscreen=yes');\nwindow.open('c');\nwindow.open(d, e);",
       d.functionName, "b", "7", "8", "5", "6", 0x1B, std::nullopt, "a", 1},
      {"<script>\nfunction go(url){ window.open(url, 'g', 'width=abc'); }\n"
       "document.getElementById('l').addEventListener('mouseout', function () { go(\"o\\u00e9.htm\"); });\n</script>",
       "go", "g", "abc", d.heightText, d.leftText, d.topText, 0, M::OnMouseOut, "o\xC3\xA9.htm", 0},
      {"<a href=\"q.htm?a=1&amp;b=%E6%97%A5\" onclick=\"window.hop(this.href); return false;\">q</a>"
       "<script>function hop(url){window.open(url,'h','menubar=no,width=1')}</script>",
       "hop", "h", "1", d.heightText, d.leftText, d.topText, 0, M::FromLink, "q.htm?a=1&b=\xE6\x97\xA5", 0},
      {"window.addEventListener('pagehide', function () { window.open('bye.htm'); });", d.functionName,
       d.windowName, d.widthText, d.heightText, d.leftText, d.topText, 0, M::OnPageUnload, "bye.htm", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const auto r = PopupFileReader::Read(c.file);
    const PopupSettings& s = r.settings;
    EXPECT_EQ(s.functionName, c.function);
    EXPECT_EQ(s.windowName, c.window);
    EXPECT_EQ((std::vector<std::string>{s.widthText, s.heightText, s.leftText, s.topText}),
              (std::vector<std::string>{c.width, c.height, c.left, c.top}));
    const bool bars[] = {s.fullScreen, s.toolbar,     s.status,    s.menubar,
                         s.location,   s.directories, s.resizable, s.scrollbars};
    for (int b = 0; b < 8; ++b) EXPECT_EQ(bars[b], ((c.bars >> b) & 1) != 0) << "bar " << b;
    EXPECT_EQ(r.method, c.method);
    EXPECT_EQ(r.address, c.address);
    EXPECT_EQ(r.furtherCalls, c.further);
  }
}

TEST(PopupFileReaderTest, BadFilesAreRefusedWithTheReason) {
  const struct {
    std::string bytes;
    std::string reason;
  } cases[] = {
      {"", "is empty"},
      {"\xEF\xBB\xBF", "is empty"},
      {"<html><body>No pop-up here, only window.opener and open(x).</body></html>", "holds no window.open call"},
      {"window.open(url, name)", "holds no window.open call"},
      {"window.open('a', 'b", "holds no window.open call"},
      {std::string("GIF89a\0\x01window.open('a')", 24), "holds binary data, not text"},
      {"\xFF\xFEw\0i\0", "is in an encoding that is neither UTF-8 nor Windows-1252"},
      {"window.open('caf\xE9\x81')", "is in an encoding that is neither UTF-8 nor Windows-1252"},
      {std::string(PopupFileReader::kMaxBytes + 1, ' '), "is larger than 16 MB"},
  };
  for (const auto& c : cases) {
    try {
      PopupFileReader::Read(c.bytes);
      ADD_FAILURE() << c.bytes.substr(0, 40) << " was read";
    } catch (const PopupFileReader::Unreadable& e) {
      EXPECT_EQ(e.what(), c.reason) << c.bytes.substr(0, 40);
    }
  }
}

TEST(PopupFileReaderTest, ValuesTheWindowCannotShowAreNamed) {
  PopupFileReader::Result r;
  r.settings.functionName = std::string(26, 'f');
  r.settings.widthText = "abc";
  r.settings.topText = "50%";
  r.settings.heightText = "250.7";
  r.settings.leftText = "-007";
  r.settings.windowName = "two\nlines";
  const auto problems = PopupFileReader::Problems(r, {25, 0, 0, 0});
  EXPECT_EQ(problems, (std::vector<std::string>{
                          "the function name \"" + std::string(26, 'f') +
                              "\" is longer than the 25 characters its field holds",
                          "the window name \"two\nlines\" holds a line break or control character, which its field "
                          "cannot show",
                          "\"abc\" for width= is no number the box beside \"Width:\" can show",
                          "\"250.7\" for height= is not a whole number, the only kind the box beside \"Height:\" "
                          "writes into a script",
                          "\"50%\" for top= is no number the box beside \"Top:\" can show"}));
  r.settings = PopupSettings{};
  r.settings.functionName = "\xF0\x9D\x84\x9E\xF0\x9D\x84\x9E";  // two characters, four UTF-16 units
  EXPECT_EQ(PopupFileReader::Problems(r, {4, 0, 0, 0}).size(), 0u);
  EXPECT_EQ(PopupFileReader::Problems(r, {3, 0, 0, 0}).size(), 1u);
}

}  // namespace
