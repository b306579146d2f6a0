#include "core/SaveFileName.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace core {

namespace {

bool NotAllowed(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string Upper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return out;
}

// Windows opens the device, not a file, for these names, whatever extension follows.
bool IsDeviceName(std::string_view base) {
  const std::string name = Upper(base.substr(0, base.find('.')));
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kPlain.begin(), kPlain.end(), name) != kPlain.end()) return true;
  return name.size() == 4 && (name.starts_with("COM") || name.starts_with("LPT")) && name[3] >= '1' && name[3] <= '9';
}

}  // namespace

std::string SaveFileName::ForFunction(std::string_view functionName, std::string_view extension) {
  std::string base;
  for (char c : functionName) base.push_back(NotAllowed(static_cast<unsigned char>(c)) ? '_' : c);
  const auto first = base.find_first_not_of(" .");
  base = first == std::string::npos ? std::string() : base.substr(first, base.find_last_not_of(" .") - first + 1);
  if (base.empty()) base = kFallback;
  if (IsDeviceName(base)) base.insert(0, "_");
  return base.append(extension);
}

std::string SaveFileName::LowerExtension(std::string_view path) {
  const auto slash = path.find_last_of("\\/:");
  const auto name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  std::string ext(name.substr(dot));
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

SaveFileName::Kind SaveFileName::KindOf(std::string_view path, int fileType) {
  const std::string ext = LowerExtension(path);
  if (ext == ".js") return Kind::Script;
  if (ext == ".htm" || ext == ".html") return Kind::Page;
  return fileType == 2 ? Kind::Page : Kind::Script;
}

std::string SaveFileName::WithTypeExtension(std::string_view name, int fileType) {
  const std::string ext = LowerExtension(name);
  if (!ext.empty() && ext != ".js" && ext != ".htm" && ext != ".html") return std::string(name);
  std::string out(name.substr(0, name.size() - ext.size()));
  return out.append(fileType == 2 ? ".htm" : ".js");
}

}  // namespace core
