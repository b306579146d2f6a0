#include "core/DefinitionStream.h"

#include <gtest/gtest.h>

#include <string>

#include "core/DefinitionCompiler.h"
#include "core/StreamError.h"
#include "tools/defc/PublishedClasses.h"

namespace core {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string ReadError(const Bytes& data) {
  try {
    DefinitionStream::Read(data);
  } catch (const StreamError& e) {
    return e.what();
  }
  return "(no error)";
}

ComponentDef EveryValueType() {
  ComponentDef root{"TForm1", "Form1", {}, {}};
  root.properties = {
      {"Int", PropertyValue::Int(-2147483647 - 1)},
      {"Ident", PropertyValue::Identifier("poScreenCenter")},
      {"No", PropertyValue::Bool(false)},
      {"Yes", PropertyValue::Bool(true)},
      {"Raw", PropertyValue::Raw({0, 1, 2, 255})},
      {"EmptySet", PropertyValue::SetOf({})},
      {"Set", PropertyValue::SetOf({"fsBold", "fsUnderline"})},
      {"Str", PropertyValue::Str(std::string("a\0b\xF3", 4))},
      {"List", PropertyValue::List({"One", "", "Three"})},
  };
  ComponentDef box{"TFlatGroupBox", "Box", {{"Caption", PropertyValue::Str("Name")}}, {}};
  box.children.push_back({"TLabel", "Label1", {}, {}});
  root.children.push_back(box);
  root.children.push_back({"TMainMenu", "", {}, {}});
  return root;
}

// A window as the generator's would be stored: text compiled through the real pipeline.
Bytes RealDefinition() {
  const char* text = R"(object Form1: TForm1
  Left = 200
  Top = 150
  BorderIcons = [biSystemMenu, biMinimize]
  BorderStyle = bsSingle
  ClientHeight = 227
  ClientWidth = 400
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu1
  Position = poScreenCenter
  OnActivate = FormActivate
  object FlatGroupBox1: TFlatGroupBox
    Left = 8
    Top = 0
    Width = 190
    Height = 81
    Caption = 'Name'
    TabOrder = 0
    object FlatEdit1: TFlatEdit
      Left = 88
      Top = 16
      Width = 89
      Height = 19
      ColorFlat = clBtnFace
      MaxLength = 25
      ParentColor = True
      Text = 'PopUp'
    end
  end
  object event: TFlatComboBox
    Left = 136
    Top = 61
    Width = 100
    Height = 21
    Style = csDropDownList
    Color = clWindow
    ItemHeight = 13
    Items.Strings = (
      'On Page Load'
      'On Page Unload'
      'From link')
    ItemIndex = -1
  end
  object Image1: TImage
    Left = 3
    Top = 159
    Width = 142
    Height = 26
    Picture.Data = file 'logo.bmp'
    Stretch = True
  end
  object MainMenu1: TMainMenu
    object Salir1: TMenuItem
      Caption = 'Exit'
      OnClick = Salir1Click
    end
  end
end
)";
  DefinitionCompiler compiler(PublishedClasses(), [](const std::string&) { return Bytes{'B', 'M', 1, 2, 3, 4, 5, 6}; });
  return compiler.CompileText(text);
}

TEST(DefinitionStreamTest, EveryValueTypeSurvivesARoundTrip) {
  const ComponentDef root = EveryValueType();
  EXPECT_EQ(DefinitionStream::Read(DefinitionStream::Write(root)), root);
}

TEST(DefinitionStreamTest, WritesTheDocumentedLayout) {
  ComponentDef c{"TL", "L", {{"W", PropertyValue::Int(0x01020304)}, {"S", PropertyValue::Str("ab")},
                             {"B", PropertyValue::Bool(true)}, {"X", PropertyValue::SetOf({"a"})},
                             {"Z", PropertyValue::List({"q"})}}, {}};
  c.children.push_back({"TC", "", {}, {}});
  const Bytes expected = {'S', 'K', 'W', 'D', 1,
                          2, 'T', 'L', 1, 'L',
                          1, 'W', 0x02, 4, 3, 2, 1,
                          1, 'S', 0x0C, 2, 0, 0, 0, 'a', 'b',
                          1, 'B', 0x09,
                          1, 'X', 0x0B, 1, 1, 'a',
                          1, 'Z', 0x0E, 1, 0, 0, 0, 1, 0, 0, 0, 'q',
                          0,
                          2, 'T', 'C', 0, 0, 0,
                          0};
  EXPECT_EQ(DefinitionStream::Write(c), expected);
}

TEST(DefinitionStreamTest, WriterRefusesWhatCannotBeFramed) {
  ComponentDef noClass{"", "X", {}, {}};
  EXPECT_THROW(DefinitionStream::Write(noClass), std::invalid_argument);
  ComponentDef longName{"TLabel", std::string(256, 'n'), {}, {}};
  EXPECT_THROW(DefinitionStream::Write(longName), std::length_error);
  ComponentDef unnamedProperty{"TLabel", "L", {{"", PropertyValue::Int(1)}}, {}};
  EXPECT_THROW(DefinitionStream::Write(unnamedProperty), std::invalid_argument);
}

TEST(DefinitionStreamTest, EveryTruncationIsAStreamReadError) {
  const Bytes full = RealDefinition();
  ASSERT_NO_THROW(DefinitionStream::Read(full));
  for (std::size_t n = 0; n < full.size(); ++n) {
    // A copy of exactly n bytes, so the sanitizer sees any read beyond it.
    const Bytes prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    ASSERT_EQ(ReadError(prefix), "Stream read error") << "prefix of " << n << " bytes";
  }
}

TEST(DefinitionStreamTest, CorruptedBytesRaiseStreamErrorsOnly) {
  const Bytes full = RealDefinition();
  int rejected = 0;
  int accepted = 0;
  for (std::size_t i = 0; i < full.size(); ++i) {
    for (std::uint8_t value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
      Bytes damaged = full;
      damaged[i] = value;
      try {
        DefinitionStream::Read(damaged);
        ++accepted;
      } catch (const StreamError&) {
        ++rejected;
      }
    }
  }
  // Damage inside strings and picture bytes still reads; damage to the framing must not.
  EXPECT_GT(accepted, 0);
  EXPECT_GT(rejected, 0);
}

TEST(DefinitionStreamTest, RejectsWhatIsNotADefinition) {
  EXPECT_EQ(ReadError({'S', 'K', 'W', 'X', 1, 1, 'T', 0, 0, 0, 0}), "Not a window definition");
  EXPECT_EQ(ReadError({'S', 'K', 'W', 'D', 2, 1, 'T', 0, 0, 0, 0}), "Not a window definition");
  EXPECT_EQ(ReadError({'S', 'K', 'W', 'D', 1, 0, 0, 0, 0, 0}), "Component without a class name");
}

TEST(DefinitionStreamTest, UnknownValueTypeNamesTheByteAndProperty) {
  const Bytes data = {'S', 'K', 'W', 'D', 1, 1, 'T', 2, 'L', '1', 4, 'L', 'e', 'f', 't', 0x1F, 0, 0};
  EXPECT_EQ(ReadError(data), "Invalid value type $1F of property L1.Left");
}

TEST(DefinitionStreamTest, RejectsNegativeAndOversizedLengths) {
  const Bytes negative = {'S', 'K', 'W', 'D', 1, 1, 'T', 0, 1, 'S', 0x0C, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};
  EXPECT_EQ(ReadError(negative), "Invalid length -1 in property .S");
  const Bytes huge = {'S', 'K', 'W', 'D', 1, 1, 'T', 0, 1, 'B', 0x0A, 0, 0, 0, 0x7F, 0, 0};
  EXPECT_EQ(ReadError(huge), "Invalid length 2130706432 in property .B");
  const Bytes hugeList = {'S', 'K', 'W', 'D', 1, 1, 'T', 0, 1, 'L', 0x0E, 0, 0, 0, 0x40, 0, 0};
  EXPECT_EQ(ReadError(hugeList), "Invalid length 1073741824 in property .L");
  // A list that claims many entries but stops: the stream simply ends early.
  const Bytes shortList = {'S', 'K', 'W', 'D', 1, 1, 'T', 0, 1, 'L', 0x0E, 0, 0, 0, 1};
  EXPECT_EQ(ReadError(shortList), "Stream read error");
}

TEST(DefinitionStreamTest, RejectsBytesAfterTheRoot) {
  Bytes data = DefinitionStream::Write({"TForm1", "Form1", {}, {}});
  data.push_back(0);
  EXPECT_EQ(ReadError(data), "Unexpected data after the end of the window definition");
}

ComponentDef Chain(int depth) {
  ComponentDef c{"TFlatGroupBox", "Box" + std::to_string(depth), {}, {}};
  if (depth > 1) c.children.push_back(Chain(depth - 1));
  return c;
}

TEST(DefinitionStreamTest, BoundsTheNesting) {
  const ComponentDef deepest = Chain(DefinitionStream::kMaxDepth);
  EXPECT_EQ(DefinitionStream::Read(DefinitionStream::Write(deepest)), deepest);
  EXPECT_EQ(ReadError(DefinitionStream::Write(Chain(DefinitionStream::kMaxDepth + 1))),
            "Window definition nested too deeply");
  // Thousands of nested openings without their ends must not exhaust the stack.
  Bytes bomb = {'S', 'K', 'W', 'D', 1};
  for (int i = 0; i < 100000; ++i) bomb.insert(bomb.end(), {1, 'T', 0, 0});
  EXPECT_EQ(ReadError(bomb), "Window definition nested too deeply");
}

}  // namespace
}  // namespace core
