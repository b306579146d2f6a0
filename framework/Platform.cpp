#include "framework/Platform.h"

#include <shellapi.h>

namespace ui {

namespace {
Platform realPlatform;
}

Platform* Platform::current_ = &realPlatform;

Platform& Platform::Current() { return *current_; }

static const char* OrNull(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }

HINSTANCE Platform::ShellOpen(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& directory, int showCommand) {
  return ShellExecuteA(owner, OrNull(verb), file.c_str(), OrNull(parameters), OrNull(directory), showCommand);
}

bool Platform::CopyFile(const std::string& source, const std::string& destination, bool failIfExists) {
  return ::CopyFileA(source.c_str(), destination.c_str(), failIfExists) != FALSE;
}

void Platform::Beep(UINT type) { MessageBeep(type); }

POINT Platform::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return p;
}

HWND Platform::ActiveWindow() { return GetActiveWindow(); }

std::string Platform::TempPath() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = GetTempPathA(MAX_PATH, buffer);
  return std::string(buffer, n <= MAX_PATH ? n : 0);
}

SYSTEMTIME Platform::TimeOfDay() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return t;
}

bool Platform::SaveAsDialog(OPENFILENAMEW& request) { return GetSaveFileNameW(&request) != FALSE; }

bool Platform::WriteFile(HANDLE file, const void* data, DWORD size, DWORD& written) {
  return ::WriteFile(file, data, size, &written, nullptr) != FALSE;
}

}  // namespace ui
