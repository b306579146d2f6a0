// The two files placed beside the test page: the frame script and the entry page.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tests/core/Unescape.h"

namespace {

std::string ReadResource(const char* name) {
  std::ifstream in(std::string(SKYLATCH_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  EXPECT_TRUE(in.good()) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(bytes.substr(start, end - start));
  lines.push_back(bytes.substr(start));
  return lines;
}

void ExpectOnlyCrLfLineEnds(const std::string& bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
    if (bytes[i] == '\r') EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
  }
  ASSERT_FALSE(bytes.empty());
  EXPECT_NE(bytes.back(), '\n');
}

TEST(CompanionFilesTest, FrameScriptHasEightLinesAndTheFrameset) {
  const std::string bytes = ReadResource("endu.js");
  ExpectOnlyCrLfLineEnds(bytes);
  const std::vector<std::string> lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0].rfind("//", 0), 0u);
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "document.write('<title>Skylatch! Preview</title>');");
  EXPECT_EQ(lines[3], "document.write('<frameset rows=\"100%,*\" framespacing=\"0\" border=\"0\">');");
  EXPECT_EQ(lines[4],
            "document.write('<frame frameborder=\"0\" name=\"topFrame\" src=\"tmphtm.htm\" "
            "noresize=\"noresize\" />');");
  EXPECT_EQ(lines[5], "document.write('</frameset>');");
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[7].rfind("//", 0), 0u);
  EXPECT_EQ(bytes.size(), 335u);
}

TEST(CompanionFilesTest, EntryPageDecodesToALoaderOfTheFrameScript) {
  const std::string bytes = ReadResource("preview.htm");
  ExpectOnlyCrLfLineEnds(bytes);
  const std::vector<std::string> lines = SplitCrLf(bytes);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "<!--Start-->");
  EXPECT_EQ(lines[2], "<!--End-->");
  const std::string head = "<script language=JavaScript>m='";
  const std::string tail = "';d=unescape(m);document.write(d);</script>";
  const std::string& script = lines[1];
  ASSERT_GT(script.size(), head.size() + tail.size());
  EXPECT_EQ(script.substr(0, head.size()), head);
  EXPECT_EQ(script.substr(script.size() - tail.size()), tail);
  const std::string encoded = script.substr(head.size(), script.size() - head.size() - tail.size());
  EXPECT_EQ(encoded.find_first_of("'<>\" "), std::string::npos) << encoded;
  const std::string decoded = testing_support::Unescape(encoded);
  EXPECT_NE(decoded.find("<script src=\"endu.js\"></script>"), std::string::npos) << decoded;
}

}  // namespace
