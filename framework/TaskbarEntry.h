#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/Gdi.h"

namespace ui {

class TApplication;
class TForm;

// The program's taskbar entry: a captioned window of no size that owns the main window, so the
// entry reads the program's title while the main window's title bar keeps its own caption. It
// follows the corner of the shown windows (a taskbar of several screens shows it on theirs),
// minimises and restores the program as a whole, and hands the desktop window manager pictures of
// the windows for its thumbnail and peek; where there is no window manager, no pictures.
class TaskbarEntry {
 public:
  explicit TaskbarEntry(TApplication& application);
  ~TaskbarEntry();
  TaskbarEntry(const TaskbarEntry&) = delete;
  TaskbarEntry& operator=(const TaskbarEntry&) = delete;

  HWND Handle() const { return handle_; }
  void SetTitle(const std::string& title);

  // Appears with the main window.
  void Show();
  // Follows the shown windows' corner.
  void Place();
  // Minimising any window of the program hides them all and minimises the entry; restoring the
  // entry shows them again and activates the window the user works in.
  void Minimize();
  void Restore();
  bool Minimized() const { return handle_ && IsIconic(handle_); }
  void FormDestroyed(TForm* form);

  // An opaque 32-bit picture, not selected into any device context (as the window manager
  // wants it). Rows run top-down, 0xAARRGGBB.
  struct Picture {
    BitmapHandle bitmap;
    int width = 0;
    int height = 0;
    std::uint32_t* bits = nullptr;
  };
  // The rectangle of the screen the windows cover together (empty for none).
  static RECT Covered(const std::vector<HWND>& windows);
  // The windows as they lie on the screen (the first at the bottom), frames included, in one
  // picture of the rectangle they cover together, shrunk to fit maxWidth × maxHeight with its
  // proportions kept (a limit of 0 or less shrinks nothing). Empty for no windows.
  static Picture Draw(const std::vector<HWND>& windows, int maxWidth, int maxHeight);

 private:
  friend LRESULT CALLBACK TaskbarEntryWndProc(HWND, UINT, WPARAM, LPARAM);
  // The entry activated, minimised, restored or closed from the taskbar, and the window manager
  // asking for its pictures.
  bool Message(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void HideForms();
  void ShowForms();
  std::vector<HWND> ShownFormWindows() const;
  // Asks the window manager to request the pictures instead of drawing the entry's window.
  void EnablePictures();
  // What the pictures show has changed: they are requested again when next shown.
  void InvalidatePictures();
  void SendThumbnail(int maxWidth, int maxHeight);
  // The peek shows the windows where they lie on the screen.
  void SendPeek();

  TApplication& application_;
  HWND handle_ = nullptr;
  std::vector<TForm*> hiddenByMinimize_;
};

}  // namespace ui
