#pragma once
#include <string>

#include "core/TextSink.h"

namespace core {

// A text sink that keeps the bytes in memory: the script as Preview would write it, for the
// Generate window and Save.
class StringSink : public TextSink {
 public:
  void Write(std::string_view text) override { bytes.append(text); }
  void WriteLine(std::string_view text) override { bytes.append(text).append("\r\n"); }
  void WriteChar(char c) override { bytes.push_back(c); }

  std::string bytes;
};

}  // namespace core
