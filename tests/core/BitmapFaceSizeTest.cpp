#include "core/BitmapFaceSize.h"

#include <gtest/gtest.h>

namespace {

// What "MS Sans Serif" gave for the heights the windows ask for, at the DPIs they ask them.
TEST(BitmapFaceSize, TheBitmapSizeServesUpToATenthBelowTheHeightAsked) {
  struct Case {
    const char* what;
    int requested, cellHeight, internalLeading;
    bool serves;
  } cases[] = {
      {"8 points at 96 DPI", -11, 13, 2, true},
      {"8 points at 150 %", -17, 20, 4, true},  // 16 for 17
      {"8 points at 200 %: the 150 % size again", -22, 20, 4, false},
      {"the chooser's small print at 96 DPI, larger than asked", -8, 13, 2, true},
      {"the small print at 200 %", -16, 20, 4, true},
      {"a tenth below", -20, 20, 2, true},
      {"more than a tenth below", -20, 20, 3, false},
      {"a cell height asked for", 20, 20, 4, true},
      {"a cell height the face cannot reach", 26, 20, 4, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(core::BitmapSizeServes(c.requested, c.cellHeight, c.internalLeading), c.serves) << c.what;
}

}  // namespace

namespace {

// The stand-in's widths for the sample as Wine's substitute for it measured them.
int MeasuredWidth(int height) {
  switch (height) {
    case -11: return 400;
    case -21: return 778;
    case -22: return 798;
    case -23: return 845;
    default: return 36 * -height;
  }
}

TEST(BitmapFaceSize, AStandInIsNoWiderThanTheDesignFaceScaled) {
  // 200 %: 2 x 389 = 778 pixels; at -22 the stand-in is 20 wider, at -21 exactly as wide.
  EXPECT_EQ(core::StandInHeight(-22, MeasuredWidth), -21);
  // A face narrower than the design keeps the height asked for.
  EXPECT_EQ(core::StandInHeight(-22, [](int height) { return 30 * -height; }), -22);
  // However wide the face, the text does not shrink below half the height asked for.
  EXPECT_EQ(core::StandInHeight(-22, [](int) { return 100000; }), -11);
}

}  // namespace
