#pragma once
#include <windows.h>
#include <string>

#include "core/ByteStream.h"

namespace ui {

// A file (named in UTF-8) opened as a byte stream; "Cannot open file <name>" when it cannot be opened.
class TFileStream : public core::ByteStream {
 public:
  enum class Mode { OpenRead, OpenWrite, Create };
  TFileStream(const std::string& fileName, Mode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::int64_t Position() const override;
  void Seek(std::int64_t position) override;
  std::int64_t Size() const override;

 private:
  HANDLE handle_;
  std::string fileName_;
};

}  // namespace ui
