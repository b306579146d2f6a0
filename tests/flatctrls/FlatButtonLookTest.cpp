// The looks of the flat buttons, painted into 32-bit bitmaps: rest, hover, pressed, down,
// default, disabled (engraved caption, embossed or second-image glyph) and transparent, for the
// windowed button and the speed button; and the spin halves' disabled arrows.
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatSpeedButton.h"
#include "flatctrls/TSpinButton.h"
#include "flatctrls/TTimerSpeedButton.h"
#include "tests/flatctrls/FlatPixels.h"
#include "tests/flatctrls/FlatTestHost.h"

// Named: the tests are compiled several files to a unit, and each of these has its own palette.
namespace flat_button_look {

using flatpixels::Rgb;
using flatpixels::Take;

constexpr ui::TColor kFace = 0x00C0E0F0, kFocused = 0x00F0F0F0, kDown = 0x00A0B0C0, kBorder = 0x00406080,
                     kHighlight = 0x00FFFFFE, kShadow = 0x00100000;

template <typename Button>
void Colour(Button& b) {
  b.SetColor(kFace);
  b.SetColorFocused(kFocused);
  b.SetColorDown(kDown);
  b.SetColorBorder(kBorder);
  b.SetColorHighLight(kHighlight);
  b.SetColorShadow(kShadow);
}

// The outer ring: top row and left column in top (the top-right and bottom-left corners belong
// to the bottom colour), right column and bottom row in bottom.
void ExpectRing(const flatpixels::Shot& s, int inset, ui::TColor top, ui::TColor bottom) {
  const int l = inset, t = inset, r = s.Width() - 1 - inset, b = s.Height() - 1 - inset;
  EXPECT_EQ(s.At(l, t), Rgb(top));
  EXPECT_EQ(s.At(r - 1, t), Rgb(top));
  EXPECT_EQ(s.At(l, b - 1), Rgb(top));
  EXPECT_EQ(s.At(r, t), Rgb(bottom));
  EXPECT_EQ(s.At(l, b), Rgb(bottom));
  EXPECT_EQ(s.At(r, b), Rgb(bottom));
  EXPECT_EQ(s.At(r, (t + b) / 2), Rgb(bottom));
  EXPECT_EQ(s.At((l + r) / 2, b), Rgb(bottom));
}

class FlatButtonLook : public FlatControlTest {
 protected:
  FlatButtonLook() : button(Make<TFlatButton>(10, 10, 73, 25)) {
    button->SetCaption("Preview");
    Colour(*button);
  }
  TFlatButton* button;
};

TEST_F(FlatButtonLook, AtRestAOneRingBorderAroundTheFaceAndTheCaptionInTheFontColour) {
  auto s = Take(*button);
  ExpectRing(*s, 0, kBorder, kBorder);
  EXPECT_EQ(s->At(1, 1), Rgb(kFace));
  EXPECT_EQ(s->At(3, 20), Rgb(kFace));
  RECT text = button->TextBounds();
  EXPECT_GT(s->Count(text, Rgb(button->Font().Color())), 10);
  EXPECT_NEAR(text.left + text.right, 73, 1);  // centred, an odd leftover pixel to the right
}

TEST_F(FlatButtonLook, HoverRaisesTheFrameAndShowsTheFocusedFace) {
  button->HoverOn();
  auto s = Take(*button);
  ExpectRing(*s, 0, kHighlight, kShadow);
  EXPECT_EQ(s->At(1, 1), Rgb(kFocused));
  EXPECT_EQ(s->At(3, 20), Rgb(kFocused));
}

TEST_F(FlatButtonLook, PressedSinksTheFrameAndMovesCaptionOnePixel) {
  Take(*button);
  RECT rest = button->TextBounds();
  SendMouse(*button, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  auto s = Take(*button);
  ExpectRing(*s, 0, kShadow, kHighlight);
  EXPECT_EQ(s->At(3, 20), Rgb(kDown));
  RECT pressed = button->TextBounds();
  EXPECT_EQ(pressed.left, rest.left + 1);
  EXPECT_EQ(pressed.top, rest.top + 1);
  // Dragged out, the hovered up look: hover-off is refused during the press.
  SendMouse(*button, WM_MOUSEMOVE, MK_LBUTTON, 90, 5);
  auto out = Take(*button);
  ExpectRing(*out, 0, kHighlight, kShadow);
  EXPECT_EQ(out->At(3, 20), Rgb(kFocused));
  SendMouse(*button, WM_LBUTTONUP, 0, 90, 5);
}

TEST_F(FlatButtonLook, TheDownMemberOfAGroupIsSunkenInColorDown) {
  button->SetGroupIndex(1);
  button->SetDown(true);
  auto s = Take(*button);
  ExpectRing(*s, 0, kShadow, kHighlight);
  EXPECT_EQ(s->At(3, 20), Rgb(kDown));
}

TEST_F(FlatButtonLook, TheDefaultButtonHasTwoBorderRingsUntilHovered) {
  button->SetDefault(true);
  auto s = Take(*button);
  ExpectRing(*s, 0, kBorder, kBorder);
  ExpectRing(*s, 1, kBorder, kBorder);
  EXPECT_EQ(s->At(2, 2), Rgb(kFace));
  button->HoverOn();
  auto hovered = Take(*button);
  ExpectRing(*hovered, 0, kHighlight, kShadow);
  EXPECT_EQ(hovered->At(1, 1), Rgb(kFocused));
}

TEST_F(FlatButtonLook, DisabledTheCaptionIsEngravedAndTheFaceStaysColor) {
  button->HoverOn();
  button->SetEnabled(false);
  auto s = Take(*button);
  ExpectRing(*s, 0, kBorder, kBorder);
  EXPECT_EQ(s->At(3, 20), Rgb(kFace));
  RECT text = button->TextBounds();
  RECT wider{text.left, text.top, text.right + 1, text.bottom + 1};
  EXPECT_EQ(s->Count(wider, Rgb(button->Font().Color())), 0);
  int shadow = s->Count(wider, Rgb(ui::clBtnShadow)), highlight = s->Count(wider, Rgb(ui::clBtnHighlight));
  EXPECT_GT(shadow, 10);
  EXPECT_GT(highlight, 3);
  // Every highlight pixel lies one right and down of a shadow pixel.
  for (int y = wider.top; y < wider.bottom; ++y)
    for (int x = wider.left; x < wider.right; ++x)
      if (s->At(x, y) == Rgb(ui::clBtnHighlight)) EXPECT_EQ(s->At(x - 1, y - 1), Rgb(ui::clBtnShadow)) << x << "," << y;
}

// A 5 x 5 up arrow on a yellow background; with two images the second is a solid square.
void ArrowStrip(ui::TBitmap& strip, int images) {
  strip.SetSize(5 * images, 5);
  strip.Canvas().SetBrushColor(0x0000FFFF);
  strip.Canvas().FillRect(RECT{0, 0, 5 * images, 5});
  for (int y = 1; y <= 3; ++y)
    for (int x = 3 - y; x <= 1 + y; ++x) SetPixelV(strip.DC(), x, y, RGB(0, 0, 0));
  if (images > 1) {
    strip.Canvas().SetBrushColor(0x00FF0000);
    strip.Canvas().FillRect(RECT{6, 1, 9, 4});
  }
}

bool Arrow(int x, int y) { return y >= 1 && y <= 3 && x >= 3 - y && x <= 1 + y; }

TEST_F(FlatButtonLook, AOneImageGlyphIsEmbossedWhenDisabledAndTransparentOtherwise) {
  ui::TBitmap strip;
  ArrowStrip(strip, 1);
  button->SetCaption("");
  button->SetGlyph(strip);
  auto s = Take(*button);
  POINT g = button->GlyphPos();
  EXPECT_EQ(g.x, (73 - 5 + 1) / 2);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(s->At(g.x + x, g.y + y), Arrow(x, y) ? RGB(0, 0, 0) : Rgb(kFace)) << x << "," << y;

  button->SetEnabled(false);
  auto d = Take(*button);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      COLORREF expected = Arrow(x, y)                ? Rgb(ui::clBtnShadow)
                          : Arrow(x - 1, y - 1) && x < 5 && y < 5 ? Rgb(ui::clBtnHighlight)
                                                                  : Rgb(kFace);
      EXPECT_EQ(d->At(g.x + x, g.y + y), expected) << x << "," << y;
    }
}

TEST_F(FlatButtonLook, ATwoImageStripShowsItsSecondImageWhenDisabled) {
  ui::TBitmap strip;
  ArrowStrip(strip, 2);
  button->SetCaption("");
  button->SetGlyph(strip);
  EXPECT_EQ(button->NumGlyphs(), 2);
  button->SetEnabled(false);
  auto s = Take(*button);
  POINT g = button->GlyphPos();
  EXPECT_EQ(s->At(g.x + 2, g.y + 2), RGB(0, 0, 255));
  EXPECT_EQ(s->At(g.x + 0, g.y + 0), Rgb(kFace));
  EXPECT_EQ(s->Count(RECT{0, 0, 73, 25}, Rgb(ui::clBtnShadow)), 0);
}

TEST_F(FlatButtonLook, TransparentButtonsShowTheParentsPattern) {
  auto* panel = Make<flatpixels::TPatternPanel>(5, 5, 200, 100);
  auto* over = Make<TFlatButton>(17, 11, 40, 25, panel);
  Colour(*over);
  over->SetTransparentMode(TTransparentMode::tmAlways);
  auto s = Take(*over);
  ExpectRing(*s, 0, kBorder, kBorder);
  for (int y = 1; y < 24; ++y)
    for (int x = 1; x < 39; ++x)
      ASSERT_EQ(s->At(x, y), Rgb(flatpixels::TPatternPanel::ColorAt(x + 17, y + 11))) << x << "," << y;
  // Not focused: the face only while hovered.
  over->SetTransparentMode(TTransparentMode::tmNotFocused);
  EXPECT_EQ(Take(*over)->At(5, 5), Rgb(flatpixels::TPatternPanel::ColorAt(22, 16)));
  over->HoverOn();
  EXPECT_EQ(Take(*over)->At(5, 5), Rgb(kFocused));
}

TEST_F(FlatButtonLook, TheSpeedButtonLooksTheSameWithoutDefaultFrameAndPaintsNothingWhenTransparent) {
  auto* speed = Make<TFlatSpeedButton>(100, 10, 40, 25);
  Colour(*speed);
  auto rest = Take(*speed);
  ExpectRing(*rest, 0, kBorder, kBorder);
  EXPECT_EQ(rest->At(3, 3), Rgb(kFace));
  speed->HoverOn();
  auto hover = Take(*speed);
  ExpectRing(*hover, 0, kHighlight, kShadow);
  EXPECT_EQ(hover->At(3, 3), Rgb(kFocused));
  SendMouse(*speed, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  auto pressed = Take(*speed);
  ExpectRing(*pressed, 0, kShadow, kHighlight);
  EXPECT_EQ(pressed->At(3, 3), Rgb(kDown));
  SendMouse(*speed, WM_LBUTTONUP, 0, 50, 50);
  speed->HoverOff();
  speed->SetTransparentMode(TTransparentMode::tmAlways);
  auto clear = Take(*speed, 0x00123456);
  EXPECT_EQ(clear->At(3, 3), Rgb(0x00123456));
  ExpectRing(*clear, 0, kBorder, kBorder);
}

TEST_F(FlatButtonLook, ADisabledSpinHalfEmbossesItsArrow) {
  auto* spin = Make<TSpinButton>(150, 10, 22, 14);
  TTimerSpeedButton* up = spin->UpButton();
  up->SetEnabled(false);
  auto s = Take(*up);
  POINT g = up->GlyphPos();
  EXPECT_EQ(g.x, 3);
  EXPECT_EQ(g.y, 2);
  COLORREF face = Rgb(up->Color());
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      COLORREF expected = Arrow(x, y)                             ? Rgb(ui::clBtnShadow)
                          : Arrow(x - 1, y - 1) && x < 5 && y < 5 ? Rgb(ui::clBtnHighlight)
                                                                  : face;
      EXPECT_EQ(s->At(g.x + x, g.y + y), expected) << x << "," << y;
    }
  up->SetEnabled(true);
  auto enabled = Take(*up);
  EXPECT_EQ(enabled->At(g.x + 2, g.y + 1), RGB(0, 0, 0));
  EXPECT_EQ(enabled->Count(RECT{0, 0, 11, 14}, Rgb(ui::clBtnShadow)), 0);
}

TEST_F(FlatButtonLook, TheSpeedButtonDownAndDisabled) {
  auto* speed = Make<TFlatSpeedButton>(100, 10, 60, 25);
  Colour(*speed);
  speed->SetCaption("Go");
  speed->SetGroupIndex(3);
  speed->SetDown(true);
  auto down = Take(*speed);
  ExpectRing(*down, 0, kShadow, kHighlight);
  EXPECT_EQ(down->At(3, 3), Rgb(kDown));
  speed->SetEnabled(false);
  auto off = Take(*speed);
  ExpectRing(*off, 0, kBorder, kBorder);
  EXPECT_EQ(off->At(3, 3), Rgb(kFace));
  RECT text = speed->TextBounds();
  RECT wider{text.left, text.top, text.right + 1, text.bottom + 1};
  EXPECT_EQ(off->Count(wider, Rgb(speed->Font().Color())), 0);
  EXPECT_GT(off->Count(wider, Rgb(ui::clBtnShadow)), 5);
  EXPECT_GT(off->Count(wider, Rgb(ui::clBtnHighlight)), 2);
  speed->SetEnabled(true);
  EXPECT_EQ(Take(*speed)->At(3, 3), Rgb(kDown));  // back to the down look at the next paint
}

TEST_F(FlatButtonLook, AdvancedColoursFollowTheParentAndTheSystemColours) {
  auto* adv = Make<TFlatButton>(100, 50, 60, 25);
  adv->SetUseAdvColors(true);
  EXPECT_TRUE(adv->ParentColor());
  const ui::TColor derived = DeriveShade(host->Color(), 0, 50, true);
  EXPECT_EQ(adv->ColorBorder(), derived);
  adv->SetColorBorder(0x00123456);
  SendMessageA(host->Handle(), WM_SYSCOLORCHANGE, 0, 0);
  EXPECT_EQ(adv->ColorBorder(), derived);
  host->SetColor(0x00E1EAEB);
  EXPECT_EQ(adv->Color(), 0x00E1EAEBu);
  EXPECT_EQ(adv->ColorBorder(), 0x00ADC6C9u);
  EXPECT_EQ(Take(*adv)->At(0, 0), Rgb(0x00ADC6C9));
}

}  // namespace flat_button_look
