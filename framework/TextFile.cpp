#include "framework/TextFile.h"

#include "framework/Exceptions.h"

namespace ui {

namespace {
constexpr int kFileNotOpen = 103;
}

TextFile::~TextFile() {
  if (IsOpen()) CloseHandle(handle_);
}

void TextFile::Rewrite() {
  if (IsOpen()) Close();
  handle_ = CreateFileA(fileName_.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) throw EInOutError(static_cast<int>(GetLastError()));
}

void TextFile::Put(const char* data, std::size_t size) {
  if (!IsOpen()) throw EInOutError(kFileNotOpen);
  DWORD written = 0;
  if (size > 0 && !WriteFile(handle_, data, static_cast<DWORD>(size), &written, nullptr))
    throw EInOutError(static_cast<int>(GetLastError()));
  if (written != size) throw EInOutError(101);  // disk full
}

void TextFile::Write(std::string_view text) { Put(text.data(), text.size()); }

void TextFile::WriteLine(std::string_view text) {
  Put(text.data(), text.size());
  Put("\r\n", 2);
}

void TextFile::WriteChar(char c) { Put(&c, 1); }

void TextFile::Close() {
  if (!IsOpen()) throw EInOutError(kFileNotOpen);
  HANDLE h = handle_;
  handle_ = INVALID_HANDLE_VALUE;
  if (!CloseHandle(h)) throw EInOutError(static_cast<int>(GetLastError()));
}

}  // namespace ui
