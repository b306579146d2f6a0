#include "core/HighContrast.h"

#include <gtest/gtest.h>

#include "tests/core/Rgb.h"

namespace {

using coretest::Rgb;

TEST(HighContrastTest, ContrastRatioFollowsTheWebsRule) {
  EXPECT_DOUBLE_EQ(core::ContrastRatio(Rgb(0, 0, 0), Rgb(255, 255, 255)), 21.0);
  EXPECT_DOUBLE_EQ(core::ContrastRatio(Rgb(255, 255, 255), Rgb(0, 0, 0)), 21.0);
  EXPECT_DOUBLE_EQ(core::ContrastRatio(Rgb(18, 52, 86), Rgb(18, 52, 86)), 1.0);
  // #777 on white is the well-known near miss of 4.5, #767676 the lightest grey that passes.
  EXPECT_NEAR(core::ContrastRatio(Rgb(0x77, 0x77, 0x77), Rgb(255, 255, 255)), 4.48, 0.01);
  EXPECT_GE(core::ContrastRatio(Rgb(0x76, 0x76, 0x76), Rgb(255, 255, 255)), 4.5);
  // Green weighs most, blue least; the channels are read red lowest.
  EXPECT_GT(core::RelativeLuminance(Rgb(0, 255, 0)), core::RelativeLuminance(Rgb(255, 0, 0)));
  EXPECT_GT(core::RelativeLuminance(Rgb(255, 0, 0)), core::RelativeLuminance(Rgb(0, 0, 255)));
  EXPECT_NEAR(core::RelativeLuminance(Rgb(0, 0, 255)), 0.0722, 1e-9);
}

}  // namespace
