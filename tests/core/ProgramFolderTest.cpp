#include "core/ProgramFolder.h"

#include <gtest/gtest.h>

namespace {

using core::ProgramFolder;

TEST(ProgramFolderTest, CutsAfterTheLastSeparator) {
  EXPECT_EQ(ProgramFolder("D:\\Tools\\gen.exe"), "D:\\Tools\\");
  EXPECT_EQ(ProgramFolder("D:\\Tools\\gen.exe") + "help.htm", "D:\\Tools\\help.htm");
  EXPECT_EQ(ProgramFolder("C:\\gen.exe"), "C:\\");
  EXPECT_EQ(ProgramFolder("\\\\server\\share\\bin\\gen.exe"), "\\\\server\\share\\bin\\");
}

TEST(ProgramFolderTest, DriveColonCountsAsSeparator) {
  EXPECT_EQ(ProgramFolder("C:gen.exe"), "C:");
  EXPECT_EQ(ProgramFolder("C:\\dir.v2\\"), "C:\\dir.v2\\");
}

TEST(ProgramFolderTest, NoSeparatorGivesEmpty) {
  EXPECT_EQ(ProgramFolder("gen.exe"), "");
  EXPECT_EQ(ProgramFolder(""), "");
  EXPECT_EQ(ProgramFolder("D:/Tools/gen.exe"), "D:");  // forward slashes are not separators here
}

}  // namespace
