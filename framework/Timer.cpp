#include "framework/Timer.h"

#include <map>

#include "framework/Application.h"

namespace ui {

namespace {
std::map<UINT_PTR, TTimer*>& LiveTimers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}
UINT_PTR nextId = 1;
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
  HWND window = Application ? Application->Handle() : nullptr;
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
