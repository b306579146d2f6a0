#include "core/BrowserList.h"

#include <algorithm>

namespace core {

namespace {

// Registry key names compare without regard to letter case.
bool SameKeyName(std::string_view a, std::string_view b) {
  auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(x) == lower(y);
         });
}

}  // namespace

std::vector<BrowserList::Browser> BrowserList::Merge(const std::vector<Key>& user, const std::vector<Key>& machine) {
  std::vector<const Key*> keys;
  for (const auto* hive : {&user, &machine})
    for (const Key& key : *hive)
      if (std::none_of(keys.begin(), keys.end(), [&](const Key* k) { return SameKeyName(k->name, key.name); }))
        keys.push_back(&key);
  std::vector<Browser> browsers;
  for (const Key* key : keys) {
    const std::string& name = !key->defaultValue.empty()     ? key->defaultValue
                              : !key->localizedString.empty() ? key->localizedString
                                                              : key->name;
    browsers.push_back({name, key->openCommand});
  }
  return browsers;
}

std::string BrowserList::CommandLine(std::string_view openCommand, std::string_view page) {
  std::string line;
  bool placed = false;
  for (std::size_t i = 0; i < openCommand.size(); ++i) {
    if (openCommand[i] == '%' && i + 1 < openCommand.size() && openCommand[i + 1] == '1') {
      line += page;
      placed = true;
      ++i;
    } else {
      line += openCommand[i];
    }
  }
  if (!placed) {
    if (!line.empty() && line.back() != ' ') line += ' ';
    line += "\"" + std::string(page) + "\"";
  }
  return line;
}

std::string BrowserList::Program(std::string_view openCommand) {
  const std::size_t start = openCommand.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  openCommand.remove_prefix(start);
  if (openCommand.front() == '"') {
    const std::size_t end = openCommand.find('"', 1);
    return std::string(openCommand.substr(1, end == std::string_view::npos ? std::string_view::npos : end - 1));
  }
  return std::string(openCommand.substr(0, openCommand.find(' ')));
}

}  // namespace core
