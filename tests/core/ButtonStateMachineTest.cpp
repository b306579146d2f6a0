#include "core/ButtonStateMachine.h"

#include <gtest/gtest.h>

namespace {

using namespace core;

constexpr ButtonColors kColors{0x0F, 0xF0, 0xD0, 0xB0, 0xFFFFFF, 0x000000};

TEST(ButtonStateMachineTest, APressHeldDraggedOutAndBackThenReleasedInsideClicksOnce) {
  ButtonStateMachine b;
  EXPECT_EQ(b.HoverOn(true), kInvalidate);
  EXPECT_EQ(b.Press(true, true), kTakeFocus | kInvalidate);
  EXPECT_EQ(b.State(), TButtonState::StatePressed);
  EXPECT_TRUE(b.Pressing());
  EXPECT_EQ(b.Move(false), kInvalidate);
  EXPECT_EQ(b.State(), TButtonState::StateUp);
  EXPECT_EQ(b.HoverOff(true), kNoAction);  // refused during a press: the hovered look stays
  EXPECT_TRUE(b.Hovered());
  EXPECT_EQ(b.Move(false), kNoAction);
  EXPECT_EQ(b.Move(true), kInvalidate);
  EXPECT_EQ(b.State(), TButtonState::StatePressed);
  unsigned released = b.Release(true);
  EXPECT_EQ(released, kInvalidate | kClick | kRefreshHover);
  EXPECT_EQ(b.State(), TButtonState::StateUp);
  EXPECT_FALSE(b.Pressing());
  EXPECT_FALSE(b.Hovered());
  EXPECT_EQ(b.Release(true), kNoAction);  // no press in progress, no click
}

TEST(ButtonStateMachineTest, AReleaseOutsideRunsHoverOffInsteadOfClicking) {
  ButtonStateMachine b;
  b.Press(true, true);
  b.Move(false);
  unsigned released = b.Release(false);
  EXPECT_FALSE(released & kClick);
  EXPECT_TRUE(released & kHoverOff);
  EXPECT_TRUE(released & kRefreshHover);
}

TEST(ButtonStateMachineTest, OnlyALeftPressOnAnEnabledButtonCounts) {
  ButtonStateMachine b;
  EXPECT_EQ(b.Press(false, true), kNoAction);
  EXPECT_EQ(b.Press(true, false), kNoAction);
  EXPECT_FALSE(b.Pressing());
  EXPECT_EQ(b.State(), TButtonState::StateUp);
}

TEST(ButtonStateMachineTest, LosingTheCaptureEndsThePressUpAndWithoutAClick) {
  ButtonStateMachine b;
  b.Press(true, true);
  unsigned lost = b.CaptureLost();
  EXPECT_FALSE(lost & kClick);
  EXPECT_EQ(b.State(), TButtonState::StateUp);
  EXPECT_FALSE(b.Pressing());
  EXPECT_EQ(b.Release(true), kNoAction);
  EXPECT_EQ(b.CaptureLost(), kNoAction);
}

// A check box's release only ends the press: the hover, kept through the press, stays until a
// hover-off is allowed again, and the state is up whether the press ended there or was taken away.
TEST(ButtonStateMachineTest, EndingAPressKeepsTheHoverThatThePressProtected) {
  for (bool captureLost : {false, true}) {
    ButtonStateMachine box;
    box.HoverOn(true);
    box.Press(true, true);
    EXPECT_EQ(box.HoverOff(true), kNoAction) << captureLost;
    EXPECT_TRUE(box.Hovered());
    if (captureLost) box.CaptureLost();
    else box.EndPress();
    EXPECT_FALSE(box.Pressing());
    EXPECT_TRUE(box.Hovered());
    EXPECT_EQ(box.State(), TButtonState::StateUp);
    EXPECT_EQ(box.HoverOff(true), kHoverOff | kInvalidate);
    EXPECT_FALSE(box.Hovered());
  }
}

TEST(ButtonStateMachineTest, DownNeedsAGroupAndTheDownMemberReleasesOnlyWithAllowAllUp) {
  ButtonStateMachine b;
  EXPECT_EQ(b.SetDown(true), kNoAction);  // GroupIndex 0
  EXPECT_FALSE(b.Down());
  EXPECT_EQ(b.SetGroupIndex(1), kNotifyGroup);
  EXPECT_EQ(b.SetGroupIndex(1), kNoAction);
  EXPECT_EQ(b.SetDown(true), kInvalidate | kNotifyGroup);
  EXPECT_EQ(b.State(), TButtonState::StateExclusive);
  EXPECT_EQ(b.SetDown(false), kNoAction);
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(b.SetAllowAllUp(true), kNotifyGroup);
  EXPECT_EQ(b.SetDown(false), kRepaintNow);
  EXPECT_EQ(b.State(), TButtonState::StateUp);
}

TEST(ButtonStateMachineTest, ClickingTheDownMemberKeepsItDownUnlessAllowAllUp) {
  ButtonStateMachine b;
  b.SetGroupIndex(1);
  b.Press(true, true);
  unsigned first = b.Release(true);
  EXPECT_TRUE(first & kNotifyGroup);
  EXPECT_TRUE(first & kClick);
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(b.State(), TButtonState::StateExclusive);
  EXPECT_EQ(b.Press(true, true), kTakeFocus);  // a down button shows no pressed state
  EXPECT_EQ(b.State(), TButtonState::StateExclusive);
  unsigned again = b.Release(true);
  EXPECT_TRUE(again & kClick);
  EXPECT_TRUE(b.Down());
  b.SetAllowAllUp(true);
  b.Press(true, true);
  b.Release(true);
  EXPECT_FALSE(b.Down());
  EXPECT_EQ(b.State(), TButtonState::StateUp);
}

TEST(ButtonStateMachineTest, AGroupNoticeReleasesTheOtherDownMemberAndHandsOnAllowAllUp) {
  ButtonStateMachine b;
  b.SetGroupIndex(2);
  b.SetDown(true);
  EXPECT_EQ(b.GroupNotice(3, true, true), kNoAction);  // another group
  EXPECT_TRUE(b.Down());
  EXPECT_FALSE(b.AllowAllUp());
  EXPECT_EQ(b.GroupNotice(2, false, true), kNoAction);
  EXPECT_TRUE(b.AllowAllUp());
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(b.GroupNotice(2, true, false), kInvalidate);
  EXPECT_FALSE(b.Down());
  EXPECT_FALSE(b.AllowAllUp());
  EXPECT_EQ(b.State(), TButtonState::StateUp);
}

TEST(ButtonStateMachineTest, SpacePressesAndReleasingItClicksEveryTime) {
  ButtonStateMachine b;
  EXPECT_EQ(b.SpaceDown(), kInvalidate);
  EXPECT_EQ(b.State(), TButtonState::StatePressed);
  EXPECT_EQ(b.SpaceUp(), kClick | kInvalidate);
  EXPECT_EQ(b.State(), TButtonState::StateUp);
  EXPECT_EQ(b.SpaceUp(), kClick | kInvalidate);
  ButtonStateMachine grouped;
  grouped.SetGroupIndex(1);
  grouped.SpaceDown();
  EXPECT_TRUE(grouped.Down());
  EXPECT_TRUE(grouped.SpaceUp() & kClick);
  EXPECT_TRUE(grouped.Down());  // the down member does not release itself
}

TEST(ButtonStateMachineTest, TheAcceleratorPutsAGroupedWindowedButtonDown) {
  ButtonStateMachine b;
  b.SetGroupIndex(1);
  EXPECT_EQ(b.Accelerator(false), kClick);
  EXPECT_FALSE(b.Down());
  EXPECT_TRUE(b.Accelerator(true) & kClick);
  EXPECT_TRUE(b.Down());
}

TEST(ButtonStateMachineTest, DisablingClearsHoverAndTheNextPaintWhileEnabledLeavesDisabled) {
  ButtonStateMachine b;
  b.SetGroupIndex(1);
  b.SetDown(true);
  b.HoverOn(true);
  b.Disable();
  EXPECT_FALSE(b.Hovered());
  EXPECT_EQ(b.State(), TButtonState::StateDisabled);
  EXPECT_EQ(b.HoverOn(false), kNoAction);
  b.NormaliseForPaint(false);
  EXPECT_EQ(b.State(), TButtonState::StateDisabled);
  b.NormaliseForPaint(true);
  EXPECT_EQ(b.State(), TButtonState::StateExclusive);
  ButtonStateMachine pressed;
  pressed.Press(true, true);
  pressed.NormaliseForPaint(false);  // a paint of the disabled button ends the press
  EXPECT_FALSE(pressed.Pressing());
  pressed.NormaliseForPaint(true);
  EXPECT_EQ(pressed.State(), TButtonState::StateUp);
}

ButtonLook LookOf(const ButtonStateMachine& b, TTransparentMode mode = TTransparentMode::tmNone, bool windowed = true,
                  bool isDefault = false) {
  return ComputeButtonLook(b, b.State(), kColors, mode, windowed, isDefault, 1, 0, 0);
}

TEST(ButtonLookTest, FaceAndFrameFollowStateAndHover) {
  ButtonStateMachine b;
  ButtonLook rest = LookOf(b);
  EXPECT_EQ(rest.face, kColors.color);
  EXPECT_EQ(rest.frameTop, kColors.border);
  EXPECT_EQ(rest.frameBottom, kColors.border);
  EXPECT_EQ(rest.rings, 1);
  EXPECT_EQ(rest.offset, 0);
  EXPECT_FALSE(rest.hot);
  EXPECT_EQ(LookOf(b, TTransparentMode::tmNone, true, true).rings, 2);    // default frame
  EXPECT_EQ(LookOf(b, TTransparentMode::tmNone, false, true).rings, 1);   // not on the speed button
  b.HoverOn(true);
  ButtonLook hover = LookOf(b, TTransparentMode::tmNone, true, true);
  EXPECT_EQ(hover.face, kColors.focused);
  EXPECT_EQ(hover.frameTop, kColors.highlight);  // raised, and it replaces the default frame
  EXPECT_EQ(hover.frameBottom, kColors.shadow);
  EXPECT_EQ(hover.rings, 1);
  EXPECT_TRUE(hover.hot);
  b.Press(true, true);
  ButtonLook pressed = LookOf(b);
  EXPECT_EQ(pressed.face, kColors.down);
  EXPECT_EQ(pressed.frameTop, kColors.shadow);  // sunken
  EXPECT_EQ(pressed.frameBottom, kColors.highlight);
  EXPECT_EQ(pressed.offset, 1);
  EXPECT_TRUE(pressed.hot);

  ButtonStateMachine down;
  down.SetGroupIndex(1);
  down.SetDown(true);
  EXPECT_EQ(LookOf(down).face, kColors.down);
  EXPECT_EQ(LookOf(down).offset, 1);
  EXPECT_TRUE(LookOf(down).hot);
  down.HoverOn(true);
  EXPECT_EQ(LookOf(down).face, kColors.focused);
  EXPECT_EQ(LookOf(down).frameTop, kColors.shadow);

  ButtonStateMachine off;
  off.HoverOn(true);
  off.Disable();
  off.NormaliseForPaint(false);
  ButtonLook disabled = LookOf(off);
  EXPECT_EQ(disabled.face, kColors.color);
  EXPECT_EQ(disabled.frameTop, kColors.border);
  EXPECT_TRUE(disabled.disabled);
  EXPECT_TRUE(disabled.embossGlyph);
  EXPECT_FALSE(disabled.hot);  // hover is not shown on a disabled button
}

TEST(ButtonLookTest, TheOffsetComesFromTheStateBeforeThePaintNormalisesIt) {
  ButtonStateMachine b;
  b.Press(true, true);
  const TButtonState before = b.State();
  b.NormaliseForPaint(false);
  ButtonLook look = ComputeButtonLook(b, before, kColors, TTransparentMode::tmNone, true, false, 1, 0, 0);
  EXPECT_EQ(look.offset, 1);
  EXPECT_TRUE(look.disabled);
}

TEST(ButtonLookTest, TransparentModesShowTheParentOrNothing) {
  ButtonStateMachine b;
  using Bg = ButtonLook::Background;
  EXPECT_EQ(LookOf(b, TTransparentMode::tmAlways, true).background, Bg::Parent);
  EXPECT_EQ(LookOf(b, TTransparentMode::tmAlways, false).background, Bg::Nothing);
  EXPECT_EQ(LookOf(b, TTransparentMode::tmNotFocused, true).background, Bg::Parent);
  EXPECT_EQ(LookOf(b, TTransparentMode::tmNotFocused, false).background, Bg::Nothing);
  EXPECT_EQ(LookOf(b, TTransparentMode::tmNone, false).background, Bg::Face);
  b.HoverOn(true);
  EXPECT_EQ(LookOf(b, TTransparentMode::tmNotFocused, true).background, Bg::Face);
  EXPECT_EQ(LookOf(b, TTransparentMode::tmNotFocused, false).background, Bg::Face);
  EXPECT_EQ(LookOf(b, TTransparentMode::tmAlways, true).background, Bg::Parent);
}

TEST(ButtonLookTest, EachStateTakesItsImageOfTheStrip) {
  using S = TButtonState;
  const S states[] = {S::StateUp, S::StateDisabled, S::StatePressed, S::StateExclusive};
  // Left edges per strip length and state, with 16-pixel images.
  const int lefts[4][4] = {{0, 0, 0, 0}, {0, 16, 0, 0}, {0, 16, 32, 32}, {0, 16, 32, 48}};
  for (int n = 1; n <= 4; ++n)
    for (int s = 0; s < 4; ++s) {
      LayoutRect r = GlyphSourceRect(n, states[s], 16 * n, 16);
      EXPECT_EQ(r.left, lefts[n - 1][s]) << n << " " << s;
      EXPECT_EQ(r.right - r.left, n == 1 ? 16 : 16) << n << " " << s;
      EXPECT_EQ(r.bottom, 16);
    }
  // A strip whose width is no multiple of the count: the last image takes the rest.
  EXPECT_EQ(GlyphSourceRect(3, S::StatePressed, 50, 16), (LayoutRect{32, 0, 50, 16}));
  EXPECT_EQ(GlyphSourceRect(3, S::StateDisabled, 50, 16), (LayoutRect{16, 0, 32, 16}));
}

TEST(ButtonLookTest, AStripsShapeSaysHowManyImagesItHolds) {
  EXPECT_EQ(NumGlyphsForStrip(64, 16, 1), 4);
  EXPECT_EQ(NumGlyphsForStrip(16, 16, 3), 1);
  EXPECT_EQ(NumGlyphsForStrip(96, 16, 2), 1);  // more than four
  EXPECT_EQ(NumGlyphsForStrip(50, 16, 3), 3);  // not a multiple: unchanged
  EXPECT_EQ(NumGlyphsForStrip(0, 0, 2), 2);    // empty
}

}  // namespace
