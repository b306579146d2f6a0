#include "framework/GraphicControl.h"

#include "framework/Form.h"

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

void TGraphicControl::PaintFocusMark() {
  const TForm* form = ParentForm();
  if (!IsKeyboardFocus() || !form->FocusCuesShown()) return;
  RECT r = ClientRect();
  SetTextColor(canvas_.Handle(), RGB(0, 0, 0));
  SetBkColor(canvas_.Handle(), RGB(255, 255, 255));
  DrawFocusRect(canvas_.Handle(), &r);
}

}  // namespace ui
