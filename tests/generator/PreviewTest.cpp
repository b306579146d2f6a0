// Preview end to end inside the program: the four files in C:\windows\temp, byte for byte, and
// what happens when the companions are there already or their temporary files have vanished.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/Program.h"
#include "filesource/TFileSource.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatEdit.h"
#include "flatctrls/TFlatSpinEditInteger.h"
#include "generator/GeneratorWindows.h"
#include "generator/Unit1.h"
#include "orders/WizardWindows.h"
#include "tests/support/FileBytes.h"
#include "tests/support/WindowTest.h"

namespace {

class PreviewFiles : public testsupport::WindowTest {
 protected:
  void SetUp() override {
    for (const char* f : {TForm1::kCompanionScript, TForm1::kPreviewPage}) DeleteFileA(f);
    app::CreateForms(*ui::Application);
    Form1->Show();
    Pump();
  }
};

TEST_F(PreviewFiles, WritesThePageAndPlacesBothCompanionsByteForByte) {
  Form1->FlatEdit1->SetText("PopUp");
  Form1->Url->SetText("page.htm");
  Click(*Form1->FlatButton2);
  ASSERT_TRUE(errors.empty());
  std::string page = testsupport::FileBytes(TForm1::kPageFile);
  EXPECT_EQ(page, testsupport::SourceFileBytes("tests/generator/PreviewPagePopUp.htm"));
  EXPECT_EQ(std::count(page.begin(), page.end(), '\n'), 45);
  EXPECT_NE(page.find("\r\n<p><A href=\"javascript:PopUp('page.htm')\" alt=\"Latchy!\">click here to preview your "
                      "PopUp</a></p>\r\n</body></html>\r\n"),
            std::string::npos);
  EXPECT_EQ(testsupport::FileBytes(TForm1::kCompanionScript), testsupport::SourceFileBytes("resources/endu.js"));
  EXPECT_EQ(testsupport::FileBytes(TForm1::kPreviewPage), testsupport::SourceFileBytes("resources/preview.htm"));
}

// A companion that is there is compared with the program's bytes: an identical one is not copied
// again, a broken or foreign one (empty, cut short, planted) is replaced whole.
TEST_F(PreviewFiles, ACompanionThatDiffersIsReplacedWholeAndAnIdenticalOneIsLeftAlone) {
  Click(*Form1->FlatButton2);
  ASSERT_EQ(platform.copyCalls.size(), 2u);
  Form1->Url->SetText("it's.htm");
  Click(*Form1->FlatButton2);
  EXPECT_EQ(platform.copyCalls.size(), 2u);
  // The address's apostrophe stays inside the quoted argument.
  EXPECT_NE(testsupport::FileBytes(TForm1::kPageFile).find("javascript:PopUp('it\\'s.htm')"), std::string::npos);
  const std::string page = testsupport::SourceFileBytes("resources/preview.htm");
  for (const std::string& broken : {std::string(), page.substr(0, page.size() / 2), std::string("other program's")}) {
    std::ofstream(TForm1::kPreviewPage, std::ios::binary | std::ios::trunc) << broken;
    std::ofstream(TForm1::kCompanionScript, std::ios::binary | std::ios::trunc) << broken;
    Click(*Form1->FlatButton2);
    EXPECT_EQ(testsupport::FileBytes(TForm1::kPreviewPage), page) << broken.size();
    EXPECT_EQ(testsupport::FileBytes(TForm1::kCompanionScript), testsupport::SourceFileBytes("resources/endu.js")) << broken.size();
  }
  EXPECT_EQ(platform.copyCalls.size(), 8u);
  EXPECT_EQ(platform.shellCalls.size(), 5u);
  EXPECT_TRUE(errors.empty());
}

// Text in a number field that is no whole number (put there by the program, past the filter)
// reaches the script as the value the field reads; whole numbers go as typed.
TEST_F(PreviewFiles, OnlyWholeNumbersReachTheScript) {
  Form1->top->SetText("1'+__pwn('spin')+'");
  Form1->left->SetText("250.7");
  Form1->alto->SetText("$1F");
  Form1->ancho->SetText("-007");
  Click(*Form1->FlatButton2);
  const std::string script = testsupport::FileBytes(TForm1::kScriptFile);
  EXPECT_NE(script.find("width=31,height=-007,left=0,top=0');\r\n"), std::string::npos) << script;
  EXPECT_EQ(Form1->PopupSettings().topText, "0");
}

TEST_F(PreviewFiles, ADeletedPreviewPageIsRecreatedFromTheWindowsOwnCopy) {
  Click(*Form1->FlatButton2);
  ASSERT_TRUE(DeleteFileA(TForm1::kPreviewPage));
  Click(*Form1->FlatButton2);
  EXPECT_EQ(testsupport::FileBytes(TForm1::kPreviewPage), testsupport::SourceFileBytes("resources/preview.htm"));
}

// Every file of C:\windows\temp whose name starts with prefix.
std::vector<std::string> FilesStartingWith(const std::string& prefix) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(("C:\\windows\\temp\\" + prefix + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

TEST_F(PreviewFiles, ACopyThatFailsPartWayLeavesNoCompanionAndTheNextPreviewPlacesThemWhole) {
  platform.copyFailsAfterBytes = 100;  // a disk that fills up during the copies
  Click(*Form1->FlatButton2);
  // The first failure ends Preview, and says so.
  EXPECT_EQ(errors, std::vector<std::string>{"Could not place endu.js in C:\\windows\\temp: Disk full. Free some space "
                                             "on the drive, then try again"});
  ASSERT_EQ(platform.copyCalls.size(), 1u);
  EXPECT_EQ(platform.copyCalls[0].source, Form1->enscript->FileName());
  EXPECT_EQ(GetFileAttributesA(TForm1::kCompanionScript), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FilesStartingWith("endu.js"), std::vector<std::string>{});
  EXPECT_TRUE(platform.shellCalls.empty());

  platform.copyFailsAfterBytes = -1;
  Click(*Form1->FlatButton2);
  EXPECT_EQ(testsupport::FileBytes(TForm1::kCompanionScript), testsupport::SourceFileBytes("resources/endu.js"));
  EXPECT_EQ(testsupport::FileBytes(TForm1::kPreviewPage), testsupport::SourceFileBytes("resources/preview.htm"));
  EXPECT_EQ(FilesStartingWith("endu.js"), std::vector<std::string>{"endu.js"});
  EXPECT_EQ(FilesStartingWith("preview.htm"), std::vector<std::string>{"preview.htm"});
}

TEST_F(PreviewFiles, NoProgramForTheNewPageIsSaidAndAnyOtherShellFailureNamesThePage) {
  platform.shellResult = SE_ERR_NOASSOC;
  Click(*Form1->FlatButton2);
  platform.shellResult = SE_ERR_ACCESSDENIED;
  Click(*Form1->FlatButton2);
  EXPECT_EQ(errors, (std::vector<std::string>{"No program opens .htm files on this computer",
                                              "The browser did not open c:\\windows\\temp\\preview.htm (shell error 5). "
                                              "Check the program that opens .htm files, then try again"}));
  EXPECT_EQ(testsupport::FileBytes(TForm1::kPreviewPage), testsupport::SourceFileBytes("resources/preview.htm"));
}

// A folder in the way makes a file impossible to create.
class PathBlocked {
 public:
  explicit PathBlocked(const char* path) : path_(path) {
    DeleteFileA(path);
    created_ = CreateDirectoryA(path, nullptr) != FALSE;
  }
  ~PathBlocked() { RemoveDirectoryA(path_); }
  bool created() const { return created_; }

 private:
  const char* path_;
  bool created_;
};

TEST_F(PreviewFiles, AScriptThatCannotBeCreatedLeavesThePageEmptyAndNothingCopiedOrOpened) {
  PathBlocked blocked(TForm1::kScriptFile);
  ASSERT_TRUE(blocked.created());
  Click(*Form1->FlatButton2);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "File access denied: C:\\windows\\temp\\tmpskt.js may not be written. Choose a folder you may "
                       "write to, or clear the file's read-only mark, then try again");
  EXPECT_NE(GetFileAttributesA(TForm1::kPageFile), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(testsupport::FileBytes(TForm1::kPageFile), "");
  EXPECT_TRUE(platform.copyCalls.empty());
  EXPECT_TRUE(platform.shellCalls.empty());
  EXPECT_EQ(GetFileAttributesA(TForm1::kCompanionScript), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PreviewFiles, APageThatCannotBeCreatedLeavesTheOldScriptUntouched) {
  {
    std::ofstream old(TForm1::kScriptFile, std::ios::binary | std::ios::trunc);
    old << "// the script of an earlier Preview\r\n";
  }
  PathBlocked blocked(TForm1::kPageFile);
  ASSERT_TRUE(blocked.created());
  Click(*Form1->FlatButton2);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].rfind("File access denied: C:\\windows\\temp\\tmphtm.htm ", 0), 0u) << errors[0];
  EXPECT_EQ(testsupport::FileBytes(TForm1::kScriptFile), "// the script of an earlier Preview\r\n");
  EXPECT_TRUE(platform.copyCalls.empty());
  EXPECT_TRUE(platform.shellCalls.empty());
}

TEST_F(PreviewFiles, AVanishedStoredFileIsReportedAndAnEarlierCopyIsNotTouched) {
  Click(*Form1->FlatButton2);
  std::string earlier = testsupport::FileBytes(TForm1::kPreviewPage);
  // The component's own temporary file cannot be deleted from outside while it is held; a file
  // it names from outside can vanish.
  EXPECT_FALSE(DeleteFileA(Form1->enpreview->FileName().c_str()));
  const std::string outside = "C:\\windows\\temp\\skylatch-test-entry.htm";
  { std::ofstream(outside, std::ios::binary) << "entry"; }
  Form1->enpreview->SetFileName(outside);
  ASSERT_TRUE(DeleteFileA(outside.c_str()));
  EXPECT_EQ(Form1->enpreview->FileName(), "");
  Click(*Form1->FlatButton2);
  EXPECT_EQ(testsupport::FileBytes(TForm1::kPreviewPage), earlier);
  ASSERT_TRUE(DeleteFileA(TForm1::kPreviewPage));
  Click(*Form1->FlatButton2);
  EXPECT_EQ(errors, std::vector<std::string>{"Could not place preview.htm in C:\\windows\\temp: the program's own copy "
                                             "of it is gone. Start Skylatch! again, then try again"});
  EXPECT_EQ(GetFileAttributesA(TForm1::kPreviewPage), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FilesStartingWith("preview.htm"), std::vector<std::string>{});
  EXPECT_EQ(platform.shellCalls.size(), 2u);
  EXPECT_FALSE(earlier.empty());
}

TEST_F(PreviewFiles, TheTemporaryFilesAreGoneWhenTheWindowIs) {
  std::string script = Form1->enscript->FileName(), entry = Form1->enpreview->FileName();
  ASSERT_FALSE(script.empty());
  ASSERT_FALSE(entry.empty());
  EXPECT_EQ(testsupport::FileBytes(script), testsupport::SourceFileBytes("resources/endu.js"));
  ui::Application->DestroyForms();
  EXPECT_EQ(GetFileAttributesA(script.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA(entry.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
