#pragma once
#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "framework/Platform.h"
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
    return reinterpret_cast<HINSTANCE>(42);
  }
  bool CopyFile(const std::string& source, const std::string& destination, bool failIfExists) override {
    copyCalls.push_back({source, destination, failIfExists});
    if (copyFailsAfterBytes >= 0) return CopyPartly(source, destination);
    return passThroughCopies ? ui::Platform::CopyFile(source, destination, failIfExists) : true;
  }
  void Beep(UINT type) override { beeps.push_back(type); }
  POINT CursorPos() override { return steerCursor ? cursor : ui::Platform::CursorPos(); }
  HWND ActiveWindow() override { return steerActiveWindow ? activeWindow : ui::Platform::ActiveWindow(); }
  std::string TempPath() override { return tempPath.empty() ? ui::Platform::TempPath() : tempPath; }
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
    openRequests.push_back({L"", request.lpstrInitialDir ? request.lpstrInitialDir : L"", filter, request.Flags});
    if (openAnswer.empty() || openAnswer.size() >= request.nMaxFile) return false;
    std::copy(openAnswer.begin(), openAnswer.end(), request.lpstrFile);
    request.lpstrFile[openAnswer.size()] = L'\0';
    return true;
  }
  // Fails every write with failWritesWith (ERROR_DISK_FULL, say) once set.
  bool WriteFile(HANDLE file, const void* data, DWORD size, DWORD& written) override {
    if (failWritesWith == 0) return ui::Platform::WriteFile(file, data, size, written);
    written = 0;
    SetLastError(failWritesWith);
    return false;
  }

  // A copy that fails part-way, as on a full disk: the first bytes arrive, then the copy fails.
  bool CopyPartly(const std::string& source, const std::string& destination) const {
    const std::string head = FileBytes(source).substr(0, static_cast<std::size_t>(copyFailsAfterBytes));
    std::ofstream(destination, std::ios::binary | std::ios::trunc) << head;
    return false;
  }

  std::vector<ShellCall> shellCalls;
  std::vector<CopyCall> copyCalls;
  std::vector<UINT> beeps;
  bool passThroughCopies = true;
  long copyFailsAfterBytes = -1;  // >= 0: every copy writes that many bytes and fails
  bool steerCursor = false;
  POINT cursor{};
  bool steerActiveWindow = false;
  HWND activeWindow = nullptr;
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
  std::vector<SaveRequest> openRequests;
  std::wstring openAnswer;
};

}  // namespace testsupport
