#include "core/TempFileNaming.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using core::TempFileNaming;

TEST(TempFileNaming, BaseDropsOneTrailingBackslash) {
  EXPECT_EQ(TempFileNaming::TempBase("D:\\TEMP\\", 7), "D:\\TEMP\\~fs7");
  EXPECT_EQ(TempFileNaming::TempBase("D:\\TEMP", 7), "D:\\TEMP\\~fs7");
  EXPECT_EQ(TempFileNaming::TempBase("C:\\", 0), "C:\\~fs0");
  EXPECT_EQ(TempFileNaming::TempBase("D:\\TEMP\\\\", 59), "D:\\TEMP\\\\~fs59");
  EXPECT_EQ(TempFileNaming::TempCandidate("D:\\TEMP\\~fs7", 12, ".htm"), "D:\\TEMP\\~fs712.htm");
  EXPECT_EQ(TempFileNaming::TempCandidate("D:\\TEMP\\~fs7", 0, ""), "D:\\TEMP\\~fs70");
}

TEST(TempFileNaming, TakesTheFirstNameNobodyHas) {
  const std::string base = TempFileNaming::TempBase("D:\\TEMP\\", 7);  // 12:30:07
  std::set<std::string> existing;
  std::vector<std::string> tried;
  auto create = [&](const std::string& name) {
    tried.push_back(name);
    return existing.insert(name).second;
  };
  EXPECT_EQ(TempFileNaming::NextTempFileName(base, ".js", create, 100), "D:\\TEMP\\~fs70.js");
  // A second program in the same second finds ~fs70.js taken.
  EXPECT_EQ(TempFileNaming::NextTempFileName(base, ".js", create, 100), "D:\\TEMP\\~fs71.js");
  EXPECT_EQ(tried, (std::vector<std::string>{"D:\\TEMP\\~fs70.js", "D:\\TEMP\\~fs70.js", "D:\\TEMP\\~fs71.js"}));
  existing.insert("D:\\TEMP\\~fs73.js");
  EXPECT_EQ(TempFileNaming::NextTempFileName(base, ".js", create, 100), "D:\\TEMP\\~fs72.js");
  EXPECT_EQ(TempFileNaming::NextTempFileName(base, ".js", create, 100), "D:\\TEMP\\~fs74.js");
}

TEST(TempFileNaming, GivesUpAfterMaxTries) {
  int calls = 0;
  try {
    TempFileNaming::NextTempFileName("C:\\T\\~fs5", ".htm", [&](const std::string&) { return ++calls, false; }, 3);
    FAIL() << "no error";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Cannot create file C:\\T\\~fs52.htm");
  }
  EXPECT_EQ(calls, 3);
}

TEST(TempFileNaming, ExtensionRules) {
  EXPECT_EQ(TempFileNaming::ExtensionOf("D:\\src\\endu.js"), ".js");
  EXPECT_EQ(TempFileNaming::ExtensionOf("x.tar.gz"), ".gz");
  EXPECT_EQ(TempFileNaming::ExtensionOf("README"), "");
  EXPECT_EQ(TempFileNaming::ExtensionOf(""), "");
  EXPECT_EQ(TempFileNaming::ExtensionOf("C:\\a.b\\file"), "");
  EXPECT_EQ(TempFileNaming::ExtensionOf("C:\\a.b\\file.txt"), ".txt");
  EXPECT_EQ(TempFileNaming::ExtensionOf("name."), ".");
  EXPECT_EQ(TempFileNaming::ExtensionOf(".profile"), ".profile");
  EXPECT_EQ(TempFileNaming::ExtensionOf("C:name"), "");
  EXPECT_EQ(TempFileNaming::ExtensionOf("C:name.htm"), ".htm");
  EXPECT_EQ(TempFileNaming::ExtensionOf("a.b:stream"), "");
  EXPECT_EQ(TempFileNaming::ExtensionOf("C:"), "");
  // Only the backslash separates folders.
  EXPECT_EQ(TempFileNaming::ExtensionOf("a.b/file"), ".b/file");

  const std::string longExtension = "." + std::string(299, 'x');
  const std::string capped = TempFileNaming::ExtensionOf("C:\\f" + longExtension);
  EXPECT_EQ(capped.size(), 255u);
  EXPECT_EQ(capped, longExtension.substr(0, 255));
  EXPECT_EQ(TempFileNaming::ExtensionOf("f." + std::string(254, 'y')).size(), 255u);
}
