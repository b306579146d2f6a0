#include "core/TempFileNaming.h"

#include <stdexcept>

namespace core {

std::string TempFileNaming::TempBase(const std::string& folder, int seconds) {
  std::string base = folder;
  if (!base.empty() && base.back() == '\\') base.pop_back();
  return base + "\\~fs" + std::to_string(seconds);
}

std::string TempFileNaming::TempCandidate(const std::string& base, int n, const std::string& extension) {
  return base + std::to_string(n) + extension;
}

std::string TempFileNaming::ExtensionOf(const std::string& fileName) {
  const std::size_t last = fileName.find_last_of(".:\\");
  if (last == std::string::npos || fileName[last] != '.') return {};
  return fileName.substr(last, kMaxExtension);
}

std::string TempFileNaming::NextTempFileName(const std::string& base, const std::string& extension,
                                             const std::function<bool(const std::string&)>& tryCreateExclusive,
                                             int maxTries) {
  std::string candidate;
  for (int n = 0; n < maxTries; ++n) {
    candidate = TempCandidate(base, n, extension);
    if (tryCreateExclusive(candidate)) return candidate;
  }
  throw std::runtime_error("Cannot create file " + (candidate.empty() ? TempCandidate(base, 0, extension) : candidate));
}

}  // namespace core
