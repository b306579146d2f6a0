#pragma once
#include <functional>

#include "framework/Canvas.h"
#include "framework/WinControl.h"

namespace ui {

// A windowed control that paints every pixel itself through its canvas.
class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
  const char* ClassName() const override { return "TCustomControl"; }

  TCanvas& Canvas() { return canvas_; }
  // Draws straight onto the window, outside the paint cycle.
  void PaintNow(const std::function<void(TCanvas&)>& draw);

 protected:
  virtual void Paint() {}
  void PaintWindow(HDC dc) override;

 private:
  TCanvas canvas_;
  bool painting_ = false;
};

}  // namespace ui
