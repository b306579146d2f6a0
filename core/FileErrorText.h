#pragma once
#include <string>
#include <string_view>

namespace core {

// What the user reads when a file operation fails. The runtime's message for the code stays the
// start; the file and what to do follow. The error box adds the final full stop.
class FileErrorText {
 public:
  // The runtime's message, and for Windows' own codes that the table lacks, what they mean:
  // "Disk full", "I/O error 32, the file is in use by another program".
  static std::string Reason(int code);
  // What to do about it: "Free some space on the drive, then try again".
  static std::string Advice(int code);
  // "I/O error 32: C:\windows\temp\tmpskt.js is in use by another program. Close that program,
  // then try again".
  static std::string ForFile(int code, std::string_view file);
  // The folder part of a path, without its last "\": what a missing-folder message names.
  static std::string FolderOf(std::string_view path);
};

}  // namespace core
