// The flat button: clicks from the mouse and the space key, the modal result, groups and glyphs.
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatSpeedButton.h"
#include "flatctrls/TTimerSpeedButton.h"
#include "framework/Timer.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

class FlatButton : public FlatControlTest {
 protected:
  FlatButton() : button(Make<TFlatButton>(10, 10, 73, 25)) {
    button->SetCaption("Preview");
    button->OnClick = [this](ui::TObject*) {
      ++clicks;
      resultSeenByHandler = host->ModalResult();
    };
  }

  TFlatButton* button;
  int clicks = 0;
  int resultSeenByHandler = -1;
};

TEST_F(FlatButton, StartsUpWithTheDeclaredDefaults) {
  TFlatButton fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 25);
  EXPECT_EQ(fresh.Height(), 25);
  EXPECT_EQ(fresh.State(), TButtonState::StateUp);
  EXPECT_EQ(fresh.Layout(), TButtonLayout::blGlyphTop);
  EXPECT_EQ(fresh.Spacing(), 4);
  EXPECT_EQ(fresh.Margin(), -1);
  EXPECT_EQ(fresh.TransparentMode(), TTransparentMode::tmNone);
  EXPECT_FALSE(fresh.TabStop());
  EXPECT_TRUE(fresh.ParentColor());
  EXPECT_TRUE(fresh.ParentFont());
}

TEST_F(FlatButton, AClickWritesTheModalResultIntoTheWindowBeforeOnClick) {
  button->SetModalResult(1);
  Click(*button);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(resultSeenByHandler, 1);
  button->SetModalResult(0);
  Click(*button);
  EXPECT_EQ(host->ModalResult(), 0);
  EXPECT_EQ(button->State(), TButtonState::StateUp);
}

TEST_F(FlatButton, APressTakesTheFocusAndAReleaseOutsideClicksNothing) {
  SendMouse(*button, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  EXPECT_TRUE(button->Focused());
  EXPECT_EQ(button->State(), TButtonState::StatePressed);
  SendMouse(*button, WM_MOUSEMOVE, MK_LBUTTON, 80, 3);
  EXPECT_EQ(button->State(), TButtonState::StateUp);
  SendMouse(*button, WM_MOUSEMOVE, MK_LBUTTON, 72, 24);  // the last column and row are inside
  EXPECT_EQ(button->State(), TButtonState::StatePressed);
  SendMouse(*button, WM_LBUTTONUP, 0, 73, 3);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button->Pressing());
}

TEST_F(FlatButton, TheRightButtonDoesNotClick) {
  SendMouse(*button, WM_RBUTTONDOWN, MK_RBUTTON, 3, 3);
  SendMouse(*button, WM_RBUTTONUP, 0, 3, 3);
  EXPECT_EQ(clicks, 0);
}

// Enter on the focused button presses it too (the window's default button does not take it).
TEST_F(FlatButton, SpaceDownPressesAndSpaceUpClicksOnceEnterClicks) {
  button->SetFocus();
  Key(*button, WM_KEYDOWN, VK_SPACE);
  EXPECT_EQ(button->State(), TButtonState::StatePressed);
  EXPECT_EQ(clicks, 0);
  Key(*button, WM_KEYUP, VK_SPACE);
  EXPECT_EQ(button->State(), TButtonState::StateUp);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(button->WantsKey(VK_RETURN));
  Key(*button, WM_KEYDOWN, VK_RETURN);
  Key(*button, WM_KEYUP, VK_RETURN);
  EXPECT_EQ(clicks, 2);
}

// Enter and Esc left to the window reach the default and the cancel button, and only those.
TEST_F(FlatButton, TheWindowsEnterAndEscReachTheDefaultAndCancelButtons) {
  struct Case {
    bool isDefault, isCancel;
    WPARAM key;
    int clicks;
  };
  const Case cases[] = {{true, false, VK_RETURN, 1}, {true, false, VK_ESCAPE, 0}, {false, true, VK_ESCAPE, 1},
                        {false, true, VK_RETURN, 0}, {false, false, VK_RETURN, 0}, {true, true, VK_ESCAPE, 1}};
  for (const Case& c : cases) {
    clicks = 0;
    button->SetDefault(c.isDefault);
    button->SetCancel(c.isCancel);
    EXPECT_EQ(host->Perform(ui::CM_DIALOGKEY, c.key, 0), c.clicks);
    EXPECT_EQ(clicks, c.clicks) << c.isDefault << c.isCancel << c.key;
  }
  button->SetDefault(true);
  button->SetEnabled(false);
  clicks = 0;
  EXPECT_EQ(host->Perform(ui::CM_DIALOGKEY, VK_RETURN, 0), 0);
  EXPECT_EQ(clicks, 0);
}

TEST_F(FlatButton, TheCaptionsAcceleratorClicks) {
  button->SetCaption("&Next");
  EXPECT_EQ(host->Perform(ui::CM_DIALOGCHAR, 'n', 0), 1);
  EXPECT_EQ(clicks, 1);
  button->SetCaption("Next&");
  EXPECT_EQ(host->Perform(ui::CM_DIALOGCHAR, 'n', 0), 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FlatButton, ADisabledButtonNeitherPressesNorClicks) {
  button->SetEnabled(false);
  SendMouse(*button, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  SendMouse(*button, WM_LBUTTONUP, 0, 3, 3);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(button->State(), TButtonState::StateDisabled);
}

TEST_F(FlatButton, AGroupKeepsOneButtonDown) {
  TFlatButton* group[3];
  int groupClicks = 0;
  for (int i = 0; i < 3; ++i) {
    group[i] = Make<TFlatButton>(10 + 30 * i, 50, 25, 25);
    group[i]->SetGroupIndex(1);
    group[i]->OnClick = [&groupClicks](ui::TObject*) { ++groupClicks; };
  }
  Click(*group[0]);
  Click(*group[1]);
  EXPECT_FALSE(group[0]->Down());
  EXPECT_TRUE(group[1]->Down());
  EXPECT_EQ(group[1]->State(), TButtonState::StateExclusive);
  Click(*group[1]);
  EXPECT_TRUE(group[1]->Down());  // AllowAllUp is off
  EXPECT_EQ(groupClicks, 3);
  group[2]->SetAllowAllUp(true);  // handed to the whole group
  EXPECT_TRUE(group[1]->AllowAllUp());
  Click(*group[1]);
  EXPECT_FALSE(group[1]->Down());
}

TEST_F(FlatButton, DownNeedsAGroup) {
  button->SetDown(true);
  EXPECT_FALSE(button->Down());
}

TEST_F(FlatButton, AGlyphStripSaysHowManyImagesItHolds) {
  ui::TBitmap strip;
  strip.SetSize(64, 16);
  button->SetGlyph(strip);
  EXPECT_EQ(button->NumGlyphs(), 4);
  strip.SetSize(96, 16);
  button->SetGlyph(strip);
  EXPECT_EQ(button->NumGlyphs(), 1);
  button->SetNumGlyphs(2);
  strip.SetSize(50, 16);
  button->SetGlyph(strip);
  EXPECT_EQ(button->NumGlyphs(), 2);
  EXPECT_EQ(button->Glyph().Width(), 50);
}

TEST_F(FlatButton, MarginsBelowMinusOneAreIgnored) {
  button->SetMargin(3);
  button->SetMargin(-2);
  EXPECT_EQ(button->Margin(), 3);
  button->SetMargin(-1);
  EXPECT_EQ(button->Margin(), -1);
}

TEST_F(FlatButton, TakingTheCaptureAwayDuringAPressLeavesTheButtonUpWithoutAClick) {
  SendMouse(*button, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  EXPECT_EQ(button->State(), TButtonState::StatePressed);
  SetCapture(host->Handle());  // another window takes the mouse
  ReleaseCapture();
  EXPECT_EQ(button->State(), TButtonState::StateUp);
  EXPECT_FALSE(button->Pressing());
  SendMouse(*button, WM_LBUTTONUP, 0, 200, 200);
  SendMouse(*button, WM_LBUTTONUP, 0, 3, 3);
  EXPECT_EQ(clicks, 0);
}

TEST_F(FlatButton, ADoubleClickIsASecondClickAndOnDblClickNeedsDown) {
  int doubles = 0;
  button->OnDblClick = [&doubles](ui::TObject*) { ++doubles; };
  Click(*button);
  SendMouse(*button, WM_LBUTTONDBLCLK, MK_LBUTTON, 3, 3);
  SendMouse(*button, WM_LBUTTONUP, 0, 3, 3);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(doubles, 0);
  button->SetGroupIndex(4);
  button->SetDown(true);
  SendMouse(*button, WM_LBUTTONDBLCLK, MK_LBUTTON, 3, 3);
  SendMouse(*button, WM_LBUTTONUP, 0, 3, 3);
  EXPECT_EQ(doubles, 1);
  EXPECT_TRUE(button->Down());
}

TEST_F(FlatButton, AButtonWithoutAWindowAboveItStillClicks) {
  TFlatButton loose(nullptr);
  int looseClicks = 0;
  loose.OnClick = [&looseClicks](ui::TObject*) { ++looseClicks; };
  loose.SetModalResult(3);
  loose.Click();
  EXPECT_EQ(looseClicks, 1);
  EXPECT_EQ(host->ModalResult(), 0);
}

TEST_F(FlatButton, TheSpeedButtonIsATwinWithoutFocusOrSpace) {
  auto* speed = Make<TFlatSpeedButton>(100, 10, 40, 25);
  int speedClicks = 0;
  speed->OnClick = [&speedClicks](ui::TObject*) { ++speedClicks; };
  speed->SetModalResult(2);
  SendMouse(*speed, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  EXPECT_EQ(speed->State(), TButtonState::StatePressed);
  EXPECT_FALSE(button->Focused());
  SendMouse(*speed, WM_LBUTTONUP, 0, 3, 3);
  EXPECT_EQ(speedClicks, 1);
  EXPECT_EQ(host->ModalResult(), 2);
  speed->SetCaption("&Go");
  EXPECT_EQ(host->Perform(ui::CM_DIALOGCHAR, 'G', 0), 1);
  EXPECT_EQ(speedClicks, 2);
  // Buttons of the other class do not release a speed button's group.
  speed->SetGroupIndex(1);
  speed->SetDown(true);
  button->SetGroupIndex(1);
  button->SetDown(true);
  EXPECT_TRUE(speed->Down());
}

TEST_F(FlatButton, AHeldSpinHalfRepeatsOnlyWhileThePointerStaysOnIt) {
  auto* half = Make<TTimerSpeedButton>(150, 10, 11, 14);
  half->SetAllowTimer(true);
  int repeats = 0;
  half->OnClick = [&repeats](ui::TObject*) { ++repeats; };
  EXPECT_EQ(half->RepeatTimer(), nullptr);
  SendMouse(*half, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  ASSERT_NE(half->RepeatTimer(), nullptr);
  EXPECT_EQ(half->RepeatTimer()->Interval(), 400u);
  DWORD until = GetTickCount() + 2000;
  while (repeats == 0 && GetTickCount() < until) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Pump();
  }
  EXPECT_EQ(repeats, 1);
  EXPECT_EQ(half->RepeatTimer()->Interval(), 100u);
  SendMouse(*half, WM_MOUSEMOVE, MK_LBUTTON, 40, 3);  // dragged off: the ticks click nothing
  int off = repeats;
  until = GetTickCount() + 350;
  while (GetTickCount() < until) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Pump();
  }
  EXPECT_EQ(repeats, off);
  SendMouse(*half, WM_LBUTTONUP, 0, 40, 3);
  EXPECT_EQ(repeats, off);
  EXPECT_FALSE(half->RepeatTimer()->Running());
}

}  // namespace
