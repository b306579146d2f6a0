#include "framework/TaskbarEntry.h"

#include <dwmapi.h>
#include <algorithm>
#include <utility>

#include "framework/Application.h"
#include "framework/Bitmap.h"
#include "framework/Form.h"
#include "system/WideText.h"

namespace ui {

namespace {

const wchar_t kEntryWindowClass[] = L"TApplication";
// Posted when the entry has been activated: once the system has finished activating it, the
// activation goes on to the window the user works in.
const UINT kActivateFront = WM_APP + 1;
// The taskbar's pictures are asked for a moment after the main window first shows: loading the
// window manager's library then costs start-up nothing.
const UINT_PTR kEnablePicturesTimer = 0x7A5B0001;
const UINT kEnablePicturesDelayMs = 1000;

// dwmapi is loaded at the first use rather than imported: the program starts without it, and
// it stays loaded until the program ends, as an imported library would.
struct WindowManager {
  decltype(&DwmSetWindowAttribute) setWindowAttribute = nullptr;
  decltype(&DwmSetIconicThumbnail) setIconicThumbnail = nullptr;
  decltype(&DwmSetIconicLivePreviewBitmap) setIconicLivePreviewBitmap = nullptr;
  decltype(&DwmInvalidateIconicBitmaps) invalidateIconicBitmaps = nullptr;
};

template <typename Function>
void Resolve(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const WindowManager* Manager() {
  static const WindowManager manager = [] {
    WindowManager m;
    if (HMODULE module = LoadLibraryExA("dwmapi.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
      Resolve(module, "DwmSetWindowAttribute", m.setWindowAttribute);
      Resolve(module, "DwmSetIconicThumbnail", m.setIconicThumbnail);
      Resolve(module, "DwmSetIconicLivePreviewBitmap", m.setIconicLivePreviewBitmap);
      Resolve(module, "DwmInvalidateIconicBitmaps", m.invalidateIconicBitmaps);
    }
    return m;
  }();
  const bool complete = manager.setWindowAttribute && manager.setIconicThumbnail &&
                        manager.setIconicLivePreviewBitmap && manager.invalidateIconicBitmaps;
  return complete ? &manager : nullptr;
}

TaskbarEntry::Picture NewPicture(int width, int height) {
  TaskbarEntry::Picture picture;
  picture.bitmap.Reset(TBitmap::CreateTopDownDib(nullptr, width, height, picture.bits));
  if (!picture.bitmap) return {};
  picture.width = width;
  picture.height = height;
  return picture;
}

}  // namespace

RECT TaskbarEntry::Covered(const std::vector<HWND>& windows) {
  RECT covered{};
  for (HWND window : windows) {
    RECT r{};
    GetWindowRect(window, &r);
    UnionRect(&covered, &covered, &r);
  }
  return covered;
}

LRESULT CALLBACK TaskbarEntryWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* entry = reinterpret_cast<TaskbarEntry*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  try {
    LRESULT result = 0;
    if (entry && entry->Message(msg, wParam, lParam, result)) return result;
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

TaskbarEntry::TaskbarEntry(TApplication& application) : application_(application) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  if (!GetClassInfoW(instance, kEntryWindowClass, &wc)) {
    wc.lpfnWndProc = &TaskbarEntryWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = kEntryWindowClass;
    RegisterClassW(&wc);
  }
  // A captioned window of no size: it has the system menu and the minimise command the taskbar
  // offers for it, and nothing of it shows on the screen.
  handle_ = CreateWindowExW(0, kEntryWindowClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                            0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  if (!handle_) return;
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  // The program's icons for the taskbar button and the task switcher, which ask the window.
  auto icon = [instance](int metric) {
    return reinterpret_cast<LPARAM>(LoadImageA(instance, "MAINICON", IMAGE_ICON, GetSystemMetrics(metric),
                                               GetSystemMetrics(metric), LR_SHARED));
  };
  SendMessageW(handle_, WM_SETICON, ICON_BIG, icon(SM_CXICON));
  SendMessageW(handle_, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON));
}

TaskbarEntry::~TaskbarEntry() {
  if (handle_) DestroyWindow(handle_);
}

void TaskbarEntry::SetTitle(const std::string& title) {
  if (handle_) SetWindowTextW(handle_, WideText::FromUtf8(title).c_str());
}

void TaskbarEntry::Show() {
  if (!handle_ || IsWindowVisible(handle_)) return;
  Place();
  ShowWindow(handle_, SW_SHOWNA);
  SetTimer(handle_, kEnablePicturesTimer, kEnablePicturesDelayMs, nullptr);
}

void TaskbarEntry::Place() {
  if (!handle_ || Minimized()) return;
  const RECT covered = Covered(ShownFormWindows());
  RECT entry{};
  GetWindowRect(handle_, &entry);
  if (!IsRectEmpty(&covered) && (covered.left != entry.left || covered.top != entry.top))
    SetWindowPos(handle_, nullptr, covered.left, covered.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TaskbarEntry::Minimize() {
  if (!handle_ || Minimized()) return;
  // The entry takes the activation before the windows go: hiding the active window would
  // otherwise activate the one behind it, and run its activation handler, on the way down.
  if (IsWindowVisible(handle_)) SetActiveWindow(handle_);
  HideForms();
  ShowWindow(handle_, SW_MINIMIZE);
  InvalidatePictures();
}

void TaskbarEntry::Restore() {
  if (Minimized()) ShowWindow(handle_, SW_RESTORE);
  ShowForms();
}

void TaskbarEntry::FormDestroyed(TForm* form) {
  hiddenByMinimize_.erase(std::remove(hiddenByMinimize_.begin(), hiddenByMinimize_.end(), form), hiddenByMinimize_.end());
}

// The windows are hidden and shown by the system only: for the program they stay visible, so
// a window closed while minimised (from the taskbar) is not brought back.
void TaskbarEntry::HideForms() {
  if (!hiddenByMinimize_.empty()) return;
  for (TForm* form : application_.Forms())
    if (form->HandleAllocated() && IsWindowVisible(form->Handle())) hiddenByMinimize_.push_back(form);
  for (TForm* form : hiddenByMinimize_) ShowWindow(form->Handle(), SW_HIDE);
}

void TaskbarEntry::ShowForms() {
  if (hiddenByMinimize_.empty()) return;
  for (TForm* form : std::exchange(hiddenByMinimize_, {}))
    if (form->Visible() && form->HandleAllocated()) ShowWindow(form->Handle(), SW_SHOWNA);
  application_.ActivateFrontForm();
}

std::vector<HWND> TaskbarEntry::ShownFormWindows() const {
  std::vector<HWND> windows;
  for (TForm* form : application_.Forms())
    if (form->Visible() && form->HandleAllocated()) windows.push_back(form->Handle());
  return windows;
}

bool TaskbarEntry::Message(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (msg) {
    case WM_TIMER:
      if (wParam != kEnablePicturesTimer) return false;
      KillTimer(handle_, kEnablePicturesTimer);
      EnablePictures();
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) PostMessageW(handle_, kActivateFront, 0, 0);
      return false;
    case kActivateFront:
      if (GetActiveWindow() == handle_) application_.ActivateFrontForm();
      return true;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MINIMIZE: Minimize(); return true;
        case SC_RESTORE: Restore(); return true;
        case SC_CLOSE: break;
        default: return false;
      }
      [[fallthrough]];
    case WM_CLOSE:
      // "Close window" on the taskbar closes the window in front, as its close box would.
      if (TForm* front = application_.FrontForm(); front && front->HandleAllocated())
        PostMessageW(front->Handle(), WM_CLOSE, 0, 0);
      return true;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) HideForms();
      else ShowForms();
      return false;
    case WM_ACTIVATEAPP:
      if (!wParam) InvalidatePictures();
      return false;
    case WM_DWMSENDICONICTHUMBNAIL:
      SendThumbnail(HIWORD(lParam), LOWORD(lParam));
      return true;
    case WM_DWMSENDICONICLIVEPREVIEWBITMAP:
      SendPeek();
      return true;
    default: return false;
  }
}

void TaskbarEntry::EnablePictures() {
  const WindowManager* manager = Manager();
  if (!manager) return;
  const BOOL on = TRUE;
  manager->setWindowAttribute(handle_, DWMWA_FORCE_ICONIC_REPRESENTATION, &on, sizeof on);
  manager->setWindowAttribute(handle_, DWMWA_HAS_ICONIC_BITMAP, &on, sizeof on);
}

void TaskbarEntry::InvalidatePictures() {
  if (const WindowManager* manager = Manager()) manager->invalidateIconicBitmaps(handle_);
}

void TaskbarEntry::SendThumbnail(int maxWidth, int maxHeight) {
  const WindowManager* manager = Manager();
  if (!manager) return;
  Picture picture = Draw(ShownFormWindows(), maxWidth, maxHeight);
  if (picture.bitmap) manager->setIconicThumbnail(handle_, picture.bitmap.Get(), 0);
}

void TaskbarEntry::SendPeek() {
  const WindowManager* manager = Manager();
  if (!manager) return;
  const std::vector<HWND> windows = ShownFormWindows();
  Picture picture = Draw(windows, 0, 0);
  if (!picture.bitmap) return;
  // The entry lies at the corner of the windows (Place keeps it there).
  RECT entryRect{};
  GetWindowRect(handle_, &entryRect);
  const RECT covered = Covered(windows);
  POINT offset{std::max(0L, covered.left - entryRect.left), std::max(0L, covered.top - entryRect.top)};
  manager->setIconicLivePreviewBitmap(handle_, picture.bitmap.Get(), &offset, 0);
}

TaskbarEntry::Picture TaskbarEntry::Draw(const std::vector<HWND>& windows, int maxWidth, int maxHeight) {
  const RECT covered = Covered(windows);
  const int width = covered.right - covered.left, height = covered.bottom - covered.top;
  if (width <= 0 || height <= 0) return {};
  Picture full = NewPicture(width, height);
  if (!full.bitmap) return {};
  {
    MemoryDC dc;
    SelectedObject selected(dc.Get(), full.bitmap.Get());
    RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, GetSysColorBrush(COLOR_3DFACE));
    for (HWND window : windows) {
      RECT r{};
      GetWindowRect(window, &r);
      Picture one = NewPicture(r.right - r.left, r.bottom - r.top);
      if (!one.bitmap) continue;
      MemoryDC windowDc;
      SelectedObject selectedOne(windowDc.Get(), one.bitmap.Get());
      PrintWindow(window, windowDc.Get(), 0);
      BitBlt(dc.Get(), r.left - covered.left, r.top - covered.top, one.width, one.height, windowDc.Get(), 0, 0, SRCCOPY);
    }
  }
  Picture result = std::move(full);
  if (maxWidth > 0 && maxHeight > 0 && (width > maxWidth || height > maxHeight)) {
    const double scale = std::min(static_cast<double>(maxWidth) / width, static_cast<double>(maxHeight) / height);
    Picture small = NewPicture(std::max(1, static_cast<int>(width * scale + 0.5)),
                               std::max(1, static_cast<int>(height * scale + 0.5)));
    if (!small.bitmap) return {};
    {
      MemoryDC from, to;
      SelectedObject selectedFrom(from.Get(), result.bitmap.Get());
      SelectedObject selectedTo(to.Get(), small.bitmap.Get());
      SetStretchBltMode(to.Get(), HALFTONE);
      SetBrushOrgEx(to.Get(), 0, 0, nullptr);
      StretchBlt(to.Get(), 0, 0, small.width, small.height, from.Get(), 0, 0, width, height, SRCCOPY);
    }
    result = std::move(small);
  }
  GdiFlush();
  // GDI leaves the alpha byte at zero, which the window manager would show as transparent.
  std::for_each(result.bits, result.bits + static_cast<std::size_t>(result.width) * result.height,
                [](std::uint32_t& p) { p |= 0xFF000000u; });
  return result;
}

}  // namespace ui
