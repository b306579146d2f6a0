#pragma once
#include "flatctrls/TCustomFlatEdit.h"

// The published flat edit.
class TFlatEdit : public TCustomFlatEdit {
 public:
  explicit TFlatEdit(ui::TComponent* owner) : TCustomFlatEdit(owner) {}
  const char* ClassName() const override { return "TFlatEdit"; }
  const ui::PropertyTable& Published() const override;
};
