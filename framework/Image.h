#pragma once
#include "framework/Bitmap.h"
#include "framework/GraphicControl.h"

namespace ui {

// A picture drawn on the parent's surface, as is, centred or stretched to the bounds.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  const char* ClassName() const override { return "TImage"; }

  TBitmap& Picture() { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);

  bool SetProperty(std::string_view name, const core::PropertyValue& value, LoadContext& context) override;

 protected:
  void Paint() override;

 private:
  TBitmap picture_;
  bool stretch_ = false;
  bool center_ = false;
};

}  // namespace ui
