#include "system/TextFile.h"

#include "system/Exceptions.h"
#include "system/Platform.h"
#include "system/WideText.h"

namespace ui {

TextFile::~TextFile() {
  if (IsOpen()) Platform::Current().CloseFile(handle_);
}

void TextFile::Rewrite() {
  if (IsOpen()) Close();
  handle_ = Platform::Current().CreateFileAt(WideText::FromUtf8(fileName_), GENERIC_WRITE, FILE_SHARE_READ,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
  if (handle_ == INVALID_HANDLE_VALUE) Fail(GetLastError());
}

void TextFile::Fail(unsigned long code) const { throw EInOutError(static_cast<int>(code), fileName_); }

void TextFile::Put(const char* data, std::size_t size) {
  if (!IsOpen()) Fail(EInOutError::kFileNotOpen);
  DWORD written = 0;
  if (size > 0 && !Platform::Current().WriteFile(handle_, data, static_cast<DWORD>(size), written)) Fail(GetLastError());
  if (written != size) Fail(EInOutError::kDiskFull);
}

void TextFile::Write(std::string_view text) { Put(text.data(), text.size()); }

void TextFile::WriteLine(std::string_view text) {
  Put(text.data(), text.size());
  Put("\r\n", 2);
}

void TextFile::WriteChar(char c) { Put(&c, 1); }

void TextFile::Close() {
  if (!IsOpen()) Fail(EInOutError::kFileNotOpen);
  HANDLE h = handle_;
  handle_ = INVALID_HANDLE_VALUE;
  if (!Platform::Current().CloseFile(h)) Fail(GetLastError());
}

}  // namespace ui
