#include "framework/SafeFileWriter.h"

#include <windows.h>

#include <algorithm>

#include "framework/Exceptions.h"
#include "framework/Platform.h"

namespace ui {

namespace {

constexpr int kDiskFull = 101;
constexpr unsigned kAttempts = 100;

// The message table reads Windows' own disk-full codes as "Disk full" too.
[[noreturn]] void Fail(DWORD code) { throw EInOutError(static_cast<int>(code)); }

// The temporary file: closed when the scope ends, deleted unless it was moved into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::wstring& target) {
    for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
      name_ = SafeFileWriter::TemporaryName(target, attempt);
      handle_ = CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (handle_ != INVALID_HANDLE_VALUE) return;
      const DWORD error = GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) Fail(error);
    }
    Fail(ERROR_FILE_EXISTS);
  }
  ~TemporaryFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    if (!moved_) DeleteFileW(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void Write(std::string_view bytes) {
    while (!bytes.empty()) {
      DWORD written = 0;
      const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
      if (!Platform::Current().WriteFile(handle_, bytes.data(), size, written)) Fail(GetLastError());
      if (written == 0) throw EInOutError(kDiskFull);
      bytes.remove_prefix(written);
    }
  }
  void Close() {
    const bool flushed = FlushFileBuffers(handle_) != FALSE;
    const DWORD flushError = GetLastError();
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    if (!flushed) Fail(flushError);
    if (!closed) Fail(GetLastError());
  }
  void MoveTo(const std::wstring& target) {
    if (!MoveFileExW(name_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      Fail(GetLastError());
    moved_ = true;
  }

 private:
  std::wstring name_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool moved_ = false;
};

}  // namespace

std::wstring SafeFileWriter::TemporaryName(const std::wstring& path, unsigned attempt) {
  return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + L".tmp";
}

void SafeFileWriter::Write(const std::wstring& path, std::string_view bytes) {
  // A read-only file is not replaced, whatever the rename would allow.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    Fail(ERROR_ACCESS_DENIED);
  TemporaryFile temporary(path);
  temporary.Write(bytes);
  temporary.Close();
  temporary.MoveTo(path);
}

}  // namespace ui
