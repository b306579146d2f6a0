#include "framework/Image.h"

#include "core/DpiScale.h"
#include "core/EnumNames.h"
#include "framework/PropertyTable.h"
#include "system/Exceptions.h"

namespace ui {

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
}

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::SetCenter(bool value) {
  center_ = value;
  Invalidate();
}

void TImage::Paint() {
  if (picture_.Empty()) return;
  RECT r = ClientRect();
  if (stretch_) {
    Canvas().StretchDraw(r, picture_);
    return;
  }
  // A picture is stored for 96 DPI and drawn at its scaled size.
  const int width = core::DpiScale::Scale(picture_.Width(), Dpi());
  const int height = core::DpiScale::Scale(picture_.Height(), Dpi());
  int x = center_ ? (r.right - width) / 2 : 0;
  int y = center_ ? (r.bottom - height) / 2 : 0;
  Canvas().StretchDraw(RECT{x, y, x + width, y + height}, picture_);
}

void TImage::SetPictureData(const std::vector<std::uint8_t>& bytes) {
  picture_.LoadFromBmpBytes(bytes);
  pictureData_ = bytes;
  Invalidate();
}

const PropertyTable& TImage::Published() const {
  using C = TImage;
  static const PropertyTable table{
#include "framework/Image.props"
  };
  return table;
}

}  // namespace ui
