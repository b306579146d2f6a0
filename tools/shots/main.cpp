// Drives the real skylatch.exe through its windows and saves a picture of each one, title bar
// included, as a .bmp file (scripts/screenshots.sh runs it inside a Wine virtual desktop).
// With --preview it presses Preview instead, for the browser test.
#include <windows.h>
#include <dlgs.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "core/AccessibleText.h"
#include "tests/support/ProgramProcess.h"

using testsupport::ProgramProcess;

namespace {

void Click(HWND parent, const char* windowClass, const char* text) {
  ProgramProcess::ClickChild(ProgramProcess::FindChild(parent, windowClass, text));
  Sleep(500);
}

// ---- The sheet of each control in each state -------------------------------------------------
// Each state is brought about as a user would (pointer, buttons, keys) and saved as a small
// picture "state-<control>-<state>.bmp"; scripts/screenshots.sh lays them out on one sheet.

// The screen area of a child window, with a margin, or of a rectangle below it too.
bool SaveScreenArea(RECT r, const std::string& path) {
  Sleep(350);
  int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  DWORD stride = ((w * 3 + 3) / 4) * 4, size = stride * h;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + size;
  bool ok = false;
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info.bmiHeader, sizeof(BITMAPINFOHEADER), 1, out);
    std::fwrite(bits, 1, size, out);
    ok = std::fclose(out) == 0;
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  std::printf("%s %s\n", ok ? "saved" : "FAILED", path.c_str());
  return ok;
}

// A whole window, title bar included, once it has painted.
bool SaveWindowPicture(HWND window, const std::string& path) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(50);
  RECT r{};
  GetWindowRect(window, &r);
  return SaveScreenArea(r, path);
}

struct StateSheet {
  std::string folder;
  int failures = 0;

  void Save(HWND control, const char* name, const char* state, int extraBelow = 0) {
    if (!control) {
      std::printf("FAILED state-%s-%s: no such control\n", name, state);
      ++failures;
      return;
    }
    RECT r{};
    GetWindowRect(control, &r);
    InflateRect(&r, 4, 4);
    r.bottom += extraBelow;
    failures += !SaveScreenArea(r, folder + "state-" + name + "-" + state + ".bmp");
  }
};

// The first window below a parent (at any depth) of that class, compared without case, and with
// that text unless the text is nullptr.
HWND FindDescendant(HWND parent, const char* windowClass, const char* text) {
  struct Search {
    const char* windowClass;
    const char* text;
    HWND found;
  } search{windowClass, text, nullptr};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        char name[128] = {}, caption[256] = {};
        GetClassNameA(window, name, sizeof name);
        // Edits keep their text to themselves; ask for it.
        SendMessageTimeoutA(window, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption), SMTO_ABORTIFHUNG,
                            1000, nullptr);
        if (lstrcmpiA(name, s->windowClass) == 0 && (!s->text || core::SpokenCaption(caption) == s->text)) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

POINT CentreOf(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void MouseButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
  Sleep(250);
}

void KeyPress(WORD key) {
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_KEYBOARD;
  input[0].ki.wVk = input[1].ki.wVk = key;
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
  Sleep(250);
}

// Somewhere on the window that no control covers, to park the pointer and release buttons.
void ParkPointer(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  SetCursorPos(r.right - 8, r.bottom - 8);
  Sleep(300);
}

// A button at rest, hovered and held down (then released off it, so it does not click).
void SaveButtonStates(StateSheet& sheet, HWND window, HWND button, const char* name) {
  ParkPointer(window);
  sheet.Save(button, name, "1-rest");
  POINT c = CentreOf(button);
  SetCursorPos(c.x, c.y);
  Sleep(300);
  SetCursorPos(c.x + 1, c.y);
  sheet.Save(button, name, "2-hover");
  MouseButton(true);
  sheet.Save(button, name, "3-pressed");
  ParkPointer(window);
  MouseButton(false);
}

// The chooser's buttons: "Next" at rest, hovered and pressed, and "Previous", which the chooser
// keeps disabled.
void SaveChooserButtonStates(ProgramProcess& program, HWND generator, StateSheet& sheet) {
  SetForegroundWindow(generator);
  Click(generator, "TFlatButton", "Full version");
  HWND chooser = program.WaitForWindow("TMain");
  if (!chooser) {
    ++sheet.failures;
    return;
  }
  SaveButtonStates(sheet, chooser, ProgramProcess::FindChild(chooser, "TFlatButton", "Next"), "button");
  sheet.Save(ProgramProcess::FindChild(chooser, "TFlatButton", "Previous"), "button", "4-disabled");
  Click(chooser, "TFlatButton", "Cancel");
  Sleep(300);
}

// The generator's controls: edit, spin edit, check box, combo box and group box, each at rest,
// under the pointer, focused or pressed, and greyed out by Full Screen where the window does so.
void SaveGeneratorStates(HWND generator, StateSheet& sheet) {
  SetForegroundWindow(generator);
  Sleep(300);
  HWND edit = FindDescendant(generator, "Edit", "Skylatch");
  HWND spin = FindDescendant(generator, "Edit", "200");
  HWND check = FindDescendant(generator, "TFlatCheckBox", "Resizable");
  HWND fullScreen = FindDescendant(generator, "TFlatCheckBox", "Full Screen");
  HWND group = FindDescendant(generator, "TFlatGroupBox", "Name");
  HWND combo = FindDescendant(generator, "ComboBox", nullptr);
  ParkPointer(generator);
  sheet.Save(edit, "edit", "1-rest");
  sheet.Save(spin, "spinedit", "1-rest");
  sheet.Save(check, "checkbox", "1-rest");
  sheet.Save(combo, "combobox", "1-rest");
  sheet.Save(group, "groupbox", "1-rest");

  for (auto [control, name] : {std::pair{edit, "edit"}, std::pair{spin, "spinedit"}, std::pair{check, "checkbox"}}) {
    if (!control) continue;
    POINT c = CentreOf(control);
    SetCursorPos(c.x - 6, c.y);
    Sleep(300);
    SetCursorPos(c.x - 5, c.y);
    sheet.Save(control, name, "2-hover");
  }
  if (check) {
    // Held down, then released on the box, which ticks it.
    POINT c = CentreOf(check);
    SetCursorPos(c.x - 6, c.y);
    MouseButton(true);
    sheet.Save(check, "checkbox", "3-pressed");
    MouseButton(false);
    ParkPointer(generator);
    sheet.Save(check, "checkbox", "5-checked");
    ProgramProcess::ClickChild(check);
    Sleep(300);
  }
  ParkPointer(generator);
  if (edit) {
    ProgramProcess::ClickChild(edit);
    Sleep(300);
    sheet.Save(edit, "edit", "3-focused");
  }
  if (spin) {
    ProgramProcess::ClickChild(spin);
    Sleep(300);
    sheet.Save(spin, "spinedit", "3-focused");
  }
  if (combo) {
    RECT r{};
    GetWindowRect(combo, &r);
    SetCursorPos(r.right - 6, (r.top + r.bottom) / 2);
    MouseButton(true);
    MouseButton(false);
    sheet.Save(combo, "combobox", "3-open", 80);
    KeyPress(VK_ESCAPE);
    ParkPointer(generator);
    sheet.Save(combo, "combobox", "2-focused");
  }
  if (fullScreen) {
    ProgramProcess::ClickChild(fullScreen);
    Sleep(400);
    ParkPointer(generator);
    sheet.Save(spin, "spinedit", "4-disabled");
    sheet.Save(check, "checkbox", "4-disabled");
    ProgramProcess::ClickChild(fullScreen);
    Sleep(300);
  }
}


}  // namespace

// Presses Preview in the real program and waits until the script file is written.
bool SetEditText(HWND generator, const char* current, const std::string& text);
int Failed(const char* step);

// File > Save, and the Save As dialog it opens. On a loaded machine the menu's keys can reach the
// window before it has taken the focus and be lost; a dialog not there after the wait never comes,
// so the menu is chosen again.
HWND OpenSaveDialog(const ProgramProcess& program, HWND generator) {
  HWND dialog = nullptr;
  for (int attempt = 0; attempt < 3 && !dialog; ++attempt) {
    ProgramProcess::ChooseMenu(generator, 0, 1);  // File > Save
    dialog = program.WaitForWindow("#32770");
  }
  return dialog;
}

// Ends the program by File > Exit, as a user does; on a loaded machine the menu's keys can reach
// a window still closing, so a program that is still there after five seconds is asked to close.
int ExitProgram(ProgramProcess& program, HWND generator) {
  ProgramProcess::ChooseMenu(generator, 2, -1);  // Exit
  int exitCode = program.WaitForExit(5000);
  if (exitCode == -1 && program.Running()) {
    PostMessageA(generator, WM_CLOSE, 0, 0);
    exitCode = program.WaitForExit(10000);
  }
  return exitCode;
}

// Presses Preview, with the function name and the address given (UTF-8) when they are.
int PressPreview(const char* functionName = nullptr, const char* address = nullptr) {
  const char* script = "C:\\windows\\temp\\tmpskt.js";
  DeleteFileA(script);
  ProgramProcess program("");
  HWND generator = program.WaitForWindow("TForm1");
  if (!generator) return 1;
  if (functionName && (!SetEditText(generator, "https://www.skylatch.example", address) ||
                       !SetEditText(generator, "PopUp", functionName)))
    return Failed("the name and address fields were not found");
  ProgramProcess::ClickChild(ProgramProcess::FindChild(generator, "TFlatButton", "Preview"));
  for (int i = 0; i < 200 && GetFileAttributesA(script) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
  // A prefix where no program opens .htm files says so in a box, which goes before Exit can; it
  // comes a moment after the files.
  if (HWND box = program.WaitForWindow("#32770", 1000)) {
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    std::printf("Preview said: %s\n", text);
    SendMessageA(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 40 && IsWindow(box); ++i) Sleep(50);
  }
  int exitCode = ExitProgram(program, generator);
  bool written = GetFileAttributesA(script) != INVALID_FILE_ATTRIBUTES;
  std::printf("Preview %s, program ended with %d\n", written ? "written" : "NOT written", exitCode);
  return written && exitCode == 0 ? 0 : 1;
}

// The "Generated code" window that Generate opens, then closed again.
bool ShootGeneratedCode(const ProgramProcess& program, HWND generator, const std::string& folder) {
  Click(generator, "TFlatButton", "Generate");
  HWND code = program.WaitForWindow("TForm4");
  if (!code) return false;
  bool saved = SaveWindowPicture(code, folder + "generated-code.bmp");
  PostMessageA(code, WM_CLOSE, 0, 0);
  Sleep(300);
  return saved;
}

// Sets the text of the generator's edit that shows `current`.
bool SetEditText(HWND generator, const char* current, const std::string& text) {
  struct Search {
    const char* text;
    HWND found;
  } search{current, nullptr};
  EnumChildWindows(
      generator,
      [](HWND w, LPARAM p) -> BOOL {
        auto* s = reinterpret_cast<Search*>(p);
        char name[64] = {}, caption[256] = {};
        GetClassNameA(w, name, sizeof name);
        // Text of another program's edit comes only by asking the edit itself.
        SendMessageA(w, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption));
        if (lstrcmpiA(name, "Edit") != 0 || std::string(caption) != s->text) return TRUE;
        s->found = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  HWND edit = search.found;
  if (!edit) return false;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  return true;
}

// The dialog's control with that id, or the edit inside it when it is a combo box.
HWND DialogEdit(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (!control) return nullptr;
  if (HWND inner = FindWindowExA(control, nullptr, "Edit", nullptr)) return inner;
  return control;
}

int Failed(const char* step) {
  std::fprintf(stderr, "save-page: %s\n", step);
  return 1;
}

// Until the answered Save As dialog has written the file and gone. The file is written beside its
// name and then moved there, so it is whole once it exists; the menu's keys wait for the dialog.
void WaitForSave(const char* path, HWND dialog) {
  for (int i = 0; i < 200 && GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
  for (int i = 0; i < 40 && IsWindow(dialog); ++i) Sleep(50);
}

// Chooses the activation method (4, "From link", unless given), the window name, the address and
// the function name in the real program, then File > Save, and answers the Save As dialog with
// the page type and the path, as a user would. Picking the type must turn the suggested name's
// ".js" into ".htm".
int SavePage(const char* path, const char* windowName, const char* address, int method, const char* functionName) {
  DeleteFileA(path);
  ProgramProcess program("");
  HWND generator = program.WaitForWindow("TForm1");
  if (!generator) return Failed("the generator window did not appear");
  if (!SetEditText(generator, "Skylatch", windowName) || !SetEditText(generator, "https://www.skylatch.example", address))
    return Failed("the name and address fields were not found");
  if (functionName && !SetEditText(generator, "PopUp", functionName)) return Failed("the function name field was not found");
  std::vector<HWND> combos;
  EnumChildWindows(
      generator,
      [](HWND w, LPARAM p) -> BOOL {
        char name[64] = {};
        GetClassNameA(w, name, sizeof name);
        if (lstrcmpiA(name, "ComboBox") == 0) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&combos));
  if (combos.size() != 1) return Failed("the activation method box was not found");
  SendMessageA(combos[0], CB_SETCURSEL, method, 0);
  HWND dialog = OpenSaveDialog(program, generator);
  if (!dialog) return Failed("the Save As dialog did not appear");
  Sleep(150);
  HWND type = GetDlgItem(dialog, cmb1);
  HWND name = DialogEdit(dialog, edt1);
  if (!name) name = DialogEdit(dialog, cmb13);
  if (!type || !name) return Failed("the dialog's type list or file name field was not found");
  // The page type is picked again every 300 ms until the suggestion follows it: a dialog still
  // setting itself up on a loaded machine may put the first type back.
  char suggested[MAX_PATH] = {};
  for (int i = 0; i < 100; ++i) {
    if (i % 3 == 0) {
      SendMessageA(type, CB_SETCURSEL, 1, 0);
      // A choice in the list sends both notices; the dialog acts on the second.
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(type));
      SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), reinterpret_cast<LPARAM>(type));
    }
    SendMessageA(name, WM_GETTEXT, sizeof suggested, reinterpret_cast<LPARAM>(suggested));
    if (std::string(suggested).ends_with(".htm")) break;
    Sleep(100);
  }
  std::printf("After picking the page type the dialog suggests %s\n", suggested);
  if (!std::string(suggested).ends_with(".htm")) return Failed("the suggested name did not follow the type");
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  WaitForSave(path, dialog);
  Sleep(100);
  int exitCode = ExitProgram(program, generator);
  bool written = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
  std::printf("Page %s, program ended with %d\n", written ? "saved" : "NOT saved", exitCode);
  return written && exitCode == 0 ? 0 : 1;
}

// Saves the script as <folder>\saved script.js through File > Save ("From link", the names and
// the address typed in), then takes the call from the Generated code window and writes it into
// <folder>\snippet.htm, as an author would paste it into a page beside the script.
int SaveScriptAndSnippet(const std::string& folder, const char* functionName, const char* windowName,
                         const char* address) {
  const std::string script = folder + "\\saved script.js", page = folder + "\\snippet.htm";
  DeleteFileA(script.c_str());
  ProgramProcess program("");
  HWND generator = program.WaitForWindow("TForm1");
  if (!generator) return Failed("the generator window did not appear");
  if (!SetEditText(generator, "Skylatch", windowName) || !SetEditText(generator, "https://www.skylatch.example", address) ||
      !SetEditText(generator, "PopUp", functionName))
    return Failed("the name and address fields were not found");
  HWND combo = nullptr;
  EnumChildWindows(
      generator,
      [](HWND w, LPARAM p) -> BOOL {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (lstrcmpiA(cls, "ComboBox") == 0) *reinterpret_cast<HWND*>(p) = w;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&combo));
  if (!combo) return Failed("the activation method box was not found");
  SendMessageA(combo, CB_SETCURSEL, 4, 0);  // From link
  HWND dialog = OpenSaveDialog(program, generator);
  if (!dialog) return Failed("the Save As dialog did not appear");
  Sleep(150);
  HWND name = DialogEdit(dialog, edt1);
  if (!name) name = DialogEdit(dialog, cmb13);
  if (!name) return Failed("the dialog's file name field was not found");
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(script.c_str()));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  WaitForSave(script.c_str(), dialog);
  ProgramProcess::ClickChild(ProgramProcess::FindChild(generator, "TFlatButton", "Generate"));
  HWND code = program.WaitForWindow("TForm4");
  if (!code) return Failed("the Generated code window did not appear");
  std::vector<HWND> edits;
  EnumChildWindows(
      code,
      [](HWND w, LPARAM p) -> BOOL {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        if (lstrcmpiA(cls, "Edit") == 0) reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&edits));
  if (edits.size() != 3) return Failed("the Generated code window does not have its three texts");
  // Text of another program's edit comes only by asking the edit itself; the window exists a
  // moment before its texts are filled in.
  const auto length = [&] { return static_cast<std::size_t>(SendMessageW(edits[1], WM_GETTEXTLENGTH, 0, 0)); };
  for (int i = 0; i < 50 && length() == 0; ++i) Sleep(100);
  std::wstring call(length() + 1, L'\0');
  call.resize(static_cast<std::size_t>(
      SendMessageW(edits[1], WM_GETTEXT, call.size(), reinterpret_cast<LPARAM>(call.data()))));
  std::string utf8(static_cast<std::size_t>(call.size()) * 4, '\0');
  utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, call.c_str(), static_cast<int>(call.size()),
                                                           utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
  const std::string html = "<!DOCTYPE html>\r\n<meta charset=\"utf-8\">\r\n<title>snippet</title>\r\n<p>The author's page.</p>\r\n" + utf8;
  FILE* out = std::fopen(page.c_str(), "wb");
  if (!out) return Failed("the snippet page could not be written");
  std::fwrite(html.data(), 1, html.size(), out);
  std::fclose(out);
  PostMessageA(code, WM_CLOSE, 0, 0);
  Sleep(300);
  const int exitCode = ExitProgram(program, generator);
  const bool written = GetFileAttributesA(script.c_str()) != INVALID_FILE_ATTRIBUTES;
  std::printf("Script %s, snippet written, program ended with %d\n", written ? "saved" : "NOT saved", exitCode);
  return written && exitCode == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: skylatch_shots <output folder> | --preview [<function name> <address>]\n"
                 "       | --save-page <path> <window name> <address> [<method 0-4> [<function name>]]\n"
                 "       | --save-snippet <folder> <function name> <window name> <address>\n");
    return 2;
  }
  if (std::string(argv[1]) == "--preview" && argc == 4) return PressPreview(argv[2], argv[3]);
  if (std::string(argv[1]) == "--preview") return PressPreview();
  if (std::string(argv[1]) == "--save-page" && argc >= 5 && argc <= 7)
    return SavePage(argv[2], argv[3], argv[4], argc >= 6 ? std::atoi(argv[5]) : 4, argc == 7 ? argv[6] : nullptr);
  if (std::string(argv[1]) == "--save-snippet" && argc == 6) return SaveScriptAndSnippet(argv[2], argv[3], argv[4], argv[5]);
  std::string folder = argv[1];
  if (folder.back() != '\\') folder += '\\';
  int failures = 0;
  ProgramProcess program("");
  HWND generator = program.WaitForWindow("TForm1");
  if (!generator) {
    std::fprintf(stderr, "the generator window did not appear\n");
    return 1;
  }
  failures += !SaveWindowPicture(generator, folder + "generator.bmp");

  failures += !ShootGeneratedCode(program, generator, folder);

  ProgramProcess::ChooseMenu(generator, 1, 4);  // Help > About Skylatch!
  if (HWND about = program.WaitForWindow("TForm3")) {
    failures += !SaveWindowPicture(about, folder + "about.bmp");
    PostMessageA(about, WM_CLOSE, 0, 0);
    Sleep(300);
  } else {
    ++failures;
  }

  Click(generator, "TFlatButton", "Full version");
  HWND chooser = program.WaitForWindow("TMain");
  if (chooser) {
    failures += !SaveWindowPicture(chooser, folder + "chooser.bmp");
    const char* pages[][2] = {{"TCCOrders", "page-credit-card"}, {"Tfaxorders", "page-fax"},
                              {"Tmailorders", "page-mail"},      {"TPhoneorders", "page-phone"},
                              {"TPOOrders", "page-purchase-order"}};
    HWND metodo = nullptr;
    std::vector<HWND> combos;
    EnumChildWindows(
        chooser,
        [](HWND w, LPARAM p) -> BOOL {
          char name[64] = {};
          GetClassNameA(w, name, sizeof name);
          if (std::string(name) == "ComboBox" || std::string(name) == "COMBOBOX") reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&combos));
    if (combos.size() >= 2) metodo = combos[1];
    for (int i = 0; i < 5 && metodo; ++i) {
      SendMessageA(metodo, CB_SETCURSEL, i, 0);
      SendMessageA(chooser, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(metodo), CBN_SELCHANGE), reinterpret_cast<LPARAM>(metodo));
      Click(chooser, "TFlatButton", "Next");
      HWND page = program.WaitForWindow(pages[i][0]);
      if (!page) {
        ++failures;
        continue;
      }
      failures += !SaveWindowPicture(page, folder + pages[i][1] + ".bmp");
      Click(page, "TFlatButton", "Previous");
    }
    Click(chooser, "TFlatButton", "Cancel");
  } else {
    ++failures;
  }

  StateSheet sheet{folder};
  SaveChooserButtonStates(program, generator, sheet);
  SaveGeneratorStates(generator, sheet);
  failures += sheet.failures;

  ProgramProcess::ChooseMenu(generator, 2, -1);
  program.WaitForExit(5000);
  return failures == 0 ? 0 : 1;
}
