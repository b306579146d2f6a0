// The check box's looks, painted into 32-bit bitmaps: the box at rest, hovered, focused, pressed
// and checked, disabled with its grey tick and engraved caption, both layouts, and transparent
// over a patterned parent; and its class's hover tracker.
#include <string>
#include <vector>

#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "framework/Timer.h"
#include "tests/flatctrls/FlatPixels.h"
#include "tests/flatctrls/FlatTestHost.h"

// Named: the tests are compiled several files to a unit, and each of these has its own palette.
namespace flat_check_box_look {

using flatpixels::Rgb;

constexpr ui::TColor kFace = 0x00D0E0F0, kFocused = 0x00F8F8F8, kDown = 0x00A0B0C0, kBorder = 0x00406080,
                     kCheck = 0x00008000;

using flatpixels::TakeWithBackground;

// The tick's pixels relative to the box's top-left: three lines each way.
const POINT kTick[] = {{2, 4}, {3, 5}, {4, 6}, {5, 7}, {2, 5}, {3, 6}, {4, 7}, {2, 6}, {3, 7}, {4, 8},
                       {8, 2}, {7, 3}, {6, 4}, {5, 5}, {8, 3}, {7, 4}, {6, 5}, {5, 6}, {8, 4}, {7, 5}, {6, 6}};

class FlatCheckBoxLook : public FlatControlTest {
 protected:
  FlatCheckBoxLook() : box(Make<TFlatCheckBox>(10, 10, 73, 17)) {
    box->SetCaption("status");
    box->SetColor(kFace);
    box->SetColorFocused(kFocused);
    box->SetColorDown(kDown);
    box->SetColorBorder(kBorder);
    box->SetColorCheck(kCheck);
  }
  // The box square's ring and its face, at a box whose left column is x0.
  static void ExpectBox(const flatpixels::Shot& s, int x0, ui::TColor face) {
    for (int i = 0; i < 11; ++i) {
      EXPECT_EQ(s.At(x0 + i, 3), Rgb(kBorder)) << i;
      EXPECT_EQ(s.At(x0 + i, 13), Rgb(kBorder)) << i;
      EXPECT_EQ(s.At(x0, 3 + i), Rgb(kBorder)) << i;
      EXPECT_EQ(s.At(x0 + 10, 3 + i), Rgb(kBorder)) << i;
    }
    EXPECT_EQ(s.At(x0 + 1, 4), Rgb(face));
    EXPECT_EQ(s.At(x0 + 9, 12), Rgb(face));
  }
  TFlatCheckBox* box;
};

TEST_F(FlatCheckBoxLook, TheBoxFaceFollowsRestHoverFocusAndPress) {
  auto rest = TakeWithBackground(*box);
  ExpectBox(*rest, 1, kFace);
  EXPECT_EQ(rest->At(0, 0), Rgb(kFace));  // the background is Color
  EXPECT_EQ(rest->At(12, 8), Rgb(kFace));
  EXPECT_GT(rest->Count(RECT{16, 1, 72, 16}, Rgb(box->Font().Color())), 10);

  box->HoverOn();
  ExpectBox(*TakeWithBackground(*box), 1, kFocused);
  box->HoverOff();
  ExpectBox(*TakeWithBackground(*box), 1, kFace);

  box->SetFocus();
  ExpectBox(*TakeWithBackground(*box), 1, kFocused);
  SendMouse(*box, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  EXPECT_TRUE(box->Pressed());
  ExpectBox(*TakeWithBackground(*box), 1, kDown);
  SendMouse(*box, WM_LBUTTONUP, 0, 5, 5);
  ExpectBox(*TakeWithBackground(*box), 1, kFocused);
}

TEST_F(FlatCheckBoxLook, TheTickIsThreePixelsThickInColorCheckAndGreyWhenDisabled) {
  box->SetChecked(true);
  auto on = TakeWithBackground(*box);
  for (POINT p : kTick) EXPECT_EQ(on->At(1 + p.x, 3 + p.y), Rgb(kCheck)) << p.x << "," << p.y;
  EXPECT_EQ(on->Count(RECT{2, 4, 11, 13}, Rgb(kCheck)), 21);
  box->SetEnabled(false);
  auto off = TakeWithBackground(*box);
  for (POINT p : kTick) EXPECT_EQ(off->At(1 + p.x, 3 + p.y), Rgb(ui::clBtnShadow)) << p.x << "," << p.y;
}

TEST_F(FlatCheckBoxLook, ADisabledCaptionIsEngraved) {
  box->SetEnabled(false);
  auto s = TakeWithBackground(*box);
  RECT caption{16, 1, 73, 17};
  EXPECT_EQ(s->Count(caption, Rgb(box->Font().Color())), 0);
  EXPECT_GT(s->Count(caption, Rgb(ui::clBtnShadow)), 10);
  EXPECT_GT(s->Count(caption, Rgb(ui::clBtnHighlight)), 3);
  for (int y = 1; y < 17; ++y)
    for (int x = 16; x < 73; ++x)
      if (s->At(x, y) == Rgb(ui::clBtnHighlight)) EXPECT_EQ(s->At(x - 1, y - 1), Rgb(ui::clBtnShadow)) << x << "," << y;
}

TEST_F(FlatCheckBoxLook, OnTheRightTheBoxSpansColumns61To71AndTheCaptionEndsAt56) {
  box->SetLayout(TCheckBoxLayout::checkboxRight);
  auto s = TakeWithBackground(*box);
  ExpectBox(*s, 61, kFace);
  EXPECT_EQ(s->At(60, 8), Rgb(kFace));
  EXPECT_EQ(s->At(72, 8), Rgb(kFace));
  int rightmost = -1;
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 61; ++x)
      if (s->At(x, y) == Rgb(box->Font().Color()) && x > rightmost) rightmost = x;
  EXPECT_LE(rightmost, 56);
  EXPECT_GE(rightmost, 54);
}

TEST_F(FlatCheckBoxLook, ATransparentBoxShowsTheParentsPattern) {
  auto* panel = Make<flatpixels::TPatternPanel>(5, 40, 200, 60);
  auto* over = Make<TFlatCheckBox>(7, 4, 73, 17, panel);
  over->SetColorBorder(kBorder);
  over->SetTransparent(true);
  auto s = TakeWithBackground(*over);
  EXPECT_EQ(s->At(0, 0), Rgb(flatpixels::TPatternPanel::ColorAt(7, 4)));
  EXPECT_EQ(s->At(13, 16), Rgb(flatpixels::TPatternPanel::ColorAt(20, 20)));
  EXPECT_EQ(s->At(72, 0), Rgb(flatpixels::TPatternPanel::ColorAt(79, 4)));
  EXPECT_EQ(s->At(1, 3), Rgb(kBorder));
  over->SetTransparent(false);
  EXPECT_EQ(TakeWithBackground(*over)->At(0, 0), Rgb(over->Color()));
}

std::vector<std::string>* checkBoxHoverLog = nullptr;

class TLoggedCheckBox : public TFlatCheckBox {
 public:
  using TFlatCheckBox::TFlatCheckBox;
  void HoverOn() override {
    bool before = Hovered();
    TFlatCheckBox::HoverOn();
    if (checkBoxHoverLog && !before && Hovered()) checkBoxHoverLog->push_back(Name() + ".on");
  }
  void HoverOff() override {
    bool before = Hovered();
    TFlatCheckBox::HoverOff();
    if (checkBoxHoverLog && before && !Hovered()) checkBoxHoverLog->push_back(Name() + ".off");
  }
};

class CheckBoxHover : public FlatControlTest {
 protected:
  CheckBoxHover() {
    checkBoxHoverLog = &log;
    platform.steerActiveWindow = true;
    platform.activeWindow = host->Handle();
    a = Make<TLoggedCheckBox>(10, 10, 73, 17);
    a->SetName("A");
    b = Make<TLoggedCheckBox>(10, 40, 73, 17);
    b->SetName("B");
  }
  ~CheckBoxHover() override { checkBoxHoverLog = nullptr; }
  void MoveOver(ui::TControl& control, WPARAM keys = 0) {
    platform.steerCursor = true;
    platform.cursor = control.ClientToScreen(POINT{5, 5});
    SendMouse(control, WM_MOUSEMOVE, keys, 5, 5);
  }
  std::vector<std::string> log;
  TLoggedCheckBox* a;
  TLoggedCheckBox* b;
  HoverTracker& tracker = TFlatCheckBox::ClassHoverTracker();
};

TEST_F(CheckBoxHover, TheClassTrackerHandsHoverFromOneBoxToTheNext) {
  MoveOver(*a);
  MoveOver(*b);
  EXPECT_EQ(log, (std::vector<std::string>{"A.on", "A.off", "B.on"}));
  EXPECT_EQ(tracker.Hovered(), b);
  EXPECT_TRUE(tracker.Timer()->Running());
  // A button of the other class hovers at the same time.
  auto* button = Make<TFlatButton>(100, 10, 60, 25);
  platform.cursor = button->ClientToScreen(POINT{5, 5});
  SendMouse(*button, WM_MOUSEMOVE, 0, 5, 5);
  EXPECT_TRUE(button->Hovered());
  EXPECT_TRUE(b->Hovered());
}

TEST_F(CheckBoxHover, APressReleasedOutsideStillTogglesAndTheHoverThenEnds) {
  int clicks = 0;
  a->OnClick = [&](ui::TObject*) { ++clicks; };
  MoveOver(*a);
  SendMouse(*a, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  platform.cursor = host->ClientToScreen(POINT{300, 200});
  SendMouse(*a, WM_MOUSEMOVE, MK_LBUTTON, 200, 5);
  SendMouse(*a, WM_LBUTTONUP, 0, 200, 5);
  EXPECT_TRUE(a->Checked());
  EXPECT_EQ(clicks, 1);
  DWORD until = GetTickCount() + 1000;
  while (a->Hovered() && GetTickCount() < until) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Pump();
  }
  EXPECT_FALSE(a->Hovered());
  EXPECT_FALSE(tracker.Timer()->Running());
}

TEST_F(CheckBoxHover, NoHoverWhileInactiveAndNoneForADisabledBox) {
  platform.activeWindow = nullptr;
  MoveOver(*a);
  EXPECT_FALSE(a->Hovered());
  platform.activeWindow = host->Handle();
  MoveOver(*a);
  EXPECT_TRUE(a->Hovered());
  a->SetEnabled(false);
  EXPECT_FALSE(a->Hovered());
  EXPECT_EQ(tracker.Hovered(), nullptr);
  EXPECT_FALSE(tracker.Timer()->Running());
}

TEST_F(CheckBoxHover, LosingTheCaptureDuringAPressEndsItWithoutAToggle) {
  MoveOver(*a);
  SendMouse(*a, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
  EXPECT_TRUE(a->Pressed());
  SetCapture(host->Handle());
  ReleaseCapture();
  EXPECT_FALSE(a->Pressed());
  EXPECT_FALSE(a->Checked());
}

}  // namespace flat_check_box_look
