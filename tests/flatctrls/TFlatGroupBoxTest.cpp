// The flat group box drawn, read back from the screen: the frame broken around the caption, the
// top line only, a larger caption font, the engraved disabled caption, and transparency over a
// parent that paints a pattern.
#include <memory>
#include <set>
#include <utility>

#include "flatctrls/TFlatGroupBox.h"
#include "framework/CustomControl.h"
#include "tests/flatctrls/FlatTestHost.h"
#include "tests/support/PixelSurface.h"

// Named: the tests are compiled several files to a unit, and each of these has its own palette.
namespace flat_group_box {

using testsupport::PixelSurface;
constexpr COLORREF kBorder = 0x008396A0, kFace = 0x00FFFFFF;

// A parent that paints stripes, to see what shows through a transparent child.
class TStripes : public ui::TCustomControl {
 public:
  explicit TStripes(ui::TComponent* owner) : ui::TCustomControl(owner) { SetStyle(Style() | ui::csOpaque); }
  static COLORREF At(int x, int) { return (x / 4) % 2 ? RGB(0, 0, 255) : RGB(255, 255, 0); }

 protected:
  void Paint() override {
    for (int x = 0; x < Width(); x += 4) {
      Canvas().SetBrushColor(At(x, 0));
      Canvas().FillRect(RECT{x, 0, x + 4, Height()});
    }
  }
};

class FlatGroupBoxLook : public FlatControlTest {
 protected:
  FlatGroupBoxLook() : group(Make<TFlatGroupBox>(10, 10, 120, 60)) {
    group->SetColor(kFace);
    group->SetCaption("Name");
  }

  PixelSurface& Shot() {
    RedrawWindow(group->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    surface = std::make_unique<PixelSurface>(group->Width(), group->Height());
    PixelSurface::GrabClient(group->Handle(), *surface);
    return *surface;
  }

  SIZE Text(const std::string& caption) {
    ui::WindowDC screen(nullptr);
    ui::SelectedObject font(screen.Get(), group->Font().Handle());
    SIZE size{};
    GetTextExtentPoint32A(screen.Get(), caption.c_str(), static_cast<int>(caption.size()), &size);
    return size;
  }

  TFlatGroupBox* group;
  std::unique_ptr<PixelSurface> surface;
};

TEST_F(FlatGroupBoxLook, TheFrameRunsThroughTheCaptionsMiddleAndBreaksAroundIt) {
  const SIZE text = Text("Name");
  const int y = text.cy / 2, w = 120, h = 60;
  PixelSurface& s = Shot();
  for (int x = 0; x <= 5; ++x) EXPECT_EQ(s.At(x, y), kBorder) << "stub left of the caption, x " << x;
  EXPECT_EQ(s.At(6, y), kFace) << "the gap opens four pixels before the text";
  EXPECT_EQ(s.At(text.cx + 12, y), kFace) << "and closes three after it";
  EXPECT_EQ(s.At(text.cx + 13, y), kBorder);
  EXPECT_EQ(s.At(w - 1, y), kBorder);
  EXPECT_EQ(s.At(0, h / 2), kBorder) << "left side";
  EXPECT_EQ(s.At(w - 1, h / 2), kBorder) << "right side";
  EXPECT_EQ(s.At(w / 2, h - 1), kBorder) << "bottom";
  EXPECT_EQ(s.At(w / 2, y - 1), kFace) << "nothing above the top line";
  EXPECT_EQ(s.At(w / 2, h / 2), kFace) << "the face inside";
}

TEST_F(FlatGroupBoxLook, AnEmptyCaptionStillLeavesTheGap) {
  group->SetCaption("");
  const int y = Text(" ").cy / 2;
  PixelSurface& s = Shot();
  EXPECT_EQ(s.At(5, y), kBorder);
  for (int x = 6; x <= 12; ++x) EXPECT_EQ(s.At(x, y), kFace) << x;
  EXPECT_EQ(s.At(13, y), kBorder);
}

TEST_F(FlatGroupBoxLook, OnlyTheTopLineStartsAtXOneWithNoSidesOrBottom) {
  group->SetBorder(TGroupBoxBorder::brOnlyTopLine);
  const SIZE text = Text("Name");
  const int y = text.cy / 2;
  PixelSurface& s = Shot();
  EXPECT_EQ(s.At(0, y), kFace);
  for (int x = 1; x <= 5; ++x) EXPECT_EQ(s.At(x, y), kBorder) << x;
  EXPECT_EQ(s.At(6, y), kFace);
  EXPECT_EQ(s.At(text.cx + 13, y), kBorder);
  EXPECT_EQ(s.At(119, y), kBorder);
  EXPECT_EQ(s.At(0, 40), kFace) << "no left side";
  EXPECT_EQ(s.At(119, 40), kFace) << "no right side";
  EXPECT_EQ(s.At(60, 59), kFace) << "no bottom";
}

TEST_F(FlatGroupBoxLook, ALargerCaptionFontLowersTheWholeTopLine) {
  group->SetParentFont(false);
  group->Font().SetSize(28);
  const SIZE text = Text("Name");
  const int y = text.cy / 2;
  ASSERT_GT(y, 10);
  PixelSurface& s = Shot();
  EXPECT_EQ(s.At(3, y), kBorder);
  EXPECT_EQ(s.At(0, y), kBorder);
  EXPECT_EQ(s.At(0, y - 1), kFace) << "the left side starts at the line";
  EXPECT_EQ(s.At(119, y), kBorder);
  EXPECT_EQ(s.At(119, y - 1), kFace);
  EXPECT_EQ(s.At(text.cx + 13, y), kBorder);
}

TEST_F(FlatGroupBoxLook, DisabledTheCaptionIsEngravedAndTheFrameKeepsItsColour) {
  std::set<std::pair<int, int>> ink;
  PixelSurface& enabled = Shot();
  const SIZE text = Text("Name");
  for (int y = 0; y < text.cy; ++y)
    for (int x = 10; x < 10 + text.cx; ++x)
      if (enabled.At(x, y) == 0) ink.insert({x, y});
  ASSERT_GT(ink.size(), 10u);
  group->SetEnabled(false);
  PixelSurface& s = Shot();
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  for (auto [x, y] : ink) EXPECT_EQ(s.At(x, y), shadow) << "shadow copy at " << x << "," << y;
  for (auto [x, y] : ink)
    if (!ink.count({x + 1, y + 1}) && highlight != kFace)
      EXPECT_EQ(s.At(x + 1, y + 1), highlight) << "highlight copy at " << x + 1 << "," << y + 1;
  EXPECT_EQ(s.At(0, 30), kBorder);
}

TEST_F(FlatGroupBoxLook, TransparentItShowsTheParentsPaintingAndFollowsItWhenMoved) {
  auto* stripes = Make<TStripes>(0, 0, 300, 200);
  auto* box = Make<TFlatGroupBox>(21, 30, 100, 60, stripes);
  box->SetCaption("Options");
  box->SetTransparent(true);
  for (int left : {21, 42}) {
    box->SetBounds(left, 30, 100, 60);  // the move alone must bring the new background
    UpdateWindow(stripes->Handle());
    Pump();
    PixelSurface s(100, 60);
    PixelSurface::GrabClient(box->Handle(), s);
    for (int x = 2; x < 98; ++x) EXPECT_EQ(s.At(x, 40), TStripes::At(left + x, 30 + 40)) << "left " << left << ", x " << x;
    EXPECT_EQ(s.At(0, 40), kBorder);
    EXPECT_EQ(s.At(50, 59), kBorder);
  }
}

}  // namespace flat_group_box
