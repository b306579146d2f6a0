// The flat edit's own colour flag and its height, and the group box as a container.
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatGroupBox.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

using FlatEdit = FlatControlTest;

TEST_F(FlatEdit, TakesItsFaceFromTheParentUntilColorFlatIsSet) {
  auto* edit = Make<TFlatEdit>(10, 10, 89, 19);
  EXPECT_TRUE(edit->ParentColor());
  EXPECT_EQ(edit->ColorFlat(), host->Color());
  host->SetColor(0x00123456);
  EXPECT_EQ(edit->ColorFlat(), 0x00123456u);
  edit->SetColorFlat(0x00E1EAEB);
  EXPECT_FALSE(edit->ParentColor());
  host->SetColor(0x00654321);
  EXPECT_EQ(edit->ColorFlat(), 0x00E1EAEBu);
}

TEST_F(FlatEdit, ItsHeightFollowsTheFontsCell) {
  auto* edit = Make<TFlatEdit>(10, 10, 89, 30);
  edit->Font().SetSize(12);
  ui::WindowDC screen(nullptr);
  ui::SelectedObject font(screen.Get(), edit->Font().Handle());
  TEXTMETRICA tm{};
  GetTextMetricsA(screen.Get(), &tm);
  EXPECT_EQ(edit->Height(), tm.tmHeight + 6);
}

TEST_F(FlatEdit, TheFrameLeavesAThreePixelBorderOutsideTheText) {
  auto* edit = Make<TFlatEdit>(10, 10, 89, 19);
  RECT client = edit->ClientRect();
  EXPECT_EQ(client.right, 89 - 6);
  EXPECT_EQ(client.bottom, 19 - 6);
}

TEST_F(FlatEdit, AClickInTheFieldGivesItTheFocus) {
  auto* button = Make<TFlatButton>(100, 10, 73, 25);
  auto* edit = Make<TFlatEdit>(10, 10, 89, 19);
  button->SetFocus();
  Click(*edit, 20, 5);
  EXPECT_TRUE(edit->Focused());
}

TEST_F(FlatEdit, AGroupBoxPlacesItsChildrenInItsOwnCoordinates) {
  auto* group = Make<TFlatGroupBox>(20, 30, 190, 81);
  auto* edit = Make<TFlatEdit>(88, 16, 89, 19, group);
  POINT origin = edit->ClientToScreen(POINT{-3, -3});  // the window's corner, outside the frame
  POINT groupOrigin = group->ClientToScreen(POINT{0, 0});
  EXPECT_EQ(origin.x - groupOrigin.x, 88);
  EXPECT_EQ(origin.y - groupOrigin.y, 16);
  EXPECT_TRUE(group->ParentColor());
  EXPECT_EQ(group->Color(), host->Color());
}

}  // namespace
