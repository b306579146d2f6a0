// Benchmarks that need Windows (run under Wine by scripts/bench.sh). Each figure is measured side
// by side with its baseline in the same run, interleaved, and printed as a ratio; nothing is
// asserted. Rows go to standard output as "ROW|what|ours|baseline|ratio|goal".
//
//   win_bench <skylatch.exe> <stripped copy of skylatch.exe> <minimal_window.exe> [--start-up-only | --address-only]
//   (host paths; scripts/bench.sh --start-up-only passes the switch: 21 rounds of start-up, nothing else;
//   --address-only: Generate and Save by the length of the address, nothing else)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "generator/GeneratorWindows.h"
#include "orders/WizardWindows.h"
#include "core/PopupScript.h"
#include "core/PreviewPage.h"
#include "core/TextSink.h"
#include "filesource/TFileSource.h"
#include "framework/Application.h"
#include "system/Platform.h"
#include "generator/Unit1.h"
#include "generator/Unit3.h"
#include "generator/Unit4.h"
#include "flatctrls/TFlatEdit.h"
#include "orders/pur1.h"
#include "tests/support/FileBytes.h"

namespace {

using Clock = std::chrono::steady_clock;

void Row(const std::string& what, const std::string& ours, const std::string& baseline, double ratio,
         const std::string& goal) {
  std::printf("ROW|%s|%s|%s|%.2fx|%s\n", what.c_str(), ours.c_str(), baseline.c_str(), ratio, goal.c_str());
  std::fflush(stdout);
}

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

// ---- what Wine does not report through the Win32 calls ----------------------------------------

// A file of the host as Wine shows it (Z: is the host's root).
std::string HostFile(const std::string& path) { return testsupport::FileBytes("Z:" + path); }

// A "Name:   123 kB" field of a host process's status file, in megabytes.
double StatusMb(const std::string& status, const std::string& field) {
  const std::size_t at = status.find(field + ":");
  return at == std::string::npos ? 0 : std::atof(status.c_str() + at + field.size() + 1) / 1024;
}

// The host status file of the process that runs the program at the Windows path exe (Wine
// shows a program's Windows path as its host command line).
std::string HostStatusOf(const std::string& exe) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
  std::string status;
  if (search == INVALID_HANDLE_VALUE) return status;
  do {
    const std::string pid = found.cFileName;
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    std::string commandLine = HostFile("/proc/" + pid + "/cmdline");
    std::replace(commandLine.begin(), commandLine.end(), '\0', ' ');
    if (commandLine.rfind(exe + " ", 0) == 0) {
      status = HostFile("/proc/" + pid + "/status");
      break;
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return status;
}

// Open handles of this process, counted by asking for each possible value (Wine does not count).
DWORD HandleCount() {
  DWORD count = 0;
  if (GetProcessHandleCount(GetCurrentProcess(), &count) && count > 0) return count;
  for (ULONG_PTR value = 4; value < 0x10000; value += 4) {
    DWORD flags = 0;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

// ---- start-up and idle memory of a program started as a user starts it ----------------------

struct Launch {
  double milliseconds = 0;
  double workingSetMb = 0;
  double privateMb = 0;
};

HWND VisibleWindowOf(DWORD processId, const char* windowClass) {
  struct Search {
    DWORD processId;
    const char* windowClass;
    HWND found;
  } search{processId, windowClass, nullptr};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (pid == s->processId && IsWindowVisible(window) && std::string(name) == s->windowClass) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Time from CreateProcess to a shown main window with the program idle; then its memory once it
// has settled; then it is closed through its main window. exe is a host path.
Launch LaunchOnce(const std::string& exe, const char* windowClass, const char* arguments = "") {
  Launch result;
  std::string windowsPath = "Z:" + exe;
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
  std::string commandLine = "\"" + windowsPath + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  const auto start = Clock::now();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    std::fprintf(stderr, "cannot start %s\n", exe.c_str());
    return result;
  }
  WaitForInputIdle(info.hProcess, 20000);
  HWND main = nullptr;
  while (!(main = VisibleWindowOf(info.dwProcessId, windowClass))) {
    if (std::chrono::duration<double>(Clock::now() - start).count() > 20) break;
    Sleep(1);
  }
  WaitForInputIdle(info.hProcess, 20000);
  result.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  Sleep(700);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
    result.workingSetMb = static_cast<double>(memory.WorkingSetSize) / (1024 * 1024);
    result.privateMb = static_cast<double>(memory.PrivateUsage) / (1024 * 1024);
  }
  if (result.privateMb == 0)  // Wine: the host's count of the process's anonymous pages
    result.privateMb = StatusMb(HostStatusOf(windowsPath), "RssAnon");
  if (main) PostMessageA(main, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(info.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  return result;
}

// The median of the values and their spread (lowest to highest), as "median [low-high]".
std::string MedianAndSpread(const std::vector<double>& values, const char* format) {
  if (values.empty()) return "-";
  const auto [low, high] = std::minmax_element(values.begin(), values.end());
  return Format(format, Median(values)) + " [" + Format(format, *low) + "-" + Format(format, *high) + "]";
}

// Every program started once before any is timed (the first start of each pays for loading its
// libraries into Wine's caches), then the rounds interleaved, so that a busy machine slows every
// program alike. Each ratio is the median of the per-round ratios, with their spread.
void StartUp(const std::string& program, const std::string& stripped, const std::string& minimal, int rounds) {
  const char kSameShape[] = "--main-window-size";
  std::vector<Launch> ours, slim, nine, same;
  LaunchOnce(program, "TForm1");
  LaunchOnce(stripped, "TForm1");
  LaunchOnce(minimal, "MinimalWindow");
  LaunchOnce(minimal, "MinimalWindow", kSameShape);
  for (int i = 0; i < rounds; ++i) {
    ours.push_back(LaunchOnce(program, "TForm1"));
    slim.push_back(LaunchOnce(stripped, "TForm1"));
    same.push_back(LaunchOnce(minimal, "MinimalWindow", kSameShape));
    nine.push_back(LaunchOnce(minimal, "MinimalWindow"));
  }
  auto values = [](const std::vector<Launch>& runs, double Launch::*field) {
    std::vector<double> list;
    for (const Launch& run : runs) list.push_back(run.*field);
    return list;
  };
  auto ratios = [&](const std::vector<Launch>& a, const std::vector<Launch>& b, double Launch::*field) {
    std::vector<double> list;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
      if (b[i].*field > 0) list.push_back(a[i].*field / (b[i].*field));
    return list;
  };
  auto row = [&](const std::string& what, const std::vector<Launch>& a, const std::vector<Launch>& b,
                 double Launch::*field, const char* format, const std::string& goal) {
    std::printf("ROW|%s|%s|%s|%s|%s\n", what.c_str(), MedianAndSpread(values(a, field), format).c_str(),
                MedianAndSpread(values(b, field), format).c_str(), MedianAndSpread(ratios(a, b, field), "%.2fx").c_str(),
                goal.c_str());
    std::fflush(stdout);
  };
  const std::string n = " (" + std::to_string(rounds) + " rounds)";
  row("Start-up, as built, against the same-shape plain window" + n, ours, same, &Launch::milliseconds, "%.0f ms",
      "<= 1.15x");
  row("Start-up, stripped, against the same-shape plain window" + n, slim, same, &Launch::milliseconds, "%.0f ms",
      "<= 1.15x");
  row("Same-shape plain window against the nine-child window" + n, same, nine, &Launch::milliseconds, "%.0f ms", "-");
  row("Idle memory in use, RSS, stripped, against the same-shape window", slim, same, &Launch::workingSetMb, "%.1f MB",
      "<= 1.15x");
  row("Idle private memory, stripped, against the same-shape window", slim, same, &Launch::privateMb, "%.1f MB",
      "<= 1.5x");
  row("Idle private memory, as built, against the same-shape window", ours, same, &Launch::privateMb, "%.1f MB", "-");
}

// ---- in-process: Preview against the plain four-file work, and what 1,000 rounds leave -----

class QuietPlatform : public ui::Platform {
 public:
  std::wstring savePath;  // the answer of the Save As dialog
  bool SaveAsDialog(OPENFILENAMEW& request) override {
    wcsncpy(request.lpstrFile, savePath.c_str(), request.nMaxFile - 1);
    return true;
  }
  HINSTANCE ShellOpen(HWND, const std::string&, const std::string&, const std::string&, const std::string&,
                      int) override {
    return reinterpret_cast<HINSTANCE>(42);  // no browser for a benchmark
  }
};

class StringSink : public core::TextSink {
 public:
  void Write(std::string_view text) override { bytes.append(text); }
  void WriteLine(std::string_view text) override { bytes.append(text).append("\r\n"); }
  void WriteChar(char c) override { bytes.push_back(c); }
  std::string bytes;
};

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// The same four files written with nothing but Win32 calls: both text files created, written in
// one piece each and closed, the two companions copied unless present.
void RawFourFiles(const std::string& script, const std::string& page, const std::string& scriptSource,
                  const std::string& pageSource) {
  HANDLE pageFile = CreateFileA(TForm1::kPageFile, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE scriptFile = CreateFileA(TForm1::kScriptFile, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(scriptFile, script.data(), static_cast<DWORD>(script.size()), &written, nullptr);
  CloseHandle(scriptFile);
  WriteFile(pageFile, page.data(), static_cast<DWORD>(page.size()), &written, nullptr);
  CloseHandle(pageFile);
  CopyFileA(scriptSource.c_str(), TForm1::kCompanionScript, TRUE);
  CopyFileA(pageSource.c_str(), TForm1::kPreviewPage, TRUE);
}

double Seconds(const std::function<void()>& work, int times) {
  const auto start = Clock::now();
  for (int i = 0; i < times; ++i) work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void PreviewAgainstRawWork(int rounds) {
  StringSink script, page;
  core::PopupScript::WriteTo(script, Form1->PopupSettings());
  core::PreviewPage::WriteTo(page, "PopUp", "https://www.skylatch.example");
  const std::string scriptSource = Form1->enscript->FileName(), pageSource = Form1->enpreview->FileName();
  double ours = 0, raw = 0;
  for (int block = 0; block < rounds / 50; ++block) {
    ours += Seconds([] { Form1->Preview(); }, 50);
    raw += Seconds([&] { RawFourFiles(script.bytes, page.bytes, scriptSource, pageSource); }, 50);
  }
  Row("Preview (click to shell request), per call", Format("%.0f us", ours * 1e6 / rounds),
      Format("%.0f us", raw * 1e6 / rounds), ours / raw, "keep <= 2x");
}

struct Footprint {
  DWORD handles = 0, gdi = 0, user = 0;
  double privateKb = 0;
};

Footprint Now() {
  Footprint f;
  f.handles = HandleCount();
  f.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  f.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  f.privateKb = static_cast<double>(memory.PrivateUsage) / 1024;
  if (f.privateKb == 0) f.privateKb = StatusMb(HostFile("/proc/self/status"), "RssAnon") * 1024;
  return f;
}

void NothingGrows(const char* what, const std::function<void()>& once, int times) {
  for (int i = 0; i < 20; ++i) once();  // caches and first-use allocations settle first
  const Footprint before = Now();
  for (int i = 0; i < times; ++i) once();
  const Footprint after = Now();
  const std::string name = std::string("After 1,000 ") + what;
  Row(name + ": handles", Format("%.0f", after.handles), Format("%.0f", before.handles),
      static_cast<double>(after.handles) / std::max<DWORD>(1, before.handles), "no growth");
  if (before.gdi + before.user > 0)  // Wine does not count them
    Row(name + ": GDI + USER objects", Format("%.0f", after.gdi + after.user),
        Format("%.0f", before.gdi + before.user),
        static_cast<double>(after.gdi + after.user) / (before.gdi + before.user), "no growth");
  Row(name + ": private memory", Format("%.0f KB", after.privateKb), Format("%.0f KB", before.privateKb),
      after.privateKb / before.privateKb, "no growth");
}

// Generate (the code window filled and shown) and Save (the page written) at addresses of 1, 10
// and 32 k characters: the time each takes beyond what it takes for the default address, per
// character of address, from the quickest of five interleaved rounds. Flat when both grow with the
// address alone.
void GenerateAndSaveByAddressLength(QuietPlatform& quiet) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  quiet.savePath = std::wstring(temp) + L"skylatch-bench.htm";
  const auto generate = [] {
    Form1->FlatButton1Click(nullptr);
    Pump();
    Form4->Close();
    Pump();
  };
  const auto save = [] { Form1->Guardar1Click(nullptr); };
  const std::size_t lengths[] = {0, 1000, 10000, 32000};  // 0: the default address
  constexpr int kRounds = 5, kTimes = 4;
  double g[4] = {1e9, 1e9, 1e9, 1e9}, s[4] = {1e9, 1e9, 1e9, 1e9};  // the quickest round of each
  for (int round = 0; round < kRounds; ++round) {  // interleaved, so every length sees the same machine
    for (std::size_t i = 0; i < std::size(lengths); ++i) {
      std::string address = "https://www.skylatch.example";
      if (lengths[i] > 0) address.resize(lengths[i], 'a');
      Form1->Url->SetText(address);
      g[i] = std::min(g[i], Seconds(generate, kTimes) / kTimes);
      s[i] = std::min(s[i], Seconds(save, 5 * kTimes) / (5 * kTimes));
    }
  }
  DeleteFileW(quiet.savePath.c_str());
  Form1->Url->SetText("https://www.skylatch.example");
  const auto perCharacter = [&](const double* t, std::size_t i) { return (t[i] - t[0]) / static_cast<double>(lengths[i]); };
  for (std::size_t i = 1; i < std::size(lengths); ++i) {
    const std::string k = std::to_string(lengths[i] / 1000) + " k";
    Row("Generate, per character of a " + k + " address (beyond " + Format("%.1f ms", g[0] * 1e3) + "), against 1 k",
        Format("%.3f us", perCharacter(g, i) * 1e6), Format("%.3f us", perCharacter(g, 1) * 1e6),
        perCharacter(g, i) / perCharacter(g, 1), "flat (~1x)");
    Row("Save (.htm), per character of a " + k + " address (beyond " + Format("%.1f ms", s[0] * 1e3) + "), against 1 k",
        Format("%.3f us", perCharacter(s, i) * 1e6), Format("%.3f us", perCharacter(s, 1) * 1e6),
        perCharacter(s, i) / perCharacter(s, 1), "flat (~1x)");
  }
}

void InProcess(bool addressOnly) {
  app::RegisterClasses();
  ui::TApplication application;
  application.SetTitle("Skylatch!");
  QuietPlatform quiet;
  ui::ScopedPlatform scoped(quiet);
  app::CreateForms(application);
  Form1->Show();
  Pump();
  GenerateAndSaveByAddressLength(quiet);
  if (addressOnly) {
    application.DestroyForms();
    return;
  }
  PreviewAgainstRawWork(500);
  NothingGrows("Previews", [] { Form1->Preview(); }, 1000);
  NothingGrows("openings of About", [] {
    Form3->ShowPseudoModal();
    Pump();
    Form3->Close();
    Pump();
  }, 1000);
  NothingGrows("openings of the wizard", [] {
    Main->ShowPseudoModal();
    Pump();
    Main->Close();
    Pump();
  }, 1000);
  application.DestroyForms();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string option = argc == 5 ? argv[4] : "";
  const bool startUpOnly = option == "--start-up-only", addressOnly = option == "--address-only";
  if (argc != 4 && !startUpOnly && !addressOnly) {
    std::fprintf(stderr, "usage: win_bench <skylatch.exe> <stripped skylatch.exe> <minimal_window.exe> "
                         "[--start-up-only | --address-only]\n");
    return 2;
  }
  if (!addressOnly) StartUp(argv[1], argv[2], argv[3], startUpOnly ? 21 : 15);
  if (!startUpOnly) InProcess(addressOnly);
  return 0;
}
