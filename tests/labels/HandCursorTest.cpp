// The five hand cursors: in the program's resources as monochrome 32 x 32 cursors with their hot
// spots, registered under 15000 to 15004, and the pointing hand shown over the link controls.
#include <windows.h>

#include "framework/Screen.h"
#include "labels/ProUrl.h"
#include "labels/TProUrlImage.h"
#include "labels/TProUrlLabel.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

struct HandCursor {
  int id;
  const char* resource;
  DWORD hotX, hotY;
};

const HandCursor kHands[] = {{crHandPoint, "PRO_HANDPOINT", 6, 0},
                             {crSmallHandPoint, "PRO_SMALLHANDPOINT", 13, 9},
                             {crGrabHand, "PRO_GRABHAND", 4, 2},
                             {crGrabHandArrow, "PRO_GRABHANDARROW", 0, 0},
                             {crDragHand, "PRO_DRAGHAND", 0, 0}};

TEST(HandCursors, EachIsAMonochrome32By32CursorWithItsHotSpotAndIsRegistered) {
  HINSTANCE program = GetModuleHandleA(nullptr);
  for (const HandCursor& hand : kHands) {
    SCOPED_TRACE(hand.resource);
    HCURSOR cursor = LoadCursorA(program, hand.resource);
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, hand.hotX);
    EXPECT_EQ(info.yHotspot, hand.hotY);
    // Monochrome: no colour bitmap, a mask twice as high (AND over XOR).
    EXPECT_EQ(info.hbmColor, nullptr);
    BITMAP mask{};
    ASSERT_TRUE(GetObject(info.hbmMask, sizeof mask, &mask));
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmHeight, 64);
    EXPECT_EQ(mask.bmBitsPixel, 1);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    EXPECT_NE(ui::Screen().CursorHandle(hand.id), nullptr);
  }
  // They are five different pictures, not one cursor five times.
  for (std::size_t i = 0; i + 1 < std::size(kHands); ++i)
    EXPECT_NE(ui::Screen().CursorHandle(kHands[i].id), ui::Screen().CursorHandle(kHands[i + 1].id));
}

class PointerOverLinks : public FlatControlTest {
 protected:
  // The pointer moved over a client point of the host, as Windows asks for the cursor there.
  HCURSOR CursorAt(int x, int y) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    platform.steerCursor = true;
    platform.cursor = POINT{x, y};
    ClientToScreen(host->Handle(), &platform.cursor);
    SendMessageA(host->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  }
};

TEST_F(PointerOverLinks, TheLinkLabelAndTheLinkPictureShowThePointingHand) {
  auto* label = Make<TProUrlLabel>(10, 10, 120, 20);
  label->SetCaption("www.skylatch.example");
  Make<TProUrlImage>(10, 50, 60, 40);
  HCURSOR hand = ui::Screen().CursorHandle(crHandPoint);
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(CursorAt(20, 15), hand);
  EXPECT_EQ(CursorAt(30, 70), hand);
  EXPECT_NE(CursorAt(300, 200), hand);  // the bare window keeps the arrow
}

}  // namespace
