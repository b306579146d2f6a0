// The pictures handed to the taskbar for its thumbnail and peek: the windows drawn where they lie,
// the later ones on top, opaque, and shrunk to the size the taskbar asks for.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

#include "framework/TaskbarEntry.h"

namespace {

const char kClass[] = "TaskbarEntryTestWindow";

struct SolidWindow {
  SolidWindow(int x, int y, int width, int height, COLORREF color) : brush(CreateSolidBrush(color)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = [](HWND w, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
      if (msg == WM_ERASEBKGND) {
        RECT r{};
        GetClientRect(w, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, reinterpret_cast<HBRUSH>(GetWindowLongPtrA(w, GWLP_USERDATA)));
        return 1;
      }
      return DefWindowProcA(w, msg, wParam, lParam);
    };
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    window = CreateWindowExA(WS_EX_TOOLWINDOW, kClass, "", WS_POPUP, x, y, width, height, nullptr, nullptr,
                             wc.hInstance, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(brush));
    ShowWindow(window, SW_SHOWNA);
  }
  ~SolidWindow() {
    DestroyWindow(window);
    DeleteObject(brush);
  }
  HBRUSH brush;
  HWND window = nullptr;
};

std::uint32_t At(const ui::TaskbarEntry::Picture& p, int x, int y) { return p.bits[y * p.width + x]; }

std::uint32_t Opaque(COLORREF c) { return 0xFF000000u | (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

TEST(TaskbarEntryPictures, DrawsTheWindowsWhereTheyLieOpaqueAndShrunkToTheAskedSize) {
  const COLORREF red = RGB(200, 0, 0), blue = RGB(0, 0, 200);
  SolidWindow below(100, 100, 200, 100, red), above(250, 150, 100, 100, blue);

  const auto full = ui::TaskbarEntry::Draw({below.window, above.window}, 0, 0);
  ASSERT_TRUE(full.bitmap);
  ASSERT_EQ(full.width, 250);
  ASSERT_EQ(full.height, 150);
  EXPECT_EQ(At(full, 10, 10), Opaque(red));
  EXPECT_EQ(At(full, 175, 75), Opaque(blue)) << "where they overlap, the later window is on top";
  EXPECT_EQ(At(full, 240, 140), Opaque(blue));
  EXPECT_EQ(At(full, 10, 140), Opaque(GetSysColor(COLOR_3DFACE))) << "covered by neither";

  // The taskbar's box is 125 × 125: the picture is halved, its proportions kept.
  const auto thumbnail = ui::TaskbarEntry::Draw({below.window, above.window}, 125, 125);
  ASSERT_EQ(thumbnail.width, 125);
  ASSERT_EQ(thumbnail.height, 75);
  EXPECT_EQ(At(thumbnail, 10, 10), Opaque(red));
  EXPECT_EQ(At(thumbnail, 110, 65), Opaque(blue));
  // A box larger than the picture leaves it as it is.
  EXPECT_EQ(ui::TaskbarEntry::Draw({below.window}, 1000, 1000).width, 200);
  EXPECT_FALSE(ui::TaskbarEntry::Draw({}, 100, 100).bitmap);
}

}  // namespace
