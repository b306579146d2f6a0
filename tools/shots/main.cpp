// Drives the real skylatch.exe through its windows and saves a picture of each one, title bar
// included, as a .bmp file (scripts/screenshots.sh runs it inside a Wine virtual desktop).
// With --preview it presses Preview instead, for the browser test.
#include <windows.h>
#include <dlgs.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/ProgramProcess.h"

using testsupport::ProgramProcess;

namespace {

bool SaveWindowPicture(HWND window, const std::string& path) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Sleep(400);
  RECT r{};
  GetWindowRect(window, &r);
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

void Click(HWND parent, const char* windowClass, const char* text) {
  ProgramProcess::ClickChild(ProgramProcess::FindChild(parent, windowClass, text));
  Sleep(500);
}


}  // namespace

// Presses Preview in the real program and waits until the script file is written.
int PressPreview() {
  const char* script = "C:\\windows\\temp\\tmpskt.js";
  DeleteFileA(script);
  ProgramProcess program("");
  HWND generator = program.WaitForWindow("TForm1");
  if (!generator) return 1;
  Click(generator, "TFlatButton", "Preview");
  for (int i = 0; i < 100 && GetFileAttributesA(script) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
  ProgramProcess::ChooseMenu(generator, 2, -1);  // Exit
  int exitCode = program.WaitForExit(5000);
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

// Chooses "From link", the window name and the address in the real program, then File > Save,
// and answers the Save As dialog with the page type and the path, as a user would.
int SavePageFromLink(const char* path, const char* windowName, const char* address) {
  DeleteFileA(path);
  ProgramProcess program("");
  HWND generator = program.WaitForWindow("TForm1");
  if (!generator) return Failed("the generator window did not appear");
  if (!SetEditText(generator, "Skylatch", windowName) || !SetEditText(generator, "https://www.skylatch.example", address))
    return Failed("the name and address fields were not found");
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
  SendMessageA(combos[0], CB_SETCURSEL, 4, 0);  // From link
  ProgramProcess::ChooseMenu(generator, 0, 0);  // File > Save
  HWND dialog = program.WaitForWindow("#32770");
  if (!dialog) return Failed("the Save As dialog did not appear");
  Sleep(500);
  HWND type = GetDlgItem(dialog, cmb1);
  SendMessageA(type, CB_SETCURSEL, 1, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(type));
  HWND name = DialogEdit(dialog, edt1);
  if (!name) name = DialogEdit(dialog, cmb13);
  if (!name) return Failed("the dialog's file name field was not found");
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  for (int i = 0; i < 100 && GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
  Sleep(300);
  ProgramProcess::ChooseMenu(generator, 2, -1);  // Exit
  int exitCode = program.WaitForExit(5000);
  bool written = GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
  std::printf("Page %s, program ended with %d\n", written ? "saved" : "NOT saved", exitCode);
  return written && exitCode == 0 ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: skylatch_shots <output folder> | --preview | --save-page <path> <window name> <address>\n");
    return 2;
  }
  if (std::string(argv[1]) == "--preview") return PressPreview();
  if (std::string(argv[1]) == "--save-page" && argc == 5) return SavePageFromLink(argv[2], argv[3], argv[4]);
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
  ProgramProcess::ChooseMenu(generator, 2, -1);
  program.WaitForExit(5000);
  return failures == 0 ? 0 : 1;
}
