// Run by fresh_prefix.sh inside a Wine prefix made for the test, where the download was unpacked
// and nothing else of ours lies: the program starts from there and "Exit" ends it with 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "tests/support/FileBytes.h"
#include "tests/support/ProgramProcess.h"

using testsupport::ProgramProcess;

TEST(UnpackedDownload, StartsShowsTheMainWindowAndExitEndsWithZero) {
  const char* unpacked = std::getenv("SKYLATCH_UNPACKED_EXE");
  if (!unpacked) GTEST_SKIP() << "SKYLATCH_UNPACKED_EXE names the unpacked skylatch.exe (set by fresh_prefix.sh)";
  ProgramProcess program("", unpacked);
  ASSERT_TRUE(program.Running()) << "cannot start " << unpacked;
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr) << "no main window";
  EXPECT_TRUE(IsWindowEnabled(main));
  // The generator's controls are there: the Preview button among them.
  EXPECT_NE(ProgramProcess::FindChild(main, "TFlatButton", "Preview"), nullptr);
  ProgramProcess::ChooseMenu(main, 2, -1);  // File, Help, Exit
  EXPECT_EQ(program.WaitForExit(), 0);
}

// fresh_prefix.sh registers a handler for .htm that copies the opened file to C:\help-opened.htm,
// so the shell request of Help > Help index is seen from outside: it must name the help page that
// came in the zip, beside the program.
TEST(UnpackedDownload, HelpIndexOpensTheHelpPageThatCameInTheZip) {
  const char* unpacked = std::getenv("SKYLATCH_UNPACKED_EXE");
  if (!unpacked) GTEST_SKIP() << "SKYLATCH_UNPACKED_EXE names the unpacked skylatch.exe (set by fresh_prefix.sh)";
  std::string helpPage(unpacked);
  helpPage.replace(helpPage.find_last_of('\\') + 1, std::string::npos, "help.htm");
  const std::string shipped = testsupport::FileBytes(helpPage);
  ASSERT_FALSE(shipped.empty()) << helpPage << " is not in the download";
  const char kOpened[] = "C:\\help-opened.htm";
  DeleteFileA(kOpened);

  ProgramProcess program("", unpacked);
  HWND main = program.WaitForWindow("TForm1");
  ASSERT_NE(main, nullptr) << "no main window";
  ProgramProcess::ChooseMenu(main, 1, 0);  // Help > Help index
  std::string opened;
  for (int tries = 0; tries < 300 && opened != shipped; ++tries) {  // the handler copies in its own process
    Sleep(50);
    opened = testsupport::FileBytes(kOpened);
  }
  EXPECT_EQ(opened, shipped) << "the shell was not asked to open " << helpPage;
  ProgramProcess::ChooseMenu(main, 2, -1);
  EXPECT_EQ(program.WaitForExit(), 0);
}
