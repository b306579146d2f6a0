// The effect label's drawing passes read back from a 32-bit DIB: shadow copies, the highlight
// copy under the text, the disabled emboss, and rotated captions.
#include <algorithm>
#include <set>
#include <utility>

#include "labels/TProLabel.h"
#include "tests/flatctrls/FlatTestHost.h"
#include "tests/support/PixelSurface.h"

// Named: the tests are compiled several files to a unit, and each of these has its own palette.
namespace pro_label_paint {

using testsupport::PixelSurface;
using Pixels = std::set<std::pair<int, int>>;

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kFace = RGB(255, 240, 200);

Pixels Moved(const Pixels& pixels, int dx, int dy) {
  Pixels moved;
  for (auto [x, y] : pixels) moved.insert({x + dx, y + dy});
  return moved;
}

Pixels Without(Pixels a, const Pixels& b) {
  for (const auto& p : b) a.erase(p);
  return a;
}

class ProLabelPaint : public FlatControlTest {
 protected:
  ProLabelPaint() : label(Make<TProLabel>(10, 10, 60, 24)) {
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 60, 24);
    label->SetCaption("Hi!");
    label->SetColor(kFace);
    label->Font().SetColor(0x00000000);
  }

  // The label painted by its parent, as the window shows it.
  Pixels PixelsOf(COLORREF colour) {
    RedrawWindow(host->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PixelSurface s(label->Left() + label->Width() + 8, label->Top() + label->Height() + 8);
    PixelSurface::GrabClient(host->Handle(), s);
    Pixels found;
    for (int y = 0; y < s.Height(); ++y)
      for (int x = 0; x < s.Width(); ++x)
        if (s.At(x, y) == colour) found.insert({x - label->Left(), y - label->Top()});
    return found;
  }

  TProLabel* label;
};

TEST_F(ProLabelPaint, ShadowDrawsOneCopyTwoPixelsDownAndRightUnderTheText) {
  const Pixels text = PixelsOf(0);
  ASSERT_GT(text.size(), 10u);
  label->SetShadowStyle(TShadowStyle::ssShadow);
  label->SetShadowColor(0x000000FF);
  label->SetHighlightColor(0x0000FF00);
  EXPECT_EQ(PixelsOf(0), text) << "the text itself stays on top";
  EXPECT_EQ(PixelsOf(kRed), Without(Moved(text, 2, 2), text));
  EXPECT_TRUE(PixelsOf(kGreen).empty()) << "the highlight copy lies at the text's place, under it";
}

TEST_F(ProLabelPaint, ThickShadowDrawsFourCopiesThenTheHighlightThenTheText) {
  const Pixels text = PixelsOf(0);
  label->SetShadowStyle(TShadowStyle::ssThickShadow);
  label->SetShadowColor(0x000000FF);
  label->SetHighlightColor(0x0000FF00);
  Pixels copies;
  for (int step = 1; step <= 4; ++step) {
    Pixels copy = Moved(text, step, step);
    copies.insert(copy.begin(), copy.end());
  }
  EXPECT_EQ(PixelsOf(0), text);
  EXPECT_EQ(PixelsOf(kRed), Without(copies, text));
  EXPECT_TRUE(PixelsOf(kGreen).empty());
}

TEST_F(ProLabelPaint, RaisedShadowPutsTheHighlightUpLeftAndTheShadowDownRight) {
  const Pixels text = PixelsOf(0);
  label->SetShadowStyle(TShadowStyle::ssRaisedShadow);
  label->SetShadowColor(0x000000FF);
  label->SetHighlightColor(0x0000FF00);
  // The highlight is drawn after the shadow, so it wins where the two copies meet.
  const Pixels highlight = Without(Moved(text, -1, -1), text);
  EXPECT_EQ(PixelsOf(kGreen), highlight);
  EXPECT_EQ(PixelsOf(kRed), Without(Without(Moved(text, 1, 1), text), highlight));
}

TEST_F(ProLabelPaint, DisabledItIsEmbossedWhateverItsEffectsAndFontColour) {
  const Pixels text = PixelsOf(0);
  label->SetShadowStyle(TShadowStyle::ssThickShadow);
  label->SetShadowColor(0x000000FF);
  label->Font().SetColor(0x0000FF00);
  label->SetEnabled(false);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_EQ(PixelsOf(shadow), text);
  EXPECT_EQ(PixelsOf(highlight), Without(Moved(text, 1, 1), text));
  EXPECT_TRUE(PixelsOf(kRed).empty());
  EXPECT_TRUE(PixelsOf(kGreen).empty());
}

class ProLabelRotated : public ProLabelPaint {
 protected:
  ProLabelRotated() {
    label->Font().SetName("Tahoma");
    label->Font().SetSize(10);
    label->SetCaption("Skylatch");
    label->SetBounds(10, 10, 120, 120);
  }

  static RECT Ink(const Pixels& pixels) {
    RECT r{1000, 1000, -1000, -1000};
    for (auto [x, y] : pixels) {
      r.left = std::min<LONG>(r.left, x);
      r.top = std::min<LONG>(r.top, y);
      r.right = std::max<LONG>(r.right, x + 1);
      r.bottom = std::max<LONG>(r.bottom, y + 1);
    }
    return r;
  }
};

TEST_F(ProLabelRotated, AQuarterTurnStandsTheTextUpright) {
  const RECT flat = Ink(PixelsOf(0));
  for (int angle : {90, 270}) {
    label->SetAngle(angle);
    const RECT turned = Ink(PixelsOf(0));
    SCOPED_TRACE(angle);
    EXPECT_NEAR(turned.bottom - turned.top, flat.right - flat.left, 2) << "the text's length runs upright";
    EXPECT_LT(turned.right - turned.left, turned.bottom - turned.top);
    EXPECT_GE(turned.left, 0);
    EXPECT_GE(turned.top, 0);
  }
}

TEST_F(ProLabelRotated, ASmallLabelClipsTheTurnedText) {
  label->SetAngle(90);
  const RECT whole = Ink(PixelsOf(0));
  label->SetBounds(10, 10, 20, 30);
  const Pixels clipped = PixelsOf(0);
  ASSERT_FALSE(clipped.empty());
  const RECT ink = Ink(clipped);
  EXPECT_GE(ink.left, 0);
  EXPECT_GE(ink.top, 0);
  EXPECT_LE(ink.right, 20);
  EXPECT_LE(ink.bottom, 30);
  EXPECT_LT(ink.bottom - ink.top, whole.bottom - whole.top);
}

TEST_F(ProLabelRotated, CentredInALabelExactlyItsBoxItIsNotMoved) {
  // For a quarter turn the box is the text's height wide and its width high.
  ui::WindowDC screen(nullptr);
  ui::SelectedObject font(screen.Get(), label->Font().Handle());
  SIZE text{};
  GetTextExtentPoint32A(screen.Get(), "Skylatch", 8, &text);
  label->SetBounds(10, 10, text.cy, text.cx);
  for (int angle : {90, 270}) {
    label->SetAngle(angle);
    label->SetAlignment(ui::TAlignment::taLeftJustify);
    label->SetVerticalAlignment(TVerticalAlignment::vaTop);
    const Pixels topLeft = PixelsOf(0);
    ASSERT_GT(topLeft.size(), 20u);
    label->SetAlignment(ui::TAlignment::taCenter);
    label->SetVerticalAlignment(TVerticalAlignment::vaCenter);
    EXPECT_EQ(PixelsOf(0), topLeft) << angle;
    label->SetAlignment(ui::TAlignment::taRightJustify);
    label->SetVerticalAlignment(TVerticalAlignment::vaBottom);
    EXPECT_EQ(PixelsOf(0), topLeft) << angle;
  }
}

}  // namespace pro_label_paint
