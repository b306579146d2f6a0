#include "tests/support/ProgramProcess.h"

#include <algorithm>

#include "core/AccessibleText.h"

namespace testsupport {

std::string ProgramProcess::ExecutablePath() {
  std::string path = SKYLATCH_EXE;
  if (!path.empty() && path[0] == '/') {
    std::replace(path.begin(), path.end(), '/', '\\');
    path = "Z:" + path;  // the host's file system as Wine shows it
  }
  return path;
}

ProgramProcess::ProgramProcess(const std::string& arguments) : ProgramProcess(arguments, ExecutablePath()) {}

ProgramProcess::ProgramProcess(const std::string& arguments, const std::string& executable) {
  std::string commandLine = "\"" + executable + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_))
    info_ = PROCESS_INFORMATION{};
  else
    WaitForInputIdle(info_.hProcess, 15000);
}

ProgramProcess::~ProgramProcess() {
  if (info_.hProcess) {
    if (Running()) {
      TerminateProcess(info_.hProcess, 99);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

bool ProgramProcess::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

namespace {
struct Search {
  DWORD processId;
  const char* windowClass;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  if (pid == search->processId && std::string(name) == search->windowClass) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND ProgramProcess::FindWindowOfClass(const char* windowClass) const {
  Search search{info_.dwProcessId, windowClass, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ProgramProcess::WaitForWindow(const char* windowClass, DWORD timeoutMs) const {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    HWND window = FindWindowOfClass(windowClass);
    if (window && IsWindowVisible(window)) return window;
    if (!Running()) return nullptr;
    Sleep(50);
  }
  return nullptr;
}

HWND ProgramProcess::FindChild(HWND parent, const char* windowClass, const char* text) {
  struct ChildSearch {
    const char* windowClass;
    const char* text;
    HWND found;
  } search{windowClass, text, nullptr};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<ChildSearch*>(parameter);
        char name[128] = {}, caption[256] = {};
        GetClassNameA(window, name, sizeof name);
        GetWindowTextA(window, caption, sizeof caption);
        // Found by the caption as it reads, without the access key's "&".
        if (std::string(name) == s->windowClass && core::SpokenCaption(caption) == s->text) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void ProgramProcess::ClickChild(HWND child) {
  PostMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  PostMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

void ProgramProcess::ClickAt(POINT point) {
  SetCursorPos(point.x, point.y);
  Sleep(100);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &input[0], sizeof(INPUT));
  Sleep(100);
  SendInput(1, &input[1], sizeof(INPUT));
  Sleep(150);
}

POINT ProgramProcess::Centre(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT ProgramProcess::CloseBox(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  auto hit = [window](int x, int y) { return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE; };
  int caption = GetSystemMetrics(SM_CYCAPTION);
  for (int y = r.top + 1; y < r.top + 2 * caption; ++y)
    for (int x = r.right - 1; x > r.right - 4 * caption; --x) {
      if (!hit(x, y)) continue;
      // The first hit is the box's top right corner; aim at its middle.
      int left = x, bottom = y;
      while (left > r.left && hit(left - 1, y)) --left;
      while (bottom < r.bottom && hit(x, bottom + 1)) ++bottom;
      return POINT{(left + x) / 2, (y + bottom) / 2};
    }
  return POINT{-1, -1};
}

namespace {
void PressKey(WORD key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
  Sleep(150);
}
}  // namespace

void ProgramProcess::ChooseMenu(HWND window, int barPosition, int itemPosition) {
  SetForegroundWindow(window);
  Sleep(200);
  PressKey(VK_F10);
  for (int i = 0; i < barPosition; ++i) PressKey(VK_RIGHT);
  if (itemPosition >= 0) {
    PressKey(VK_DOWN);
    for (int i = 0; i < itemPosition; ++i) PressKey(VK_DOWN);
  }
  PressKey(VK_RETURN);
}

int ProgramProcess::WaitForExit(DWORD timeoutMs) {
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return static_cast<int>(code);
}

}  // namespace testsupport
