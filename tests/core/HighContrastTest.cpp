#include "core/HighContrast.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using core::LookPart;
using core::SystemInk;

constexpr std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r | (g << 8) | (b << 16)); }

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

// Both of Windows' classic contrast themes: every part reads at 4.5:1 at least on its ground.
TEST(HighContrastTest, EveryPartReadsOnItsGroundInBothContrastThemes) {
  using Scheme = std::map<SystemInk, std::uint32_t>;
  const Scheme black{{SystemInk::Window, Rgb(0, 0, 0)},          {SystemInk::WindowText, Rgb(255, 255, 255)},
                     {SystemInk::ButtonFace, Rgb(0, 0, 0)},      {SystemInk::ButtonText, Rgb(255, 255, 255)},
                     {SystemInk::Highlight, Rgb(26, 235, 255)},  {SystemInk::HighlightText, Rgb(0, 0, 0)},
                     {SystemInk::GrayText, Rgb(63, 242, 63)},    {SystemInk::HotLight, Rgb(255, 255, 0)}};
  const Scheme white{{SystemInk::Window, Rgb(255, 255, 255)},    {SystemInk::WindowText, Rgb(0, 0, 0)},
                     {SystemInk::ButtonFace, Rgb(255, 255, 255)}, {SystemInk::ButtonText, Rgb(0, 0, 0)},
                     {SystemInk::Highlight, Rgb(55, 0, 110)},    {SystemInk::HighlightText, Rgb(255, 255, 255)},
                     {SystemInk::GrayText, Rgb(96, 0, 0)},       {SystemInk::HotLight, Rgb(0, 0, 159)}};
  for (const Scheme* scheme : {&black, &white}) {
    for (LookPart part : {LookPart::Text, LookPart::FieldText, LookPart::HotText, LookPart::Disabled, LookPart::Link}) {
      SCOPED_TRACE(static_cast<int>(part));
      const std::uint32_t ink = scheme->at(core::HighContrastInk(part));
      const std::uint32_t ground = scheme->at(core::HighContrastInk(core::GroundOf(part)));
      EXPECT_GE(core::ContrastRatio(ink, ground), 4.5);
    }
  }
}

}  // namespace
