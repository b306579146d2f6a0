// Keeps Wine's desktop open for the whole test run. With no process on it, Wine closes the desktop
// and its explorer a moment after the last test process ends, and a test process that starts in
// that moment finds no desktop: it dies before its first line or cannot create its first window.
// test.sh starts this before ctest and ends it with the wineserver.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  GetDesktopWindow();
  Sleep(INFINITE);
  return 0;
}
