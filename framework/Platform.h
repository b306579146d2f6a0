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
  virtual bool CopyFile(const std::string& source, const std::string& destination, bool failIfExists);
  virtual void Beep(UINT type);
  virtual POINT CursorPos();
  virtual HWND ActiveWindow();
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
