#pragma once
#include <string>
#include <vector>

#include "core/TextSink.h"

namespace testing_support {

// Collects the bytes a writer produces and the operations that produced them.
class CollectingSink : public core::TextSink {
 public:
  void Write(std::string_view text) override {
    bytes.append(text);
    operations.push_back("Write " + std::string(text));
  }
  void WriteLine(std::string_view text) override {
    bytes.append(text).append("\r\n");
    operations.push_back("WriteLine " + std::string(text));
  }
  void WriteChar(char c) override {
    bytes.push_back(c);
    operations.push_back(std::string("WriteChar ") + c);
  }

  // The bytes split at CR LF; a trailing piece without CR LF is kept as the last line.
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(bytes.substr(start, end - start));
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
  }

  std::string bytes;
  std::vector<std::string> operations;
};

}  // namespace testing_support
