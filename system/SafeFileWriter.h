#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace ui {

// Writes a whole file so that nothing is lost: the bytes go to a new temporary file beside the
// target, which replaces the target only once it is completely written and closed. On any
// failure the temporary file is removed, the target keeps its old content, and EInOutError
// reports the system error (a full disk as "Disk full").
class SafeFileWriter {
 public:
  static void Write(const std::wstring& path, std::string_view bytes);

  // The temporary file's name for a target and an attempt number: beside the target, so that
  // the final rename never crosses drives.
  static std::wstring TemporaryName(const std::wstring& path, unsigned attempt);
  // The longest target path whose temporary name Windows still takes.
  static std::size_t MaxTargetLength();
};

}  // namespace ui
