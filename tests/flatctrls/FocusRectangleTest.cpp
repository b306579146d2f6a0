// The focus mark of the flat button and check box: shown after Tab (keyboard cues on), gone after
// a press of the mouse, dark enough to read against the face it is drawn on.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "generator/Unit1.h"
#include "tests/flatctrls/FlatPixels.h"
#include "tests/support/RealInput.h"
#include "tests/support/WindowTest.h"

namespace {

using flatpixels::Rgb;
using flatpixels::Take;
using testsupport::RealInput;

double Luminance(COLORREF c) {
  auto channel = [](int v) {
    double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
}

double Contrast(COLORREF a, COLORREF b) {
  double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

class FocusMark : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    app::CreateForms(*ui::Application);
    Form1->Show();
    ASSERT_TRUE(RealInput::RunUntil([] { return GetForegroundWindow() == Form1->Handle(); }));
  }

  // Tab from one control onto the next, as the user would.
  static void TabOnto(ui::TWinControl& from, ui::TWinControl& to) {
    from.SetFocus();
    RealInput::Keys({VK_TAB});
    ASSERT_TRUE(RealInput::RunUntil([&to] { return to.Focused(); }));
    RealInput::Settle();
  }

  // The dots of the mark along one row of the control's picture, and the row's lightest colour
  // (the face the dots stand on).
  struct Row {
    int dots = 0;
    COLORREF face = 0;
  };
  static Row ReadRow(ui::TControl& control, int y, int left, int right) {
    auto shot = Take(control);
    Row row;
    double lightest = -1;
    for (int x = std::max(left, 0); x < std::min(right, control.Width()); ++x) {
      COLORREF c = shot->At(x, y);
      if (c == Rgb(control.Font().Color())) ++row.dots;
      if (Luminance(c) > lightest) {
        lightest = Luminance(c);
        row.face = c;
      }
    }
    return row;
  }
};

TEST_F(FocusMark, CheckBoxShowsItAfterTabAndNotAfterAClick) {
  TFlatCheckBox& box = *Form1->FlatCheckBox1;
  TabOnto(*Form1->left, box);
  Row marked = ReadRow(box, 0, 0, box.Width());  // the caption starts one pixel down
  EXPECT_GE(marked.dots, 10);
  EXPECT_GE(Contrast(Rgb(box.Font().Color()), marked.face), 3.0);

  POINT centre = box.ClientToScreen(POINT{box.Width() / 2, box.Height() / 2});
  RealInput::Press(centre, centre);
  ASSERT_TRUE(RealInput::RunUntil([&box] { return box.Checked(); }));
  EXPECT_TRUE(box.Focused());
  EXPECT_EQ(ReadRow(box, 0, 0, box.Width()).dots, 0);
}

TEST_F(FocusMark, ButtonShowsItAroundTheCaptionAfterTabAndNotAfterAPress) {
  TFlatButton& preview = *Form1->FlatButton2;
  TabOnto(*Form1->Url, preview);
  Take(preview);  // settles where the caption goes
  const RECT text = preview.TextBounds();
  Row marked = ReadRow(preview, text.top - 1, text.left - 2, text.right + 2);
  EXPECT_GE(marked.dots, (text.right - text.left) / 2 - 1);
  EXPECT_GE(Contrast(Rgb(preview.Font().Color()), marked.face), 3.0);

  // Pressed on the button and let go beside it: no click, the focus stays, the mark goes.
  POINT on = preview.ClientToScreen(POINT{preview.Width() / 2, preview.Height() / 2});
  POINT beside = preview.ClientToScreen(POINT{preview.Width() / 2, preview.Height() + 30});
  RealInput::Press(on, beside);
  EXPECT_TRUE(preview.Focused());
  EXPECT_EQ(ReadRow(preview, text.top - 1, text.left - 2, text.right + 2).dots, 0);
  EXPECT_TRUE(platform.shellCalls.empty());
}

}  // namespace
