#pragma once
#include "framework/Canvas.h"
#include "framework/Control.h"

namespace ui {

// A control without a window: it paints on its parent's surface, inside its own bounds.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  const char* ClassName() const override { return "TGraphicControl"; }

  // Called by the parent with a context whose origin and clip are this control's area.
  void PaintTo(HDC dc);
  TCanvas& Canvas() { return canvas_; }
  // The dotted focus mark round the whole control, while it has the keyboard focus and its
  // window shows keyboard cues.
  void PaintFocusMark();

 protected:
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

}  // namespace ui
