#pragma once
#include <windows.h>

#include <utility>

namespace ui {

// Owns one GDI object (pen, brush, font, bitmap, region) and deletes it.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle h) : handle_(h) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  void Reset(Handle h = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = h;
  }
  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  Handle handle_ = nullptr;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using FontHandle = GdiObject<HFONT>;
using BitmapHandle = GdiObject<HBITMAP>;
using Region = GdiObject<HRGN>;

// Selects an object into a device context for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// GetDC / GetWindowDC of a window (or of the screen for nullptr), released at scope end.
class WindowDC {
 public:
  enum class Area { Client, Window };
  explicit WindowDC(HWND window, Area area = Area::Client)
      : window_(window), dc_(area == Area::Client ? GetDC(window) : GetWindowDC(window)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context compatible with another one.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintSession {
 public:
  explicit PaintSession(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  ~PaintSession() { EndPaint(window_, &ps_); }
  PaintSession(const PaintSession&) = delete;
  PaintSession& operator=(const PaintSession&) = delete;
  HDC Get() const { return dc_; }
  const RECT& UpdateRect() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// SaveDC / RestoreDC.
class SavedDCState {
 public:
  explicit SavedDCState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDCState() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  SavedDCState(const SavedDCState&) = delete;
  SavedDCState& operator=(const SavedDCState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace ui
