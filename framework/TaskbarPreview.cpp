#include "framework/TaskbarPreview.h"

#include <dwmapi.h>

#include <algorithm>

#include "framework/Bitmap.h"

namespace ui {

namespace {

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

TaskbarPreview::Picture NewPicture(int width, int height) {
  TaskbarPreview::Picture picture;
  picture.bitmap.Reset(TBitmap::CreateTopDownDib(nullptr, width, height, picture.bits));
  if (!picture.bitmap) return {};
  picture.width = width;
  picture.height = height;
  return picture;
}

}  // namespace

RECT TaskbarPreview::Covered(const std::vector<HWND>& windows) {
  RECT covered{};
  for (HWND window : windows) {
    RECT r{};
    GetWindowRect(window, &r);
    UnionRect(&covered, &covered, &r);
  }
  return covered;
}

void TaskbarPreview::Enable(HWND entry) {
  const WindowManager* manager = Manager();
  if (!manager) return;
  const BOOL on = TRUE;
  manager->setWindowAttribute(entry, DWMWA_FORCE_ICONIC_REPRESENTATION, &on, sizeof on);
  manager->setWindowAttribute(entry, DWMWA_HAS_ICONIC_BITMAP, &on, sizeof on);
}

void TaskbarPreview::Invalidate(HWND entry) {
  if (const WindowManager* manager = Manager()) manager->invalidateIconicBitmaps(entry);
}

void TaskbarPreview::SendThumbnail(HWND entry, const std::vector<HWND>& windows, int maxWidth, int maxHeight) {
  const WindowManager* manager = Manager();
  if (!manager) return;
  Picture picture = Draw(windows, maxWidth, maxHeight);
  if (picture.bitmap) manager->setIconicThumbnail(entry, picture.bitmap.Get(), 0);
}

void TaskbarPreview::SendPeek(HWND entry, const std::vector<HWND>& windows) {
  const WindowManager* manager = Manager();
  if (!manager) return;
  Picture picture = Draw(windows, 0, 0);
  if (!picture.bitmap) return;
  // The entry lies at the corner of the windows (the application keeps it there).
  RECT entryRect{};
  GetWindowRect(entry, &entryRect);
  const RECT covered = Covered(windows);
  POINT offset{std::max(0L, covered.left - entryRect.left), std::max(0L, covered.top - entryRect.top)};
  manager->setIconicLivePreviewBitmap(entry, picture.bitmap.Get(), &offset, 0);
}

TaskbarPreview::Picture TaskbarPreview::Draw(const std::vector<HWND>& windows, int maxWidth, int maxHeight) {
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
