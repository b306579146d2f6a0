#include "flatctrls/TTimerSpeedButton.h"

TTimerSpeedButton::~TTimerSpeedButton() {
  delete repeatTimer_;
  repeatTimer_ = nullptr;
}

void TTimerSpeedButton::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TFlatSpeedButton::MouseDown(button, shift, x, y);
  if (!allowTimer_) return;
  if (!repeatTimer_) {
    repeatTimer_ = new ui::TTimer(this);
    repeatTimer_->SetEnabled(false);
  }
  repeatTimer_->OnTimer = [this](ui::TObject*) { TimerTick(); };
  repeatTimer_->SetInterval(400);
  repeatTimer_->SetEnabled(true);
}

void TTimerSpeedButton::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) {
  TFlatSpeedButton::MouseUp(button, shift, x, y);
  if (repeatTimer_) repeatTimer_->SetEnabled(false);
}

// While the pointer is dragged off the held half the state is up and the ticks click nothing.
void TTimerSpeedButton::TimerTick() {
  repeatTimer_->SetInterval(100);
  if (State() != TButtonState::StatePressed || !MouseCaptured()) return;
  try {
    Click();
  } catch (...) {
    repeatTimer_->SetEnabled(false);
    throw;
  }
}
