// Every window under a contrast theme, read back from the screen. Wine answers SPI_GETHIGHCONTRAST
// with 0 whatever its registry says, so the platform seam answers "on" while the test sets the
// theme's system colours (for this process only).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "app/Program.h"
#include "core/HighContrast.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "framework/Form.h"
#include "framework/Gdi.h"
#include "framework/HighContrast.h"
#include "framework/Image.h"
#include "generator/GeneratorWindows.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "orders/WizardWindows.h"
#include "orders/pur1.h"
#include "orders/pur2.h"
#include "orders/pur3.h"
#include "orders/pur4.h"
#include "orders/pur5.h"
#include "orders/pur6.h"
#include "tests/support/PixelSurface.h"
#include "tests/support/WindowTest.h"

namespace {

using Scheme = std::vector<std::pair<int, COLORREF>>;
// Windows' "High Contrast Black" and "High Contrast White", the 3-D colours included.
const Scheme kBlack{{COLOR_WINDOW, 0x000000},        {COLOR_WINDOWTEXT, 0xFFFFFF},  {COLOR_BTNFACE, 0x000000},
                    {COLOR_BTNTEXT, 0xFFFFFF},       {COLOR_HIGHLIGHT, 0xFFEB1A},   {COLOR_HIGHLIGHTTEXT, 0x000000},
                    {COLOR_GRAYTEXT, 0x3FF23F},      {COLOR_HOTLIGHT, 0x00FFFF},    {COLOR_BTNSHADOW, 0xFFFFFF},
                    {COLOR_BTNHIGHLIGHT, 0xFFFFFF},  {COLOR_3DDKSHADOW, 0xFFFFFF},  {COLOR_3DLIGHT, 0xFFFFFF}};
const Scheme kWhite{{COLOR_WINDOW, 0xFFFFFF},        {COLOR_WINDOWTEXT, 0x000000},  {COLOR_BTNFACE, 0xFFFFFF},
                    {COLOR_BTNTEXT, 0x000000},       {COLOR_HIGHLIGHT, 0x6E0037},   {COLOR_HIGHLIGHTTEXT, 0xFFFFFF},
                    {COLOR_GRAYTEXT, 0x000060},      {COLOR_HOTLIGHT, 0x9F0000},    {COLOR_BTNSHADOW, 0x000000},
                    {COLOR_BTNHIGHLIGHT, 0x000000},  {COLOR_3DDKSHADOW, 0x000000},  {COLOR_3DLIGHT, 0x000000}};

// The scheme's colours for the life of the object, then as they were.
class ScopedColours {
 public:
  explicit ScopedColours(const Scheme& scheme) {
    for (const auto& [index, colour] : scheme) {
      indices_.push_back(index);
      old_.push_back(GetSysColor(index));
      new_.push_back(colour);
    }
    SetSysColors(static_cast<int>(indices_.size()), indices_.data(), new_.data());
  }
  ~ScopedColours() { SetSysColors(static_cast<int>(indices_.size()), indices_.data(), old_.data()); }

 private:
  std::vector<int> indices_;
  std::vector<COLORREF> old_, new_;
};

constexpr COLORREF kPicture = 0x01000000;  // a pixel of a picture, which keeps its own colours

// The theme colour a pixel shows: its own, or for one that the font's smoothing blended from two
// of the theme's colours, the nearer of them; CLR_INVALID for any other colour.
COLORREF ThemeColour(COLORREF c, const Scheme& scheme) {
  if (std::any_of(scheme.begin(), scheme.end(), [&](const auto& ink) { return ink.second == c; })) return c;
  auto channel = [](COLORREF v, int k) { return static_cast<double>((v >> (8 * k)) & 0xFF); };
  for (const auto& [i, a] : scheme) {
    for (const auto& [j, b] : scheme) {
      double along = 0, length = 0;
      for (int k = 0; k < 3; ++k) {
        along += (channel(c, k) - channel(a, k)) * (channel(b, k) - channel(a, k));
        length += (channel(b, k) - channel(a, k)) * (channel(b, k) - channel(a, k));
      }
      const double t = length > 0 ? along / length : -1;
      bool blend = t >= 0 && t <= 1;
      for (int k = 0; k < 3; ++k)
        blend = blend && std::abs(channel(a, k) + t * (channel(b, k) - channel(a, k)) - channel(c, k)) <= 2;
      if (blend) return t < 0.5 ? a : b;
    }
  }
  return CLR_INVALID;
}

// A window after a step (or none), one control focused with its cues shown, one under the mouse.
struct State {
  const char* name;
  std::function<ui::TForm*()> form;
  std::function<void()> before;
  const char *focus, *hover;
};

void Visit(ui::TWinControl& parent, const std::function<void(ui::TControl&)>& visit) {
  for (ui::TControl* control : parent.Controls()) {
    if (!control->Visible()) continue;
    visit(*control);
    if (auto* inner = dynamic_cast<ui::TWinControl*>(control)) Visit(*inner, visit);
  }
}

class HighContrastWindows : public testsupport::WindowTest,
                            public testing::WithParamInterface<std::tuple<State, const Scheme*>> {
 protected:
  ~HighContrastWindows() override {
    platform.highContrast = false;
    ui::RereadHighContrast();
  }

  // What the window's client area shows on the screen once it has repainted by itself.
  static void Grab(const ui::TForm& form, testsupport::PixelSurface& into) {
    Pump();
    const POINT origin = form.ClientToScreen(POINT{0, 0});
    ui::WindowDC screen(nullptr);
    BitBlt(into.Dc(), 0, 0, into.Width(), into.Height(), screen.Get(), origin.x, origin.y, SRCCOPY);
  }

  // The control's client area in the window's client coordinates.
  static RECT Place(const ui::TForm& form, ui::TControl& control) {
    const POINT at = control.ClientToScreen(POINT{0, 0}), origin = form.ClientToScreen(POINT{0, 0});
    const RECT client = control.ClientRect();
    return RECT{at.x - origin.x, at.y - origin.y, at.x - origin.x + client.right, at.y - origin.y + client.bottom};
  }
};

// Only the theme's colours outside pictures, neighbours of different colours at 4.5:1 at least (text
// and marks alike), ink in every control, and with the theme off again every pixel as before.
TEST_P(HighContrastWindows, OnlyTheThemesColoursAtFullContrastAndEveryPixelBackWhenOff) {
  const auto& [state, scheme] = GetParam();
  app::CreateForms(*ui::Application);
  if (state.before) state.before();
  ui::TForm& form = *state.form();
  form.Show();
  SetForegroundWindow(form.Handle());
  Pump();
  auto* focus = dynamic_cast<ui::TWinControl*>(form.FindComponent(state.focus));
  auto* hover = dynamic_cast<ui::TControl*>(form.FindComponent(state.hover));
  ASSERT_TRUE(focus && hover);
  focus->SetFocus();
  ASSERT_EQ(GetFocus(), focus->Handle());
  form.ShowFocusCues(true);
  HideCaret(focus->Handle());  // it blinks, and is the system's
  platform.steerCursor = platform.steerActiveWindow = true;
  platform.activeWindow = form.Handle();
  platform.cursor = hover->ClientToScreen(POINT{3, 3});
  SendMouse(*hover, WM_MOUSEMOVE, 0, 3, 3);
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);

  const RECT client = form.ClientRect();
  const int w = client.right, h = client.bottom;
  testsupport::PixelSurface normal(w, h), contrast(w, h), after(w, h);
  Grab(form, normal);
  platform.highContrast = true;
  {
    ScopedColours theme(*scheme);  // every window hears WM_SYSCOLORCHANGE
    Grab(form, contrast);
  }
  platform.highContrast = false;
  SendMessageA(form.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  Grab(form, after);

  std::vector<RECT> pictures;
  Visit(form, [&](ui::TControl& c) { if (dynamic_cast<ui::TImage*>(&c)) pictures.push_back(Place(form, c)); });
  std::vector<COLORREF> seen(static_cast<std::size_t>(w * h));
  double lowest = 21.0;
  int foreign = 0, changed = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      changed += after.At(x, y) != normal.At(x, y);
      const POINT p{x, y};
      const bool picture = std::any_of(pictures.begin(), pictures.end(), [&](const RECT& r) { return PtInRect(&r, p); });
      const COLORREF here = seen[y * w + x] = picture ? kPicture : ThemeColour(contrast.At(x, y), *scheme);
      foreign += here == CLR_INVALID;
      for (const COLORREF next : {x > 0 ? seen[y * w + x - 1] : kPicture, y > 0 ? seen[(y - 1) * w + x] : kPicture})
        if (here != next && here < kPicture && next < kPicture) lowest = std::min(lowest, core::ContrastRatio(here, next));
    }
  }
  EXPECT_EQ(foreign, 0) << "pixels in colours of their own";
  EXPECT_GE(lowest, 4.5);
  EXPECT_EQ(changed, 0) << "pixels not back to the usual look";
  RecordProperty("LowestContrast", std::to_string(lowest));
  Visit(form, [&](ui::TControl& c) {
    const RECT r = Place(form, c);
    std::set<COLORREF> colours;
    for (int y = std::max(0, int(r.top)); y < std::min(h, int(r.bottom)); ++y)
      for (int x = std::max(0, int(r.left)); x < std::min(w, int(r.right)); ++x) colours.insert(seen[y * w + x]);
    EXPECT_TRUE(colours.size() > 1 || colours.count(kPicture)) << c.Name() << " shows nothing";
  });
}

// The window as CreateForms made it, for the test to find.
template <class T>
std::function<ui::TForm*()> Form(T* const& form) {
  return [&form]() -> ui::TForm* { return form; };
}

INSTANTIATE_TEST_SUITE_P(
    EveryWindow, HighContrastWindows,
    testing::Combine(
        testing::Values(State{"generator", Form(Form1), [] { Form1->status->SetChecked(true); }, "FlatEdit1", "toolbar"},
                        State{"fullscreen", Form(Form1), [] { Form1->FlatCheckBox1->SetChecked(true); }, "FlatCheckBox1",
                              "FlatCheckBox1"},
                        State{"about", Form(Form3), nullptr, "FlatButton1", "FlatButton1"},
                        State{"code", Form(Form4), [] { Form1->FlatButton1->Click(); }, "Memo1", "FlatButton1"},
                        State{"chooser", Form(Main), nullptr, "product", "nextbut"},
                        State{"creditcard", Form(CCOrders), nullptr, "nextbut", "backbut"},
                        State{"fax", Form(faxorders), nullptr, "nextbut", "backbut"},
                        State{"mail", Form(mailorders), nullptr, "nextbut", "backbut"},
                        State{"phone", Form(Phoneorders), nullptr, "nextbut", "backbut"},
                        State{"purchaseorder", Form(POOrders), nullptr, "nextbut", "backbut"}),
        testing::Values(&kBlack, &kWhite)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) == &kBlack ? "Black" : "White");
    });

}  // namespace
