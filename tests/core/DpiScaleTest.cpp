#include "core/DpiScale.h"

#include <gtest/gtest.h>

namespace {

using core::DpiScale;

TEST(DpiScale, ScalesByDpiOver96RoundingHalvesAwayFromZero) {
  struct Case {
    int value, dpi, expected;
  } cases[] = {
      {400, 96, 400},  {227, 96, 227},  {400, 144, 600}, {227, 144, 341}, {227, 192, 454}, {227, 120, 284},
      {-11, 144, -17}, {-11, 120, -14}, {-11, 192, -22}, {13, 144, 20},   {1, 144, 2},     {0, 192, 0},
      {3, 120, 4},     {5, 168, 9},
  };
  for (const Case& c : cases) EXPECT_EQ(DpiScale::Scale(c.value, c.dpi), c.expected) << c.value << " at " << c.dpi;
}

TEST(DpiScale, RescalingBetweenMonitorsGoesBothWaysAndLeavesAnUnknownDpiAlone) {
  EXPECT_EQ(DpiScale::Rescale(600, 144, 192), 800);
  EXPECT_EQ(DpiScale::Rescale(800, 192, 96), 400);
  EXPECT_EQ(DpiScale::Rescale(341, 144, 96), 227);
  EXPECT_EQ(DpiScale::Rescale(75, 0, 144), 75);
}

TEST(DpiScale, ThinLinesStayOnePixelBelow200PercentThenGrowByWholePixels) {
  struct Case {
    int dpi, width;
  } cases[] = {{96, 1}, {120, 1}, {144, 1}, {168, 1}, {191, 1}, {192, 2}, {240, 2}, {288, 3}, {72, 1}};
  for (const Case& c : cases) EXPECT_EQ(DpiScale::LineWidth(c.dpi), c.width) << c.dpi;
}

}  // namespace
