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

// The kinds apart from the pop-up line and the reuse line, which nearly every setting gives.
std::vector<Kind> Notable(const PopupSettings& s, ActivationMethod m = ActivationMethod::FromLink) {
  std::vector<Kind> kinds;
  for (Kind k : Kinds(s, m))
    if (k != Kind::OpensAPopup && k != Kind::Reuse) kinds.push_back(k);
  return kinds;
}

TEST(PopupAdviceTest, DefaultsFromALinkSayOnlyWhatOpensAndHowASecondClickBehaves) {
  EXPECT_EQ(Kinds(PopupSettings{}), (std::vector<Kind>{Kind::OpensAPopup, Kind::Reuse}));
  EXPECT_EQ(TextOf(PopupSettings{}, Kind::Reuse),
            "A second call with the window name \"Skylatch\" loads the address into the window already open, which "
            "may stay behind the page. To bring it to the front, call Skylatch.focus(); after the function, for "
            "example onclick=\"window.PopUp(this.href); Skylatch.focus(); return false;\".");
}

TEST(PopupAdviceTest, NamesThatAreNotJavaScriptNamesStopTheScript) {
  for (const char* bad : {"", "1st", "pop up", "pop-up", "it's", "a\"b", "caf\xC3\xA9\xC3\x97", "x.y", "\xC2\xB2x",
                          "a\xE2\x82\xAC"}) {
    SCOPED_TRACE(bad);
    PopupSettings s;
    s.functionName = bad;
    EXPECT_EQ(Notable(s), std::vector<Kind>{Kind::FunctionNameInvalid});
    s = PopupSettings{};
    s.windowName = bad;
    EXPECT_EQ(Notable(s), std::vector<Kind>{Kind::WindowNameInvalid});
  }
  for (const char* good : {"PopUp", "_x", "$", "a1", "caf\xC3\xA9", "\xC3\x86sir", "\xC5\xA0" "a", "Ma\xC3\x9F",
                           "a\xC2\xB7" "b", "\xE6\x97\xA5\xE6\x9C\xAC"}) {
    SCOPED_TRACE(good);
    EXPECT_TRUE(JavaScriptName::IsIdentifier(good));
  }
}

TEST(PopupAdviceTest, NamesTheBrowserAlreadyUses) {
  const struct {
    const char* function;
    const char* window;
    std::vector<Kind> kinds;
  } cases[] = {
      {"new", "class", {Kind::FunctionNameReserved, Kind::WindowNameReserved}},
      {"location", "status", {Kind::FunctionNameTaken, Kind::WindowNameTaken}},
      {"open", "open", {Kind::FunctionNameOpen, Kind::WindowNameTaken}},
      {"write", "Newer", {Kind::FunctionNameShared}},
      {"close", "Newer", {Kind::FunctionNameShared}},
      {"New", "Location", {}},  // letter case counts, as in JavaScript
      {"PopUp", "_self", {Kind::WindowNameSamePage}},
      {"PopUp", "_blank", {Kind::WindowNameBlank}},
  };
  for (const auto& c : cases) {
    PopupSettings s;
    s.functionName = c.function;
    s.windowName = c.window;
    EXPECT_EQ(Notable(s), c.kinds) << c.function << " " << c.window;
  }
  PopupSettings s;
  s.functionName = "open";
  EXPECT_NE(TextOf(s, Kind::FunctionNameOpen).find("can never work in the .js file or with the snippet"),
            std::string::npos);
  s.functionName = "close";
  EXPECT_NE(TextOf(s, Kind::FunctionNameShared).find("replaces the browser's own window.close"), std::string::npos);
  s.functionName = "click";
  EXPECT_EQ(TextOf(s, Kind::FunctionNameShared).find("replaces"), std::string::npos);
  s.windowName = "location";
  EXPECT_NE(TextOf(s, Kind::WindowNameTaken).find("the pop-up opens, then"), std::string::npos);
  s.windowName = "status";
  EXPECT_NE(TextOf(s, Kind::WindowNameTaken).find("The pop-up still opens."), std::string::npos);
  // _blank opens anew each time, so there is no window to reuse.
  s.windowName = "_blank";
  EXPECT_FALSE(Has(s, Kind::Reuse));
}

TEST(PopupAdviceTest, NamesBeyondWindows1252AreWholeOnlyInTheSavedFiles) {
  PopupSettings s;
  s.functionName = "\xE6\x97\xA5";
  s.windowName = "Funci\xC3\xB3n";  // in the code page
  EXPECT_EQ(Notable(s), std::vector<Kind>{Kind::FunctionNameNotInPreview});
  s.windowName = "\xD0\x96";
  EXPECT_EQ(Notable(s), (std::vector<Kind>{Kind::FunctionNameNotInPreview, Kind::WindowNameNotInPreview}));
}

TEST(PopupAdviceTest, EveryMethodButALinkDependsOnTheVisitorsPopUpSetting) {
  for (ActivationMethod m : {ActivationMethod::OnPageLoad, ActivationMethod::OnMouseOver, ActivationMethod::OnMouseOut})
    EXPECT_EQ(Notable(PopupSettings{}, m), std::vector<Kind>{Kind::Blocked});
  EXPECT_EQ(Notable(PopupSettings{}, ActivationMethod::OnPageUnload), std::vector<Kind>{Kind::NeverOnUnload});
  EXPECT_EQ(TextOf(PopupSettings{}, Kind::Blocked, ActivationMethod::OnPageLoad),
            "\"On Page Load\" opens a window only where the visitor allows pop-ups for the page: pop-up blockers "
            "stop a window that no click opens. \"From link\" works.");
  // Only the pointer can follow an earlier click, which two engines count as the visitor's.
  for (ActivationMethod m : {ActivationMethod::OnMouseOver, ActivationMethod::OnMouseOut})
    EXPECT_NE(TextOf(PopupSettings{}, Kind::Blocked, m).find("a click anywhere on the page a moment earlier"),
              std::string::npos);
  EXPECT_NE(TextOf(PopupSettings{}, Kind::NeverOnUnload, ActivationMethod::OnPageUnload).find("Firefox opens the pop-up"),
            std::string::npos);
  EXPECT_FALSE(Has(PopupSettings{}, Kind::Reuse, ActivationMethod::OnPageUnload));
}

TEST(PopupAdviceTest, EveryBarGivesATabAndFullScreenIsIgnored) {
  PopupSettings all;
  all.location = all.menubar = all.status = all.resizable = all.scrollbars = true;
  all.widthText = "abc";  // ignored in a tab, so no advice on it
  EXPECT_EQ(Kinds(all), (std::vector<Kind>{Kind::OpensATab, Kind::Reuse}));
  all.location = false;
  all.toolbar = true;  // the tool bar stands in for the location bar
  EXPECT_TRUE(PopupAdvice::OpensTab(all));
  bool PopupSettings::*needed[] = {&PopupSettings::menubar, &PopupSettings::status, &PopupSettings::resizable,
                                   &PopupSettings::scrollbars, &PopupSettings::toolbar};
  for (auto bar : needed) {
    PopupSettings s = all;
    s.*bar = false;
    EXPECT_FALSE(PopupAdvice::OpensTab(s));
    EXPECT_TRUE(Has(s, Kind::OpensAPopup));
  }
  all.fullScreen = true;
  EXPECT_EQ(Kinds(all), (std::vector<Kind>{Kind::FullScreenIgnored, Kind::Reuse}));
  // WebKit's 1024 by 768 is said only where it happens.
  for (bool resizable : {false, true}) {
    PopupSettings s;
    s.resizable = resizable;
    EXPECT_EQ(TextOf(s, Kind::OpensAPopup).find("with resizable=no 1024 by 768") == std::string::npos, resizable);
  }
}

TEST(PopupAdviceTest, SizesAndPositionsAsTheBrowserReadsThem) {
  const struct {
    const char* width;
    const char* left;
    std::vector<Kind> kinds;
  } cases[] = {
      {"300", "300", {}},
      {"99", "0", {Kind::SizeBelow100}},
      {"250.7", "-20", {Kind::NumberCut}},
      {"abc", "abc", {Kind::SizeNotANumber, Kind::PositionNotANumber}},
      {"0", "1e3", {Kind::SizeNotANumber, Kind::NumberCut}},
      {"", "", {Kind::SizeNotANumber, Kind::PositionNotANumber}},
      {"-5", " 5", {Kind::SizeBelow100}},
  };
  for (const auto& c : cases) {
    PopupSettings s;
    s.widthText = c.width;
    s.leftText = c.left;
    EXPECT_EQ(Notable(s), c.kinds) << c.width << " " << c.left;
  }
  PopupSettings s;
  s.widthText = "250.7";
  s.heightText = "50";
  s.topText = "x";
  EXPECT_EQ(TextOf(s, Kind::NumberCut), "width=250.7 (the box beside \"Width:\") is read as 250.");
  EXPECT_EQ(TextOf(s, Kind::SizeBelow100), "height=50 (the box beside \"Height:\") is below 100, so browsers raise it "
                                           "to 100.");
  s.widthText = "50";
  EXPECT_NE(TextOf(s, Kind::SizeBelow100).find("Firefox to 100, WebKit (Safari's engine) to 334."), std::string::npos);
  EXPECT_EQ(TextOf(s, Kind::PositionNotANumber), "top=x (the box beside \"Top:\") is not a number, so the browser "
                                                 "takes 0.");
}

}  // namespace
