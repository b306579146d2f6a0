#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/Gdi.h"

namespace ui {

// The taskbar's thumbnail and peek for an entry whose own window has no size: pictures of the
// program's windows, drawn by the program and handed to the desktop window manager. Where there
// is no window manager to hand them to, every call does nothing.
class TaskbarPreview {
 public:
  // An opaque 32-bit picture, not selected into any device context (as the window manager
  // wants it). Rows run top-down, 0xAARRGGBB.
  struct Picture {
    BitmapHandle bitmap;
    int width = 0;
    int height = 0;
    std::uint32_t* bits = nullptr;
  };

  // Asks the window manager to request the pictures instead of drawing the entry's window.
  static void Enable(HWND entry);
  // What the pictures show has changed: they are requested again when next shown.
  static void Invalidate(HWND entry);
  static void SendThumbnail(HWND entry, const std::vector<HWND>& windows, int maxWidth, int maxHeight);
  // The peek shows the windows where they lie on the screen.
  static void SendPeek(HWND entry, const std::vector<HWND>& windows);

  // The rectangle of the screen the windows cover together (empty for none).
  static RECT Covered(const std::vector<HWND>& windows);
  // The windows as they lie on the screen (the first at the bottom), frames included, in one
  // picture of the rectangle they cover together, shrunk to fit maxWidth × maxHeight with its
  // proportions kept (a limit of 0 or less shrinks nothing). Empty for no windows.
  static Picture Draw(const std::vector<HWND>& windows, int maxWidth, int maxHeight);
};

}  // namespace ui
