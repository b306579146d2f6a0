#include "core/PopupScript.h"

#include <gtest/gtest.h>

#include "tests/core/CollectingSink.h"

namespace {

using core::PopupScript;
using core::PopupSettings;
using testing_support::CollectingSink;

const std::string kAllNo =
    "'toolbar=no,status=no,menubar=no,location=no,directories=no,resizable=no,scrollbars=no,";

std::string Script(const PopupSettings& settings) {
  CollectingSink sink;
  PopupScript::WriteTo(sink, settings);
  return sink.bytes;
}

std::string Line5(const PopupSettings& settings) {
  CollectingSink sink;
  PopupScript::WriteTo(sink, settings);
  return sink.Lines().at(4);
}

TEST(PopupScriptTest, DefaultsGiveTheSevenLinesByteForByte) {
  const std::string expected =
      "<!-- Ocultando\r\n"
      "  // Creado con Skylatch!\r\n"
      "  // www.skylatch.example\r\n"
      "function PopUp(url){\r\n"
      "Skylatch=window.open(url,'Skylatch','toolbar=no,status=no,menubar=no,location=no,"
      "directories=no,resizable=no,scrollbars=no,width=300,height=200,left=300,top=100');\r\n"
      "}\r\n"
      "// Mostrando -->\r\n";
  EXPECT_EQ(Script(PopupSettings{}), expected);
}

TEST(PopupScriptTest, UsesTheRuntimeOperationsInOrder) {
  CollectingSink sink;
  PopupScript::WriteTo(sink, PopupSettings{});
  const std::vector<std::string> expected = {
      "WriteLine <!-- Ocultando",
      "WriteLine   // Creado con Skylatch!",
      "WriteLine   // www.skylatch.example",
      "WriteLine function PopUp(url){",
      "Write Skylatch=window.open(",
      "Write url,'Skylatch',",
      "Write 'toolbar=no,",
      "Write status=no,",
      "Write menubar=no,",
      "Write location=no,",
      "Write directories=no,",
      "Write resizable=no,",
      "Write scrollbars=no,",
      "Write width=300,",
      "Write height=200,",
      "Write left=300,",
      "WriteLine top=100');",
      "WriteChar }",
      "WriteLine ",
      "WriteLine // Mostrando -->",
  };
  EXPECT_EQ(sink.operations, expected);
}

TEST(PopupScriptTest, FullScreenIsAQuotedArgumentOfItsOwn) {
  PopupSettings settings;
  settings.fullScreen = true;
  EXPECT_EQ(Line5(settings), "Skylatch=window.open(url,'Skylatch','fullscreen=yes'," + kAllNo +
                                 "width=300,height=200,left=300,top=100');");
  PopupSettings plain;
  CollectingSink a, b;
  PopupScript::WriteTo(a, settings);
  PopupScript::WriteTo(b, plain);
  for (int line : {0, 1, 2, 3, 5, 6}) EXPECT_EQ(a.Lines().at(line), b.Lines().at(line));
}

TEST(PopupScriptTest, EachBoxSetsOnlyItsOwnWord) {
  PopupSettings settings;
  settings.toolbar = true;
  settings.location = true;
  settings.scrollbars = true;
  EXPECT_EQ(Line5(settings),
            "Skylatch=window.open(url,'Skylatch','toolbar=yes,status=no,menubar=no,location=yes,"
            "directories=no,resizable=no,scrollbars=yes,width=300,height=200,left=300,top=100');");
  PopupSettings others;
  others.status = others.menubar = others.directories = others.resizable = true;
  EXPECT_EQ(Line5(others),
            "Skylatch=window.open(url,'Skylatch','toolbar=no,status=yes,menubar=yes,location=no,"
            "directories=yes,resizable=yes,scrollbars=no,width=300,height=200,left=300,top=100');");
}

TEST(PopupScriptTest, EmptyNamesAreWrittenAsEmpty) {
  PopupSettings settings;
  settings.functionName = "";
  settings.windowName = "";
  CollectingSink sink;
  PopupScript::WriteTo(sink, settings);
  EXPECT_EQ(sink.Lines().at(3), "function (url){");
  EXPECT_EQ(sink.Lines().at(4).rfind("=window.open(url,'',", 0), 0u);
}

TEST(PopupScriptTest, TextsAreTakenAsTypedWithoutEscaping) {
  PopupSettings settings;
  settings.windowName = "O'Brien";
  settings.widthText = "640";
  settings.heightText = "480";
  settings.leftText = " 12";
  settings.topText = "abc";
  EXPECT_EQ(Line5(settings), "O'Brien=window.open(url,'O'Brien'," + kAllNo +
                                 "width=640,height=480,left= 12,top=abc');");
}

}  // namespace
