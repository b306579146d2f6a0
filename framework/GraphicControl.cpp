#include "framework/GraphicControl.h"

namespace ui {

void TGraphicControl::PaintTo(HDC dc) {
  canvas_.Bind(dc);
  canvas_.Font().Assign(Font());
  try {
    Paint();
  } catch (...) {
    canvas_.Release();
    throw;
  }
  canvas_.Release();
}

}  // namespace ui
