#include "system/SafeFileWriter.h"

#include <windows.h>
#include <algorithm>

#include "system/Exceptions.h"
#include "system/Platform.h"
#include "system/WideText.h"

namespace ui {

namespace {

constexpr unsigned kAttempts = 100;

// Asks the system to delete the file when its last handle closes, or not to any more. A killed
// program then leaves no temporary file behind.
bool DeleteWhenClosed(HANDLE file, bool remove) {
  FILE_DISPOSITION_INFO disposition{};
  disposition.DeleteFile = remove ? TRUE : FALSE;
  return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition) != FALSE;
}

// The temporary file: deleted unless it was moved into place, however the program ends.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::wstring& target) : target_(target) {
    for (unsigned attempt = 0; attempt < kAttempts; ++attempt) {
      name_ = SafeFileWriter::TemporaryName(target, attempt);
      handle_ = Platform::Current().CreateFileAt(name_, GENERIC_WRITE | DELETE, 0, CREATE_NEW, FILE_ATTRIBUTE_NORMAL);
      if (handle_ != INVALID_HANDLE_VALUE) {
        DeleteWhenClosed(handle_, true);
        return;
      }
      const DWORD error = GetLastError();
      if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) Fail(error);
    }
    Fail(ERROR_FILE_EXISTS);
  }
  ~TemporaryFile() {
    if (handle_ != INVALID_HANDLE_VALUE) Platform::Current().CloseFile(handle_);
    if (!moved_ && kept_) Platform::Current().RemoveFile(name_);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  void Write(std::string_view bytes) {
    while (!bytes.empty()) {
      DWORD written = 0;
      const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
      if (!Platform::Current().WriteFile(handle_, bytes.data(), size, written)) Fail(GetLastError());
      if (written == 0) Fail(EInOutError::kDiskFull);
      bytes.remove_prefix(written);
    }
  }
  // Flushed while it is still to be deleted, kept only once its bytes are on the disk.
  void Close() {
    Platform& platform = Platform::Current();
    if (!platform.FlushFile(handle_)) Fail(GetLastError());
    kept_ = true;
    DeleteWhenClosed(handle_, false);
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    if (!platform.CloseFile(handle)) Fail(GetLastError());
  }
  void MoveTo() {
    if (!Platform::Current().MoveFileTo(name_, target_, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      Fail(GetLastError());
    moved_ = true;
  }

 private:
  // Every message names the file the user chose, not the temporary one.
  [[noreturn]] void Fail(DWORD code) const { throw EInOutError(static_cast<int>(code), WideText::ToUtf8(target_)); }

  std::wstring target_;
  std::wstring name_;
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  bool kept_ = false;
  bool moved_ = false;
};

}  // namespace

std::wstring SafeFileWriter::TemporaryName(const std::wstring& path, unsigned attempt) {
  return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + L".tmp";
}

std::size_t SafeFileWriter::MaxTargetLength() { return MAX_PATH - 1 - TemporaryName(std::wstring(), kAttempts - 1).size(); }

void SafeFileWriter::Write(const std::wstring& path, std::string_view bytes) {
  // A read-only file is not replaced, whatever the rename would allow.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
    throw EInOutError(ERROR_ACCESS_DENIED, WideText::ToUtf8(path));
  TemporaryFile temporary(path);
  temporary.Write(bytes);
  temporary.Close();
  temporary.MoveTo();
}

}  // namespace ui
