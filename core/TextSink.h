#pragma once
#include <string_view>

namespace core {

// The three text-file operations the writers use. The runtime's text file checks every one and
// raises its I/O exception; tests collect the bytes.
class TextSink {
 public:
  virtual ~TextSink() = default;
  virtual void Write(std::string_view text) = 0;      // no line end
  virtual void WriteLine(std::string_view text) = 0;  // text, then CR LF
  virtual void WriteChar(char c) = 0;
};

}  // namespace core
