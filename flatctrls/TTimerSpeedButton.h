#pragma once
#include "flatctrls/TFlatSpeedButton.h"
#include "framework/Timer.h"

// A flat speed button that keeps clicking while it is held: once after 400 ms, then every 100 ms.
class TTimerSpeedButton : public TFlatSpeedButton {
 public:
  explicit TTimerSpeedButton(ui::TComponent* owner) : TFlatSpeedButton(owner) {}
  ~TTimerSpeedButton() override;
  const char* ClassName() const override { return "TTimerSpeedButton"; }

  bool AllowTimer() const { return allowTimer_; }
  void SetAllowTimer(bool value) { allowTimer_ = value; }
  ui::TTimer* RepeatTimer() const { return repeatTimer_; }

 protected:
  void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
  void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;

 private:
  void TimerTick();

  ui::TTimer* repeatTimer_ = nullptr;  // owned, made at the first press
  bool allowTimer_ = false;
};
