// The program's taskbar entry, seen from outside as the taskbar sees it: the one window that earns
// a button reads "Skylatch!" while the main window's title bar stays empty, and activating,
// minimising, restoring and closing it from the taskbar act on the window the user works in.
#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/AccessibleIid.h"
#include "tests/support/ProgramProcess.h"

namespace {

using testsupport::ProgramProcess;

using testsupport::kIAccessible;

// The windows of a process that the taskbar shows a button for: visible, and either marked as
// application windows or unowned and not tool windows.
std::vector<HWND> TaskbarWindows(DWORD processId) {
  struct Search {
    DWORD processId;
    std::vector<HWND> found;
  } search{processId, {}};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
        const bool button = (exStyle & WS_EX_APPWINDOW) ||
                            (!GetWindow(window, GW_OWNER) && !(exStyle & WS_EX_TOOLWINDOW));
        if (pid == s->processId && IsWindowVisible(window) && button) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string Text(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string AccessibleName(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, kIAccessible, reinterpret_cast<void**>(&object))))
    return "(no object)";
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  object->get_accName(self, &name);
  object->Release();
  std::string out;
  for (const wchar_t* c = name; c && *c; ++c) out += static_cast<char>(*c);
  SysFreeString(name);
  return out;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  Sleep(200);  // whatever would still undo it has run by now
  return done();
}

bool InFront(HWND window) {
  return WaitUntil([window] { return GetForegroundWindow() == window; });
}

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

HWND OpenAbout(ProgramProcess& program, HWND main) {
  ProgramProcess::ChooseMenu(main, 1, 4);  // Help, About Skylatch!
  return program.WaitForWindow("TForm3");
}

class TaskbarEntry : public testing::Test {
 protected:
  TaskbarEntry() { CoInitialize(nullptr); }
  ~TaskbarEntry() override { CoUninitialize(); }
};

TEST_F(TaskbarEntry, IsOneWindowThatReadsTheTitleWhileTheMainTitleBarStaysEmpty) {
  for (const char* arguments : {"", "order"}) {
    SCOPED_TRACE(std::string("started with \"") + arguments + "\"");
    ProgramProcess program(arguments);
    HWND main = program.WaitForWindow("TForm1");
    ASSERT_NE(main, nullptr);
    if (*arguments) ASSERT_NE(program.WaitForWindow("TMain"), nullptr);
    Sleep(300);
    const std::vector<HWND> entries = TaskbarWindows(ProcessOf(main));
    ASSERT_EQ(entries.size(), 1u);
    const HWND entry = entries[0];
    EXPECT_EQ(Text(entry), "Skylatch!");
    EXPECT_EQ(AccessibleName(entry), "Skylatch!");
    EXPECT_EQ(Text(main), "");
    EXPECT_EQ(GetWindow(main, GW_OWNER), entry);
    RECT r{};
    GetWindowRect(entry, &r);
    EXPECT_TRUE(IsRectEmpty(&r)) << "the entry's own window shows nothing on the screen";
    // "Close window" closes the window in front: the main window, or the chooser, which ends
    // the order mode.
    PostMessageA(entry, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(program.WaitForExit(), 0);
  }
}

// A click on the entry while another program is in front activates the entry's window; the
// activation goes on to the main window, or to the About window the main window waits for.
TEST_F(TaskbarEntry, ActivatingItBringsTheWindowTheUserWorksInToTheFront) {
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  const HWND entry = TaskbarWindows(ProcessOf(main)).at(0);
  HWND other = CreateWindowExA(0, "STATIC", "another program", WS_POPUP | WS_VISIBLE, 0, 0, 80, 40, nullptr,
                               nullptr, nullptr, nullptr);
  auto activateFromTaskbar = [&](HWND expected) {
    SetForegroundWindow(other);
    ASSERT_TRUE(InFront(other));
    SetForegroundWindow(entry);
    EXPECT_TRUE(InFront(expected));
  };
  activateFromTaskbar(main);
  HWND about = OpenAbout(program, main);
  ASSERT_NE(about, nullptr);
  activateFromTaskbar(about);
  EXPECT_FALSE(IsWindowEnabled(main));
  DestroyWindow(other);
  PostMessageA(main, WM_CLOSE, 0, 0);
}

// Minimised from any window, the program hides every window behind its entry; restored, they
// come back as they were, the one the user works in at the front.
TEST_F(TaskbarEntry, MinimisingHidesEveryWindowAndRestoringBringsThemBack) {
  ProgramProcess program("");
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr);
  const HWND entry = TaskbarWindows(ProcessOf(main)).at(0);
  HWND about = OpenAbout(program, main);
  ASSERT_NE(about, nullptr);
  for (HWND minimisedFrom : {about, entry}) {
    PostMessageA(minimisedFrom, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(entry) && !IsWindowVisible(main) && !IsWindowVisible(about); }));
    EXPECT_TRUE(TaskbarWindows(ProcessOf(main)) == std::vector<HWND>{entry}) << "the entry stays on the taskbar";
    PostMessageA(entry, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(entry) && IsWindowVisible(main) && IsWindowVisible(about); }));
    EXPECT_TRUE(InFront(about));
    EXPECT_FALSE(IsWindowEnabled(main));
  }
  // Closed from the taskbar while minimised, About is gone when the program comes back.
  PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(entry); }));
  PostMessageA(entry, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main); }));
  PostMessageA(entry, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(InFront(main));
  EXPECT_FALSE(IsWindowVisible(about));
  // "Close window" on the taskbar then closes the main window, which ends the program.
  PostMessageA(entry, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

}  // namespace
