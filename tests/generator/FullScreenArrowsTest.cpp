// Full Screen greys out the four size and position fields, arrows included: each arrow pair
// draws embossed arrows and takes no clicks until Full Screen is cleared again.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <utility>
#include <vector>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "flatctrls/TSpinButton.h"
#include "flatctrls/TTimerSpeedButton.h"
#include "generator/Unit1.h"
#include "tests/support/PixelSurface.h"
#include "tests/support/WindowTest.h"

namespace {

using testsupport::PixelSurface;
using Pixels = std::set<std::pair<int, int>>;

class FullScreenArrows : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    app::CreateForms(*ui::Application);
    Form1->Show();
    Pump();
  }

  static std::vector<TFlatSpinEditInteger*> Fields() {
    return {Form1->alto, Form1->ancho, Form1->top, Form1->left};
  }

  // The pixels of one half, in the half's coordinates, that have the given colour.
  static Pixels PixelsOf(TTimerSpeedButton* half, COLORREF colour) {
    auto* pair = static_cast<TSpinButton*>(half->Parent());
    RedrawWindow(pair->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PixelSurface s(pair->Width(), pair->Height());
    PixelSurface::Grab(pair->Handle(), s);
    Pixels found;
    for (int y = 0; y < half->Height(); ++y)
      for (int x = 0; x < half->Width(); ++x)
        if (s.At(half->Left() + x, y) == colour) found.insert({x, y});
    return found;
  }

  static COLORREF At(TTimerSpeedButton* half, int x, int y) {
    auto* pair = static_cast<TSpinButton*>(half->Parent());
    PixelSurface s(pair->Width(), pair->Height());
    PixelSurface::Grab(pair->Handle(), s);
    return s.At(half->Left() + x, y);
  }
};

TEST_F(FullScreenArrows, TickedTheArrowsAreEmbossedAndTakeNoClicksClearedTheyAreBlackAndStepAgain) {
  for (TFlatSpinEditInteger* field : Fields()) {
    for (TTimerSpeedButton* half : {field->Button()->UpButton(), field->Button()->DownButton()}) {
      Pixels arrow = PixelsOf(half, RGB(0, 0, 0));
      EXPECT_EQ(arrow.size(), 9u) << field->Name() << ": a 5-pixel arrow of 1, 3 and 5 pixels";
    }
  }
  Click(*Form1->FlatCheckBox1);
  ASSERT_TRUE(Form1->FlatCheckBox1->Checked());
  Pump();

  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (TFlatSpinEditInteger* field : Fields()) {
    const std::string value = field->Text();
    TSpinButton* pair = field->Button();
    EXPECT_FALSE(pair->Enabled()) << field->Name();
    for (TTimerSpeedButton* half : {pair->UpButton(), pair->DownButton()}) {
      EXPECT_FALSE(half->Enabled()) << field->Name();
      EXPECT_TRUE(PixelsOf(half, RGB(0, 0, 0)).empty()) << field->Name() << ": no black arrow left";
      Pixels shadowCopy = PixelsOf(half, shadow);
      ASSERT_EQ(shadowCopy.size(), 9u) << field->Name() << ": the shadow copy has the arrow's rows";
      // The highlight copy lies one pixel down and right, where the shadow copy does not cover it
      // and within the 5-pixel glyph it was made in.
      const int cellRight = shadowCopy.begin()->first + 4;
      for (auto [x, y] : shadowCopy)
        if (!shadowCopy.count({x + 1, y + 1}) && x + 1 <= cellRight)
          EXPECT_EQ(At(half, x + 1, y + 1), highlight) << field->Name() << " at " << x + 1 << "," << y + 1;
      Click(*half, half->Width() / 2, half->Height() / 2);
      EXPECT_EQ(field->Text(), value) << field->Name() << ": a click on a greyed arrow changes nothing";
    }
  }

  Click(*Form1->FlatCheckBox1);
  ASSERT_FALSE(Form1->FlatCheckBox1->Checked());
  Pump();
  for (TFlatSpinEditInteger* field : Fields()) {
    TSpinButton* pair = field->Button();
    EXPECT_TRUE(pair->Enabled());
    for (TTimerSpeedButton* half : {pair->UpButton(), pair->DownButton()})
      EXPECT_EQ(PixelsOf(half, RGB(0, 0, 0)).size(), 9u) << field->Name() << ": black again";
    const int before = field->Value();
    Click(*pair->UpButton(), 5, 5);
    EXPECT_EQ(field->Value(), before + 1) << field->Name();
    Click(*pair->DownButton(), 5, 5);
    EXPECT_EQ(field->Value(), before) << field->Name();
  }
}

// Greying out the field that holds the focus (a screen reader ticks Full Screen by its default
// action, the focus staying where it was) hands the focus on to the next tab stop that can take
// it; the system would leave it nowhere, and no key would reach the window.
TEST_F(FullScreenArrows, TheFocusLeavesAFieldGreyedOutUnderIt) {
  SetForegroundWindow(Form1->Handle());
  Form1->ancho->SetFocus();
  Pump();
  ASSERT_TRUE(Form1->ancho->HoldsFocus());
  Form1->FlatCheckBox1->DoAccessibleAction();
  Pump();
  ASSERT_TRUE(Form1->FlatCheckBox1->Checked());
  const HWND focus = GetFocus();
  ASSERT_NE(focus, nullptr);
  EXPECT_TRUE(IsWindowEnabled(focus));
  EXPECT_TRUE(Form1->FlatCheckBox1->HoldsFocus()) << "the first stop after the fields still enabled";
}

}  // namespace
