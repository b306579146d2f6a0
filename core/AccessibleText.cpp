#include "core/AccessibleText.h"

namespace core {

std::string SpokenCaption(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') ++i;
      else continue;
    }
    out += caption[i];
  }
  return out;
}

std::string NameFromLabel(std::string_view caption) {
  std::string name = SpokenCaption(caption);
  auto trimEnd = [&name] {
    while (!name.empty() && name.back() == ' ') name.pop_back();
  };
  trimEnd();
  if (!name.empty() && name.back() == ':') name.pop_back();
  trimEnd();
  std::size_t start = name.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : name.substr(start);
}

}  // namespace core
