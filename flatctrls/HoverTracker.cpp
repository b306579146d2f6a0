#include "flatctrls/HoverTracker.h"

#include "framework/Timer.h"
#include "framework/WinControl.h"
#include "system/Platform.h"

HoverTracker::HoverTracker() = default;
HoverTracker::~HoverTracker() = default;

void HoverTracker::Join() {
  if (!timer_) {
    timer_ = std::make_unique<ui::TTimer>(nullptr);
    timer_->SetEnabled(false);
    timer_->SetInterval(100);
  }
  ++instances_;
}

void HoverTracker::Leave(HoverClient& client) {
  Remove(client);
  if (--instances_ <= 0) {
    instances_ = 0;
    timer_.reset();
  }
}

void HoverTracker::MouseMoved(HoverClient& client, POINT screen) {
  if (hovered_ == &client) return;
  if (ui::FindControlAtScreenPoint(screen, true) != &client.HoverControl()) return;
  if (hovered_) hovered_->HoverOff();
  if (!ui::Platform::Current().ActiveWindow()) return;
  if (timer_) timer_->SetEnabled(false);
  hovered_ = &client;
  if (timer_) {
    timer_->OnTimer = [this](ui::TObject*) { Tick(); };
    timer_->SetEnabled(true);
  }
  client.HoverOn();
}

void HoverTracker::Remove(HoverClient& client) {
  if (hovered_ != &client) return;
  if (timer_) timer_->SetEnabled(false);
  hovered_ = nullptr;
}

void HoverTracker::Tick() {
  if (!hovered_) return;
  if (ui::FindControlAtScreenPoint(ui::Platform::Current().CursorPos(), true) != &hovered_->HoverControl())
    hovered_->HoverOff();
}
