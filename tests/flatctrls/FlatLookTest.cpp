// The shared drawing helpers of the flat look, read back from 32-bit bitmaps: the disabled glyph,
// the engraved caption, and a parent's picture under a transparent control.
#include "flatctrls/FlatLook.h"

#include <set>
#include <utility>

#include "framework/Bitmap.h"
#include "framework/CustomControl.h"
#include "tests/flatctrls/FlatPixels.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

using Pixel = std::pair<int, int>;

// 0x00RRGGBB as the bitmap holds it, from a TColor.
std::uint32_t Bits(ui::TColor color) {
  COLORREF c = ui::ColorToRGB(color);
  return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

std::uint32_t At(const ui::TBitmap& b, int x, int y) {
  GdiFlush();
  return b.Bits()[y * b.Width() + x] & 0xFFFFFF;
}

void Fill(ui::TBitmap& b, ui::TColor color) {
  b.Canvas().SetBrushColor(color);
  b.Canvas().FillRect(RECT{0, 0, b.Width(), b.Height()});
}

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
  EXPECT_TRUE(colors.SetInUse(true));
  EXPECT_FALSE(colors.SetInUse(true));
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

}  // namespace
