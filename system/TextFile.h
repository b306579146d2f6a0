#pragma once
#include <windows.h>
#include <string>
#include <string_view>

#include "core/TextSink.h"

namespace ui {

// Text-file output that checks every operation: the first failure raises EInOutError with the
// system error code, the file's name and what to do. Bytes go out as given (Windows-1252); WriteLine adds CR LF.
class TextFile : public core::TextSink {
 public:
  TextFile() = default;
  ~TextFile() override;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  // fileName in UTF-8.
  void Assign(const std::string& fileName) { fileName_ = fileName; }
  void Rewrite();  // create or truncate
  void Write(std::string_view text) override;
  void WriteLine(std::string_view text) override;
  void WriteChar(char c) override;
  void Close();
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  void Put(const char* data, std::size_t size);
  [[noreturn]] void Fail(unsigned long code) const;

  std::string fileName_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace ui
