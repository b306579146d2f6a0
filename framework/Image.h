#pragma once
#include <cstdint>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/GraphicControl.h"

namespace ui {

// A picture drawn on the parent's surface, as is, centred or stretched to the bounds.
class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* owner);
  const char* ClassName() const override { return "TImage"; }
  const PropertyTable& Published() const override;

  TBitmap& Picture() { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Center() const { return center_; }
  void SetCenter(bool value);
  // The stored .bmp bytes the picture was read from.
  const std::vector<std::uint8_t>& PictureData() const { return pictureData_; }
  void SetPictureData(const std::vector<std::uint8_t>& bytes);

 protected:
  void Paint() override;

 private:
  TBitmap picture_;
  std::vector<std::uint8_t> pictureData_;
  bool stretch_ = false;
  bool center_ = false;
};

}  // namespace ui
