#include "core/GlyphLayout.h"

#include <gtest/gtest.h>

namespace {

using core::LayoutPoint;
using core::LayoutRect;
using core::LayoutSize;
using core::TButtonLayout;

core::GlyphAndCaption Place(LayoutRect client, TButtonLayout layout, int spacing, int margin, LayoutSize glyph,
                            LayoutSize text, LayoutPoint offset = {}) {
  return core::LayoutGlyphAndCaption(client, offset, layout, spacing, margin, glyph, text);
}

TEST(GlyphLayoutTest, ANewButtonWithoutGlyphCentresItsCaption) {
  // 25 x 25, glyph on top, spacing 4 (dropped: no glyph), margin automatic.
  auto placed = Place({0, 0, 25, 25}, TButtonLayout::blGlyphTop, 4, -1, {}, {7, 13});
  EXPECT_EQ(placed.textBounds, (LayoutRect{9, 6, 16, 19}));
}

TEST(GlyphLayoutTest, AutomaticMarginAndSpacingShareTheRoomInThirds) {
  auto left = Place({0, 0, 75, 25}, TButtonLayout::blGlyphLeft, -1, -1, {16, 16}, {40, 13});
  EXPECT_EQ(left.glyphPos, (LayoutPoint{6, 5}));
  EXPECT_EQ(left.textBounds, (LayoutRect{28, 6, 68, 19}));
  auto right = Place({0, 0, 75, 25}, TButtonLayout::blGlyphRight, -1, -1, {16, 16}, {40, 13});
  EXPECT_EQ(right.glyphPos, (LayoutPoint{53, 5}));
  EXPECT_EQ(right.textBounds, (LayoutRect{7, 6, 47, 19}));
}

TEST(GlyphLayoutTest, AGivenSpacingCentresTheWholeAlongTheLayoutsAxis) {
  auto top = Place({0, 0, 60, 60}, TButtonLayout::blGlyphTop, 4, -1, {16, 16}, {30, 13});
  EXPECT_EQ(top.glyphPos, (LayoutPoint{22, 14}));
  EXPECT_EQ(top.textBounds, (LayoutRect{15, 34, 45, 47}));
  auto bottom = Place({0, 0, 60, 60}, TButtonLayout::blGlyphBottom, 4, -1, {16, 16}, {30, 13});
  EXPECT_EQ(bottom.glyphPos, (LayoutPoint{22, 30}));
  EXPECT_EQ(bottom.textBounds, (LayoutRect{15, 13, 45, 26}));
}

TEST(GlyphLayoutTest, AGivenMarginSplitsWhatIsLeftForTheSpacing) {
  auto right = Place({0, 0, 75, 25}, TButtonLayout::blGlyphRight, -1, 4, {16, 16}, {40, 13});
  EXPECT_EQ(right.glyphPos, (LayoutPoint{55, 5}));
  EXPECT_EQ(right.textBounds, (LayoutRect{8, 6, 48, 19}));
  auto left = Place({0, 0, 75, 25}, TButtonLayout::blGlyphLeft, 3, 2, {16, 16}, {40, 13});
  EXPECT_EQ(left.glyphPos, (LayoutPoint{2, 5}));
  EXPECT_EQ(left.textBounds, (LayoutRect{21, 6, 61, 19}));
}

TEST(GlyphLayoutTest, AnEmptyCaptionDropsTheSpacingAndCentresTheGlyph) {
  auto placed = Place({0, 0, 25, 25}, TButtonLayout::blGlyphLeft, 4, -1, {16, 16}, {});
  EXPECT_EQ(placed.glyphPos, (LayoutPoint{5, 5}));
  // Automatic spacing becomes 0 first, so the margin is worked out as for a given spacing.
  auto automatic = Place({0, 0, 25, 25}, TButtonLayout::blGlyphTop, -1, -1, {16, 16}, {});
  EXPECT_EQ(automatic.glyphPos, (LayoutPoint{5, 5}));
}

TEST(GlyphLayoutTest, TheSpinHalvesArrowsSitTwoPixelsFromTheirEdge) {
  auto up = Place({0, 0, 11, 14}, TButtonLayout::blGlyphTop, 4, 2, {5, 5}, {});
  EXPECT_EQ(up.glyphPos, (LayoutPoint{3, 2}));
  auto down = Place({0, 0, 11, 14}, TButtonLayout::blGlyphBottom, 4, 2, {5, 5}, {});
  EXPECT_EQ(down.glyphPos, (LayoutPoint{3, 7}));
}

TEST(GlyphLayoutTest, ClientTopLeftAndOffsetMoveBoth) {
  auto still = Place({0, 0, 75, 25}, TButtonLayout::blGlyphLeft, -1, -1, {16, 16}, {40, 13});
  auto moved = Place({2, 3, 77, 28}, TButtonLayout::blGlyphLeft, -1, -1, {16, 16}, {40, 13}, {1, 1});
  EXPECT_EQ(moved.glyphPos, (LayoutPoint{still.glyphPos.x + 3, still.glyphPos.y + 4}));
  EXPECT_EQ(moved.textBounds, (LayoutRect{still.textBounds.left + 3, still.textBounds.top + 4,
                                          still.textBounds.right + 3, still.textBounds.bottom + 4}));
}

TEST(GlyphLayoutTest, DivisionsTruncateTowardZeroWhenTheContentIsWiderThanTheButton) {
  // (20 - 57) div 3 is -12, not -13.
  auto placed = Place({0, 0, 20, 25}, TButtonLayout::blGlyphLeft, -1, -1, {16, 16}, {41, 13});
  EXPECT_EQ(placed.glyphPos.x, -12);
  EXPECT_EQ(placed.textBounds.left, -12 + 16 - 12);
}

}  // namespace
