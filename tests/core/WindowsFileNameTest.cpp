#include "core/WindowsFileName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using core::WindowsFileName;

TEST(WindowsFileName, DeviceNamesInAnyCaseAndWithAnyExtensionAreDevicesTheirNeighboursAreNot) {
  std::vector<std::string> devices = {"CON", "prn", "Aux", "nul", "aux.js", "NUL.tar.gz", "con .htm", "lpt3 ",
                                      "COM\xC2\xB9", "lpt\xC2\xB3.txt"};
  for (char d = '1'; d <= '9'; ++d) devices.insert(devices.end(), {std::string("COM") + d, std::string("lpt") + d + ".js"});
  for (const std::string& name : devices) EXPECT_TRUE(WindowsFileName::IsDeviceName(name)) << name;
  for (const char* name : {"COM0", "LPT0.js", "COM10", "CONSOLE", "auxi.js", "xnul", "LPT", "co", "", ".con",
                           "COM\xC2\xB4", "nul_", "_aux.js"})
    EXPECT_FALSE(WindowsFileName::IsDeviceName(name)) << name;
}

TEST(WindowsFileName, ProblemsSayWhyAndOrdinaryNamesHaveNone) {
  struct Case {
    std::string path, problem;
  } cases[] = {
      {"C:\\web\\aux.js", "aux is a name Windows keeps for a device; choose another name"},
      {"C:\\web\\COM1.js", "COM1 is a name Windows keeps for a device; choose another name"},
      {"lpt1.htm", "lpt1 is a name Windows keeps for a device; choose another name"},
      {"C:\\web\\dots...", "\"dots...\" ends in a dot, which Windows drops from a file name; choose another name"},
      {"C:/web/trail.js  ", "\"trail.js  \" ends in a space, which Windows drops from a file name; choose another name"},
      {"C:\\web\\", "C:\\web\\ names a folder, not a file; choose a file name"},
      {"C:\\web\\PopUp.js", ""},
      {"C:\\con\\PopUp.js", ""},  // only the file's own name matters: the folder exists already
      {"C:\\web\\.js", ""},
      {"C:\\web\\\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD \xF0\x9F\x98\x80.js", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(WindowsFileName::Problem(c.path), c.problem) << c.path;
}

// Windows counts UTF-16 units: a Cyrillic letter is one, an emoji two.
TEST(WindowsFileName, ThePathLimitCountsWhatWindowsCounts) {
  const std::string folder = "C:\\" + std::string(240, 'f') + "\\";  // 244 units
  const std::string fits = folder + std::string(15, 'n');             // 259
  EXPECT_EQ(WindowsFileName::Problem(fits), "");
  EXPECT_EQ(WindowsFileName::Problem(fits + "n"), "The path " + fits + "n is 260 characters long, more than Windows "
                                                  "allows here (259); choose a shorter name or folder");
  const std::string cyrillic = folder + std::string(7, 'n') + "\xD0\x98\xD0\x98\xD0\x98\xD0\x98.js";  // 244+7+4+3
  EXPECT_EQ(WindowsFileName::WindowsLength(cyrillic), 258u);
  EXPECT_EQ(WindowsFileName::Problem(cyrillic), "");
  EXPECT_NE(WindowsFileName::Problem(cyrillic + "\xF0\x9F\x98\x80"), "");  // 260
  EXPECT_NE(WindowsFileName::Problem(fits, 240), "");
}

}  // namespace
