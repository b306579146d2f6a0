#include "system/Platform.h"

#include <shellapi.h>

#include "system/Exceptions.h"
#include "system/WideText.h"

namespace ui {

namespace {
Platform realPlatform;

// shell32 and comdlg32 bring five more libraries with them; most runs never open a browser or the
// Save dialog, so they are loaded at the first call instead of at start-up. They stay loaded
// until the program ends, as an imported library would.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  HMODULE module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  FARPROC address = module ? GetProcAddress(module, name) : nullptr;
  if (!address) throw Exception(std::string("Cannot load ") + name + " from " + library);
  return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}
}  // namespace

Platform* Platform::current_ = &realPlatform;

Platform& Platform::Current() { return *current_; }

static const char* OrNull(const std::string& s) { return s.empty() ? nullptr : s.c_str(); }

HINSTANCE Platform::ShellOpen(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& directory, int showCommand) {
  static const auto shellExecute = SystemFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  return shellExecute(owner, OrNull(verb), file.c_str(), OrNull(parameters), OrNull(directory), showCommand);
}

bool Platform::CopyFile(const std::string& source, const std::string& destination, bool failIfExists) {
  return ::CopyFileW(WideText::FromUtf8(source).c_str(), WideText::FromUtf8(destination).c_str(), failIfExists) != FALSE;
}

void Platform::Beep(UINT type) { MessageBeep(type); }

POINT Platform::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return p;
}

HWND Platform::ActiveWindow() { return GetActiveWindow(); }

bool Platform::HighContrast() {
  HIGHCONTRASTW state{};
  state.cbSize = sizeof state;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) && (state.dwFlags & HCF_HIGHCONTRASTON);
}

// The Unicode call: the ANSI one turns a folder name outside the code page into question marks.
// A folder longer than MAX_PATH is returned whole, for the file store to refuse in words.
std::string Platform::TempPath() {
  std::wstring buffer(MAX_PATH + 1, L'\0');
  DWORD n = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
  if (n > buffer.size()) {
    buffer.assign(n + 1, L'\0');
    n = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n >= buffer.size()) n = 0;
  }
  buffer.resize(n);
  return WideText::ToUtf8(buffer);
}

SYSTEMTIME Platform::TimeOfDay() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return t;
}

bool Platform::SaveAsDialog(OPENFILENAMEW& request) {
  static const auto getSaveFileName = SystemFunction<decltype(&GetSaveFileNameW)>("comdlg32.dll", "GetSaveFileNameW");
  return getSaveFileName(&request) != FALSE;
}

bool Platform::OpenDialog(OPENFILENAMEW& request) {
  static const auto getOpenFileName = SystemFunction<decltype(&GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
  return getOpenFileName(&request) != FALSE;
}

std::wstring Platform::DroppedFile(HDROP drop) {
  static const auto queryFile = SystemFunction<decltype(&DragQueryFileW)>("shell32.dll", "DragQueryFileW");
  static const auto finish = SystemFunction<decltype(&DragFinish)>("shell32.dll", "DragFinish");
  std::wstring name(queryFile(drop, 0, nullptr, 0), L'\0');
  if (!name.empty()) name.resize(queryFile(drop, 0, name.data(), static_cast<UINT>(name.size() + 1)));
  finish(drop);
  return name;
}

bool Platform::WriteFile(HANDLE file, const void* data, DWORD size, DWORD& written) {
  return ::WriteFile(file, data, size, &written, nullptr) != FALSE;
}

HANDLE Platform::CreateFileAt(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) {
  return ::CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
}

bool Platform::FlushFile(HANDLE file) { return ::FlushFileBuffers(file) != FALSE; }

bool Platform::CloseFile(HANDLE file) { return ::CloseHandle(file) != FALSE; }

bool Platform::MoveFileTo(const std::wstring& from, const std::wstring& to, DWORD flags) {
  return ::MoveFileExW(from.c_str(), to.c_str(), flags) != FALSE;
}

bool Platform::RemoveFile(const std::wstring& path) { return ::DeleteFileW(path.c_str()) != FALSE; }

DWORD Platform::StartProcess(const std::string& commandLine) {
  std::wstring line = WideText::FromUtf8(commandLine);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return GetLastError();
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return 0;
}

}  // namespace ui
