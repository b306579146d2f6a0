// The real program, started as a user starts it, with the "order" switch and its look-alikes.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <set>
#include <string>

#include "tests/support/ProgramProcess.h"

using testsupport::ProgramProcess;

namespace {

std::set<std::string> TemporaryStoreFiles() {
  char folder[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, folder);
  std::set<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((std::string(folder) + "~fs*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.insert(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

// The main window is up and usable, and the chooser is not shown.
void ExpectNormalStart(ProgramProcess& program) {
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  Sleep(300);
  EXPECT_TRUE(IsWindowEnabled(main));
  HWND chooser = program.FindWindowOfClass("TMain");
  EXPECT_TRUE(chooser == nullptr || !IsWindowVisible(chooser));
}

// The window is the foreground window (with focused: a child of it has the keyboard focus), and
// nothing of the program lies over the centre of the given control: a user's click there
// reaches it.
void ExpectInFrontAndClickable(HWND window, HWND control, bool focused = true) {
  DWORD start = GetTickCount();
  while (GetForegroundWindow() != window && GetTickCount() - start < 3000) Sleep(50);
  Sleep(300);  // anything that would still push the window back has run by now
  EXPECT_EQ(GetForegroundWindow(), window);
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread));
  EXPECT_EQ(thread.hwndActive, window);
  char focusClass[64] = "(none)";
  if (thread.hwndFocus) GetClassNameA(thread.hwndFocus, focusClass, sizeof focusClass);
  if (focused) EXPECT_TRUE(IsChild(window, thread.hwndFocus)) << "the focus is on a " << focusClass;
  EXPECT_EQ(WindowFromPoint(ProgramProcess::Centre(control)), control);
}

HWND StartInOrderMode(ProgramProcess& program) {
  HWND chooser = program.WaitForWindow("TMain");
  HWND main = program.WaitForWindow("TForm1");
  if (!chooser || !main) return nullptr;
  EXPECT_FALSE(IsWindowEnabled(main));
  EXPECT_EQ(GetWindow(chooser, GW_OWNER), main);
  return chooser;
}

}  // namespace

TEST(Startup, OrderSwitchOpensTheChooserInFrontAndARealClickOnCancelEndsWithZero) {
  std::set<std::string> before = TemporaryStoreFiles();
  ProgramProcess program("order");
  HWND chooser = StartInOrderMode(program);
  ASSERT_NE(chooser, nullptr);
  HWND cancel = ProgramProcess::FindChild(chooser, "TFlatButton", "Cancel");
  ASSERT_NE(cancel, nullptr);
  ExpectInFrontAndClickable(chooser, cancel);
  ProgramProcess::ClickAt(ProgramProcess::Centre(cancel));
  EXPECT_EQ(program.WaitForExit(), 0);
  // The file store's temporary files went with the windows.
  EXPECT_EQ(TemporaryStoreFiles(), before);
}

TEST(Startup, OrderSwitchEndsFromARealClickOnTheChoosersCloseBox) {
  ProgramProcess program("order");
  HWND chooser = StartInOrderMode(program);
  ASSERT_NE(chooser, nullptr);
  ExpectInFrontAndClickable(chooser, ProgramProcess::FindChild(chooser, "TFlatButton", "Cancel"));
  POINT closeBox = ProgramProcess::CloseBox(chooser);
  ASSERT_GE(closeBox.x, 0);
  EXPECT_EQ(WindowFromPoint(closeBox), chooser);
  ProgramProcess::ClickAt(closeBox);
  EXPECT_EQ(program.WaitForExit(), 0);
}

// "Next" pressed by a real click; the page comes up in front, and its Cancel or close box ends
// the program.
static HWND OpenTheCreditCardPage(ProgramProcess& program) {
  HWND chooser = StartInOrderMode(program);
  if (!chooser) return nullptr;
  HWND next = ProgramProcess::FindChild(chooser, "TFlatButton", "Next");
  ExpectInFrontAndClickable(chooser, next);
  ProgramProcess::ClickAt(ProgramProcess::Centre(next));
  HWND page = program.WaitForWindow("TCCOrders");
  if (!page) return nullptr;
  EXPECT_FALSE(IsWindowVisible(chooser));
  // The page holds no tab stop (its flat buttons are none), so the window itself keeps the focus.
  ExpectInFrontAndClickable(page, ProgramProcess::FindChild(page, "TFlatButton", "Cancel"), false);
  return page;
}

TEST(Startup, OrderSwitchEndsFromARealClickOnCancelOfAPageReachedWithNext) {
  ProgramProcess program("order");
  HWND page = OpenTheCreditCardPage(program);
  ASSERT_NE(page, nullptr);
  ProgramProcess::ClickAt(ProgramProcess::Centre(ProgramProcess::FindChild(page, "TFlatButton", "Cancel")));
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(Startup, OrderSwitchEndsFromARealClickOnTheCloseBoxOfAPageReachedWithNext) {
  ProgramProcess program("order");
  HWND page = OpenTheCreditCardPage(program);
  ASSERT_NE(page, nullptr);
  POINT closeBox = ProgramProcess::CloseBox(page);
  ASSERT_GE(closeBox.x, 0);
  ProgramProcess::ClickAt(closeBox);
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(Startup, OnlyTheFirstArgumentCounts) {
  ProgramProcess program("order extra words");
  ASSERT_NE(program.WaitForWindow("TMain"), nullptr);
  PostMessageA(program.FindWindowOfClass("TMain"), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

class StartupLookAlike : public testing::TestWithParam<const char*> {};

TEST_P(StartupLookAlike, IsANormalStartAndTheWizardGivesTheMainWindowBack) {
  ProgramProcess program(GetParam());
  ExpectNormalStart(program);
  HWND main = program.FindWindowOfClass("TForm1");
  ProgramProcess::ClickChild(ProgramProcess::FindChild(main, "TFlatButton", "Full version"));
  HWND chooser = program.WaitForWindow("TMain");
  ASSERT_NE(chooser, nullptr);
  Sleep(200);
  EXPECT_FALSE(IsWindowEnabled(main));
  PostMessageA(chooser, WM_CLOSE, 0, 0);
  Sleep(500);
  EXPECT_TRUE(program.Running());
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_FALSE(IsWindowVisible(chooser));
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Arguments, StartupLookAlike,
                         testing::Values("", "Order", "ORDER", "\" order\"", "orders", "/order"));

// The hidden windows are loaded (the file store has written its files) but have made no native
// windows yet; the About window makes its own when it is first opened.
TEST(Startup, ANormalStartMakesTheMainWindowOnly) {
  std::set<std::string> before = TemporaryStoreFiles();
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(TemporaryStoreFiles().size(), before.size() + 2);
  for (const char* hidden : {"TForm3", "TMain", "TCCOrders", "Tfaxorders", "Tmailorders", "TPhoneorders", "TPOOrders",
                             "TForm4"})
    EXPECT_EQ(program.FindWindowOfClass(hidden), nullptr) << hidden;
  ProgramProcess::ChooseMenu(main, 1, 4);  // Help, About Skylatch!
  HWND about = program.WaitForWindow("TForm3");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(GetWindow(about, GW_OWNER), main);
  PostMessageA(about, WM_CLOSE, 0, 0);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(Startup, ExitFromTheMenuEndsWithZeroAndLeavesNoTemporaryFiles) {
  std::set<std::string> before = TemporaryStoreFiles();
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  EXPECT_GT(TemporaryStoreFiles().size(), before.size());
  ProgramProcess::ChooseMenu(main, 2, -1);  // File, Help, Exit
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(TemporaryStoreFiles(), before);
}

TEST(Startup, TheMainWindowsCloseBoxEndsWithZeroAndLeavesNoTemporaryFiles) {
  std::set<std::string> before = TemporaryStoreFiles();
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(TemporaryStoreFiles(), before);
}

TEST(Startup, TheChoosersCloseBoxInOrderModeLeavesNoTemporaryFiles) {
  std::set<std::string> before = TemporaryStoreFiles();
  ProgramProcess program("order");
  HWND chooser = program.WaitForWindow("TMain");
  ASSERT_NE(chooser, nullptr);
  EXPECT_GT(TemporaryStoreFiles().size(), before.size());
  PostMessageA(chooser, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
  EXPECT_EQ(TemporaryStoreFiles(), before);
}

TEST(Startup, AKilledProgramLeavesNoTemporaryFiles) {
  std::set<std::string> before = TemporaryStoreFiles();
  {
    ProgramProcess program("");
    ASSERT_NE(program.WaitForWindow("TForm1"), nullptr);
    EXPECT_EQ(TemporaryStoreFiles().size(), before.size() + 2);
  }  // ended from outside, with no chance to clean up
  EXPECT_EQ(TemporaryStoreFiles(), before);
}

namespace {

// The texts of a message box's static controls.
std::string BoxText(HWND box) {
  std::string text;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM parameter) -> BOOL {
        char name[64] = {}, caption[512] = {};
        GetClassNameA(child, name, sizeof name);
        GetWindowTextA(child, caption, sizeof caption);
        if (std::string(name) == "Static") *reinterpret_cast<std::string*>(parameter) += caption;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

// Sets an environment variable of this process (and so of programs it starts) for one scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    char old[MAX_PATH + 1] = {};
    had_ = GetEnvironmentVariableA(name, old, sizeof old) > 0;
    old_ = old;
    SetEnvironmentVariableA(name, value.c_str());
  }
  ~ScopedEnvironment() { SetEnvironmentVariableA(name_, had_ ? old_.c_str() : nullptr); }

 private:
  const char* name_;
  bool had_;
  std::string old_;
};

}  // namespace

// A temporary folder the file store cannot use does not stop the start; Preview, which needs the
// store's files, names the folder.
TEST(Startup, AMissingTemporaryFolderDoesNotStopTheStartAndPreviewNamesIt) {
  std::set<std::string> before = TemporaryStoreFiles();
  const std::string missing = "C:\\windows\\temp\\skylatch-no-such-folder";
  std::optional<ProgramProcess> program;
  {
    ScopedEnvironment tmp("TMP", missing), temp("TEMP", missing);
    program.emplace("");
  }
  HWND main = program->WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(program->FindWindowOfClass("#32770"), nullptr);
  ProgramProcess::ClickChild(ProgramProcess::FindChild(main, "TFlatButton", "Preview"));
  HWND box = program->WaitForWindow("#32770");
  ASSERT_NE(box, nullptr);
  char title[64] = {};
  GetWindowTextA(box, title, sizeof title);
  EXPECT_EQ(std::string(title), "Skylatch!");
  EXPECT_EQ(BoxText(box).rfind("The temporary folder " + missing + " is missing, so the preview's companion files "
                               "cannot be made there.", 0), 0u) << BoxText(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  for (int i = 0; i < 50 && program->FindWindowOfClass("#32770"); ++i) Sleep(100);
  ProgramProcess::ChooseMenu(main, 2, -1);  // Exit
  EXPECT_EQ(program->WaitForExit(), 0);
  EXPECT_EQ(TemporaryStoreFiles(), before);
}
