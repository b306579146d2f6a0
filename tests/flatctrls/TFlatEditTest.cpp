// The flat edit's own colour flag and its height, and the group box as a container.
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatGroupBox.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "tests/flatctrls/FlatTestHost.h"
#include "tests/support/PixelSurface.h"

namespace {

using FlatEdit = FlatControlTest;
using testsupport::PixelSurface;

// A paste past the limit is refused whole with a beep, by WM_PASTE and by Shift+Insert alike; one
// that fits goes in. A million characters are refused at once.
TEST_F(FlatEdit, APastePastTheLimitIsRefusedWhole) {
  auto* edit = Make<TFlatEdit>(10, 10, 377, 19);
  edit->SetMaxLength(32767);
  const struct {
    std::size_t kept, pasted;
    bool shiftInsert, fits;
  } cases[] = {{0, 32767, false, true}, {0, 32768, false, false}, {10, 1000000, true, false},
               {10, 32757, true, true}, {10, 32758, true, false}};
  for (const auto& c : cases) {
    const std::string kept(c.kept, 'k');
    edit->SetText(kept);
    SendMessageW(edit->Handle(), EM_SETSEL, c.kept, c.kept);
    SetClipboardText(std::wstring(c.pasted, L'p'));
    platform.beeps.clear();
    if (c.shiftInsert) KeyHolding(*edit, {VK_SHIFT}, VK_INSERT);
    else SendMessageW(edit->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(static_cast<std::size_t>(GetWindowTextLengthW(edit->Handle())), c.fits ? c.kept + c.pasted : c.kept)
        << c.pasted;
    EXPECT_EQ(platform.beeps.size(), c.fits ? 0u : 1u) << c.pasted;
  }
}

// A new CharCase makes a new window; the text goes across whole and takes the case rule, letters
// outside Windows-1252 included, whether it was given before or after the first window.
TEST_F(FlatEdit, ACharCaseChangeKeepsTextBeyondWindows1252) {
  const std::string lodz = "\xC5\x81\xC3\xB3""d\xC5\xBA";  // Łódź
  const struct {
    ui::TCharCase charCase;
    const char* shown;
    std::wstring inWindow;
  } cases[] = {{ui::TCharCase::ecUpperCase, "\xC5\x81\xC3\x93""D\xC5\xB9", L"\u0141\u00D3D\u0179"},
               {ui::TCharCase::ecLowerCase, "\xC5\x82\xC3\xB3""d\xC5\xBA", L"\u0142\u00F3d\u017A"}};
  for (bool beforeWindow : {true, false}) {
    for (const auto& c : cases) {
      auto* edit = new TFlatEdit(host);
      edit->SetBounds(10, 10, 121, 19);
      if (beforeWindow) edit->SetText(lodz);
      edit->SetParent(host);
      if (!beforeWindow) edit->SetText(lodz);
      ASSERT_TRUE(edit->HandleAllocated());
      edit->SetCharCase(c.charCase);
      wchar_t buffer[16] = {};
      GetWindowTextW(edit->Handle(), buffer, 16);
      EXPECT_EQ(std::wstring(buffer), c.inWindow) << c.shown << " " << beforeWindow;
      EXPECT_EQ(edit->Text(), c.shown) << beforeWindow;
      delete edit;
    }
  }
}

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

// The frame and the text background read back from the screen, state by state.
class FlatEditLook : public FlatControlTest {
 protected:
  static constexpr COLORREF kFlat = 0x00E1EAEB, kFocused = 0x00FFFFFF, kBorder = 0x008396A0;

  FlatEditLook() {
    one = Make<TFlatEdit>(10, 10, 89, 19);
    two = Make<TFlatEdit>(10, 40, 89, 19);
    spin = Make<TFlatSpinEditInteger>(10, 70, 57, 20);
    button = Make<TFlatButton>(200, 10, 73, 25);
    for (TCustomFlatEdit* e : std::initializer_list<TCustomFlatEdit*>{one, two, spin}) e->SetColorFlat(kFlat);
    platform.steerActiveWindow = true;
    platform.activeWindow = host->Handle();
    Pump();
  }

  // Border, both rings and the text background, as (border, face of the rings, text background).
  struct Look {
    COLORREF border, ring1, ring2, text;
  };
  static Look LookOf(TCustomFlatEdit* edit) {
    Pump();
    PixelSurface s(edit->Width(), edit->Height());
    PixelSurface::Grab(edit->Handle(), s);
    const int y = edit->Height() / 2;
    return Look{s.At(0, y), s.At(1, y), s.At(2, y), s.At(edit->Width() - 4, y)};
  }
  static void ExpectLook(TCustomFlatEdit* edit, COLORREF face, const char* what) {
    Look look = LookOf(edit);
    EXPECT_EQ(look.border, kBorder) << what;
    EXPECT_EQ(look.ring1, face) << what;
    EXPECT_EQ(look.ring2, face) << what;
    if (dynamic_cast<TFlatSpinEditInteger*>(edit)) return;  // the arrows sit at the right
    EXPECT_EQ(look.text, face) << what << ": the text background changes with the frame";
  }

  TFlatEdit* one;
  TFlatEdit* two;
  TFlatSpinEditInteger* spin;
  TFlatButton* button;
};

TEST_F(FlatEditLook, FlatAtRestFocusedWithTheFocusAndKeptWhenTheMouseLeaves) {
  ExpectLook(one, kFlat, "at rest");
  one->SetFocus();
  ExpectLook(one, kFocused, "focused");
  one->Perform(ui::CM_MOUSEENTER);
  one->Perform(ui::CM_MOUSELEAVE);
  ExpectLook(one, kFocused, "focused after the mouse left");
  button->SetFocus();
  ExpectLook(one, kFlat, "after the focus left");
}

TEST_F(FlatEditLook, HoverShowsTheFocusedLookUnlessAFlatEditHasTheFocus) {
  button->SetFocus();
  two->Perform(ui::CM_MOUSEENTER);
  ExpectLook(two, kFocused, "hovered while a button has the focus");
  two->Perform(ui::CM_MOUSELEAVE);
  ExpectLook(two, kFlat, "after the mouse left");

  one->SetFocus();
  two->Perform(ui::CM_MOUSEENTER);
  ExpectLook(two, kFlat, "hovered while another flat edit has the focus");
  spin->Perform(ui::CM_MOUSEENTER);
  ExpectLook(spin, kFlat, "a spin edit under the mouse while a flat edit has the focus");
  spin->Perform(ui::CM_MOUSELEAVE);
  two->Perform(ui::CM_MOUSELEAVE);

  // A spin edit is no TFlatEdit: with the focus in it, a flat edit under the mouse lights up.
  spin->SetFocus();
  two->Perform(ui::CM_MOUSEENTER);
  ExpectLook(two, kFocused, "hovered while the focus is in a spin edit");
  ExpectLook(spin, kFocused, "the focused spin edit");
}

TEST_F(FlatEditLook, NoHoverWhileTheApplicationIsInactiveButLeavingAlwaysClears) {
  button->SetFocus();
  platform.activeWindow = nullptr;
  two->Perform(ui::CM_MOUSEENTER);
  EXPECT_FALSE(two->Hovered());
  ExpectLook(two, kFlat, "entered while inactive");
  platform.activeWindow = host->Handle();
  two->Perform(ui::CM_MOUSEENTER);
  EXPECT_TRUE(two->Hovered());
  platform.activeWindow = nullptr;
  two->Perform(ui::CM_MOUSELEAVE);
  EXPECT_FALSE(two->Hovered());
  ExpectLook(two, kFlat, "left while inactive");
}

TEST_F(FlatEditLook, ADisabledFieldStillLightsUpUnderTheMouse) {
  button->SetFocus();
  two->SetEnabled(false);
  ExpectLook(two, kFlat, "disabled at rest");
  two->Perform(ui::CM_MOUSEENTER);
  ExpectLook(two, kFocused, "disabled and hovered");
}

TEST_F(FlatEditLook, TheFrameSurvivesARepaintAndFollowsItsColours) {
  one->SetColorBorder(0x00000080);
  RedrawWindow(one->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  Look look = LookOf(one);
  EXPECT_EQ(look.border, 0x00000080u);
  EXPECT_EQ(look.ring1, kFlat);
}

}  // namespace
