#include "core/CodeWindowLayout.h"

#include <gtest/gtest.h>

namespace {

using core::CodeWindowParts;
using core::LayoutRect;
using core::LayoutSize;

// The window as designed at 96 DPI: client 640 x 521.
CodeWindowParts Designed() {
  CodeWindowParts p;
  p.labels[0] = {8, 8, 90, 21};
  p.texts[0] = {8, 24, 553, 176};
  p.copyButtons[0] = {560, 24, 633, 49};
  p.labels[1] = {8, 184, 86, 197};
  p.texts[1] = {8, 200, 553, 272};
  p.copyButtons[1] = {560, 200, 633, 225};
  p.labels[2] = {8, 280, 128, 293};
  p.texts[2] = {8, 296, 633, 480};
  p.close = {560, 488, 633, 513};
  return p;
}

constexpr LayoutSize kDesignedClient{640, 521};
constexpr LayoutSize kMinText{120, 40};

bool Inside(const LayoutRect& r, LayoutSize client) {
  return r.left >= 0 && r.top >= 0 && r.right <= client.width && r.bottom <= client.height;
}

bool Overlap(const LayoutRect& a, const LayoutRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(CodeWindowLayoutTest, TheDesignedSizeGivesTheDesignedPlaces) {
  EXPECT_EQ(core::LayOutCodeWindow(Designed(), kDesignedClient, kDesignedClient, kMinText), Designed());
}

TEST(CodeWindowLayoutTest, AtEverySizeFromTheMinimumUpAllPartsAreInsideAndApart) {
  const LayoutSize minimum = core::MinimumCodeWindowClient(Designed(), kDesignedClient, kMinText);
  // The texts can shrink to 120 x 40: the script's and the call's are the narrowest (545) and
  // together with the advice they give up 112 + 32 + 144 pixels of height.
  EXPECT_EQ(minimum.width, 640 - (545 - 120));
  EXPECT_EQ(minimum.height, 521 - 112 - 32 - 144);
  // The code window at 200 % fitted to a 1280 x 1024 screen, and sizes a user may drag it to.
  const LayoutSize sizes[] = {minimum, {minimum.width + 1, minimum.height + 1}, {400, 300}, {640, 521},
                              {1274, 993}, {1280, 1042}, {1900, 1400}};
  for (LayoutSize size : sizes) {
    SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
    const CodeWindowParts p = core::LayOutCodeWindow(Designed(), kDesignedClient, size, kMinText);
    const LayoutRect all[] = {p.labels[0], p.texts[0], p.copyButtons[0], p.labels[1], p.texts[1],
                              p.copyButtons[1], p.labels[2], p.texts[2], p.close};
    for (std::size_t i = 0; i < std::size(all); ++i) {
      EXPECT_TRUE(Inside(all[i], size)) << "part " << i;
      for (std::size_t j = i + 1; j < std::size(all); ++j) EXPECT_FALSE(Overlap(all[i], all[j])) << i << " and " << j;
    }
    // Margins to the right and bottom edges stay as designed; the texts keep their order.
    EXPECT_EQ(size.width - p.close.right, 7);
    EXPECT_EQ(size.height - p.close.bottom, 8);
    EXPECT_EQ(size.width - p.texts[2].right, 7);
    EXPECT_EQ(p.copyButtons[0].left - p.texts[0].right, 7);
    EXPECT_EQ(p.close.top - p.texts[2].bottom, 8);
    for (const LayoutRect& text : p.texts) {
      EXPECT_GE(text.right - text.left, kMinText.width);
      EXPECT_GE(text.bottom - text.top, kMinText.height);
    }
  }
}

TEST(CodeWindowLayoutTest, SpareHeightGoesToTheTextsInProportionAndButtonsFollowTheirText) {
  // 408 more pixels: the texts were 152, 72 and 184 high (408 together), so each doubles.
  const CodeWindowParts p = core::LayOutCodeWindow(Designed(), kDesignedClient, {640, 929}, kMinText);
  EXPECT_EQ(p.texts[0], (LayoutRect{8, 24, 553, 328}));
  EXPECT_EQ(p.labels[1], (LayoutRect{8, 336, 86, 349}));
  EXPECT_EQ(p.texts[1], (LayoutRect{8, 352, 553, 496}));
  EXPECT_EQ(p.copyButtons[1], (LayoutRect{560, 352, 633, 377}));
  EXPECT_EQ(p.labels[2], (LayoutRect{8, 504, 128, 517}));
  EXPECT_EQ(p.texts[2], (LayoutRect{8, 520, 633, 888}));
  EXPECT_EQ(p.close, (LayoutRect{560, 896, 633, 921}));
}

}  // namespace
