#pragma once
#include "labels/TProCustomLabel.h"

// The published effect label.
class TProLabel : public TProCustomLabel {
 public:
  explicit TProLabel(ui::TComponent* owner) : TProCustomLabel(owner) {}
  const char* ClassName() const override { return "TProLabel"; }
  const ui::PropertyTable& Published() const override;
};
