// The flat look on a window of 144 and 192 DPI, painted into 32-bit bitmaps: the check box's
// square and the group box's lines grow with the window, their thin lines by the one-pixel rule
// (one pixel at 150 %, two at 200 %).
#include <memory>

#include "core/DpiScale.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatGroupBox.h"
#include "tests/flatctrls/FlatPixels.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

using flatpixels::Rgb;

constexpr ui::TColor kFace = 0x00D0E0F0, kBorder = 0x00406080, kCheck = 0x00008000;

std::unique_ptr<flatpixels::Shot> Take(ui::TWinControl& control) {
  auto shot = std::make_unique<flatpixels::Shot>(control.Width(), control.Height());
  control.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot->DC()), PRF_CLIENT | PRF_ERASEBKGND);
  return shot;
}

class FlatScaledLook : public FlatControlTest {};

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
    auto shot = Take(*box);
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
    auto frame = Take(*group);
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

}  // namespace
