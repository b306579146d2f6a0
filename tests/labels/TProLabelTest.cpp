// The effect label's setters: angle, offsets, effect presets and the second name of the layout.
#include "framework/ClassRegistry.h"
#include "labels/TProLabel.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

class ProLabel : public FlatControlTest {
 protected:
  ProLabel() : label(Make<TProLabel>(10, 10, 100, 20)) { label->SetCaption("Skylatch!"); }

  TProLabel* label;
};

TEST_F(ProLabel, StartsPlainWithTheButtonColoursForItsEffects) {
  EXPECT_EQ(label->Angle(), 0);
  EXPECT_EQ(label->ShadowStyle(), TShadowStyle::ssNone);
  EXPECT_EQ(label->HighlightColor(), ui::clBtnHighlight);
  EXPECT_EQ(label->ShadowColor(), ui::clBtnShadow);
  EXPECT_EQ(label->VerticalAlignment(), TVerticalAlignment::vaTop);
}

TEST_F(ProLabel, AnglesAreKeptWithinOneTurn) {
  label->SetAngle(-90);
  EXPECT_EQ(label->Angle(), 270);
  EXPECT_NEAR(label->AngleSin(), -1.0, 1e-9);
  label->SetAngle(450);
  EXPECT_EQ(label->Angle(), 90);
  label->SetAngle(720);
  EXPECT_EQ(label->Angle(), 0);
  EXPECT_NEAR(label->AngleCos(), 1.0, 1e-9);
}

TEST_F(ProLabel, TurningOrShiftingRightOrDownEndsAutoSize) {
  ASSERT_TRUE(label->AutoSize());
  label->SetOffsetX(-3);
  EXPECT_TRUE(label->AutoSize());
  label->SetOffsetX(3);
  EXPECT_FALSE(label->AutoSize());
  label->SetAutoSize(true);
  label->SetAngle(90);
  EXPECT_FALSE(label->AutoSize());
  label->SetAngle(0);
  EXPECT_FALSE(label->AutoSize());
}

TEST_F(ProLabel, ChangingOneValueOfAPresetMakesTheStyleCustom) {
  label->SetShadowStyle(TShadowStyle::ssRaisedShadow);
  EXPECT_EQ(label->HighlightDirection(), TDirection::drUpLeft);
  EXPECT_EQ(label->ShadowDirection(), TDirection::drDownRight);
  EXPECT_EQ(label->ShadowSize(), 1);
  label->SetShadowSize(2);
  EXPECT_EQ(label->ShadowStyle(), TShadowStyle::ssCustom);
  EXPECT_EQ(label->ShadowSize(), 2);
  EXPECT_EQ(label->HighlightDepth(), 1);
  EXPECT_EQ(label->ShadowDepth(), 1);
}

TEST_F(ProLabel, SettingAPresetsOwnValueKeepsThePreset) {
  label->SetShadowStyle(TShadowStyle::ssThickShadow);
  label->SetShadowSize(4);
  label->SetShadowDepth(1);
  EXPECT_EQ(label->ShadowStyle(), TShadowStyle::ssThickShadow);
}

TEST_F(ProLabel, TheColourStylesPaintTheFontInButtonFace) {
  label->SetShadowStyle(TShadowStyle::ssRaisedColor);
  EXPECT_EQ(label->Font().Color(), ui::clBtnFace);
  label->SetShadowStyle(TShadowStyle::ssRaised);
  EXPECT_EQ(label->Font().Color(), ui::clBtnFace);
  EXPECT_EQ(label->ShadowSize(), 0);
}

TEST_F(ProLabel, LayoutIsASecondNameForVerticalAlignment) {
  ui::LoadContext context;
  context.root = host;
  ASSERT_TRUE(label->SetProperty("Layout", core::PropertyValue::Identifier("tlBottom"), context));
  EXPECT_EQ(label->VerticalAlignment(), TVerticalAlignment::vaBottom);
  EXPECT_EQ(label->Layout(), ui::TTextLayout::tlBottom);
}

TEST_F(ProLabel, ADisabledLabelIsEmbossedWhateverItsEffects) {
  label->SetAutoSize(false);
  label->SetShadowStyle(TShadowStyle::ssShadow);
  label->SetEnabled(false);
  label->SetCaption("W");
  label->Font().SetColor(ui::clRed);
  host->Repaint();
  HDC dc = GetDC(host->Handle());
  bool anyRed = false, anyShadow = false;
  for (int y = 10; y < 30; ++y)
    for (int x = 10; x < 40; ++x) {
      COLORREF c = GetPixel(dc, x, y);
      anyRed |= c == RGB(255, 0, 0);
      anyShadow |= c == GetSysColor(COLOR_BTNSHADOW);
    }
  ReleaseDC(host->Handle(), dc);
  EXPECT_FALSE(anyRed);
  EXPECT_TRUE(anyShadow);
}

}  // namespace
