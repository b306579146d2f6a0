#include "system/FileStream.h"

#include "system/Exceptions.h"
#include "system/WideText.h"

namespace ui {

TFileStream::TFileStream(const std::string& fileName, Mode mode) : fileName_(fileName) {
  DWORD access = mode == Mode::OpenRead ? GENERIC_READ : GENERIC_WRITE | GENERIC_READ;
  DWORD disposition = mode == Mode::Create ? CREATE_ALWAYS : OPEN_EXISTING;
  // Sharing delete lets a file held open with delete-on-close (a file source's temporary file)
  // be opened at all.
  handle_ = CreateFileW(WideText::FromUtf8(fileName).c_str(), access, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, disposition,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle_ == INVALID_HANDLE_VALUE) throw EFOpenError(fileName);
}

TFileStream::~TFileStream() { CloseHandle(handle_); }

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  DWORD got = 0;
  if (count > 0 && !ReadFile(handle_, buffer, static_cast<DWORD>(count), &got, nullptr))
    throw Exception("Stream read error");
  return got;
}

void TFileStream::Write(const void* buffer, std::size_t count) {
  DWORD written = 0;
  if (count > 0 && (!WriteFile(handle_, buffer, static_cast<DWORD>(count), &written, nullptr) || written != count))
    throw Exception("Stream write error");
}

std::int64_t TFileStream::Position() const {
  LARGE_INTEGER zero{}, position{};
  SetFilePointerEx(handle_, zero, &position, FILE_CURRENT);
  return position.QuadPart;
}

void TFileStream::Seek(std::int64_t position) {
  LARGE_INTEGER to{};
  to.QuadPart = position;
  SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN);
}

std::int64_t TFileStream::Size() const {
  LARGE_INTEGER size{};
  GetFileSizeEx(handle_, &size);
  return size.QuadPart;
}

}  // namespace ui
