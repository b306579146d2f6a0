// The flat combo box: selection from code and by the user, its look state by state (read back
// from the screen and from WM_PRINT), the list opening and closing, and its one list brush.
#include <algorithm>

#include "flatctrls/TFlatComboBox.h"
#include "tests/flatctrls/FlatTestHost.h"
#include "tests/support/PixelSurface.h"

// Named: the tests are compiled several files to a unit, and each of these has its own palette.
namespace flat_combo_box {

using testsupport::PixelSurface;

constexpr COLORREF kFace = 0x00E1EAEB;  // the flat face, so that it differs from every native colour

class FlatComboBox : public FlatControlTest {
 protected:
  FlatComboBox() : combo(Make<TFlatComboBox>(10, 10, 100, 21)) {
    combo->SetComboStyle(ui::TComboBoxStyle::csDropDownList);
    combo->SetItems({"On Page Load", "On Page Unload", "OnMouseOver", "OnMouseOut", "From link"});
    combo->SetColor(kFace);
    combo->OnChange = [this](ui::TObject*) { ++changes; };
    Pump();
    RECT r{};
    GetWindowRect(combo->Handle(), &r);
    w = r.right - r.left;
    h = r.bottom - r.top;
  }

  // What the combo box shows on the screen once every pending paint has run.
  void Shot(PixelSurface& surface) {
    RedrawWindow(combo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Pump();
    PixelSurface::Grab(combo->Handle(), surface);
  }

  // The triangle's origin inside the 13-pixel flat button.
  int ArrowX() const { return w - 13; }
  int ArrowY() const { return h / 2 - 1; }

  TFlatComboBox* combo;
  int changes = 0;
  int w = 0, h = 0;
};

TEST_F(FlatComboBox, StartsWithTheFlatColoursAndRowsOf13) {
  EXPECT_EQ(combo->ItemHeight(), 13);
  EXPECT_EQ(combo->ColorArrow(), 0x00000000u);
  EXPECT_EQ(combo->ColorArrowBackground(), 0x00C5D6D9u);
  EXPECT_EQ(combo->ColorBorder(), 0x008396A0u);
  EXPECT_TRUE(combo->TabStop());
  EXPECT_EQ(w, 100);
}

TEST_F(FlatComboBox, ItemIndexFromCodeFiresNoOnChange) {
  combo->SetItemIndex(2);
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "OnMouseOver");
  combo->SetItemIndex(-1);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Text(), "");
  EXPECT_EQ(changes, 0);
}

TEST_F(FlatComboBox, APickByTheUserFiresOnChange) {
  combo->SetItemIndex(0);
  combo->SetFocus();
  Key(*combo, WM_KEYDOWN, VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(changes, 1);
}

TEST_F(FlatComboBox, AtRestABorderTwoFaceRingsAndAFlatButtonWithATriangleDown) {
  combo->SetItemIndex(0);
  PixelSurface s(w, h);
  Shot(s);
  const int mid = h / 2;
  EXPECT_EQ(s.At(0, mid), 0x008396A0u) << "border";
  EXPECT_EQ(s.At(5, 0), 0x008396A0u);
  EXPECT_EQ(s.At(5, h - 1), 0x008396A0u);
  EXPECT_EQ(s.At(1, mid), kFace) << "first face ring";
  EXPECT_EQ(s.At(2, mid), kFace) << "second face ring";
  EXPECT_EQ(s.At(w - 13, mid), 0x008396A0u) << "the button's left border";
  EXPECT_EQ(s.At(w - 1, mid), 0x008396A0u) << "the button's right border";
  EXPECT_EQ(s.At(w - 3, 2), 0x00C5D6D9u) << "button face";
  const int x = ArrowX(), y = ArrowY();
  for (int i = 4; i <= 8; ++i) EXPECT_EQ(s.At(x + i, y), 0u) << "top row of the triangle, column " << i;
  EXPECT_EQ(s.At(x + 6, y + 2), 0u) << "its tip";
  EXPECT_EQ(s.At(x + 5, y + 2), 0x00C5D6D9u);
  EXPECT_EQ(s.At(x + 6, y - 1), 0x00C5D6D9u);
  EXPECT_EQ(s.At(w - 19, mid), kFace) << "no highlight without the focus";
}

TEST_F(FlatComboBox, FocusedTheHighlightReachesTheButtonWithARingInside) {
  combo->SetItemIndex(0);
  combo->SetFocus();
  PixelSurface s(w, h);
  Shot(s);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  const int mid = h / 2;
  for (int x = w - 21; x < w - 16; ++x) EXPECT_EQ(s.At(x, mid), highlight) << "strip column " << x;
  EXPECT_EQ(s.At(3, mid), highlight) << "inner ring, left";
  EXPECT_EQ(s.At(w / 2, 3), highlight) << "inner ring, top";
  EXPECT_EQ(s.At(w / 2, h - 4), highlight) << "inner ring, bottom";
  EXPECT_EQ(s.At(w - 16, mid), kFace) << "the face between the strip and the frame";
  EXPECT_EQ(s.At(2, mid), kFace);
  EXPECT_EQ(s.At(0, mid), 0x008396A0u);

  Make<TFlatComboBox>(10, 60, 100, 21)->SetFocus();
  PixelSurface after(w, h);
  Shot(after);
  EXPECT_EQ(after.At(w - 19, mid), kFace) << "the strip returns to the face colour";
  EXPECT_EQ(after.At(3, 3), kFace) << "and so does the ring";
}

TEST_F(FlatComboBox, AKeyboardSelectionRepaintsTheStrip) {
  combo->SetItemIndex(0);
  combo->SetFocus();
  Pump();
  {
    // Something else drew over the strip; the next keyboard pick must bring it back.
    ui::WindowDC dc(combo->Handle());
    RECT strip{w - 21, 3, w - 16, h - 3};
    ui::Brush red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc.Get(), &strip, red.Get());
  }
  Key(*combo, WM_KEYDOWN, VK_DOWN);
  PixelSurface s(w, h);
  PixelSurface::Grab(combo->Handle(), s);
  EXPECT_EQ(s.At(w - 19, h / 2), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(FlatComboBox, TheTrianglePointsUpWhileTheListIsOpenAndDownAgainAfter) {
  int dropDowns = 0;
  combo->OnDropDown = [&dropDowns](ui::TObject*) { ++dropDowns; };
  combo->SetFocus();
  SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  Pump();
  EXPECT_EQ(dropDowns, 1);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(combo->Active());
  PixelSurface open(w, h);
  PixelSurface::Grab(combo->Handle(), open);
  const int x = ArrowX(), y = ArrowY();
  for (int i = 4; i <= 8; ++i) EXPECT_EQ(open.At(x + i, y + 2), 0u) << "bottom row while open, column " << i;
  EXPECT_EQ(open.At(x + 6, y), 0u) << "tip up";
  EXPECT_EQ(open.At(x + 4, y), 0x00C5D6D9u);

  SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  Pump();
  EXPECT_FALSE(combo->DroppedDown());
  PixelSurface closed(w, h);
  PixelSurface::Grab(combo->Handle(), closed);
  EXPECT_EQ(closed.At(x + 4, y), 0u) << "top row again once closed";
  EXPECT_EQ(closed.At(x + 4, y + 2), 0x00C5D6D9u);
  EXPECT_EQ(changes, 0);
}

TEST_F(FlatComboBox, AClickDropsTheListDown) {
  SendMouse(*combo, WM_LBUTTONDOWN, MK_LBUTTON, 90, 5);
  SendMouse(*combo, WM_LBUTTONUP, 0, 90, 5);
  Pump();
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_TRUE(combo->Focused());
  SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(changes, 0);
}

TEST_F(FlatComboBox, ActiveFollowsTheFocus) {
  EXPECT_FALSE(combo->Active());
  combo->SetFocus();
  EXPECT_TRUE(combo->Active());
  Make<TFlatComboBox>(10, 60, 100, 21)->SetFocus();
  EXPECT_FALSE(combo->Active());
}

TEST_F(FlatComboBox, DisabledAGreyTriangleWithAWhiteShadowOnTheButtonFace) {
  combo->SetEnabled(false);
  PixelSurface s(w, h);
  Shot(s);
  const int x = ArrowX(), y = ArrowY();
  const COLORREF grey = 0x00808080, white = 0x00FFFFFF, face = 0x00C5D6D9;
  for (int i = 4; i <= 8; ++i) EXPECT_EQ(s.At(x + i, y), grey) << "top row, column " << i;
  EXPECT_EQ(s.At(x + 6, y + 2), grey) << "tip";
  EXPECT_EQ(s.At(x + 9, y + 1), white) << "shadow, one pixel right";
  EXPECT_EQ(s.At(x + 8, y + 2), white);
  EXPECT_EQ(s.At(x + 7, y + 3), white) << "shadow tip, one pixel down and right";
  EXPECT_EQ(s.At(x + 3, y), face);
  EXPECT_EQ(s.At(x + 6, y + 4), face);
}

TEST_F(FlatComboBox, NoHoverLook) {
  combo->SetItemIndex(1);
  PixelSurface before(w, h);
  Shot(before);
  SendMouse(*combo, WM_MOUSEMOVE, 0, 50, 5);
  combo->Perform(ui::CM_MOUSEENTER);
  PixelSurface hovered(w, h);
  Shot(hovered);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) ASSERT_EQ(before.At(x, y), hovered.At(x, y)) << x << "," << y;
}

// Only the flat colours may appear where the native arrow button would be: the native control is
// never let paint there, neither in the paint cycle nor in a picture taken with WM_PRINT.
TEST_F(FlatComboBox, NoNativeArrowInAPictureOrOnTheScreen) {
  for (bool focused : {false, true}) {
    if (focused) combo->SetFocus();
    PixelSurface printed(w, h), shown(w, h);
    PixelSurface::Print(combo->Handle(), printed);
    Shot(shown);
    const COLORREF allowed[] = {kFace, 0x00C5D6D9, 0x008396A0, 0x00000000};
    for (int y = 0; y < h; ++y) {
      for (int x = w - combo->SystemArrowWidth() - 2; x < w; ++x) {
        COLORREF p = printed.At(x, y);
        bool flat = std::find(std::begin(allowed), std::end(allowed), p) != std::end(allowed) ||
                    (focused && p == GetSysColor(COLOR_HIGHLIGHT));
        ASSERT_TRUE(flat) << "native colour " << std::hex << p << " at " << std::dec << x << "," << y;
        ASSERT_EQ(p, shown.At(x, y)) << "the picture differs from the screen at " << x << "," << y;
      }
    }
  }
}

TEST_F(FlatComboBox, OneListBrushPerControlInItsColour) {
  HWND list = nullptr;
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  list = info.hwndList;
  ui::WindowDC dc(list);
  auto ask = [&] {
    return reinterpret_cast<HBRUSH>(SendMessageA(combo->Handle(), WM_CTLCOLORLISTBOX,
                                                 reinterpret_cast<WPARAM>(dc.Get()), reinterpret_cast<LPARAM>(list)));
  };
  HBRUSH first = ask();
  for (int i = 0; i < 50; ++i) ASSERT_EQ(ask(), first);
  LOGBRUSH lb{};
  GetObjectA(first, sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, kFace);
  EXPECT_EQ(GetBkColor(dc.Get()), kFace);
  combo->SetColor(0x00FFFFFF);
  HBRUSH second = ask();
  GetObjectA(second, sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, 0x00FFFFFFu);
  EXPECT_EQ(ask(), second);
}

// The advanced colours come from the parent's colour; without a parent there is nothing to derive.
TEST_F(FlatComboBox, AdvancedColoursNeedAParentAndLeaveParentColorAlone) {
  TFlatComboBox orphan(nullptr);
  orphan.SetUseAdvColors(true);
  EXPECT_EQ(orphan.ColorBorder(), 0x008396A0u);
  EXPECT_EQ(orphan.ColorArrowBackground(), 0x00C5D6D9u);

  host->SetColor(0x00E1EAEB);
  const bool parentColor = combo->ParentColor();
  combo->SetUseAdvColors(true);
  EXPECT_EQ(combo->ParentColor(), parentColor);
  EXPECT_EQ(combo->ColorBorder(), 0x00ADC6C9u) << "the face darkened by 50";
  EXPECT_NE(combo->ColorArrowBackground(), 0x00C5D6D9u);
  host->SetColor(0x00FFFFFF);
  combo->Perform(ui::CM_PARENTCOLORCHANGED);
  EXPECT_EQ(combo->ColorBorder(), DeriveShade(0x00FFFFFF, 0, 50, true));
}

TEST_F(FlatComboBox, ANewFontBringsTheRowsBackTo13) {
  combo->SetItemIndex(3);
  combo->SetItemHeight(20);
  combo->Font().SetSize(12);
  EXPECT_EQ(combo->ItemHeight(), 13);
  EXPECT_EQ(combo->ItemIndex(), 3) << "the new window keeps the selection";
}

TEST_F(FlatComboBox, TheFocusInTheInnerEditOfAnEditableComboCounts) {
  auto* editable = Make<TFlatComboBox>(10, 60, 120, 21);
  Pump();
  int edits = 0;
  EnumChildWindows(
      editable->Handle(), [](HWND, LPARAM p) -> BOOL { return ++*reinterpret_cast<int*>(p), TRUE; },
      reinterpret_cast<LPARAM>(&edits));
  ASSERT_EQ(edits, 1);
  editable->SetFocus();
  EXPECT_TRUE(editable->Active()) << "the focus in the inner edit counts";
  combo->SetFocus();
  EXPECT_FALSE(editable->Active());
}

}  // namespace flat_combo_box
