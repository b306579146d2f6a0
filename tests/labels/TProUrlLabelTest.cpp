// The link label and picture: what a click opens, and the colours of the link's states.
#include "framework/Application.h"
#include "labels/ProUrl.h"
#include "labels/TProUrlImage.h"
#include "labels/TProUrlLabel.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

class LinkLabel : public FlatControlTest {
 protected:
  LinkLabel() : link(Make<TProUrlLabel>(48, 72, 117, 13)) {
    link->SetAutoSize(false);
    link->SetCaption("www.skylatch.example");
  }

  void Release(int x, int y) { SendMouse(*link, WM_LBUTTONUP, 0, x, y); }

  TProUrlLabel* link;
};

TEST_F(LinkLabel, StartsBlueUnderlinedWithTheHandCursor) {
  EXPECT_EQ(link->Font().Color(), ui::clBlue);
  EXPECT_TRUE(link->Font().Style() & ui::fsUnderline);
  EXPECT_EQ(link->Cursor(), crHandPoint);
  EXPECT_EQ(link->UnvisitedColor(), ui::clBlue);
  EXPECT_EQ(link->ActivatedColor(), ui::clRed);
  EXPECT_EQ(link->VisitedColor(), ui::clNavy);
  EXPECT_EQ(link->HoveredColor(), ui::clWhite);
  EXPECT_FALSE(link->CanHover());
}

TEST_F(LinkLabel, WithoutAURLAClickOpensTheCaption) {
  Click(*link);
  ASSERT_EQ(platform.shellCalls.size(), 1u);
  const auto& call = platform.shellCalls[0];
  EXPECT_EQ(call.owner, ui::Application->Handle());
  EXPECT_EQ(call.verb, "open");
  EXPECT_EQ(call.file, "www.skylatch.example");
  EXPECT_EQ(call.parameters, "");
  EXPECT_EQ(call.directory, "");
  EXPECT_EQ(call.show, SW_SHOW);
  EXPECT_TRUE(link->Visited());
  EXPECT_EQ(link->Font().Color(), ui::clNavy);
}

TEST_F(LinkLabel, AClickOpensTheURLWhenThereIsOne) {
  link->SetURL("https://www.skylatch.example");
  Click(*link);
  ASSERT_EQ(platform.shellCalls.size(), 1u);
  EXPECT_EQ(platform.shellCalls[0].file, "https://www.skylatch.example");
}

TEST_F(LinkLabel, PressMoveOffAndReleaseOpensNothing) {
  SendMouse(*link, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  EXPECT_EQ(link->Font().Color(), ui::clRed);
  SendMouse(*link, WM_MOUSEMOVE, MK_LBUTTON, 200, 3);
  Release(200, 3);
  EXPECT_TRUE(platform.shellCalls.empty());
  EXPECT_FALSE(link->Visited());
  EXPECT_EQ(link->Font().Color(), ui::clBlue);
  EXPECT_EQ(link->UnvisitedColor(), ui::clBlue);
}

TEST_F(LinkLabel, TheRightAndBottomEdgesCountAsInside) {
  SendMouse(*link, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  Release(link->Width(), link->Height());
  EXPECT_EQ(platform.shellCalls.size(), 1u);
  SendMouse(*link, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  Release(link->Width() + 1, 3);
  EXPECT_EQ(platform.shellCalls.size(), 1u);
}

TEST_F(LinkLabel, TheRightButtonChangesNothing) {
  SendMouse(*link, WM_RBUTTONDOWN, MK_RBUTTON, 3, 3);
  EXPECT_EQ(link->Font().Color(), ui::clBlue);
  SendMouse(*link, WM_RBUTTONUP, 0, 3, 3);
  EXPECT_TRUE(platform.shellCalls.empty());
  EXPECT_FALSE(link->Visited());
}

TEST_F(LinkLabel, PassingOverAUsedLinkWithoutHoverChangesNothing) {
  Click(*link);
  link->Perform(ui::CM_MOUSEENTER);
  EXPECT_EQ(link->Font().Color(), ui::clNavy);
  link->Perform(ui::CM_MOUSELEAVE);
  EXPECT_EQ(link->Font().Color(), ui::clNavy);
  EXPECT_TRUE(link->Font().Style() & ui::fsUnderline);
}

TEST_F(LinkLabel, WithHoverTheLinkIsUnderlinedAndWhiteOnlyUnderTheMouse) {
  link->SetCanHover(true);
  EXPECT_FALSE(link->Font().Style() & ui::fsUnderline);
  link->Perform(ui::CM_MOUSEENTER);
  EXPECT_TRUE(link->Font().Style() & ui::fsUnderline);
  EXPECT_EQ(link->Font().Color(), ui::clWhite);
  Click(*link);
  EXPECT_EQ(link->Font().Color(), ui::clWhite);
  link->Perform(ui::CM_MOUSELEAVE);
  EXPECT_EQ(link->Font().Color(), ui::clNavy);
  EXPECT_FALSE(link->Font().Style() & ui::fsUnderline);
}

TEST_F(LinkLabel, AFontColourFromTheDefinitionBecomesTheUnvisitedColour) {
  ui::LoadContext context;
  context.root = host;
  link->SetProperty("Font.Color", core::PropertyValue::Int(static_cast<std::int32_t>(ui::clGreen)), context);
  EXPECT_EQ(link->UnvisitedColor(), ui::clGreen);
}

TEST_F(LinkLabel, StateColoursBeforeAndAfterTheFirstUse) {
  link->SetUnvisitedColor(ui::clMaroon);
  EXPECT_EQ(link->Font().Color(), ui::clMaroon);
  EXPECT_EQ(link->UnvisitedColor(), ui::clMaroon);
  link->SetVisitedColor(ui::clGray);
  EXPECT_EQ(link->Font().Color(), ui::clMaroon);
  Click(*link);
  EXPECT_EQ(link->Font().Color(), ui::clGray);
  link->SetVisitedColor(ui::clGreen);
  EXPECT_EQ(link->Font().Color(), ui::clGreen);
  link->SetUnvisitedColor(ui::clBlue);
  EXPECT_EQ(link->Font().Color(), ui::clGreen);
  EXPECT_EQ(link->UnvisitedColor(), ui::clBlue);
}

TEST_F(LinkLabel, ClearingCanHoverTwiceLeavesOneUnderline) {
  link->SetCanHover(false);
  link->SetCanHover(false);
  EXPECT_EQ(link->Font().Style(), static_cast<unsigned>(ui::fsUnderline));
}

using LinkImage = FlatControlTest;

TEST_F(LinkImage, WithoutAURLAClickOpensNothingButStillFiresOnClick) {
  auto* image = Make<TProUrlImage>(152, 24, 33, 33);
  int clicks = 0;
  image->OnClick = [&clicks](ui::TObject*) { ++clicks; };
  Click(*image);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(platform.shellCalls.empty());
  EXPECT_EQ(image->Cursor(), crHandPoint);
}

TEST_F(LinkImage, WithAURLAClickOpensIt) {
  auto* image = Make<TProUrlImage>(152, 24, 33, 33);
  image->SetURL("https://www.skylatch.example");
  Click(*image);
  ASSERT_EQ(platform.shellCalls.size(), 1u);
  EXPECT_EQ(platform.shellCalls[0].file, "https://www.skylatch.example");
  EXPECT_EQ(platform.shellCalls[0].show, SW_SHOW);
  EXPECT_EQ(platform.shellCalls[0].owner, ui::Application->Handle());
}

TEST(OpenLink, AnEmptyAddressOpensNothing) {
  testsupport::RecordingPlatform platform;
  ui::ScopedPlatform scoped(platform);
  OpenLink("");
  EXPECT_TRUE(platform.shellCalls.empty());
  OpenLink("mailto:orders@skylatch.example");
  ASSERT_EQ(platform.shellCalls.size(), 1u);
  EXPECT_EQ(platform.shellCalls[0].verb, "open");
}

}  // namespace
