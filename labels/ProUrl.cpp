#include "labels/ProUrl.h"

#include <windows.h>

#include "framework/Application.h"
#include "framework/Screen.h"
#include "system/Platform.h"

void OpenLink(const std::string& address) {
  if (address.empty()) return;
  HWND owner = ui::Application ? ui::Application->Handle() : nullptr;
  ui::Platform::Current().ShellOpen(owner, "open", address, "", "", SW_SHOW);
}

void RegisterHandCursors() {
  struct Entry {
    int id;
    const char* resource;
  };
  static const Entry kCursors[] = {{crHandPoint, "PRO_HANDPOINT"},
                                   {crSmallHandPoint, "PRO_SMALLHANDPOINT"},
                                   {crGrabHand, "PRO_GRABHAND"},
                                   {crGrabHandArrow, "PRO_GRABHANDARROW"},
                                   {crDragHand, "PRO_DRAGHAND"}};
  HINSTANCE instance = GetModuleHandleA(nullptr);
  // LoadCursor gives each cursor at the system's cursor size, scaled from the stored image on a
  // high-DPI screen, like the system's own arrow beside it.
  for (const Entry& entry : kCursors)
    if (HCURSOR cursor = LoadCursorA(instance, entry.resource)) ui::Screen().SetCursor(entry.id, cursor);
}
