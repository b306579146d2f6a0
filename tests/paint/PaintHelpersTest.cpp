// The drawing the flat controls and the labels share, read back from 32-bit bitmaps: the
// disabled glyph and the engraved caption.
#include "paint/PaintHelpers.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Gdi.h"
#include "tests/support/BitmapPixels.h"

namespace {

using Pixel = std::pair<int, int>;

using bitmappixels::At;
using bitmappixels::Bits;
using bitmappixels::Fill;

// The up arrow of the spin halves: one, three and five pixels on rows 1 to 3.
bool UpArrow(int x, int y) {
  if (x < 0 || y < 0 || x > 4 || y > 4) return false;
  return (y == 1 && x == 2) || (y == 2 && x >= 1 && x <= 3) || y == 3;
}

TEST(MakeDisabledGlyph, EmbossesTheGlyphsShapeNotItsBackground) {
  ui::TBitmap arrow;
  arrow.LoadFromResource("FlatUp");
  ASSERT_EQ(arrow.Width(), 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) ASSERT_EQ(At(arrow, x, y) == 0, UpArrow(x, y)) << x << "," << y;
  const ui::TColor mask = 0x00008080;  // the dark yellow background, its bottom-left pixel
  ASSERT_EQ(At(arrow, 0, 4), Bits(mask));

  const ui::TColor back = 0x0000FF00, highlight = 0x00FFFF00, shadow = 0x000000FF;
  auto embossed = MakeDisabledGlyph(arrow, mask, back, highlight, shadow, true);
  ASSERT_EQ(embossed->Width(), 5);
  ASSERT_EQ(embossed->Height(), 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) {
      std::uint32_t expected = UpArrow(x, y) ? Bits(shadow) : UpArrow(x - 1, y - 1) ? Bits(highlight) : Bits(back);
      EXPECT_EQ(At(*embossed, x, y), expected) << x << "," << y;
    }
  }
  auto flat = MakeDisabledGlyph(arrow, mask, back, highlight, shadow, false);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(*flat, x, y), UpArrow(x, y) ? Bits(shadow) : Bits(back));
  // The source is left as it was.
  EXPECT_EQ(At(arrow, 2, 1), 0u);
  EXPECT_EQ(At(arrow, 0, 0), Bits(mask));
}

TEST(MakeDisabledGlyph, AnEmptySourceGivesAnEmptyImage) {
  ui::TBitmap empty;
  EXPECT_TRUE(MakeDisabledGlyph(empty, 0, 0, 0, 0, true)->Empty());
}

TEST(DrawEngravedText, TheHighlightCopyLiesOnePixelRightAndDownUnderTheShadowCopy) {
  ui::TBitmap b;
  b.SetSize(60, 24);
  const ui::TColor ground = 0x0000FF00;
  Fill(b, ground);
  LOGFONTA lf{};
  lf.lfHeight = -13;
  lf.lfQuality = NONANTIALIASED_QUALITY;
  lstrcpyA(lf.lfFaceName, "Tahoma");
  ui::FontHandle font(CreateFontIndirectA(&lf));
  ui::SelectedObject selected(b.DC(), font.Get());
  DrawEngravedText(b.DC(), "HELLO", RECT{2, 2, 58, 22}, DT_LEFT | DT_TOP | DT_SINGLELINE);
  std::set<Pixel> shadow, highlight;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 60; ++x) {
      std::uint32_t p = At(b, x, y);
      if (p == Bits(ui::clBtnShadow)) shadow.insert({x, y});
      else if (p == Bits(ui::clBtnHighlight)) highlight.insert({x, y});
      else EXPECT_EQ(p, Bits(ground)) << x << "," << y;
    }
  ASSERT_GT(shadow.size(), 20u);
  ASSERT_GT(highlight.size(), 5u);
  for (const Pixel& h : highlight) EXPECT_TRUE(shadow.count({h.first - 1, h.second - 1})) << h.first << "," << h.second;
  for (const Pixel& s : shadow) {
    Pixel below{s.first + 1, s.second + 1};
    EXPECT_TRUE(shadow.count(below) || highlight.count(below)) << s.first << "," << s.second;
  }
}

}  // namespace
