// Every window at 96, 144 and 192 DPI. Wine takes the DPI from the prefix's LogPixels when a
// program starts, so each DPI gets its own run of this test program, started with the value set
// and aware of the DPI as skylatch.exe is through its manifest; that run loads every window and
// checks it from inside, where the controls' own fonts can measure their captions.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "core/DefinitionStream.h"
#include "core/DpiScale.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatGroupBox.h"
#include "flatctrls/TFlatMemo.h"
#include "framework/CustomComboBox.h"
#include "framework/CustomEdit.h"
#include "framework/DefinitionLoader.h"
#include "framework/Gdi.h"
#include "framework/Label.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "paint/LookMetrics.h"
#include "tests/support/WindowTest.h"

namespace {

constexpr const char* kDpiVariable = "SKYLATCH_SCALED_DPI";

// HKCU\Control Panel\Desktop LogPixels for the life of the object, then as it was.
class ScopedLogPixels {
 public:
  explicit ScopedLogPixels(DWORD dpi) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof old_;
    had_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) == 0;
    RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  ~ScopedLogPixels() {
    if (had_) RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
    else RegDeleteValueA(key_, "LogPixels");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  DWORD old_ = 0;
  bool had_ = false;
};

// Runs this program again with a test filter and the DPI it is to find; its exit code.
int RunScaledChild(int dpi) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = std::string("\"") + self + "\" --gtest_filter=ScaledWindows.*";
  SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  const BOOL started =
      CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
  SetEnvironmentVariableA(kDpiVariable, nullptr);
  if (!started) return -2;
  DWORD code = 0;
  if (WaitForSingleObject(process.hProcess, 90000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

class ScaledRun : public testing::TestWithParam<int> {};

TEST_P(ScaledRun, EveryWindowIsScaledWholeAndInsideItsParent) {
  ScopedLogPixels logPixels(static_cast<DWORD>(GetParam()));
  EXPECT_EQ(RunScaledChild(GetParam()), 0) << "the run at " << GetParam() << " DPI failed; its output is above";
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledRun, testing::Values(96, 144, 192));

// ---- What the run at one DPI checks ----

int ScaledDpi() {
  const char* value = std::getenv(kDpiVariable);
  return value ? std::atoi(value) : 0;
}

// A control's rectangle in its parent's client coordinates, from its window where it has one.
RECT PlaceOf(const ui::TControl& control) {
  if (auto* windowed = dynamic_cast<const ui::TWinControl*>(&control); windowed && windowed->HandleAllocated()) {
    RECT r{};
    GetWindowRect(windowed->Handle(), &r);
    MapWindowPoints(nullptr, GetParent(windowed->Handle()), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  return RECT{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
}

// The size text takes in a font: one line, or broken into lines of at most width.
SIZE TextExtent(HFONT font, const std::string& text, int width = 0) {
  ui::WindowDC screen(nullptr);
  ui::SelectedObject selected(screen.Get(), font);
  RECT r{0, 0, width, 0};
  DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | (width > 0 ? DT_WORDBREAK : DT_SINGLELINE));
  return {r.right - r.left, r.bottom - r.top};
}

SIZE TextExtent(const ui::TControl& control, const std::string& text) { return TextExtent(control.Font().Handle(), text); }

// The room a control's caption or text is drawn in, and what it takes there; a width of -1 for
// a control without a text of its own, a height of 0 where the control's height follows its font.
struct TextRoom {
  SIZE text{-1, 0}, room{0, 0};
};

TextRoom RoomOf(const ui::TControl& control, const paint::LookMetrics& metrics) {
  using paint::Metric;
  if (auto* box = dynamic_cast<const TFlatCheckBox*>(&control))
    return {TextExtent(*box, box->Caption()),
            {box->Width() - metrics[Metric::CheckBoxCaption] - metrics[Metric::CheckBoxInset], box->Height()}};
  if (auto* group = dynamic_cast<const TFlatGroupBox*>(&control))
    return {TextExtent(*group, group->Caption()),
            {group->Width() - metrics[Metric::GroupCaptionLeft] - metrics[Metric::GroupCaptionGap], group->Height()}};
  if (auto* button = dynamic_cast<const TFlatButton*>(&control))
    return {TextExtent(*button, button->Caption()), {button->Width(), button->Height()}};
  if (auto* combo = dynamic_cast<const TFlatComboBox*>(&control)) {
    SIZE widest{0, 0};
    for (const std::string& item : combo->Items()) widest.cx = std::max(widest.cx, TextExtent(*combo, item).cx);
    // The native text starts inside the two-pixel frame and runs up to the arrow button.
    return {widest, {combo->Width() - combo->SystemArrowWidth() - 4, 0}};
  }
  if (auto* label = dynamic_cast<const ui::TLabel*>(&control)) {
    if (!label->WordWrap()) return {TextExtent(*label, label->Caption()), {label->Width(), label->Height()}};
    const LOGFONTA drawn = label->FittedFont();
    const ui::FontHandle font(CreateFontIndirectA(&drawn));
    const SIZE wrapped = TextExtent(font.Get(), label->Caption(), label->Width());
    return {wrapped, {label->Width(), label->Height()}};
  }
  return {};
}

class ScaledWindows : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    dpi_ = ScaledDpi();
    if (!dpi_) GTEST_SKIP() << "runs only inside ScaledRun";
    app::CreateForms(*ui::Application);
  }

  int Scale(int v) const { return core::DpiScale::Scale(v, dpi_); }

  // False for a window given another client size than its design (the code window fitted to the
  // work area at 200 %), whose parts are laid out for the size it got.
  bool AtDesignedSize(const ui::TForm& form, const core::ComponentDef& def) const {
    for (const auto& [name, value] : def.properties) {
      if (name == "ClientWidth" && std::abs(form.ClientWidth() - Scale(value.integer)) > 1) return false;
      if (name == "ClientHeight" && std::abs(form.ClientHeight() - Scale(value.integer)) > 1) return false;
    }
    return true;
  }

  // Compares the live children of form with what its stored definition designed at 96 DPI.
  void CheckChildren(ui::TForm& form, const core::ComponentDef& def, bool atDesignedSize) {
    for (const core::ComponentDef& child : def.children) {
      auto* control = dynamic_cast<ui::TControl*>(form.FindComponent(child.name));
      if (!control) continue;
      const RECT place = PlaceOf(*control);
      SCOPED_TRACE(form.Name() + "." + child.name);
      // Edits and combo boxes take their height from their font, and a label that sizes itself
      // to its caption its whole size: their text is checked below instead.
      auto* label = dynamic_cast<ui::TLabel*>(control);
      const bool sizedByText = label && label->AutoSize();
      const bool heightByFont = dynamic_cast<ui::TCustomEdit*>(control) || dynamic_cast<ui::TCustomComboBox*>(control);
      for (const auto& [name, value] : child.properties) {
        if (!atDesignedSize) break;
        if (name == "Left") EXPECT_NEAR(place.left, Scale(value.integer), 2);
        if (name == "Top") EXPECT_NEAR(place.top, Scale(value.integer), 2);
        if (name == "Width" && !sizedByText) EXPECT_NEAR(place.right - place.left, Scale(value.integer), 2);
        if (name == "Height" && !sizedByText && !heightByFont)
          EXPECT_NEAR(place.bottom - place.top, Scale(value.integer), 2);
      }
      ui::TWinControl* parent = control->Parent();
      if (parent && control->Visible()) {
        const RECT client = parent->ClientRect();
        EXPECT_GE(place.left, 0);
        EXPECT_GE(place.top, 0);
        EXPECT_LE(place.right, client.right);
        EXPECT_LE(place.bottom, client.bottom);
      }
      const TextRoom text = RoomOf(*control, paint::LookMetrics(dpi_));
      if (text.text.cx >= 0) {
        EXPECT_LE(text.text.cx, text.room.cx) << "text width of " << child.name;
        if (text.room.cy > 0) EXPECT_LE(text.text.cy, text.room.cy) << "text height of " << child.name;
      }
      CheckChildren(form, child, atDesignedSize);
    }
  }

  int dpi_ = 0;
};

TEST_F(ScaledWindows, TheMainWindowsClientAreaGrowsByTheFactor) {
  ASSERT_EQ(static_cast<int>(GetDpiForSystem()), dpi_);
  Form1->Show();
  Pump();
  EXPECT_EQ(Form1->Dpi(), dpi_);
  EXPECT_NEAR(Form1->ClientWidth(), Scale(400), 1);
  EXPECT_NEAR(Form1->ClientHeight(), Scale(227), 1);
}

TEST_F(ScaledWindows, EveryControlKeepsItsDesignedPlaceTimesTheFactorAndItsCaptionFits) {
  for (ui::TForm* form : ui::Application->Forms()) {
    form->HandleNeeded();
    std::string resource = form->ClassName();
    for (char& c : resource) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const core::ComponentDef def = core::DefinitionStream::Read(ui::DefinitionLoader::ReadResource(resource));
    CheckChildren(*form, def, AtDesignedSize(*form, def));
  }
}

RECT WorkAreaOf(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor.rcWork;
}

bool Contains(const RECT& outer, const RECT& inner) {
  RECT both{};
  IntersectRect(&both, &outer, &inner);
  return EqualRect(&both, &inner) && !IsRectEmpty(&inner);
}

RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

TEST_F(ScaledWindows, EveryWindowLiesInsideTheWorkArea) {
  for (ui::TForm* form : ui::Application->Forms()) {
    form->HandleNeeded();
    EXPECT_TRUE(Contains(WorkAreaOf(form->Handle()), ScreenRect(form->Handle()))) << form->Name();
  }
}

// The code window at 200 % is taller than a 1024-pixel screen: it gets the work area and lays
// its parts out for it, and when dragged to its smallest size its parts stay apart.
TEST_F(ScaledWindows, TheCodeWindowFitsTheWorkAreaWithCloseReachable) {
  Form1->Show();
  Pump();
  Click(*Form1->FlatButton1);  // Generate
  const HWND window = Form4->Handle();
  ASSERT_TRUE(IsWindowVisible(window));
  const RECT work = WorkAreaOf(window);
  RECT designed{0, 0, Scale(640), Scale(521)};
  AdjustWindowRectExForDpi(&designed, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)), static_cast<UINT>(dpi_));
  const RECT placed = ScreenRect(window);
  EXPECT_TRUE(Contains(work, placed));
  EXPECT_EQ(placed.right - placed.left, std::min(designed.right - designed.left, work.right - work.left));
  EXPECT_EQ(placed.bottom - placed.top, std::min(designed.bottom - designed.top, work.bottom - work.top));

  std::ptrdiff_t adviceLines[2] = {};
  for (const bool smallest : {false, true}) {
    SCOPED_TRACE(smallest ? "smallest" : "as placed");
    // A size below the smallest the window allows, as a drag of its frame would ask for.
    if (smallest) SetWindowPos(window, nullptr, 0, 0, 50, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
    const HWND close = Form4->FlatButton2->Handle();
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT button = ScreenRect(close);
    EXPECT_TRUE(Contains(client, button));
    EXPECT_EQ(WindowFromPoint({(button.left + button.right) / 2, (button.top + button.bottom) / 2}), close);
    // The advice is broken again to the width its field got: more lines when narrower.
    const std::string advice = Form4->Memo3->Text();
    adviceLines[smallest] = std::count(advice.begin(), advice.end(), '\n');
    const HWND parts[] = {Form4->Memo1->Handle(), Form4->FlatButton1->Handle(), Form4->Memo2->Handle(),
                          Form4->FlatButton3->Handle(), Form4->Memo3->Handle(), close};
    for (HWND part : parts) {
      EXPECT_TRUE(Contains(client, ScreenRect(part)));
      for (HWND other : parts) {
        RECT both{};
        const RECT a = ScreenRect(part), b = ScreenRect(other);
        if (part != other) EXPECT_FALSE(IntersectRect(&both, &a, &b));
      }
    }
  }
  EXPECT_GT(adviceLines[true], adviceLines[false]);
}

TEST_F(ScaledWindows, AboutShowsItsOkButtonWhole) {
  Form3->Show();
  Pump();
  RECT button{}, client{};
  GetWindowRect(Form3->FlatButton1->Handle(), &button);
  MapWindowPoints(nullptr, Form3->Handle(), reinterpret_cast<POINT*>(&button), 2);
  GetClientRect(Form3->Handle(), &client);
  RECT inside{};
  IntersectRect(&inside, &button, &client);
  EXPECT_TRUE(EqualRect(&inside, &button));
  EXPECT_GT(button.right - button.left, 0);
}

}  // namespace
