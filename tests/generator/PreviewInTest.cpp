// File > "Preview in": the browsers registered in the prefix, what each item starts, and the
// files it writes, which are Preview's own.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "flatctrls/TFlatButton.h"
#include "framework/Menu.h"
#include "generator/Unit1.h"
#include "tests/support/FileBytes.h"
#include "tests/support/WindowTest.h"

namespace {

constexpr char kClients[] = "SOFTWARE\\Clients\\StartMenuInternet";
constexpr char kProgramA[] = "C:\\windows\\temp\\standin-a.exe";
constexpr char kProgramB[] = "C:\\windows\\temp\\standin-b.exe";

void SetText(HKEY root, const std::string& path, const char* value, const std::string& text) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr), ERROR_SUCCESS);
  RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), text.size() + 1);
  RegCloseKey(key);
}

void Register(HKEY root, const std::string& key, const char* value, const std::string& name,
              const std::string& command) {
  const std::string path = std::string(kClients) + "\\" + key;
  SetText(root, path, value, name);
  SetText(root, path + "\\shell\\open\\command", nullptr, command);
}

struct MenuEntry {
  std::string text;
  UINT state;
  bool operator==(const MenuEntry&) const = default;
  friend void PrintTo(const MenuEntry& e, std::ostream* out) { *out << '"' << e.text << "\" " << e.state; }
};

std::vector<MenuEntry> Entries(HMENU menu) {
  std::vector<MenuEntry> entries;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[128] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    entries.push_back({text, (state & MF_SEPARATOR) ? MF_SEPARATOR : state & MF_GRAYED});
  }
  return entries;
}

class PreviewIn : public testsupport::WindowTest {
 protected:
  void TearDown() override {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) RegDeleteTreeA(root, kClients);
    for (const char* f : {kProgramA, kProgramB}) DeleteFileA(f);
  }
  // A stand-in with %1 for the user, one without for the machine, and the first again for the
  // machine under another name, which must not show.
  void RegisterStandIns() {
    for (const char* f : {kProgramA, kProgramB}) CloseHandle(CreateFileA(f, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    Register(HKEY_CURRENT_USER, "StandInA", nullptr, "Stand-in A", "\"" + std::string(kProgramA) + "\" -url \"%1\"");
    Register(HKEY_LOCAL_MACHINE, "STANDINA", nullptr, "Machine's A", "machine-a.exe %1");
    Register(HKEY_LOCAL_MACHINE, "StandInB", "LocalizedString", "Stand-in B & Co", std::string(kProgramB) + " -new");
  }
  void Open() {
    app::CreateForms(*ui::Application);
    Form1->Show();
    Pump();
  }
  HMENU FileMenu() const { return GetSubMenu(GetMenu(Form1->Handle()), 0); }
  void ClickItem(std::size_t index) {
    SendMessageA(Form1->Handle(), WM_COMMAND, Form1->Vistapreviaen1->Items().at(index)->Command(), 0);
    Pump();
  }
  const std::string kLineA = "\"" + std::string(kProgramA) + "\" -url \"" + TForm1::kPreviewPage + "\"";
  const std::string kLineB = std::string(kProgramB) + " -new \"" + TForm1::kPreviewPage + "\"";
};

TEST_F(PreviewIn, ListsEachBrowserOnceUserFirstAfterPreviewThenEveryBrowser) {
  RegisterStandIns();
  Open();
  const std::vector<MenuEntry> file = Entries(FileMenu());
  ASSERT_GE(file.size(), 4u);
  EXPECT_EQ(file[2].text, "&Preview");
  EXPECT_EQ(file[3].text, "Preview &in");
  EXPECT_EQ(Entries(GetSubMenu(FileMenu(), 3)),
            (std::vector<MenuEntry>{{"Stand-in A", 0}, {"Stand-in B && Co", 0}, {"", MF_SEPARATOR},
                                    {"Every browser", 0}}));
}

TEST_F(PreviewIn, EachItemWritesPreviewsFilesAndStartsItsBrowserWithThePage) {
  RegisterStandIns();
  Open();
  Click(*Form1->FlatButton2);
  const std::string script = testsupport::FileBytes(TForm1::kScriptFile);
  const std::string page = testsupport::FileBytes(TForm1::kPageFile);
  for (const char* f : {TForm1::kScriptFile, TForm1::kPageFile, TForm1::kCompanionScript, TForm1::kPreviewPage})
    DeleteFileA(f);
  ClickItem(0);
  EXPECT_EQ(testsupport::FileBytes(TForm1::kScriptFile), script);
  EXPECT_EQ(testsupport::FileBytes(TForm1::kPageFile), page);
  EXPECT_NE(GetFileAttributesA(TForm1::kPreviewPage), INVALID_FILE_ATTRIBUTES);
  ClickItem(1);
  EXPECT_EQ(platform.startedProcesses, (std::vector<std::string>{kLineA, kLineB}));
  platform.startedProcesses.clear();
  ClickItem(3);
  EXPECT_EQ(platform.startedProcesses, (std::vector<std::string>{kLineA, kLineB}));
  EXPECT_EQ(platform.shellCalls.size(), 1u);  // Preview's own, no other
  EXPECT_TRUE(errors.empty());
}

TEST_F(PreviewIn, AMissingProgramIsNamedAndTheOtherBrowsersStillOpen) {
  RegisterStandIns();
  Open();
  DeleteFileA(kProgramA);
  ClickItem(3);
  EXPECT_EQ(platform.startedProcesses, std::vector<std::string>{kLineB});
  EXPECT_EQ(errors, std::vector<std::string>{"The preview did not open in \"Stand-in A\": its program " +
                                             std::string(kProgramA) + " is missing"});
}

TEST_F(PreviewIn, WithNoBrowserOneDisabledItemSaysSoAndPreviewIsUnchanged) {
  Open();
  EXPECT_EQ(Entries(GetSubMenu(FileMenu(), 3)), (std::vector<MenuEntry>{{"No browsers found", MF_GRAYED}}));
  ClickItem(0);
  EXPECT_TRUE(platform.startedProcesses.empty());
  Click(*Form1->FlatButton2);
  EXPECT_EQ(platform.shellCalls.size(), 1u);
  EXPECT_TRUE(errors.empty());
}

TEST_F(PreviewIn, AScriptThatCannotBeCreatedFailsAsPreviewDoesAndStartsNoBrowser) {
  RegisterStandIns();
  Open();
  DeleteFileA(TForm1::kScriptFile);
  ASSERT_TRUE(CreateDirectoryA(TForm1::kScriptFile, nullptr));
  ClickItem(3);
  Click(*Form1->FlatButton2);
  RemoveDirectoryA(TForm1::kScriptFile);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0], errors[1]);
  EXPECT_EQ(errors[0].rfind("File access denied: C:\\windows\\temp\\tmpskt.js may not be written.", 0), 0u) << errors[0];
  EXPECT_TRUE(platform.startedProcesses.empty());
  EXPECT_TRUE(platform.copyCalls.empty());
}

}  // namespace
