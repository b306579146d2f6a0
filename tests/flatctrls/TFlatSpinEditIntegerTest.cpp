// The integer spin edit: value rules, arrow keys, the character filter and the arrow halves.
#include <climits>
#include <functional>

#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "flatctrls/TSpinButton.h"
#include "flatctrls/TTimerSpeedButton.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

class FlatSpinEdit : public FlatControlTest {
 protected:
  FlatSpinEdit() : spin(Make<TFlatSpinEditInteger>(10, 10, 57, 20)) {}

  void Press(WPARAM key) { Key(*spin, WM_KEYDOWN, key); }

  TFlatSpinEditInteger* spin;
};

TEST_F(FlatSpinEdit, StartsAtZeroWithoutLimits) {
  EXPECT_EQ(spin->Text(), "0");
  EXPECT_EQ(spin->Value(), 0);
  EXPECT_EQ(spin->MinValue(), 0);
  EXPECT_EQ(spin->MaxValue(), 0);
  EXPECT_EQ(spin->Increment(), 1);
  EXPECT_TRUE(spin->EditorEnabled());
  EXPECT_TRUE(spin->TabStop());
}

TEST_F(FlatSpinEdit, ArrowKeysStepAndWrapAroundAtTheEndsOfTheRange) {
  Press(VK_UP);
  Press(VK_UP);
  EXPECT_EQ(spin->Text(), "2");
  Press(VK_DOWN);
  EXPECT_EQ(spin->Text(), "1");
  spin->SetValue(INT_MAX);
  Press(VK_UP);
  EXPECT_EQ(spin->Text(), "-2147483648");
  Press(VK_DOWN);
  EXPECT_EQ(spin->Text(), "2147483647");
  spin->SetIncrement(10);
  spin->SetValue(5);
  Press(VK_DOWN);
  EXPECT_EQ(spin->Value(), -5);
}

TEST_F(FlatSpinEdit, ArrowKeysStillReachOnKeyDown) {
  std::vector<WORD> keys;
  spin->OnKeyDown = [&keys](ui::TObject*, WORD& key, ui::TShiftState) { keys.push_back(key); };
  Press(VK_UP);
  EXPECT_EQ(keys, std::vector<WORD>{VK_UP});
}

TEST_F(FlatSpinEdit, EqualLimitsMeanNoLimits) {
  spin->SetMinValue(5);
  spin->SetMaxValue(5);
  spin->SetValue(7);
  EXPECT_EQ(spin->Text(), "7");
  spin->SetValue(-3);
  EXPECT_EQ(spin->Text(), "-3");
}

TEST_F(FlatSpinEdit, WritingClampsToTheLimitsLowerFirst) {
  spin->SetMinValue(0);
  spin->SetMaxValue(100);
  spin->SetValue(150);
  EXPECT_EQ(spin->Text(), "100");
  spin->SetValue(-5);
  EXPECT_EQ(spin->Text(), "0");
  spin->SetMinValue(10);
  spin->SetMaxValue(5);
  EXPECT_EQ(spin->CheckValue(7), 10);
  EXPECT_EQ(spin->CheckValue(12), 5);
}

TEST_F(FlatSpinEdit, TextThatDoesNotConvertReadsAsMinValue) {
  spin->SetMinValue(-4);
  spin->SetMaxValue(40);
  spin->SetText("");
  EXPECT_EQ(spin->Value(), -4);
  spin->SetText("12a");
  EXPECT_EQ(spin->Value(), -4);
  spin->SetText("$1F");
  EXPECT_EQ(spin->Value(), 31);
  spin->SetText("99");
  EXPECT_EQ(spin->Value(), 99);  // reading never clamps
}

TEST_F(FlatSpinEdit, LeavingTheFieldClampsTheTypedValue) {
  auto* other = Make<TFlatButton>(100, 10, 73, 25);
  spin->SetMinValue(0);
  spin->SetMaxValue(100);
  spin->SetFocus();
  spin->SetText("150");
  EXPECT_EQ(spin->Value(), 150);
  other->SetFocus();
  EXPECT_EQ(spin->Text(), "100");
  spin->SetFocus();
  spin->SetText("");
  other->SetFocus();
  EXPECT_EQ(spin->Text(), "");
}

TEST_F(FlatSpinEdit, TheFilterBeepsAtLettersAndEnterAndLetsDigitsThrough) {
  spin->SetFocus();
  Char(*spin, 'a');
  Char(*spin, '\r');
  EXPECT_EQ(platform.beeps, (std::vector<UINT>{0, 0}));
  EXPECT_EQ(spin->Text(), "0");
  SendMessageA(spin->Handle(), EM_SETSEL, 0, -1);
  Char(*spin, '-');
  Char(*spin, '7');
  EXPECT_EQ(spin->Text(), "-7");
  EXPECT_EQ(platform.beeps.size(), 2u);
}

TEST_F(FlatSpinEdit, RefusedCharactersNeverReachOnKeyPress) {
  std::string passed;
  spin->OnKeyPress = [&passed](ui::TObject*, wchar_t& c) { passed += static_cast<char>(c); };
  Char(*spin, 'z');
  Char(*spin, '4');
  EXPECT_EQ(passed, "4");
}

TEST_F(FlatSpinEdit, WithoutTheEditorOnlyTheArrowsChangeTheValue) {
  spin->SetEditorEnabled(false);
  spin->SetValue(12);
  Char(*spin, '5');
  Char(*spin, '\b');
  EXPECT_EQ(spin->Text(), "12");
  EXPECT_EQ(platform.beeps.size(), 2u);
  Press(VK_UP);
  EXPECT_EQ(spin->Text(), "13");
}

TEST_F(FlatSpinEdit, ReadOnlyBeepsAtEveryStep) {
  spin->SetValue(3);
  spin->SetReadOnly(true);
  Press(VK_UP);
  Press(VK_DOWN);
  spin->UpClick();
  EXPECT_EQ(spin->Text(), "3");
  EXPECT_EQ(platform.beeps, (std::vector<UINT>{0, 0, 0}));
}

TEST_F(FlatSpinEdit, ThePasteIsIgnoredWithoutTheEditor) {
  spin->SetValue(12);
  ASSERT_TRUE(OpenClipboard(host->Handle()));
  EmptyClipboard();
  HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 3);
  memcpy(GlobalLock(text), "34", 3);
  GlobalUnlock(text);
  SetClipboardData(CF_TEXT, text);
  CloseClipboard();
  spin->SetEditorEnabled(false);
  SendMessageA(spin->Handle(), EM_SETSEL, 0, -1);
  SendMessageA(spin->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(spin->Text(), "12");
  spin->SetEditorEnabled(true);
  SendMessageA(spin->Handle(), WM_PASTE, 0, 0);
  EXPECT_EQ(spin->Text(), "34");
}

// A paste is taken only when the text it leaves is a whole number; otherwise a beep and no change.
TEST_F(FlatSpinEdit, APasteThatWouldLeaveNoWholeNumberBeepsAndChangesNothing) {
  const auto paste = [&](const wchar_t* clip, int from, int to) {
    ASSERT_TRUE(OpenClipboard(host->Handle()));
    EmptyClipboard();
    const std::size_t bytes = (wcslen(clip) + 1) * sizeof(wchar_t);
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(text), clip, bytes);
    GlobalUnlock(text);
    SetClipboardData(CF_UNICODETEXT, text);
    CloseClipboard();
    SendMessageA(spin->Handle(), EM_SETSEL, from, to);
    SendMessageA(spin->Handle(), WM_PASTE, 0, 0);
  };
  const struct {
    const wchar_t* clip;
    int from, to;
    const char* after;
  } cases[] = {
      {L"abc", 0, -1, "12"},         {L"1e3", 0, -1, "12"},          {L"-", 0, -1, "12"},
      {L"99999999999", 0, -1, "12"}, {L"3\r\n4", 0, -1, "12"},        {L"\u65E5", 0, -1, "12"},
      {L"-", 0, 0, "-12"},           {L"5", 2, 2, "125"},             {L"2147483647", 0, -1, "2147483647"},
  };
  for (const auto& c : cases) {
    spin->SetText("12");
    platform.beeps.clear();
    paste(c.clip, c.from, c.to);
    EXPECT_EQ(spin->Text(), c.after) << static_cast<int>(c.clip[0]);
    EXPECT_EQ(platform.beeps.size(), std::string(c.after) == "12" ? 1u : 0u);
  }
}

// Shift+Insert, Ctrl+V, WM_PASTE and text the edit takes by other ways (a drop or an input method
// replaces the selection, as EM_REPLACESEL does) all meet the same filter.
TEST_F(FlatSpinEdit, EveryWayTextArrivesMeetsTheSameFilter) {
  const wchar_t hostile[] = L"1'+__pwn('spin')+'";
  SetClipboardText(hostile);
  const std::function<void()> ways[] = {
      [&] { KeyHolding(*spin, {VK_SHIFT}, VK_INSERT); },
      [&] {
        KeyHolding(*spin, {VK_CONTROL}, 'V');
        SendMessageW(spin->Handle(), WM_CHAR, 0x16, 0);
      },
      [&] { SendMessageW(spin->Handle(), WM_PASTE, 0, 0); },
      [&] { SendMessageW(spin->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(hostile)); },
      [&] { SendMessageW(spin->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"1\r\n2")); },
      [&] { SendMessageW(spin->Handle(), WM_CHAR, L'\'', 0); },
  };
  for (std::size_t i = 0; i < std::size(ways); ++i) {
    spin->SetText("100");
    SendMessageW(spin->Handle(), EM_SETSEL, 3, 3);
    platform.beeps.clear();
    ways[i]();
    EXPECT_EQ(spin->Text(), "100") << "way " << i;
    EXPECT_FALSE(platform.beeps.empty()) << "way " << i;
  }
  // What passes the filter still goes in by the same ways.
  SendMessageW(spin->Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"-5"));
  EXPECT_EQ(spin->Text(), "100-5");
}

TEST_F(FlatSpinEdit, TheHalvesStepAndHandTheFocusToTheEdit) {
  auto* other = Make<TFlatButton>(100, 10, 73, 25);
  other->SetFocus();
  TSpinButton* button = spin->Button();
  Click(*button->UpButton());
  EXPECT_EQ(spin->Text(), "1");
  EXPECT_TRUE(spin->Focused());
  Click(*button->DownButton(), 8, 3);
  Click(*button->DownButton(), 8, 3);
  EXPECT_EQ(spin->Text(), "-1");
}

TEST_F(FlatSpinEdit, TheHalvesStandSideBySideInsideTheFrame) {
  TSpinButton* button = spin->Button();
  EXPECT_EQ(button->Left(), 30);
  EXPECT_EQ(button->Top(), 0);
  EXPECT_EQ(button->Width(), 22);
  EXPECT_EQ(button->Height(), 14);
  EXPECT_EQ(button->UpButton()->Left(), 0);
  EXPECT_EQ(button->DownButton()->Left(), 10);
  EXPECT_EQ(button->UpButton()->Width(), 11);
  EXPECT_EQ(button->UpButton()->Height(), 14);
  EXPECT_TRUE(button->UpButton()->AllowTimer());
}

TEST_F(FlatSpinEdit, APressedHalfRepeatsWhileHeld) {
  TTimerSpeedButton* up = spin->Button()->UpButton();
  SendMouse(*up, WM_LBUTTONDOWN, MK_LBUTTON, 3, 3);
  ASSERT_NE(up->RepeatTimer(), nullptr);
  EXPECT_TRUE(up->RepeatTimer()->Running());
  EXPECT_EQ(up->RepeatTimer()->Interval(), 400u);
  DWORD until = GetTickCount() + 800;
  while (GetTickCount() < until) Pump();
  SendMouse(*up, WM_LBUTTONUP, 0, 3, 3);
  EXPECT_FALSE(up->RepeatTimer()->Running());
  // At least the tick at 400 ms and the click of the release.
  EXPECT_GE(spin->Value(), 2);
}

TEST_F(FlatSpinEdit, NoSpinEditIsLowerThanItsFontNeeds) {
  spin->SetHeight(15);
  EXPECT_EQ(spin->Height(), spin->MinHeight());
  EXPECT_EQ(spin->MinHeight(), 20);  // 8-point MS Sans Serif: text height 13
}

}  // namespace

namespace {

// Rows of a 5 x 5 glyph, '#' for black and '.' for the transparent dark yellow.
std::vector<std::string> Picture(const ui::TBitmap& glyph) {
  std::vector<std::string> rows;
  for (int y = 0; y < glyph.Height(); ++y) {
    std::string row;
    for (int x = 0; x < glyph.Width(); ++x) {
      std::uint32_t pixel = glyph.Bits()[y * glyph.Width() + x] & 0xFFFFFF;
      row += pixel == 0 ? '#' : pixel == 0x808000 ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

TEST_F(FlatSpinEdit, TheHalvesCarryTheProgramsArrows) {
  TTimerSpeedButton* up = spin->Button()->UpButton();
  TTimerSpeedButton* down = spin->Button()->DownButton();
  if (up->Glyph().Empty()) GTEST_SKIP() << "the arrow bitmaps are not linked into this program";
  EXPECT_EQ(Picture(up->Glyph()), (std::vector<std::string>{".....", "..#..", ".###.", "#####", "....."}));
  EXPECT_EQ(Picture(down->Glyph()), (std::vector<std::string>{".....", "#####", ".###.", "..#..", "....."}));
  EXPECT_EQ(up->NumGlyphs(), 1);
  EXPECT_EQ(up->Margin(), 2);
  EXPECT_EQ(up->Layout(), TButtonLayout::blGlyphTop);
  EXPECT_EQ(down->Layout(), TButtonLayout::blGlyphBottom);
}

}  // namespace
