// Run by fresh_prefix.sh inside a Wine prefix made for the test, where the download was unpacked
// and nothing else of ours lies: the program starts from there and "Exit" ends it with 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

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
