// The baseline of the start-up and memory benchmarks: the least a Win32 program of the same
// shape does, one top-level window with nine native children, built with the same toolchain.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "MinimalWindow";
  RegisterClassA(&windowClass);
  HWND main = CreateWindowExA(0, "MinimalWindow", "Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 480,
                              360, nullptr, nullptr, instance, nullptr);
  struct Child {
    const char* windowClass;
    const char* text;
    DWORD style;
  };
  const Child children[9] = {
      {"BUTTON", "Preview", BS_PUSHBUTTON},   {"BUTTON", "Exit", BS_PUSHBUTTON},
      {"BUTTON", "Full Screen", BS_AUTOCHECKBOX}, {"EDIT", "PopUp", ES_AUTOHSCROLL | WS_BORDER},
      {"EDIT", "Skylatch", ES_AUTOHSCROLL | WS_BORDER}, {"STATIC", "Function name:", SS_LEFT},
      {"STATIC", "Window name:", SS_LEFT},    {"COMBOBOX", "", CBS_DROPDOWNLIST},
      {"BUTTON", "Settings", BS_GROUPBOX}};
  for (int i = 0; i < 9; ++i) {
    CreateWindowExA(0, children[i].windowClass, children[i].text, WS_CHILD | WS_VISIBLE | children[i].style, 10,
                    10 + 32 * i, 200, 24, main, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance,
                    nullptr);
  }
  ShowWindow(main, show);
  UpdateWindow(main);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
