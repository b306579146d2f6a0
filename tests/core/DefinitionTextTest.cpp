#include "core/DefinitionText.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "core/DefinitionStream.h"

namespace core {
namespace {

using Bytes = std::vector<std::uint8_t>;

DefinitionText::FileReader NoFiles() {
  return [](const std::string& name) -> Bytes { throw std::runtime_error("no such file: " + name); };
}

ComponentDef Parse(std::string_view text) { return DefinitionText::Parse(text, NoFiles()); }

// The line and message of the error a text raises.
std::pair<int, std::string> ErrorOf(std::string_view text) {
  try {
    Parse(text);
  } catch (const DefinitionTextError& e) {
    return {e.line(), e.what()};
  }
  return {0, "(no error)"};
}

PropertyValue Only(std::string_view valueText) {
  const ComponentDef c = Parse("object A: TLabel\n  P = " + std::string(valueText) + "\nend\n");
  EXPECT_EQ(c.properties.size(), 1u);
  return c.properties.at(0).second;
}

TEST(DefinitionTextTest, ParsesObjectsPropertiesAndChildren) {
  const ComponentDef root = Parse(R"(// the About window
object Form3: TForm3

  Caption = 'About'
  object Box: TFlatGroupBox
    object Inner: TLabel
    end
  end
  Visible = True
  object MainMenu1: TMainMenu
  end
end
)");
  EXPECT_EQ(root.className, "TForm3");
  EXPECT_EQ(root.name, "Form3");
  ASSERT_EQ(root.properties.size(), 2u);
  EXPECT_EQ(root.properties[0].first, "Caption");
  EXPECT_EQ(root.properties[1].first, "Visible");
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].children.at(0).name, "Inner");
  EXPECT_EQ(root.children[1].className, "TMainMenu");
  EXPECT_EQ(Parse("\xEF\xBB\xBFobject A: TLabel\r\n  Left = 1\r\nend\r\n").properties.size(), 1u);
}

TEST(DefinitionTextTest, ReadsEveryKindOfValue) {
  EXPECT_EQ(Only("400"), PropertyValue::Int(400));
  EXPECT_EQ(Only("-11"), PropertyValue::Int(-11));
  EXPECT_EQ(Only("$00E1EAEB"), PropertyValue::Int(0x00E1EAEB));
  EXPECT_EQ(Only("$8000000F"), PropertyValue::Int(static_cast<std::int32_t>(0x8000000Fu)));
  EXPECT_EQ(Only("-2147483648"), PropertyValue::Int(-2147483647 - 1));
  EXPECT_EQ(Only("True"), PropertyValue::Bool(true));
  EXPECT_EQ(Only("False"), PropertyValue::Bool(false));
  EXPECT_EQ(Only("csDropDownList"), PropertyValue::Identifier("csDropDownList"));
  EXPECT_EQ(Only("[fsBold, fsItalic]"), PropertyValue::SetOf({"fsBold", "fsItalic"}));
  EXPECT_EQ(Only("[]"), PropertyValue::SetOf({}));
  EXPECT_EQ(Only("()"), PropertyValue::List({}));
  EXPECT_EQ(Only("'Skylatch!'"), PropertyValue::Str("Skylatch!"));
}

TEST(DefinitionTextTest, StringsJoinQuotesCharCodesAndContinuations) {
  EXPECT_EQ(Only("'it''s'"), PropertyValue::Str("it's"));
  EXPECT_EQ(Only("''''"), PropertyValue::Str("'"));
  EXPECT_EQ(Only("''"), PropertyValue::Str(""));
  EXPECT_EQ(Only("'abc'#13#10'def'"), PropertyValue::Str("abc\r\ndef"));
  EXPECT_EQ(Only("#65#$42'c'"), PropertyValue::Str("ABc"));
  EXPECT_EQ(Only("#0"), PropertyValue::Str(std::string(1, '\0')));
  EXPECT_EQ(Only("'first ' +\n    'second'"), PropertyValue::Str("first second"));
  EXPECT_EQ(Only("'a // not a comment'"), PropertyValue::Str("a // not a comment"));
}

TEST(DefinitionTextTest, StringListsMaySpanLines) {
  EXPECT_EQ(Only("(\n    'On Page Load'\n    'On'#39's' + ' more'\n\n    'From link')"),
            PropertyValue::List({"On Page Load", "On's more", "From link"}));
}

TEST(DefinitionTextTest, ConvertsUtf8ToWindows1252) {
  EXPECT_EQ(Only("'Informaci\xC3\xB3n'").text, "Informaci\xF3n");
  EXPECT_EQ(Only("'\xE2\x82\xAC \xC2\xA9 \xE2\x80\x9Cq\xE2\x80\x9D'").text, "\x80 \xA9 \x93q\x94");
  // Char codes are Windows-1252 bytes already.
  EXPECT_EQ(Only("#243").text, "\xF3");
}

TEST(DefinitionTextTest, RejectsCharactersWindows1252CannotHold) {
  const auto [line, message] = ErrorOf("object A: TLabel\n  Caption = 'ok'\n  Hint = 'x\xC4\x80y'\nend\n");
  EXPECT_EQ(line, 3);
  EXPECT_NE(message.find("U+0100"), std::string::npos) << message;
  EXPECT_EQ(ErrorOf("object A: TLabel\n  P = '\xC2\x80'\nend").first, 2);       // C1 control
  EXPECT_EQ(ErrorOf("object A: TLabel\n  P = '\xC0\xAF'\nend").first, 2);       // overlong
  EXPECT_EQ(ErrorOf("object A: TLabel\n  P = '\xE2\x82'\nend").first, 2);       // cut short
  EXPECT_EQ(ErrorOf("object A: TLabel\n  P = '\xF0\x9F\x98\x80'\nend").first, 2);  // emoji
}

TEST(DefinitionTextTest, ReadsFilesThroughTheReader) {
  std::map<std::string, Bytes> files = {{"logo.bmp", {'B', 'M', 0, 255}}};
  const ComponentDef c = DefinitionText::Parse(
      "object I: TImage\n  Picture.Data = file 'logo.bmp'\nend",
      [&files](const std::string& name) { return files.at(name); });
  EXPECT_EQ(c.properties.at(0).second, PropertyValue::Raw({'B', 'M', 0, 255}));

  const auto [line, message] = ErrorOf("object I: TImage\n\n  Picture.Data = file 'gone.bmp'\nend");
  EXPECT_EQ(line, 3);
  EXPECT_NE(message.find("gone.bmp"), std::string::npos) << message;
}

TEST(DefinitionTextTest, ErrorsCarryTheLine) {
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Caption = 'open\nend"),
            std::make_pair(2, std::string("line 2: unterminated string")));
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left 8\nend"),
            std::make_pair(2, std::string("line 2: '=' expected but a number found")));
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left = 8\n"),
            std::make_pair(3, std::string("line 3: 'end' missing for A")));
  EXPECT_EQ(ErrorOf("object A TLabel\nend"),
            std::make_pair(1, std::string("line 1: ':' expected but 'TLabel' found")));
  EXPECT_EQ(ErrorOf("object A: TLabel\nend\nend"),
            std::make_pair(3, std::string("line 3: text after the final 'end'")));
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left = 1\n  Left = 2\nend").first, 3);
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left = 99999999999\nend").first, 2);
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left = $100000000\nend").first, 2);
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left = 2147483648\nend").first, 2);
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left = 12ab\nend").first, 2);
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Caption = #256\nend").first, 2);
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Items = ('a' 5)\nend").first, 2);
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Font.Style = [fsBold,]\nend").first, 2);
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Font. = 1\nend").first, 2);
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left = ?\nend").first, 2);
  EXPECT_EQ(ErrorOf("").first, 1);
}

std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "object B" + std::to_string(i) + ": TFlatGroupBox\n";
  for (int i = 0; i < depth; ++i) text += "end\n";
  return text;
}

TEST(DefinitionTextTest, NestsAsDeepAsTheProgramReadsAndNoDeeper) {
  const int limit = DefinitionStream::kMaxDepth;
  EXPECT_NO_THROW(Parse(Nested(limit)));
  EXPECT_EQ(ErrorOf(Nested(limit + 1)),
            std::make_pair(limit + 1, "line " + std::to_string(limit + 1) + ": objects nested more than 32 deep"));
  // Far deeper nesting, closed or not, ends in the same message instead of exhausting the stack.
  EXPECT_EQ(ErrorOf(Nested(100000)).first, limit + 1);
  std::string unclosed;
  for (int i = 0; i < 100000; ++i) unclosed += "object B: TFlatGroupBox\n";
  EXPECT_EQ(ErrorOf(unclosed).first, limit + 1);
}

TEST(DefinitionTextTest, SaysWhatIsWrongWithAFileThatIsNotUtf8Text) {
  const std::string utf16 = "the file is UTF-16; save it as UTF-8";
  const std::string le("\xFF\xFEo\0b\0j\0", 8), be("\xFE\xFF\0o\0b", 7), bare("o\0b\0j\0", 6);
  for (const std::string& text : {le, be, bare, std::string("\0o\0b", 4)})
    EXPECT_EQ(ErrorOf(text), std::make_pair(0, utf16)) << text.size();
  EXPECT_EQ(ErrorOf(std::string("object A: TLabel\n  Caption = 'a\0b'\nend\n", 37)),
            std::make_pair(2, std::string("line 2: a NUL byte; the file is not text")));
  EXPECT_EQ(ErrorOf("object A: TLabel\r  Left = 1\rend\r"),
            std::make_pair(1, std::string("line 1: line ends must be LF or CR LF")));
  EXPECT_EQ(ErrorOf("object A: TLabel\r\n  Left = 1\r\nend\r"),
            std::make_pair(3, std::string("line 3: line ends must be LF or CR LF")));
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left = \x01\nend\n"),
            std::make_pair(2, std::string("line 2: unexpected character $01")));
  EXPECT_EQ(ErrorOf("object A: TLabel\n  Left = \xFF\nend\n").second, "line 2: unexpected character $FF");
}

TEST(DefinitionTextTest, RefusesAStringAsSoonAsItPassesTheLongestADefinitionHolds) {
  const auto limit = static_cast<std::size_t>(DefinitionStream::kMaxLength);
  const std::string tooLong =
      "string longer than " + std::to_string(limit) + " bytes, the most a window definition holds";
  const std::string head = "object A: TLabel\n  Caption = '";
  std::string text = head + std::string(limit, 'x') + "'\nend\n";
  EXPECT_EQ(Parse(text).properties.at(0).second.text.size(), limit);
  // One more byte, given as a char code, a doubled quote or a '+' continuation, is refused.
  text.insert(head.size() + limit + 1, "#65");
  EXPECT_EQ(ErrorOf(text).second, "line 2: " + tooLong);
  text.replace(head.size() + limit + 1, 3, "''");
  EXPECT_EQ(ErrorOf(text).second, "line 2: " + tooLong);
  text.replace(head.size() + limit + 1, 2, " +\n  'y'");
  EXPECT_EQ(ErrorOf(text), std::make_pair(3, "line 3: " + tooLong));
}

TEST(DefinitionTextTest, ParsesLoneValuesForDeclaredDefaults) {
  EXPECT_EQ(DefinitionText::ParseValue("[biSystemMenu,biMinimize]"),
            PropertyValue::SetOf({"biSystemMenu", "biMinimize"}));
  EXPECT_EQ(DefinitionText::ParseValue("'PopUp'"), PropertyValue::Str("PopUp"));
  EXPECT_THROW(DefinitionText::ParseValue("file 'x'"), DefinitionTextError);
  EXPECT_THROW(DefinitionText::ParseValue("1 2"), DefinitionTextError);
}

}  // namespace
}  // namespace core
