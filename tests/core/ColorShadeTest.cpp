#include "core/ColorShade.h"

#include <gtest/gtest.h>

#include "tests/core/Rgb.h"

namespace {

using core::ColorShade;
using core::TColor;

constexpr TColor kFlatFace = 0x00E1EAEB;
constexpr TColor kWhite = 0x00FFFFFF;
constexpr TColor kBlack = 0x00000000;

using coretest::Rgb;

TEST(ColorShadeTest, SystemColoursHaveHighByte80) {
  EXPECT_TRUE(ColorShade::IsSystemColor(0x8000000F));
  EXPECT_TRUE(ColorShade::IsSystemColor(0x80000014));
  EXPECT_EQ(ColorShade::SystemColorIndex(0x80000010), 0x10);
  EXPECT_FALSE(ColorShade::IsSystemColor(kFlatFace));
  EXPECT_FALSE(ColorShade::IsSystemColor(kWhite));
}

TEST(ColorShadeTest, FlatFaceToHsl) {
  const core::Hsl hsl = ColorShade::RgbToHsl(kFlatFace);
  EXPECT_EQ(hsl.hue, 36);
  EXPECT_EQ(hsl.saturation, 48);
  EXPECT_EQ(hsl.lightness, 216);
}

TEST(ColorShadeTest, PrimaryHues) {
  EXPECT_EQ(ColorShade::RgbToHsl(Rgb(255, 0, 0)).hue, 0);
  EXPECT_EQ(ColorShade::RgbToHsl(Rgb(0, 255, 0)).hue, 80);   // 1/3 of 239, rounded
  EXPECT_EQ(ColorShade::RgbToHsl(Rgb(0, 0, 255)).hue, 159);  // 2/3 of 239, rounded
  EXPECT_EQ(ColorShade::RgbToHsl(Rgb(255, 0, 255)).hue, 199);  // negative hue wraps: 5/6 of 239
  const core::Hsl red = ColorShade::RgbToHsl(Rgb(255, 0, 0));
  EXPECT_EQ(red.saturation, 240);
  EXPECT_EQ(red.lightness, 120);
  EXPECT_EQ(ColorShade::HslToRgb(0, 240, 120), Rgb(255, 0, 0));
  // 80 and 159 of 239 miss a third exactly, so a trace of the neighbouring channel shows.
  EXPECT_EQ(ColorShade::HslToRgb(80, 240, 120), Rgb(0, 255, 2));
  EXPECT_EQ(ColorShade::HslToRgb(159, 240, 120), Rgb(0, 2, 255));
}

TEST(ColorShadeTest, GreysHaveNoHueOrSaturation) {
  for (int v : {0, 1, 106, 128, 200, 255}) {
    const core::Hsl hsl = ColorShade::RgbToHsl(Rgb(v, v, v));
    EXPECT_EQ(hsl.hue, 0) << v;
    EXPECT_EQ(hsl.saturation, 0) << v;
  }
  EXPECT_EQ(ColorShade::HslToRgb(0, 0, 100), Rgb(106, 106, 106));  // 106.25
  EXPECT_EQ(ColorShade::HslToRgb(17, 0, 240), kWhite);
  EXPECT_EQ(ColorShade::HslToRgb(0, 0, 0), kBlack);
  EXPECT_EQ(ColorShade::HslToRgb(0, 0, 120), Rgb(128, 128, 128));  // 127.5 rounds to even
}

TEST(ColorShadeTest, RoundTripsTheFlatScheme) {
  for (TColor c : {kFlatFace, TColor{0x00C5D6D9}, TColor{0x008396A0}}) {
    const core::Hsl hsl = ColorShade::RgbToHsl(c);
    const TColor back = ColorShade::HslToRgb(hsl.hue, hsl.saturation, hsl.lightness);
    for (int shift : {0, 8, 16})
      EXPECT_NEAR(static_cast<int>((back >> shift) & 0xFF), static_cast<int>((c >> shift) & 0xFF), 3) << std::hex << c;
  }
}

TEST(ColorShadeTest, ZeroPercentReturnsTheCurrentColour) {
  EXPECT_EQ(ColorShade::DeriveShade(kFlatFace, 0x00123456, 0, true), 0x00123456u);
  EXPECT_EQ(ColorShade::DeriveShade(kWhite, 0x8000000F, 0, false), 0x8000000Fu);
}

TEST(ColorShadeTest, DarkeningTheFaceByFiftyGivesTheDefaultBorder) {
  EXPECT_EQ(ColorShade::DeriveShade(kFlatFace, kBlack, 50, true), 0x00ADC6C9u);
  EXPECT_EQ(ColorShade::DeriveShade(kFlatFace, kBlack, 50, true), Rgb(201, 198, 173));
}

TEST(ColorShadeTest, LighteningCapsAtHundredOfTwoForty) {
  EXPECT_EQ(ColorShade::DeriveShade(kWhite, kBlack, 10, false), Rgb(106, 106, 106));
  EXPECT_EQ(ColorShade::DeriveShade(kFlatFace, kBlack, 10, false), ColorShade::HslToRgb(36, 48, 100));
  // 24 + 10 + 10 = 44 stays under the cap.
  EXPECT_EQ(ColorShade::DeriveShade(Rgb(26, 26, 26), kWhite, 10, false), ColorShade::HslToRgb(0, 0, 44));
}

TEST(ColorShadeTest, DarkeningClampsAtZero) {
  EXPECT_EQ(ColorShade::DeriveShade(kBlack, kWhite, 50, true), kBlack);
  EXPECT_EQ(ColorShade::DeriveShade(Rgb(20, 20, 20), kWhite, 100, true), kBlack);
}

TEST(ColorShadeTest, LightnessAboveTheScaleClampsChannels) {
  // White darkened by 5: 240 + 10 - 5 = 245 of 240.
  EXPECT_EQ(ColorShade::DeriveShade(kWhite, kBlack, 5, true), kWhite);
  const TColor tinted = ColorShade::HslToRgb(36, 48, 245);
  EXPECT_EQ(tinted & 0xFF, 0xFFu);
  EXPECT_EQ((tinted >> 24), 0u);
}

}  // namespace
