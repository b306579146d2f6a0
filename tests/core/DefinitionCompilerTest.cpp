#include "core/DefinitionCompiler.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "core/DefinitionStream.h"
#include "tools/defc/PublishedClasses.h"

namespace core {
namespace {

using Bytes = std::vector<std::uint8_t>;

class DefinitionCompilerTest : public ::testing::Test {
 protected:
  std::map<std::string, Bytes> files{{"endu.js", {'v', 'a', 'r'}}};
  DefinitionCompiler compiler{PublishedClasses(), [this](const std::string& name) {
    auto it = files.find(name);
    if (it == files.end()) throw std::runtime_error("no file " + name);
    return it->second;
  }};

  void TearDown() override { DefinitionCompiler::FileDataHook() = nullptr; }

  ComponentDef Compile(std::string_view text) const {
    return compiler.Compile(DefinitionText::Parse(text, [](const std::string&) { return Bytes{}; }));
  }

  std::string ErrorOf(std::string_view text) const {
    try {
      Compile(text);
    } catch (const std::runtime_error& e) {
      return e.what();
    }
    return "(no error)";
  }

  static std::vector<std::string> Names(const ComponentDef& c) {
    std::vector<std::string> names;
    for (const auto& p : c.properties) names.push_back(p.first);
    return names;
  }
};

TEST_F(DefinitionCompilerTest, DropsDefaultsAndRestoresPublishingOrder) {
  const ComponentDef c = Compile(R"(object Label9: TLabel
  Visible = True
  Caption = 'Activation method:'
  Top = 64
  AutoSize = True
  Alignment = taLeftJustify
  WordWrap = True
  Left = 48
  Layout = tlTop
end)");
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Left", "Top", "Caption", "WordWrap"}));
  EXPECT_EQ(*c.Find("WordWrap"), PropertyValue::Bool(true));
}

TEST_F(DefinitionCompilerTest, TurnsColourNamesIntoNumbers) {
  const ComponentDef c = Compile(R"(object Url: TFlatEdit
  ColorFlat = clBtnFace
  ColorFocused = $00FFFFFF
  ColorBorder = clBlack
  Font.Color = clWindowText
end)");
  EXPECT_EQ(*c.Find("ColorFlat"), PropertyValue::Int(static_cast<std::int32_t>(0x8000000Fu)));
  EXPECT_EQ(c.Find("ColorFocused"), nullptr) << "equal to the declared $00FFFFFF";
  EXPECT_EQ(*c.Find("ColorBorder"), PropertyValue::Int(0));
  EXPECT_EQ(*c.Find("Font.Color"), PropertyValue::Int(static_cast<std::int32_t>(0x80000008u)));
  // A default written as a colour name is matched by value too.
  EXPECT_EQ(Compile("object P: TProLabel\n  ShadowColor = $80000010\nend").properties.size(), 0u);
  EXPECT_EQ(ErrorOf("object U: TFlatEdit\n  ColorFlat = clPink\nend"), "U.ColorFlat: unknown colour 'clPink'");
}

TEST_F(DefinitionCompilerTest, KeepsValuesWithoutDeclaredDefaults) {
  const ComponentDef c = Compile(R"(object event: TFlatComboBox
  Left = 0
  Top = 0
  ItemIndex = -1
  Items.Strings = ()
  ItemHeight = 13
  Text = ''
  Font.Style = []
  Font.Name = ''
end)");
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Left", "Top", "Font.Style", "ItemHeight", "Items.Strings",
                                                "ItemIndex"}));
}

TEST_F(DefinitionCompilerTest, NamesTheComponentInEveryError) {
  EXPECT_EQ(ErrorOf("object Label9: TLabel\n  Captoin = 'x'\nend"), "Label9: TLabel has no property 'Captoin'");
  EXPECT_EQ(ErrorOf("object F: TForm1\n  object Label9: TLable\n  end\nend"), "Label9: unknown class 'TLable'");
  EXPECT_EQ(ErrorOf("object L: TLabel\n  Alignment = taMiddle\nend"),
            "L.Alignment: 'taMiddle' is not one of taLeftJustify, taRightJustify, taCenter");
  EXPECT_EQ(ErrorOf("object L: TLabel\n  Font.Style = [fsBold, fsBlink]\nend"),
            "L.Font.Style: 'fsBlink' is not one of fsBold, fsItalic, fsUnderline, fsStrikeOut");
  EXPECT_EQ(ErrorOf("object L: TLabel\n  Font.Style = [fsBold, fsBold]\nend"), "L.Font.Style: 'fsBold' given twice");
  EXPECT_EQ(ErrorOf("object L: TLabel\n  Caption = 5\nend"), "L.Caption: a string expected, a number given");
  EXPECT_EQ(ErrorOf("object L: TLabel\n  Left = '5'\nend"), "L.Left: a number expected, a string given");
  EXPECT_EQ(ErrorOf("object L: TLabel\n  AutoSize = Yes\nend"), "L.AutoSize: True or False expected, a name given");
  EXPECT_EQ(ErrorOf("object F: TForm1\n  object Box: TFlatGroupBox\n    object L: TLabel\n      Top = x\n    end\n"
                    "  end\nend"),
            "L.Top: a number expected, a name given");
}

TEST_F(DefinitionCompilerTest, ChecksNamesAndReferencesAcrossTheWindow) {
  EXPECT_EQ(ErrorOf("object F: TForm1\n  Menu = MainMenu2\n  object MainMenu1: TMainMenu\n  end\nend"),
            "F.Menu: no component named 'MainMenu2' in the window");
  EXPECT_EQ(ErrorOf("object F: TForm1\n  object A: TLabel\n  end\n  object B: TFlatGroupBox\n"
                    "    object A: TLabel\n    end\n  end\nend"),
            "A: the name is used twice in the window");
  const ComponentDef ok = Compile("object F: TForm1\n  Menu = MainMenu1\n  object MainMenu1: TMainMenu\n  end\nend");
  EXPECT_EQ(*ok.Find("Menu"), PropertyValue::Identifier("MainMenu1"));
}

TEST_F(DefinitionCompilerTest, NormalisesSetsAndTheirDefaults) {
  EXPECT_EQ(Compile("object F: TForm1\n  BorderIcons = [biMaximize, biSystemMenu, biMinimize]\nend").properties.size(),
            0u);
  const ComponentDef c = Compile("object F: TForm1\n  BorderIcons = [biMinimize, biSystemMenu]\nend");
  EXPECT_EQ(*c.Find("BorderIcons"), PropertyValue::SetOf({"biSystemMenu", "biMinimize"}));
}

TEST_F(DefinitionCompilerTest, AcceptsCharsetNames) {
  const ComponentDef c = Compile("object L: TLabel\n  Font.Charset = DEFAULT_CHARSET\nend");
  EXPECT_EQ(*c.Find("Font.Charset"), PropertyValue::Int(1));
  EXPECT_NE(ErrorOf("object L: TLabel\n  Font.Charset = NO_CHARSET\nend"), "(no error)");
}

TEST_F(DefinitionCompilerTest, StoredFileSourceCarriesFileDataAfterItsProperties) {
  DefinitionCompiler::FileDataHook() = [this](const std::string& component, const std::string& name, bool compress) {
    auto it = files.find(name);
    if (it == files.end()) throw std::runtime_error(component + " has no file " + name);
    Bytes out{compress ? std::uint8_t{'C'} : std::uint8_t{'P'}};
    out.insert(out.end(), it->second.begin(), it->second.end());
    return out;
  };
  const ComponentDef c = Compile(R"(object enscript: TFileSource
  Store = True
  FileName = 'endu.js'
  Extension = '.js'
  DisplayLabel = ''
  Compress = False
end)");
  EXPECT_EQ(Names(c), (std::vector<std::string>{"Compress", "Extension", "Store", "FileData"}));
  EXPECT_EQ(*c.Find("Compress"), PropertyValue::Bool(false));
  EXPECT_EQ(*c.Find("FileData"), PropertyValue::Raw({'P', 'v', 'a', 'r'}));

  // Compress implies Store.
  const ComponentDef packed = Compile("object s: TFileSource\n  Compress = True\n  FileName = 'endu.js'\nend");
  EXPECT_EQ(*packed.Find("FileData"), PropertyValue::Raw({'C', 'v', 'a', 'r'}));
  EXPECT_EQ(packed.Find("FileName"), nullptr);

  EXPECT_EQ(ErrorOf("object s: TFileSource\n  Store = True\nend"), "s: Store is True but no FileName is given");
  EXPECT_NE(ErrorOf("object s: TFileSource\n  Store = True\n  FileName = 'missing.js'\nend").find("missing.js"),
            std::string::npos);
}

TEST_F(DefinitionCompilerTest, UnstoredFileSourceKeepsItsFileName) {
  const ComponentDef c = Compile("object s: TFileSource\n  Store = False\n  FileName = 'c:\\a.htm'\nend");
  EXPECT_EQ(Names(c), (std::vector<std::string>{"FileName", "Store"}));
  EXPECT_EQ(ErrorOf("object s: TFileSource\n  Store = True\n  FileName = 'endu.js'\nend"),
            "s: cannot store files: the FileData encoder is not installed");
}

TEST_F(DefinitionCompilerTest, CompileTextProducesAReadableStream) {
  const Bytes stored = compiler.CompileText(
      "object Form3: TForm3\n  Caption = 'About Skylatch!'\n  object OK: TFlatButton\n    Caption = 'OK'\n"
      "    OnClick = FlatButton1Click\n  end\nend\n");
  const ComponentDef back = DefinitionStream::Read(stored);
  EXPECT_EQ(*back.Find("Caption"), PropertyValue::Str("About Skylatch!"));
  EXPECT_EQ(*back.children.at(0).Find("OnClick"), PropertyValue::Identifier("FlatButton1Click"));
}

}  // namespace
}  // namespace core
