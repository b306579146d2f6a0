// File > Save: the Save As dialog (answered through the platform seam), the script or the page
// written whole into a temporary file beside the target and moved into place, and the errors.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/Program.h"
#include "core/GeneratedCode.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatEdit.h"
#include "framework/Application.h"
#include "framework/Menu.h"
#include "generator/GeneratorWindows.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "orders/WizardWindows.h"
#include "system/Exceptions.h"
#include "system/SafeFileWriter.h"
#include "system/WideText.h"
#include "tests/support/FileBytes.h"
#include "tests/support/WindowTest.h"

namespace {

std::string WideFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  return bytes;
}

void PutFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

class Save : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    CreateDirectoryW(folder.c_str(), nullptr);
    Clean();
    app::CreateForms(*ui::Application);
    Form1->Show();
    Pump();
  }
  void TearDown() override {
    Clean();
    RemoveDirectoryW(folder.c_str());
  }
  void Clean() {
    for (const std::wstring& name : FilesIn(folder)) {
      SetFileAttributesW((folder + name).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW((folder + name).c_str());
    }
  }

  void SaveAs(const std::wstring& path, DWORD fileType = 1) {
    platform.saveAnswer = path;
    platform.saveFileType = fileType;
    SendMessageA(Form1->Handle(), WM_COMMAND, Form1->Guardar1->Command(), 0);
    Pump();
  }

  std::string PreviewScript() {
    Click(*Form1->FlatButton2);
    return testsupport::FileBytes(TForm1::kScriptFile);
  }

  std::wstring folder = L"C:\\windows\\temp\\skylatch-save\\";
};

TEST_F(Save, TheScriptFileHoldsExactlyPreviewsBytes) {
  Form1->FlatEdit1->SetText("Abrir");
  Form1->FlatEdit2->SetText("it's");
  SaveAs(folder + L"Abrir.js");
  ASSERT_TRUE(errors.empty()) << errors.front();
  ASSERT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_EQ(platform.saveRequests[0].fileName, L"Abrir.js");
  EXPECT_TRUE(platform.saveRequests[0].flags & OFN_OVERWRITEPROMPT);
  EXPECT_EQ(platform.saveRequests[0].filter,
            L"JavaScript file (*.js)|*.js|Web page with the script (*.htm)|*.htm|");
  const std::string script = PreviewScript();
  ASSERT_FALSE(script.empty());
  EXPECT_EQ(WideFileBytes(folder + L"Abrir.js"), script);
  EXPECT_EQ(FilesIn(folder), std::vector<std::wstring>{L"Abrir.js"});
}

TEST_F(Save, ThePageTypeWritesThePageAndTheLastFolderIsOfferedNext) {
  Form1->event->SetItemIndex(4);
  SaveAs(folder + L"page", 2);
  ASSERT_TRUE(errors.empty()) << errors.front();
  const core::GeneratedCode code(Form1->PopupSettings(), core::ActivationMethod::FromLink, Form1->Url->Text());
  EXPECT_EQ(WideFileBytes(folder + L"page.htm"), code.Page());
  EXPECT_NE(code.Page().find(PreviewScript()), std::string::npos);
  // The name decides over the type picked.
  SaveAs(folder + L"other.js", 2);
  EXPECT_EQ(WideFileBytes(folder + L"other.js"), code.Script());
  ASSERT_EQ(platform.saveRequests.size(), 2u);
  EXPECT_EQ(platform.saveRequests[0].initialFolder, L"");
  EXPECT_EQ(platform.saveRequests[1].initialFolder, folder);
}

// Only the main window's first showing selects the first method: coming back from Generate, About
// or another program keeps the method chosen, and Save writes it.
TEST_F(Save, TheChosenMethodOutlivesGenerateAboutAndAnotherWindow) {
  Form1->event->SetItemIndex(4);  // From link
  Click(*Form1->FlatButton1);
  Click(*Form4->FlatButton2);
  SendMessageA(Form1->Handle(), WM_COMMAND, Form1->AcercadeSkylatch1->Command(), 0);
  Pump();
  SendMessageA(Form3->Handle(), WM_CLOSE, 0, 0);
  Pump();
  HWND other = CreateWindowExA(0, "STATIC", "another program", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                               nullptr, nullptr);
  SetForegroundWindow(other);
  Pump();
  DestroyWindow(other);
  SetForegroundWindow(Form1->Handle());
  Pump();
  EXPECT_EQ(Form1->event->ItemIndex(), 4);
  SaveAs(folder + L"kept.htm", 2);
  ASSERT_TRUE(errors.empty()) << errors.front();
  const std::string page = WideFileBytes(folder + L"kept.htm");
  EXPECT_NE(page.find("addEventListener('click'"), std::string::npos);
  EXPECT_EQ(page.find("'load'"), std::string::npos);
}

TEST_F(Save, FilesAreUtf8WithoutAByteOrderMarkAndTheSnippetNamesTheFileSaved) {
  Form1->FlatEdit1->SetText("Funci\xC3\xB3n");
  Form1->event->SetItemIndex(4);  // From link: the page holds the address in its link
  Form1->Url->SetText("https://example.org/\xC3\xBC" "ber-uns/\xE6\x97\xA5\xE6\x9C\xAC");
  SaveAs(folder + L"mine.js");
  ASSERT_TRUE(errors.empty()) << errors.front();
  const std::string script = WideFileBytes(folder + L"mine.js");
  EXPECT_EQ(script.substr(0, 3), "<!-");  // no byte-order mark
  EXPECT_NE(script.find("function Funci\xC3\xB3n(url){\r\n"), std::string::npos);
  SaveAs(folder + L"mine.htm", 2);
  const std::string page = WideFileBytes(folder + L"mine.htm");
  EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(page.find("href=\"https://example.org/\xC3\xBC" "ber-uns/%E6%97%A5%E6%9C%AC\""), std::string::npos);
  // Generate now loads the script by the name it was saved under, and Save offers that name with
  // the extension of the type picked last.
  EXPECT_EQ(Form1->CurrentCode().ScriptFile(), "mine.js");
  SaveAs(folder + L"again.js");
  EXPECT_EQ(platform.saveRequests.back().fileName, L"mine.htm");
  Form1->FlatEdit1->SetText("Other");
  EXPECT_EQ(Form1->CurrentCode().ScriptFile(), "Other.js");
}

TEST_F(Save, ReplacesAnExistingFileAndLeavesNoTemporaryFile) {
  PutFile(folder + L"PopUp.js", "old content");
  SaveAs(folder + L"PopUp.js");
  ASSERT_TRUE(errors.empty()) << errors.front();
  EXPECT_EQ(WideFileBytes(folder + L"PopUp.js"), PreviewScript());
  EXPECT_EQ(FilesIn(folder), std::vector<std::wstring>{L"PopUp.js"});
}

TEST_F(Save, AReadOnlyTargetIsRefusedAndKeepsItsContent) {
  PutFile(folder + L"PopUp.js", "old content");
  ASSERT_TRUE(SetFileAttributesW((folder + L"PopUp.js").c_str(), FILE_ATTRIBUTE_READONLY));
  SaveAs(folder + L"PopUp.js");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "File access denied: C:\\windows\\temp\\skylatch-save\\PopUp.js may not be written. Choose a "
                       "folder you may write to, or clear the file's read-only mark, then try again");
  EXPECT_EQ(ui::TApplication::ErrorBoxText(ui::EInOutError(5)), "File access denied.");
  EXPECT_EQ(WideFileBytes(folder + L"PopUp.js"), "old content");
  EXPECT_EQ(FilesIn(folder), std::vector<std::wstring>{L"PopUp.js"});
  // The program goes on.
  EXPECT_TRUE(Form1->Enabled());
  ASSERT_TRUE(SetFileAttributesW((folder + L"PopUp.js").c_str(), FILE_ATTRIBUTE_NORMAL));
  SaveAs(folder + L"PopUp.js");
  EXPECT_EQ(errors.size(), 1u);
  EXPECT_EQ(WideFileBytes(folder + L"PopUp.js"), PreviewScript());
}

TEST_F(Save, AFullDiskSaysDiskFullKeepsTheOldFileAndLeavesNoTemporaryFile) {
  PutFile(folder + L"PopUp.js", "old content");
  platform.failWritesWith = ERROR_DISK_FULL;
  SaveAs(folder + L"PopUp.js");
  const auto full = [](const char* name) {
    return std::string("Disk full: no room for C:\\windows\\temp\\skylatch-save\\") + name +
           ". Free some space on the drive, then try again";
  };
  EXPECT_EQ(errors, std::vector<std::string>{full("PopUp.js")});
  EXPECT_EQ(WideFileBytes(folder + L"PopUp.js"), "old content");
  EXPECT_EQ(FilesIn(folder), std::vector<std::wstring>{L"PopUp.js"});
  platform.failWritesWith = ERROR_HANDLE_DISK_FULL;
  SaveAs(folder + L"new.htm", 2);
  EXPECT_EQ(errors, (std::vector<std::string>{full("PopUp.js"), full("new.htm")}));
  EXPECT_EQ(FilesIn(folder), std::vector<std::wstring>{L"PopUp.js"});
}

// The system's /sys folder refuses new files even to its administrator.
TEST_F(Save, AFolderThatTakesNoFilesSaysFileAccessDenied) {
  SaveAs(L"Z:\\sys\\PopUp.js");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].rfind("File access denied: Z:\\sys\\PopUp.js ", 0), 0u) << errors[0];
  EXPECT_EQ(GetFileAttributesW(L"Z:\\sys\\PopUp.js"), INVALID_FILE_ATTRIBUTES);
}

// Names Windows would not keep as typed are refused before anything is opened; the form keeps
// what it holds and the next ordinary Save works.
TEST_F(Save, DeviceNamesNamesEndingInADotOrASpaceAndOverlongPathsAreRefusedWithTheReason) {
  Form1->FlatEdit1->SetText("Kept");
  const std::wstring longName(300 - folder.size(), L'n');
  const struct {
    std::wstring name;
    std::string message;
  } cases[] = {
      {L"CON", "CON is a name Windows keeps for a device; choose another name"},
      {L"COM1.js", "COM1 is a name Windows keeps for a device; choose another name"},
      {L"aux.js", "aux is a name Windows keeps for a device; choose another name"},
      {L"lpt1.htm", "lpt1 is a name Windows keeps for a device; choose another name"},
      {L"NUL", "NUL is a name Windows keeps for a device; choose another name"},
      {L"dots...", "\"dots...\" ends in a dot, which Windows drops from a file name; choose another name"},
      {L"trail.js  ", "\"trail.js  \" ends in a space, which Windows drops from a file name; choose another name"},
      {longName + L".js", "The path " + ui::WideText::ToUtf8(folder + longName) + ".js is 303 characters long, more "
                          "than Windows allows here (" + std::to_string(ui::SafeFileWriter::MaxTargetLength()) +
                          "); choose a shorter name or folder"},
  };
  for (const auto& c : cases) {
    errors.clear();
    SaveAs(folder + c.name);
    EXPECT_EQ(errors, std::vector<std::string>{c.message});
    EXPECT_TRUE(FilesIn(folder).empty());
  }
  EXPECT_EQ(Form1->FlatEdit1->Text(), "Kept");
  errors.clear();
  SaveAs(folder + L"Kept.js");
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(FilesIn(folder), std::vector<std::wstring>{L"Kept.js"});
}

TEST_F(Save, CancelWritesNothing) {
  platform.saveAnswer.clear();
  SendMessageA(Form1->Handle(), WM_COMMAND, Form1->Guardar1->Command(), 0);
  Pump();
  EXPECT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(FilesIn(folder).empty());
  EXPECT_TRUE(Form1->Enabled());
}

TEST_F(Save, PathsOutsideWindows1252Work) {
  const std::wstring other = folder + L"\u0421\u043E\u0445\u0440\u0430\u043D\u0438\u0442\u044C \u4FDD\u5B58\\";
  ASSERT_TRUE(CreateDirectoryW(other.c_str(), nullptr));
  SaveAs(other + L"\u03A9.js");
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(WideFileBytes(other + L"\u03A9.js"), PreviewScript());
  EXPECT_EQ(platform.saveRequests.back().initialFolder, L"");
  SaveAs(other + L"\u03A9.htm");
  EXPECT_EQ(platform.saveRequests.back().initialFolder, other);
  EXPECT_EQ(FilesIn(other).size(), 2u);
  for (const std::wstring& name : FilesIn(other)) DeleteFileW((other + name).c_str());
  EXPECT_TRUE(RemoveDirectoryW(other.c_str()));
}

}  // namespace
