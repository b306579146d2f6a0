#pragma once
#include <stdexcept>
#include <string>

namespace ui {

// Every failure the program reports is an Exception; the application's error box shows its
// message followed by a full stop.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A failed text-file operation; the message depends on the system error code.
class EInOutError : public Exception {
 public:
  // The codes of its own, beside the system's: a write that wrote less, a file not open.
  static constexpr int kDiskFull = 101;
  static constexpr int kFileNotOpen = 103;
  explicit EInOutError(int errorCode);
  // The same message, then the file (UTF-8) and what to do about it.
  EInOutError(int errorCode, const std::string& file);
  int ErrorCode() const { return errorCode_; }

 private:
  int errorCode_;
};

// A file stream that could not be opened: "Cannot open file <name>".
class EFOpenError : public Exception {
 public:
  explicit EFOpenError(const std::string& fileName) : Exception("Cannot open file " + fileName) {}
};

}  // namespace ui
