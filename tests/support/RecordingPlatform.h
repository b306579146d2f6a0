#pragma once
#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "system/Platform.h"
#include "system/WideText.h"
#include "tests/support/FileBytes.h"

namespace testsupport {

// Records the platform calls the program makes and answers the ones tests steer. Copies and
// shell requests are recorded, not carried out, unless passThrough is set.
class RecordingPlatform : public ui::Platform {
 public:
  struct ShellCall {
    HWND owner;
    std::string verb, file, parameters, directory;
    int show;
  };
  struct CopyCall {
    std::string source, destination;
    bool failIfExists;
  };

  HINSTANCE ShellOpen(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                      const std::string& directory, int show) override {
    shellCalls.push_back({owner, verb, file, parameters, directory, show});
    return reinterpret_cast<HINSTANCE>(shellResult);
  }
  bool CopyFile(const std::string& source, const std::string& destination, bool failIfExists) override {
    copyCalls.push_back({source, destination, failIfExists});
    if (Faulty(FileOp::Copy, ui::WideText::FromUtf8(destination))) return false;
    if (copyFailsAfterBytes >= 0) return CopyPartly(source, destination);
    return passThroughCopies ? ui::Platform::CopyFile(source, destination, failIfExists) : true;
  }
  void Beep(UINT type) override { beeps.push_back(type); }
  POINT CursorPos() override { return steerCursor ? cursor : ui::Platform::CursorPos(); }
  HWND ActiveWindow() override { return steerActiveWindow ? activeWindow : ui::Platform::ActiveWindow(); }
  bool HighContrast() override { return highContrast; }
  std::string TempPath() override {
    if (Faulty(FileOp::TempLookup, std::wstring())) return "";
    return tempPath.empty() ? ui::Platform::TempPath() : tempPath;
  }
  SYSTEMTIME TimeOfDay() override { return steerTime ? time : ui::Platform::TimeOfDay(); }
  // Answers the Save As dialog without showing it: Cancel unless saveAnswer is set.
  bool SaveAsDialog(OPENFILENAMEW& request) override {
    std::wstring filter;
    for (const wchar_t* p = request.lpstrFilter; p && *p; p += wcslen(p) + 1) filter.append(p).push_back(L'|');
    saveRequests.push_back({request.lpstrFile ? request.lpstrFile : L"",
                            request.lpstrInitialDir ? request.lpstrInitialDir : L"", filter, request.Flags});
    if (saveAnswer.empty()) return false;
    if (saveAnswer.size() >= request.nMaxFile) return false;
    std::copy(saveAnswer.begin(), saveAnswer.end(), request.lpstrFile);
    request.lpstrFile[saveAnswer.size()] = L'\0';
    request.nFilterIndex = saveFileType;
    return true;
  }
  // Answers the Open dialog like the Save As one: Cancel unless openAnswer is set.
  bool OpenDialog(OPENFILENAMEW& request) override {
    std::wstring filter;
    for (const wchar_t* p = request.lpstrFilter; p && *p; p += wcslen(p) + 1) filter.append(p).push_back(L'|');
    openRequests.push_back({std::wstring(), request.lpstrInitialDir ? request.lpstrInitialDir : L"", filter, request.Flags});
    if (openAnswer.empty() || openAnswer.size() >= request.nMaxFile) return false;
    std::copy(openAnswer.begin(), openAnswer.end(), request.lpstrFile);
    request.lpstrFile[openAnswer.size()] = L'\0';
    return true;
  }
  // Fails every write with failWritesWith (ERROR_DISK_FULL, say) once set.
  bool WriteFile(HANDLE file, const void* data, DWORD size, DWORD& written) override {
    written = 0;
    if (onWrite) onWrite();
    if (Faulty(FileOp::Write, PathOf(file))) return false;
    if (failWritesWith == 0) return ui::Platform::WriteFile(file, data, size, written);
    SetLastError(failWritesWith);
    return false;
  }
  HANDLE CreateFileAt(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags) override {
    if (Faulty(FileOp::Create, path)) return INVALID_HANDLE_VALUE;
    HANDLE file = ui::Platform::CreateFileAt(path, access, share, disposition, flags);
    if (file != INVALID_HANDLE_VALUE) openPaths[file] = path;
    return file;
  }
  bool FlushFile(HANDLE file) override { return !Faulty(FileOp::Flush, PathOf(file)) && ui::Platform::FlushFile(file); }
  // A close that fails still lets the handle go, as Windows does.
  bool CloseFile(HANDLE file) override {
    const std::wstring path = PathOf(file);
    openPaths.erase(file);
    const bool closed = ui::Platform::CloseFile(file);
    return !Faulty(FileOp::Close, path) && closed;
  }
  bool MoveFileTo(const std::wstring& from, const std::wstring& to, DWORD flags) override {
    return !Faulty(FileOp::Rename, to) && ui::Platform::MoveFileTo(from, to, flags);
  }
  bool RemoveFile(const std::wstring& path) override {
    return !Faulty(FileOp::Delete, path) && ui::Platform::RemoveFile(path);
  }

  // One file operation failing with one system error, for every path that contains faultPath
  // ("" for all), until fault is reset.
  enum class FileOp { Create, Write, Flush, Close, Rename, Delete, Copy, TempLookup };
  std::optional<FileOp> fault;
  DWORD faultError = 0;
  std::wstring faultPath;
  int faultsMet = 0;

  bool Faulty(FileOp op, const std::wstring& path) {
    if (fault != op || (!faultPath.empty() && path.find(faultPath) == std::wstring::npos)) return false;
    ++faultsMet;
    SetLastError(faultError);
    return true;
  }
  std::wstring PathOf(HANDLE file) const {
    const auto found = openPaths.find(file);
    return found == openPaths.end() ? std::wstring() : found->second;
  }

  // Records the command line; the program is not started.
  DWORD StartProcess(const std::string& commandLine) override {
    startedProcesses.push_back(commandLine);
    return 0;
  }

  // A copy that fails part-way, as on a full disk: the first bytes arrive, then the copy fails.
  bool CopyPartly(const std::string& source, const std::string& destination) const {
    const std::string head = FileBytes(source).substr(0, static_cast<std::size_t>(copyFailsAfterBytes));
    std::ofstream(destination, std::ios::binary | std::ios::trunc) << head;
    SetLastError(ERROR_DISK_FULL);
    return false;
  }

  std::vector<ShellCall> shellCalls;
  INT_PTR shellResult = 42;  // above 32: the shell started a program
  std::vector<CopyCall> copyCalls;
  std::vector<UINT> beeps;
  bool passThroughCopies = true;
  long copyFailsAfterBytes = -1;  // >= 0: every copy writes that many bytes and fails
  bool steerCursor = false;
  POINT cursor{};
  bool steerActiveWindow = false;
  HWND activeWindow = nullptr;
  bool highContrast = false;  // the answer, whatever the system says
  std::string tempPath;
  bool steerTime = false;
  SYSTEMTIME time{};
  struct SaveRequest {
    std::wstring fileName, initialFolder;
    std::wstring filter;  // the filter's strings, each followed by "|"
    DWORD flags;
  };
  std::vector<SaveRequest> saveRequests;
  std::wstring saveAnswer;
  DWORD saveFileType = 1;
  DWORD failWritesWith = 0;
  std::function<void()> onWrite;  // runs before every write of a saved file
  std::map<HANDLE, std::wstring> openPaths;
  std::vector<std::string> startedProcesses;
  std::vector<SaveRequest> openRequests;
  std::wstring openAnswer;
};

}  // namespace testsupport
