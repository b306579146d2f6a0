// Each folder of the program includes only its own headers and those of the folders below it.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Lower numbers lie lower; folders of one number do not include each other.
const std::map<std::string, int> kLayers = {
    {"core", 0},      {"system", 1},    {"framework", 2}, {"paint", 3},     {"flatctrls", 4},
    {"labels", 4},    {"filesource", 4}, {"orders", 5},   {"generator", 6}, {"app", 7},
};

// The folder of a line `#include "folder/...`, or "" (read by hand: <regex> costs this test more
// to compile than the rest of it).
std::string IncludedFolder(const std::string& line) {
  size_t i = 0;
  auto blanks = [&] { while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i; };
  auto take = [&](std::string_view word) {
    if (line.compare(i, word.size(), word) != 0) return false;
    i += word.size();
    return true;
  };
  blanks();
  if (!take("#")) return "";
  blanks();
  if (!take("include")) return "";
  blanks();
  if (!take("\"")) return "";
  const size_t start = i;
  while (i < line.size() && (std::isalpha(static_cast<unsigned char>(line[i])) || line[i] == '_')) ++i;
  if (i == start || i == line.size() || line[i] != '/') return "";
  return line.substr(start, i - start);
}

// The project folders named by the includes of text (a file of folder) that it may not use.
std::vector<std::string> ForbiddenIncludes(const std::string& folder, const std::string& text) {
  std::vector<std::string> found;
  std::istringstream lines(text);
  const int own = kLayers.at(folder);
  for (std::string line; std::getline(lines, line);) {
    auto target = kLayers.find(IncludedFolder(line));
    if (target == kLayers.end()) continue;  // a system or generated header
    if (target->first != folder && target->second >= own) found.push_back(target->first);
  }
  return found;
}

TEST(Layering, TheCheckFindsIncludesOfFoldersAboveAndBeside) {
  struct Case {
    const char* folder;
    const char* text;
    std::vector<std::string> forbidden;
  } cases[] = {
      {"orders", "#include \"orders/pur2.h\"\n#include \"framework/Form.h\"\n", {}},
      {"orders", "#include \"app/Program.h\"\n", {"app"}},
      {"orders", "  #  include \"generator/Unit1.h\"\n", {"generator"}},
      {"labels", "#include \"flatctrls/FlatLook.h\"\n#include \"paint/PaintHelpers.h\"\n", {"flatctrls"}},
      {"core", "#include <windows.h>\n#include \"framework/Gdi.h\"\n", {"framework"}},
      {"app", "#include \"generator/Unit1.h\"\n#include \"orders/pur1.h\"\n#include \"core/CommandLine.h\"\n", {}},
      {"framework", "// #include \"app/Program.h\" is not this file's\n", {}},
      {"system", "#include \"framework/Form.h\"\n#include \"core/Utf8.h\"\n", {"framework"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ForbiddenIncludes(c.folder, c.text), c.forbidden) << c.folder << ": " << c.text;
}

TEST(Layering, NoFolderIncludesAHeaderOfAFolderAboveIt) {
  const std::filesystem::path root(SKYLATCH_SOURCE_DIR);
  int files = 0;
  for (const auto& [folder, layer] : kLayers) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".h" && extension != ".cpp") continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::stringstream text;
      text << in.rdbuf();
      ++files;
      for (const std::string& above : ForbiddenIncludes(folder, text.str()))
        ADD_FAILURE() << entry.path().lexically_relative(root).string() << " includes a header of " << above;
    }
  }
  EXPECT_GT(files, 100);  // the folders were found
}

}  // namespace
