#pragma once
#include "flatctrls/TFlatButtonBase.h"
#include "framework/GraphicControl.h"

// The flat push button without a window: drawn on its parent, never focused.
class TFlatSpeedButton : public TFlatButtonBase<ui::TGraphicControl> {
 public:
  explicit TFlatSpeedButton(ui::TComponent* owner) : TFlatButtonBase<ui::TGraphicControl>(owner) {}
  const char* ClassName() const override { return "TFlatSpeedButton"; }

 protected:
  void AcceleratorRefused(ui::TMessage& m) override { ui::TGraphicControl::CMDialogChar(m); }
};
