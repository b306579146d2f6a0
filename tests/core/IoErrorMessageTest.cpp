#include "core/IoErrorMessage.h"

#include <gtest/gtest.h>

namespace {

using core::IoErrorMessage;

TEST(IoErrorMessageTest, NamedCodes) {
  EXPECT_EQ(IoErrorMessage(2), "File not found");
  EXPECT_EQ(IoErrorMessage(3), "Invalid filename");
  EXPECT_EQ(IoErrorMessage(4), "Too many open files");
  EXPECT_EQ(IoErrorMessage(5), "File access denied");
  EXPECT_EQ(IoErrorMessage(100), "Read beyond end of file");
  EXPECT_EQ(IoErrorMessage(101), "Disk full");
  EXPECT_EQ(IoErrorMessage(106), "Invalid numeric input");
}

TEST(IoErrorMessageTest, AFullDiskReadsDiskFullWhicheverCodeWindowsGives) {
  for (int code : {101, 112, 39}) EXPECT_EQ(IoErrorMessage(code), "Disk full") << code;
  EXPECT_EQ(IoErrorMessage(38), "I/O error 38");
  EXPECT_EQ(IoErrorMessage(111), "I/O error 111");
}

TEST(IoErrorMessageTest, OtherCodesCarryTheNumber) {
  EXPECT_EQ(IoErrorMessage(1), "I/O error 1");
  EXPECT_EQ(IoErrorMessage(32), "I/O error 32");
  EXPECT_EQ(IoErrorMessage(102), "I/O error 102");
  EXPECT_EQ(IoErrorMessage(0), "I/O error 0");
}

}  // namespace
