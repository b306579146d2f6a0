// The baselines of the start-up and memory benchmarks, built with the same toolchain. Plain, it is
// the least a Win32 program of the kind does: one top-level window with nine native children.
// With "--main-window-size" it has the shape of the program's main window and does what that
// window does with it: a menu bar, three group boxes holding 23 controls (one a combo box), and
// the 8-point "MS Sans Serif" font set on each, so that the program is measured against plain
// Win32 doing the same work.
#include <windows.h>

#include <cstring>
#include <initializer_list>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
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
  if (std::strstr(commandLine, "--main-window-size")) {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, 1, "Save");
    AppendMenuA(file, MF_STRING, 2, "Preview");
    HMENU help = CreatePopupMenu();
    for (const char* item : {"Help index", "License agreement", "Online Support", "Purchase full version",
                             "About Skylatch!"})
      AppendMenuA(help, MF_STRING, 3, item);
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "Help");
    AppendMenuA(bar, MF_STRING, 4, "Exit");
    SetMenu(main, bar);
    const Child groups[3] = {{"BUTTON", "Name", BS_GROUPBOX}, {"BUTTON", "Size and position", BS_GROUPBOX},
                             {"BUTTON", "Options", BS_GROUPBOX}};
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
    const Child controls[7] = {{"EDIT", "PopUp", ES_AUTOHSCROLL | WS_BORDER},
                               {"EDIT", "Skylatch", ES_AUTOHSCROLL | WS_BORDER},
                               {"EDIT", "400", ES_AUTOHSCROLL | WS_BORDER},
                               {"BUTTON", "", BS_PUSHBUTTON},
                               {"BUTTON", "Full Screen", BS_AUTOCHECKBOX},
                               {"BUTTON", "Preview", BS_PUSHBUTTON},
                               {"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL}};
    // In each group: names and address (3 edits), four size boxes with their arrow buttons,
    // Full Screen and seven options, three buttons; the combo box last.
    const int kinds[23] = {0, 1, 0, 2, 3, 2, 3, 2, 3, 2, 3, 4, 4, 4, 4, 4, 4, 4, 4, 5, 5, 5, 6};
    HWND parents[3];
    for (int g = 0; g < 3; ++g) {
      parents[g] = CreateWindowExA(0, groups[g].windowClass, groups[g].text, WS_CHILD | WS_VISIBLE | groups[g].style,
                                   8, 8 + 100 * g, 440, 96, main, nullptr, instance, nullptr);
      SendMessageA(parents[g], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    for (int i = 0; i < 23; ++i) {
      const Child& c = controls[kinds[i]];
      HWND control = CreateWindowExA(0, c.windowClass, c.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | c.style,
                                     4 + 60 * (i % 7), 16 + 24 * (i / 8), 56, kinds[i] == 6 ? 120 : 21, parents[i % 3],
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance, nullptr);
      SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
  } else {
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
