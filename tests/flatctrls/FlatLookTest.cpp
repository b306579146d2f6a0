// The flat look's own helpers, read back from 32-bit bitmaps: a parent's picture under a
// transparent control, and the advanced colours.
#include "flatctrls/FlatLook.h"

#include <utility>

#include "framework/Bitmap.h"
#include "framework/CustomControl.h"
#include "tests/support/BitmapPixels.h"
#include "tests/flatctrls/FlatPixels.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

using Pixel = std::pair<int, int>;

using bitmappixels::At;
using bitmappixels::Bits;
using bitmappixels::Fill;

using flatpixels::TPatternPanel;

class FlatLook : public FlatControlTest {};

TEST_F(FlatLook, PaintParentBackgroundCopiesWhatTheParentShowsUnderTheControl) {
  auto* panel = Make<TPatternPanel>(10, 10, 120, 80);
  auto* child = Make<ui::TCustomControl>(13, 7, 40, 30, panel);
  ui::TBitmap b;
  b.SetSize(40, 30);
  Fill(b, ui::clWhite);
  PaintParentBackground(*child, b.DC());
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      ASSERT_EQ(At(b, x, y), Bits(TPatternPanel::ColorAt(x + 13, y + 7))) << x << "," << y;

  // Beyond the parent's client area nothing is painted.
  child->SetBounds(100, 60, 40, 30);
  Fill(b, ui::clWhite);
  PaintParentBackground(*child, b.DC());
  EXPECT_EQ(At(b, 19, 19), Bits(TPatternPanel::ColorAt(119, 79)));
  EXPECT_EQ(At(b, 20, 20), Bits(ui::clWhite));
}

TEST(AdvancedColors, DeriveOnlyWhileInUseLighteningTheFocusedColour) {
  AdvancedColors colors(kFlatFocusedColor, kFlatDownColor, kFlatBorderColor);
  colors.Derive(kFlatFaceColor);
  EXPECT_EQ(colors.Color(AdvancedColors::Border), kFlatBorderColor);
  EXPECT_TRUE(colors.Use(true));
  EXPECT_FALSE(colors.Use(true));
  colors.SetPercent(AdvancedColors::Focused, 0);
  colors.Derive(kFlatFaceColor);
  EXPECT_EQ(colors.Color(AdvancedColors::Focused), kFlatFocusedColor);  // 0 keeps the stored value
  EXPECT_EQ(colors.Color(AdvancedColors::Border), 0x00ADC6C9u);
  EXPECT_EQ(colors.Color(AdvancedColors::Down), DeriveShade(kFlatFaceColor, 0, 10, true));
  colors.SetPercent(AdvancedColors::Focused, 150);
  EXPECT_EQ(colors.Percent(AdvancedColors::Focused), 100);
  colors.Derive(kFlatFaceColor);
  EXPECT_EQ(colors.Color(AdvancedColors::Focused), DeriveShade(kFlatFaceColor, 0, 100, false));
}

// The rules every flat control shares: the control follows its parent before the shades are
// derived from its base, only while the option is on, and a control without a base derives nothing.
TEST(AdvancedColors, TiesFollowTheParentFirstThenDeriveFromTheBase) {
  std::string calls;
  std::optional<ui::TColor> base = kFlatFaceColor;
  AdvancedColors colors(kFlatFocusedColor, kFlatDownColor, kFlatBorderColor);
  colors.Tie({[&](bool on) { calls += on ? "on " : "off "; }, [&] { calls += "follow "; }, [&] {
                calls += "base ";
                return base;
              }});
  EXPECT_FALSE(colors.ColorsChanged());
  colors.SetPercent(AdvancedColors::Border, 50);
  EXPECT_EQ(calls, "");
  EXPECT_TRUE(colors.Use(true));
  EXPECT_EQ(calls, "on base ");
  EXPECT_EQ(colors.Color(AdvancedColors::Border), 0x00ADC6C9u);
  base = ui::clWhite;
  EXPECT_TRUE(colors.ColorsChanged());
  EXPECT_EQ(calls, "on base follow base ");
  EXPECT_EQ(colors.Color(AdvancedColors::Border), DeriveShade(ui::clWhite, 0, 50, true));
  base.reset();
  colors.SetPercent(AdvancedColors::Border, 10);
  EXPECT_EQ(colors.Color(AdvancedColors::Border), DeriveShade(ui::clWhite, 0, 50, true));
  EXPECT_TRUE(colors.Use(false));
  EXPECT_EQ(calls, "on base follow base base off ");
}

}  // namespace
