#include "core/SaveFileName.h"

#include <algorithm>
#include <cctype>

#include "core/WindowsFileName.h"

namespace core {

namespace {

bool NotAllowed(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

std::string SaveFileName::ForFunction(std::string_view functionName, std::string_view extension) {
  std::string base;
  for (char c : functionName) base.push_back(NotAllowed(static_cast<unsigned char>(c)) ? '_' : c);
  const auto first = base.find_first_not_of(" .");
  base = first == std::string::npos ? std::string() : base.substr(first, base.find_last_not_of(" .") - first + 1);
  if (base.empty()) base = kFallback;
  if (WindowsFileName::IsDeviceName(base)) base.insert(0, "_");
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
