#include "framework/CustomControl.h"

namespace ui {

void TCustomControl::PaintWindow(HDC dc) {
  canvas_.Bind(dc);
  canvas_.Font().Assign(Font());
  painting_ = true;
  try {
    Paint();
  } catch (...) {
    painting_ = false;
    canvas_.Release();
    throw;
  }
  painting_ = false;
  canvas_.Release();
  PaintControls(dc);
}

void TCustomControl::PaintNow(const std::function<void(TCanvas&)>& draw) {
  if (!HandleAllocated()) return;
  if (painting_) {
    draw(canvas_);
    return;
  }
  WindowDC dc(Handle());
  canvas_.Bind(dc.Get());
  canvas_.Font().Assign(Font());
  try {
    draw(canvas_);
  } catch (...) {
    canvas_.Release();
    throw;
  }
  canvas_.Release();
}

}  // namespace ui
