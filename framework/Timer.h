#pragma once
#include <windows.h>

#include "framework/Component.h"

namespace ui {

// A message-loop timer: OnTimer runs every Interval milliseconds while Enabled.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  const char* ClassName() const override { return "TTimer"; }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return interval_; }
  void SetInterval(UINT interval);
  bool Running() const { return id_ != 0; }

  TNotifyEvent OnTimer;

  static void Dispatch(UINT_PTR id);

 private:
  void Update();

  bool enabled_ = true;
  UINT interval_ = 1000;
  UINT_PTR id_ = 0;
};

}  // namespace ui
