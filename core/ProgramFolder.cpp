#include "core/ProgramFolder.h"

namespace core {

std::string ProgramFolder(std::string_view executablePath) {
  const std::size_t last = executablePath.find_last_of("\\:");
  if (last == std::string_view::npos) return {};
  return std::string(executablePath.substr(0, last + 1));
}

}  // namespace core
