#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace core {

// The names Windows will not keep as typed, checked before anything is opened. Paths are UTF-8.
class WindowsFileName {
 public:
  // MAX_PATH less its terminating NUL: the longest path the ordinary file calls take.
  static constexpr std::size_t kMaxPath = 259;

  // CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9 (and the superscript COM¹ to LPT³), in any
  // case, whatever extension or trailing spaces follow: Windows opens the device, not a file.
  static bool IsDeviceName(std::string_view name);

  // The last part of a path (after the last "\" or "/").
  static std::string_view LastPart(std::string_view path);

  // The length Windows counts: UTF-16 code units.
  static std::size_t WindowsLength(std::string_view utf8);

  // Why a file could not be made under this path as typed ("aux is a name Windows keeps for a
  // device; choose another name"), or "" when it could. maxLength is the longest path allowed
  // (shorter than kMaxPath where a longer temporary name must also fit).
  static std::string Problem(std::string_view path, std::size_t maxLength = kMaxPath);
};

}  // namespace core
