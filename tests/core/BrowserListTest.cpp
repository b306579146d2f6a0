#include "core/BrowserList.h"

#include <gtest/gtest.h>

namespace {

using core::BrowserList;
using Key = BrowserList::Key;

std::vector<std::string> Names(const std::vector<BrowserList::Browser>& browsers) {
  std::vector<std::string> names;
  for (const auto& b : browsers) names.push_back(b.name + "|" + b.openCommand);
  return names;
}

TEST(BrowserListTest, TheUsersKeysComeFirstAndAKeyUnderBothIsTheUsers) {
  const std::vector<Key> user = {{"Firefox-308046B0", "Firefox", "", "u-firefox"},
                                 {"Opera", "", "@opera.exe,-1", "u-opera"}};
  const std::vector<Key> machine = {{"IEXPLORE.EXE", "Internet Explorer", "", "m-ie"},
                                    {"firefox-308046b0", "Mozilla Firefox", "", "m-firefox"},
                                    {"NoName", "", "", "m-noname"}};
  EXPECT_EQ(Names(BrowserList::Merge(user, machine)),
            (std::vector<std::string>{"Firefox|u-firefox", "@opera.exe,-1|u-opera", "Internet Explorer|m-ie",
                                      "NoName|m-noname"}));
  EXPECT_TRUE(BrowserList::Merge({}, {}).empty());
}

TEST(BrowserListTest, ThePageTakesThePlaceOfPercentOneOrIsAppendedQuoted) {
  const char* page = "c:\\windows\\temp\\preview.htm";
  const struct {
    const char* command;
    const char* line;
  } cases[] = {
      {"\"C:\\Program Files\\B\\b.exe\" -osint -url \"%1\"",
       "\"C:\\Program Files\\B\\b.exe\" -osint -url \"c:\\windows\\temp\\preview.htm\""},
      {"b.exe %1 --again %1", "b.exe c:\\windows\\temp\\preview.htm --again c:\\windows\\temp\\preview.htm"},
      {"\"C:\\B\\b.exe\"", "\"C:\\B\\b.exe\" \"c:\\windows\\temp\\preview.htm\""},
      {"b.exe -new ", "b.exe -new \"c:\\windows\\temp\\preview.htm\""},
      {"b.exe %2 100%", "b.exe %2 100% \"c:\\windows\\temp\\preview.htm\""},
  };
  for (const auto& c : cases) EXPECT_EQ(BrowserList::CommandLine(c.command, page), c.line) << c.command;
}

TEST(BrowserListTest, TheProgramIsTheQuotedFirstPartOrTheFirstWord) {
  const struct {
    const char* command;
    const char* program;
  } cases[] = {
      {"\"C:\\Program Files\\B\\b.exe\" -url \"%1\"", "C:\\Program Files\\B\\b.exe"},
      {"  C:\\B\\b.exe %1", "C:\\B\\b.exe"},
      {"\"C:\\unclosed", "C:\\unclosed"},
      {"b.exe", "b.exe"},
      {"   ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(BrowserList::Program(c.command), c.program) << c.command;
}

}  // namespace
