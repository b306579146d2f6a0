// The flat look on a window of 144 and 192 DPI, painted into 32-bit bitmaps: the check box's
// square and the group box's lines grow with the window; their thin lines and the frames of the
// button, edit and combo box follow the one-pixel rule (one pixel at 150 %, two at 200 %).
#include <memory>

#include "core/DpiScale.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatGroupBox.h"
#include "framework/Bitmap.h"
#include "tests/flatctrls/FlatPixels.h"
#include "tests/flatctrls/FlatTestHost.h"
#include "tests/support/PixelSurface.h"

// Named: the tests are compiled several files to a unit, and each of these has its own palette.
namespace flat_scaled_look {

using flatpixels::Rgb;

constexpr ui::TColor kFace = 0x00D0E0F0, kBorder = 0x00406080, kCheck = 0x00008000;

using flatpixels::TakeWithBackground;

class FlatScaledLook : public FlatControlTest {
 protected:
  // What a windowed control shows on the screen, its frame included, once every paint has run.
  static std::unique_ptr<testsupport::PixelSurface> Grab(ui::TWinControl& control) {
    RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
    Pump();
    auto surface = std::make_unique<testsupport::PixelSurface>(control.Width(), control.Height());
    testsupport::PixelSurface::Grab(control.Handle(), *surface);
    return surface;
  }
};

TEST_F(FlatScaledLook, TheCheckBoxAndGroupBoxGrowAndTheirLinesFollowTheOnePixelRule) {
  struct Case {
    int dpi, side, top, inset, line, caption;
  } cases[] = {{144, 17, 5, 2, 1, 24}, {192, 22, 6, 2, 2, 32}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    host->ChangeDpi(c.dpi);
    auto scale = [&](int v) { return core::DpiScale::Scale(v, c.dpi); };
    auto* box = Make<TFlatCheckBox>(scale(10), scale(10), scale(73), scale(17));
    box->SetCaption("Resizable");
    box->SetColor(kFace);
    box->SetColorBorder(kBorder);
    box->SetColorCheck(kCheck);
    box->SetChecked(true);
    auto shot = TakeWithBackground(*box);
    const int mid = c.top + c.side / 2, centre = c.inset + c.side / 2;
    for (int i = 0; i < c.line; ++i) {
      EXPECT_EQ(shot->At(c.inset + i, mid), Rgb(kBorder)) << i;
      EXPECT_EQ(shot->At(c.inset + c.side - 1 - i, mid), Rgb(kBorder)) << i;
      EXPECT_EQ(shot->At(centre, c.top + i), Rgb(kBorder)) << i;
      EXPECT_EQ(shot->At(centre, c.top + c.side - 1 - i), Rgb(kBorder)) << i;
    }
    EXPECT_EQ(shot->At(c.inset + c.line, c.top + c.line), Rgb(kFace));
    EXPECT_EQ(shot->At(c.inset - 1, mid), Rgb(kFace));
    EXPECT_EQ(shot->At(c.inset + c.side, mid), Rgb(kFace));
    EXPECT_EQ(shot->At(centre, c.top - 1), Rgb(kFace));
    EXPECT_EQ(shot->At(centre, c.top + c.side), Rgb(kFace));
    // The tick: a stroke of two designed pixels through the square's middle.
    const RECT inner{c.inset + c.line, c.top + c.line, c.inset + c.side - c.line, c.top + c.side - c.line};
    EXPECT_GT(shot->Count(inner, Rgb(kCheck)), c.side);
    const ui::TColor text = box->Font().Color();
    EXPECT_EQ(shot->Count(RECT{c.inset + c.side + 1, 0, c.caption, box->Height()}, Rgb(text)), 0);
    EXPECT_GT(shot->Count(RECT{c.caption, 0, box->Width(), box->Height()}, Rgb(text)), 20);
    delete box;

    auto* group = Make<TFlatGroupBox>(scale(10), scale(40), scale(120), scale(60));
    group->SetCaption("Options");
    group->SetColor(kFace);
    group->SetColorBorder(kBorder);
    auto frame = TakeWithBackground(*group);
    const int w = group->Width(), h = group->Height();
    for (int i = 0; i < c.line; ++i) {
      EXPECT_EQ(frame->At(i, h / 2), Rgb(kBorder)) << i;
      EXPECT_EQ(frame->At(w - 1 - i, h / 2), Rgb(kBorder)) << i;
      EXPECT_EQ(frame->At(w / 2, h - 1 - i), Rgb(kBorder)) << i;
    }
    EXPECT_EQ(frame->At(c.line, h / 2), Rgb(kFace));
    EXPECT_EQ(frame->At(w - 1 - c.line, h / 2), Rgb(kFace));
    EXPECT_EQ(frame->At(w / 2, h - 1 - c.line), Rgb(kFace));
    // The caption interrupts the top line from its scaled start to its scaled gap.
    EXPECT_EQ(frame->Count(RECT{scale(5) + 1, 0, scale(10), h / 2}, Rgb(kBorder)), 0);
    delete group;
  }
}

TEST_F(FlatScaledLook, TheFramesOfTheButtonEditAndComboFollowTheOnePixelRule) {
  struct Case {
    int dpi, line;
  } cases[] = {{144, 1}, {192, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    host->ChangeDpi(c.dpi);
    auto scale = [&](int v) { return core::DpiScale::Scale(v, c.dpi); };

    auto* button = Make<TFlatButton>(scale(10), scale(10), scale(73), scale(25));
    button->SetColor(kFace);
    button->SetColorBorder(kBorder);
    auto shot = TakeWithBackground(*button);
    const int bw = button->Width(), bh = button->Height();
    for (int i = 0; i < c.line; ++i) {
      EXPECT_EQ(shot->At(i, bh / 2), Rgb(kBorder)) << "button left " << i;
      EXPECT_EQ(shot->At(bw - 1 - i, bh / 2), Rgb(kBorder)) << "button right " << i;
      EXPECT_EQ(shot->At(bw / 2, i), Rgb(kBorder)) << "button top " << i;
      EXPECT_EQ(shot->At(bw / 2, bh - 1 - i), Rgb(kBorder)) << "button bottom " << i;
    }
    EXPECT_EQ(shot->At(c.line, bh / 2), Rgb(kFace));
    EXPECT_EQ(shot->At(bw / 2, bh - 1 - c.line), Rgb(kFace));
    delete button;

    // The edit's frame stays three pixels deep: the border, then the face.
    auto* edit = Make<TFlatEdit>(scale(10), scale(50), scale(80), scale(21));
    edit->SetColorFlat(kFace);
    edit->SetColorFocused(kFace);
    edit->SetColorBorder(kBorder);
    auto field = Grab(*edit);
    const int ew = edit->Width(), eh = edit->Height();
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(field->At(x, eh / 2), x < c.line ? Rgb(kBorder) : Rgb(kFace)) << "edit left " << x;
      EXPECT_EQ(field->At(ew - 1 - x, eh / 2), x < c.line ? Rgb(kBorder) : Rgb(kFace)) << "edit right " << x;
      EXPECT_EQ(field->At(ew / 2, x), x < c.line ? Rgb(kBorder) : Rgb(kFace)) << "edit top " << x;
    }
    delete edit;

    auto* combo = Make<TFlatComboBox>(scale(10), scale(90), scale(100), scale(21));
    combo->SetComboStyle(ui::TComboBoxStyle::csDropDownList);
    combo->SetColor(kFace);
    combo->SetColorBorder(kBorder);
    auto box = Grab(*combo);
    const int ch = combo->Height();
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(box->At(x, ch / 2), x < c.line ? Rgb(kBorder) : Rgb(kFace)) << "combo left " << x;
      EXPECT_EQ(box->At(scale(20), x), x < c.line ? Rgb(kBorder) : Rgb(kFace)) << "combo top " << x;
    }
    // The flat arrow button's own frame, at the far right.
    for (int i = 0; i < c.line; ++i)
      EXPECT_EQ(box->At(combo->Width() - 1 - i, ch / 2), Rgb(kBorder)) << "combo button " << i;
    delete combo;
  }
}

TEST_F(FlatScaledLook, AGlyphCellGrowsWithTheDpiAndKeepsItsTransparentColourExact) {
  struct Case {
    int dpi, shown;
  } cases[] = {{96, 63}, {192, 252}};
  ui::TBitmap glyph;
  glyph.SetSize(8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) SetPixelV(glyph.DC(), x, y, RGB(255, 0, 0));
  SetPixelV(glyph.DC(), 0, 7, RGB(255, 0, 255));  // the transparent colour
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dpi);
    host->ChangeDpi(c.dpi);
    auto* button = Make<TFlatButton>(10, 10, 2 * 40, 2 * 40);
    button->SetGlyph(glyph);
    auto shot = TakeWithBackground(*button);
    EXPECT_EQ(shot->Count(RECT{0, 0, button->Width(), button->Height()}, RGB(255, 0, 0)), c.shown);
    EXPECT_EQ(shot->Count(RECT{0, 0, button->Width(), button->Height()}, RGB(255, 0, 255)), 0);
    delete button;
  }
}

}  // namespace flat_scaled_look
