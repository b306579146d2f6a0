#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// The real skylatch.exe, started with a command line of the test's choosing and driven from
// outside through its windows, as a user would.
class ProgramProcess {
 public:
  explicit ProgramProcess(const std::string& arguments);
  // Another copy of the program, at that Windows path.
  ProgramProcess(const std::string& arguments, const std::string& executable);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  // A top-level window of the program with that window class, once it is visible (or nullptr
  // after the timeout).
  HWND WaitForWindow(const char* windowClass, DWORD timeoutMs = 15000) const;
  HWND FindWindowOfClass(const char* windowClass) const;
  // The child window of a parent with that class and text.
  static HWND FindChild(HWND parent, const char* windowClass, const char* text);
  static void ClickChild(HWND child);
  // A real click of the left button at a point of the screen, through the input queue: it
  // reaches whatever window lies on top there, as a user's click would.
  static void ClickAt(POINT screenPoint);
  // The centre of a window on the screen.
  static POINT Centre(HWND window);
  // A point of a top-level window's title bar that answers HTCLOSE (the close box), or
  // {-1, -1} when there is none.
  static POINT CloseBox(HWND window);
  // Chooses a menu command with the keyboard, as a user would: F10, then the arrow keys to the
  // entry of the menu bar, then (for an entry of its drop-down) down to the item, then Enter.
  static void ChooseMenu(HWND window, int barPosition, int itemPosition);
  // Waits for the program to end; returns its exit code, or -1 when it did not end in time.
  int WaitForExit(DWORD timeoutMs = 15000);
  bool Running() const;

  static std::string ExecutablePath();

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace testsupport
