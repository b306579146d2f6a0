// The real program started with TMP and TEMP at folders a user may have: names outside the code
// page, a folder that is missing, one longer than Windows allows. It starts every time, makes
// and removes its file store's files in the folder when it can, and never elsewhere.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/ProgramProcess.h"

namespace {

using testsupport::ProgramProcess;

std::vector<std::wstring> StoreFilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"~fs*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

// TMP and TEMP for the programs this process starts, restored afterwards.
class TemporaryFolderSetting {
 public:
  explicit TemporaryFolderSetting(const std::wstring& folder) {
    for (const wchar_t* name : {L"TMP", L"TEMP"}) {
      wchar_t old[32768] = {};
      kept_.push_back(GetEnvironmentVariableW(name, old, 32768) ? old : L"");
      SetEnvironmentVariableW(name, folder.c_str());
    }
  }
  ~TemporaryFolderSetting() {
    SetEnvironmentVariableW(L"TMP", kept_[0].c_str());
    SetEnvironmentVariableW(L"TEMP", kept_[1].c_str());
  }

 private:
  std::vector<std::wstring> kept_;
};

TEST(TemporaryFolder, TheProgramStartsWithAnyFolderAndKeepsItsFilesThereOrNowhere) {
  const std::wstring base = L"C:\\windows\\temp\\";
  const struct {
    std::wstring folder;
    bool made;  // the folder exists, so the store's two files are made there
  } cases[] = {
      {base + L"\u0418\u0432\u0430\u043D\\", true},            // Cyrillic: outside Windows-1252
      {base + L"temp \U0001F600 folder\\", true},              // an emoji: a surrogate pair
      {base + L"no such folder\\", false},                     // missing
      {L"C:\\" + std::wstring(300, L'l') + L"\\", false},      // longer than Windows allows
  };
  for (const auto& c : cases) {
    if (c.made) CreateDirectoryW(c.folder.c_str(), nullptr);
    const std::vector<std::wstring> rootBefore = StoreFilesIn(L"C:\\");
    {
      TemporaryFolderSetting setting(c.folder);
      ProgramProcess program("");
      HWND main = program.WaitForWindow("TForm1");
      ASSERT_NE(main, nullptr) << "did not start; exit code " << program.WaitForExit(1000);
      EXPECT_EQ(StoreFilesIn(c.folder).size(), c.made ? 2u : 0u);
      EXPECT_EQ(StoreFilesIn(L"C:\\"), rootBefore);
      ProgramProcess::ChooseMenu(main, 2, -1);  // Exit
      EXPECT_EQ(program.WaitForExit(), 0);
    }
    EXPECT_EQ(StoreFilesIn(c.folder), std::vector<std::wstring>{});
    if (c.made) RemoveDirectoryW(c.folder.c_str());
  }
}

}  // namespace
