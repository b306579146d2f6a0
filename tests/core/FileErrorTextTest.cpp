#include "core/FileErrorText.h"

#include <gtest/gtest.h>

#include "core/IoErrorMessage.h"

namespace {

using core::FileErrorText;

TEST(FileErrorText, MessagesKeepTheRuntimesStartNameTheFileAndSayWhatToDo) {
  const std::string file = "C:\\windows\\temp\\tmpskt.js";
  for (int code : {2, 3, 4, 5, 32, 33, 39, 53, 64, 67, 80, 101, 112, 1117}) {
    const std::string text = FileErrorText::ForFile(code, file);
    EXPECT_EQ(text.rfind(core::IoErrorMessage(code) + ": ", 0), 0u) << text;
    EXPECT_NE(text.find(code == 3 ? "C:\\windows\\temp " : file), std::string::npos) << text;
    EXPECT_NE(text.find("try again"), std::string::npos) << text;
    EXPECT_EQ(text.back() == '.', false) << "the error box adds the full stop: " << text;
  }
}

TEST(FileErrorText, TheCasesUsersMeetReadAsSentences) {
  EXPECT_EQ(FileErrorText::ForFile(32, "C:\\windows\\temp\\tmpskt.js"),
            "I/O error 32: C:\\windows\\temp\\tmpskt.js is in use by another program. Close that program, then try again");
  EXPECT_EQ(FileErrorText::ForFile(3, "C:\\windows\\temp\\tmphtm.htm"),
            "Invalid filename: the folder C:\\windows\\temp is missing, so C:\\windows\\temp\\tmphtm.htm cannot be made. "
            "Create the folder, then try again");
  EXPECT_EQ(FileErrorText::ForFile(112, "D:\\a.js"), "Disk full: no room for D:\\a.js. Free some space on the drive, then try again");
  EXPECT_EQ(FileErrorText::Reason(112), "Disk full");
  EXPECT_EQ(FileErrorText::Reason(32), "I/O error 32, the file is in use by another program");
  EXPECT_EQ(FileErrorText::Reason(64), "I/O error 64, the network drive is no longer there");
  EXPECT_EQ(FileErrorText::Reason(5), "File access denied");
}

}  // namespace
