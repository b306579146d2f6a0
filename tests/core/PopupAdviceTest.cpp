#include "core/PopupAdvice.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/JavaScriptName.h"

namespace {

using core::ActivationMethod;
using core::JavaScriptName;
using core::PopupAdvice;
using core::PopupSettings;
using Kind = PopupAdvice::Kind;

std::vector<Kind> Kinds(const PopupSettings& s, ActivationMethod m = ActivationMethod::FromLink) {
  std::vector<Kind> kinds;
  for (const auto& line : PopupAdvice::For(s, m)) kinds.push_back(line.kind);
  return kinds;
}

bool Has(const PopupSettings& s, Kind kind, ActivationMethod m = ActivationMethod::FromLink) {
  const auto kinds = Kinds(s, m);
  return std::count(kinds.begin(), kinds.end(), kind) == 1;
}

std::string TextOf(const PopupSettings& s, Kind kind, ActivationMethod m = ActivationMethod::FromLink) {
  for (const auto& line : PopupAdvice::For(s, m))
    if (line.kind == kind) return line.text;
  return {};
}

// Location ticked and every other bar clear: the settings browsers still honour.
PopupSettings Quiet() {
  PopupSettings s;
  s.location = true;
  return s;
}

TEST(PopupAdviceTest, SettingsBrowsersHonourFromALinkGiveNoAdvice) {
  EXPECT_TRUE(PopupAdvice::For(Quiet(), ActivationMethod::FromLink).empty());
}

TEST(PopupAdviceTest, NamesThatAreNotJavaScriptNamesStopTheScript) {
  for (const char* bad : {"", "1st", "pop up", "pop-up", "it's", "a\"b", "caf\xE9\xD7", "x.y", "\xB2x"}) {
    SCOPED_TRACE(bad);
    PopupSettings s = Quiet();
    s.functionName = bad;
    EXPECT_EQ(Kinds(s), std::vector<Kind>{Kind::FunctionNameInvalid});
    s = Quiet();
    s.windowName = bad;
    EXPECT_EQ(Kinds(s), std::vector<Kind>{Kind::WindowNameInvalid});
  }
  for (const char* good : {"PopUp", "_x", "$", "a1", "caf\xE9", "\xC6sir", "\x8A" "a", "Ma\xDF", "a\xB7" "b"}) {
    SCOPED_TRACE(good);
    EXPECT_TRUE(JavaScriptName::IsIdentifier(good));
  }
  PopupSettings s = Quiet();
  s.functionName = "pop up";
  EXPECT_EQ(TextOf(s, Kind::FunctionNameInvalid),
            "The function name \"pop up\" is not a valid JavaScript name, so the script will not run.");
}

TEST(PopupAdviceTest, ReservedWordsAndTheWindowsOwnNames) {
  PopupSettings s = Quiet();
  s.functionName = "new";
  s.windowName = "class";
  EXPECT_EQ(Kinds(s), (std::vector<Kind>{Kind::FunctionNameReserved, Kind::WindowNameReserved}));
  s.functionName = "location";
  s.windowName = "status";
  EXPECT_EQ(Kinds(s), (std::vector<Kind>{Kind::FunctionNameTaken, Kind::WindowNameTaken}));
  // A function may take a name the window uses, as long as it can be declared again.
  s.functionName = "status";
  s.windowName = "Newer";
  EXPECT_TRUE(Kinds(s).empty());
  // Letter case counts, as in JavaScript.
  s.functionName = "New";
  s.windowName = "Location";
  EXPECT_TRUE(Kinds(s).empty());
}

TEST(PopupAdviceTest, EveryMethodButALinkOpensWithoutAClick) {
  for (ActivationMethod m : {ActivationMethod::OnPageLoad, ActivationMethod::OnPageUnload,
                             ActivationMethod::OnMouseOver, ActivationMethod::OnMouseOut}) {
    EXPECT_EQ(Kinds(Quiet(), m), std::vector<Kind>{Kind::OpensWithoutClick});
  }
  EXPECT_EQ(TextOf(Quiet(), Kind::OpensWithoutClick, ActivationMethod::OnPageUnload),
            "\"On Page Unload\" opens the window without a click, so pop-up blockers stop it; \"From link\" works.");
  EXPECT_FALSE(Has(Quiet(), Kind::OpensWithoutClick, ActivationMethod::FromLink));
}

TEST(PopupAdviceTest, FullScreenSaysTheRestIsIgnoredAndNothingMoreAboutFeatures) {
  PopupSettings s = Quiet();
  s.fullScreen = true;
  s.toolbar = true;
  s.widthText = "abc";
  EXPECT_EQ(Kinds(s), std::vector<Kind>{Kind::FullScreenIgnored});
}

TEST(PopupAdviceTest, BarsAndResizingAreTheBrowsersChoice) {
  EXPECT_TRUE(Has(PopupSettings{}, Kind::FeaturesIgnored));  // Location clear: the address shows anyway
  bool PopupSettings::*bars[] = {&PopupSettings::toolbar, &PopupSettings::menubar, &PopupSettings::status,
                                 &PopupSettings::directories, &PopupSettings::resizable};
  for (auto bar : bars) {
    PopupSettings s = Quiet();
    s.*bar = true;
    EXPECT_EQ(Kinds(s), std::vector<Kind>{Kind::FeaturesIgnored});
  }
  PopupSettings s = Quiet();
  s.scrollbars = true;  // honoured
  EXPECT_TRUE(Kinds(s).empty());
}

TEST(PopupAdviceTest, SizesAndPositionsBrowsersReplace) {
  PopupSettings s = Quiet();
  s.widthText = "99";
  s.heightText = "100";
  s.leftText = "-20";
  s.topText = "1e3";
  EXPECT_EQ(Kinds(s), (std::vector<Kind>{Kind::SizeBelow100, Kind::NotWholeNumber}));
  EXPECT_EQ(TextOf(s, Kind::SizeBelow100),
            "width=99 (the box beside \"Height:\") is below 100, so the browser replaces it.");
  EXPECT_EQ(TextOf(s, Kind::NotWholeNumber),
            "top=1e3 (the box beside \"Top:\") is not a whole number, so the browser uses a value of its own.");
  s = Quiet();
  s.heightText = "";
  s.leftText = "3.5";
  s.widthText = "-5";
  EXPECT_EQ(Kinds(s), (std::vector<Kind>{Kind::SizeBelow100, Kind::NotWholeNumber, Kind::NotWholeNumber}));
  EXPECT_NE(TextOf(s, Kind::NotWholeNumber).find("height= (the box beside \"Width:\")"), std::string::npos);
  for (const char* whole : {"0", "+7", "-7", "123456789012345678901234567890"})
    EXPECT_TRUE(PopupAdvice::IsWholeNumber(whole)) << whole;
  for (const char* other : {"", "-", " 5", "5 ", "0x10", "\xB2"}) EXPECT_FALSE(PopupAdvice::IsWholeNumber(other)) << other;
}

}  // namespace
