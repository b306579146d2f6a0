#pragma once
#include "flatctrls/TFlatButtonBase.h"
#include "framework/GraphicControl.h"

// The flat push button without a window: drawn on its parent, never focused.
class TFlatSpeedButton : public TFlatButtonBase<ui::TGraphicControl> {
 public:
  explicit TFlatSpeedButton(ui::TComponent* owner) : TFlatButtonBase<ui::TGraphicControl>(owner, ClassHoverTracker()) {}
  const char* ClassName() const override { return "TFlatSpeedButton"; }

  // Shared by every TFlatSpeedButton, the spin button's halves included.
  static HoverTracker& ClassHoverTracker() {
    static HoverTracker* tracker = new HoverTracker;  // outlives every button, even at exit
    return *tracker;
  }

 protected:
  void AcceleratorRefused(ui::TMessage& m) override { ui::TGraphicControl::CMDialogChar(m); }
  void RepaintForHover() override { Repaint(); }
};
