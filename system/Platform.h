#pragma once
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <string>

namespace ui {

// The platform calls that tests must observe or steer. The program uses the real Win32
// functions; a test installs a recorder with ScopedPlatform and restores the real one after.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual HINSTANCE ShellOpen(HWND owner, const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& directory, int showCommand);
  // Paths are UTF-8.
  virtual bool CopyFile(const std::string& source, const std::string& destination, bool failIfExists);
  virtual void Beep(UINT type);
  virtual POINT CursorPos();
  virtual HWND ActiveWindow();
  // Whether the user has a high-contrast theme on.
  virtual bool HighContrast();
  // The temporary folder in UTF-8, as the system gives it (with its trailing "\"); "" when the
  // lookup fails, with the system's error code as the last error.
  virtual std::string TempPath();
  virtual SYSTEMTIME TimeOfDay();
  // The standard Save As dialog; false when the user cancels.
  virtual bool SaveAsDialog(OPENFILENAMEW& request);
  // The standard Open dialog; false when the user cancels.
  virtual bool OpenDialog(OPENFILENAMEW& request);
  // The first file of a drop on a window that accepts files (the drop is finished).
  virtual std::wstring DroppedFile(HDROP drop);
  // One write to an open file; a test makes it fail the way a full disk does.
  virtual bool WriteFile(HANDLE file, const void* data, DWORD size, DWORD& written);
  // The other file calls of Preview, Save and the file store, so that a test can fail each in
  // turn. They keep the system's error code as the last error.
  virtual HANDLE CreateFileAt(const std::wstring& path, DWORD access, DWORD share, DWORD disposition, DWORD flags);
  virtual bool FlushFile(HANDLE file);
  virtual bool CloseFile(HANDLE file);
  virtual bool MoveFileTo(const std::wstring& from, const std::wstring& to, DWORD flags);
  virtual bool RemoveFile(const std::wstring& path);
  // Starts a program by its command line (UTF-8) without waiting for it; 0 or the system error.
  virtual DWORD StartProcess(const std::string& commandLine);

  static Platform& Current();

 private:
  friend class ScopedPlatform;
  static Platform* current_;
};

class ScopedPlatform {
 public:
  explicit ScopedPlatform(Platform& replacement) : previous_(Platform::current_) { Platform::current_ = &replacement; }
  ~ScopedPlatform() { Platform::current_ = previous_; }
  ScopedPlatform(const ScopedPlatform&) = delete;
  ScopedPlatform& operator=(const ScopedPlatform&) = delete;

 private:
  Platform* previous_;
};

}  // namespace ui
