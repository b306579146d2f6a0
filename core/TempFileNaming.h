#pragma once
#include <functional>
#include <string>

namespace core {

// The names a file source gives its temporary files: <temp folder>\~fs<seconds><n><extension>.
// Pure string rules; the file system is reached only through the callback of NextTempFileName.
class TempFileNaming {
 public:
  static constexpr std::size_t kMaxExtension = 255;

  // folder as the system returns it (one trailing "\" is dropped), seconds 0 to 59.
  static std::string TempBase(const std::string& folder, int seconds);

  static std::string TempCandidate(const std::string& base, int n, const std::string& extension);

  // The text from the last "." to the end (at most kMaxExtension characters), or empty when the
  // last of ".", ":" and "\" is not a ".".
  static std::string ExtensionOf(const std::string& fileName);

  // Tries the candidates for n = 0, 1, 2, ... and returns the first for which
  // tryCreateExclusive returns true. That callback creates the file only if it does not exist,
  // and returns false only when it exists already, so two programs never share a name.
  // Raises std::runtime_error("Cannot create file <last candidate>") after maxTries refusals.
  static std::string NextTempFileName(const std::string& base, const std::string& extension,
                                      const std::function<bool(const std::string&)>& tryCreateExclusive,
                                      int maxTries);
};

}  // namespace core
