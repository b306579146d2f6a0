// The flat check box driven with real mouse and keyboard messages.
#include <vector>

#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatGroupBox.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

class FlatCheckBox : public FlatControlTest {
 protected:
  FlatCheckBox() : box(Make<TFlatCheckBox>(10, 10, 73, 17)) {
    box->SetCaption("Full Screen");
    box->OnClick = [this](ui::TObject*) { seen.push_back(box->Checked()); };
    box->OnMouseDown = [this](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) { ++mouseDowns; };
    box->OnMouseUp = [this](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) { ++mouseUps; };
  }

  TFlatCheckBox* box;
  std::vector<bool> seen;  // Checked as each OnClick saw it
  int mouseDowns = 0;
  int mouseUps = 0;
};

TEST_F(FlatCheckBox, StartsClearAsATabStopWithTheFlatColours) {
  TFlatCheckBox fresh(nullptr);
  EXPECT_FALSE(fresh.Checked());
  EXPECT_TRUE(fresh.TabStop());
  EXPECT_TRUE(fresh.ParentColor());
  EXPECT_EQ(fresh.Width(), 121);
  EXPECT_EQ(fresh.Height(), 17);
  EXPECT_EQ(fresh.ColorFocused(), 0x00FFFFFFu);
  EXPECT_EQ(fresh.ColorDown(), 0x00C5D6D9u);
  EXPECT_EQ(fresh.ColorBorder(), 0x008396A0u);
  EXPECT_EQ(fresh.Layout(), TCheckBoxLayout::checkboxLeft);
}

TEST_F(FlatCheckBox, SettingCheckedFiresOnClickOnlyOnAChange) {
  box->SetChecked(true);
  EXPECT_EQ(seen, std::vector<bool>{true});
  box->SetChecked(true);
  EXPECT_EQ(seen.size(), 1u);
  box->SetChecked(false);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(FlatCheckBox, AMouseClickFiresOnClickWithTheOldValueThenWithTheNew) {
  Click(*box);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(seen, (std::vector<bool>{false, true}));
  EXPECT_EQ(mouseDowns, 1);
  EXPECT_EQ(mouseUps, 1);
  seen.clear();
  Click(*box);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(FlatCheckBox, APressReleasedOutsideStillTogglesButClicksOnce) {
  SendMouse(*box, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  SendMouse(*box, WM_MOUSEMOVE, MK_LBUTTON, 200, 3);
  SendMouse(*box, WM_LBUTTONUP, 0, 200, 3);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(seen, std::vector<bool>{true});
  EXPECT_FALSE(box->Pressed());
}

TEST_F(FlatCheckBox, TheRightButtonDoesNothingAtAll) {
  SendMouse(*box, WM_RBUTTONDOWN, MK_RBUTTON, 3, 3);
  SendMouse(*box, WM_RBUTTONUP, 0, 3, 3);
  EXPECT_FALSE(box->Checked());
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(mouseDowns, 0);
  EXPECT_EQ(mouseUps, 0);
}

TEST_F(FlatCheckBox, ADisabledBoxIgnoresTheMouseAndForgetsAPress) {
  SendMouse(*box, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  ASSERT_TRUE(box->Pressed());
  box->SetEnabled(false);
  EXPECT_FALSE(box->Pressed());
  EXPECT_FALSE(box->Hovered());
  SendMouse(*box, WM_LBUTTONUP, 0, 3, 3);
  Click(*box);
  EXPECT_FALSE(box->Checked());
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(mouseDowns, 1);  // the press before it was disabled
  EXPECT_EQ(mouseUps, 0);
}

TEST_F(FlatCheckBox, SpaceTogglesOnlyTheFocusedBox) {
  auto* other = Make<TFlatCheckBox>(10, 40, 73, 17);
  other->SetFocus();
  Char(*other, ' ');
  EXPECT_TRUE(other->Checked());
  EXPECT_FALSE(box->Checked());
  box->SetFocus();
  Char(*box, ' ');
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(seen, std::vector<bool>{true});
}

TEST_F(FlatCheckBox, SpaceReachesAFocusedBoxInsideAGroupBox) {
  auto* group = Make<TFlatGroupBox>(100, 10, 150, 80);
  group->SetCaption("&Options");
  auto* inner = Make<TFlatCheckBox>(8, 16, 73, 17, group);
  inner->SetFocus();
  Char(*inner, ' ');
  EXPECT_TRUE(inner->Checked());
}

TEST_F(FlatCheckBox, TheCaptionsAcceleratorTogglesAndTakesTheFocusFromAnywhere) {
  box->SetCaption("&Full Screen");
  auto* button = Make<TFlatButton>(10, 60, 73, 25);
  button->SetFocus();
  host->Perform(ui::CM_DIALOGCHAR, 'f', 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(box->Focused());
  host->Perform(ui::CM_DIALOGCHAR, 'x', 0);
  EXPECT_TRUE(box->Checked());
}

// The accelerator is a character, not a byte: "\u00D1" takes either case, a letter that shares
// the first byte of its UTF-8 with it does not, nor does the doubled "&&".
TEST_F(FlatCheckBox, AnAcceleratorBeyondAsciiMatchesTheTypedCharacterInEitherCase) {
  const struct {
    const char* caption;
    wchar_t typed;
    bool toggles;
  } cases[] = {{"&\xC3\x91" "and\xC3\xBA", L'\u00F1', true}, {"&\xC3\x91" "and\xC3\xBA", L'\u00D1', true},
               {"&\xC3\x91" "and\xC3\xBA", L'\u00D3', false}, {"&\xC5\x81\xC3\xB3" "d\xC5\xBA", L'\u0142', true},
               {"&&\xC3\x91", L'\u00F1', false}, {"a&\xE2\x82\xAC", L'\u20AC', true}};
  for (const auto& c : cases) {
    box->SetChecked(false);
    box->SetCaption(c.caption);
    host->Perform(ui::CM_DIALOGCHAR, c.typed, 0);
    EXPECT_EQ(box->Checked(), c.toggles) << c.caption;
  }
}

}  // namespace
