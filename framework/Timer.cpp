#include "framework/Timer.h"

#include <exception>
#include <map>

#include "framework/Application.h"

namespace ui {

namespace {
std::map<UINT_PTR, TTimer*>& LiveTimers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}
UINT_PTR nextId = 1;

LRESULT CALLBACK TimerWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER) return DefWindowProcA(window, msg, wParam, lParam);
  try {
    TTimer::Dispatch(static_cast<UINT_PTR>(wParam));
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(e);
  }
  return 0;
}

// The timers' own message-only window: their ticks reach no other window's procedure. Made with
// the program's object, so a timer outside a running program never ticks.
HWND TimerWindow() {
  static HWND window = nullptr;
  if (!Application) return nullptr;
  if (!window || !IsWindow(window)) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = &TimerWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = "TTimerWindow";
    RegisterClassA(&wc);
    window = CreateWindowExA(0, "TTimerWindow", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  }
  return window;
}
}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) { Update(); }

TTimer::~TTimer() {
  enabled_ = false;
  Update();
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(UINT interval) {
  if (interval_ == interval) return;
  interval_ = interval;
  Update();
}

void TTimer::Update() {
  HWND window = TimerWindow();
  if (id_) {
    if (window) KillTimer(window, id_);
    LiveTimers().erase(id_);
    id_ = 0;
  }
  if (enabled_ && interval_ > 0 && window) {
    UINT_PTR id = nextId++;
    if (SetTimer(window, id, interval_, nullptr)) {
      id_ = id;
      LiveTimers()[id_] = this;
    }
  }
}

void TTimer::Dispatch(UINT_PTR id) {
  auto it = LiveTimers().find(id);
  if (it != LiveTimers().end() && it->second->OnTimer) it->second->OnTimer(it->second);
}

}  // namespace ui
