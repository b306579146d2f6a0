#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "framework/Bitmap.h"
#include "framework/Color.h"
#include "framework/CustomControl.h"
#include "framework/GraphicControl.h"
#include "framework/WinControl.h"

// Reading what a control paints: it paints into a 32-bit bitmap of its size, and pixels are
// compared as COLORREF values.
namespace flatpixels {

inline COLORREF Rgb(ui::TColor color) { return ui::ColorToRGB(color); }

class Shot {
 public:
  Shot(int width, int height, ui::TColor ground = 0x00FF00FF) {
    bitmap_.SetSize(width, height);
    bitmap_.Canvas().SetBrushColor(ground);
    bitmap_.Canvas().FillRect(RECT{0, 0, width, height});
  }
  HDC DC() const { return bitmap_.DC(); }
  COLORREF At(int x, int y) const {
    GdiFlush();
    std::uint32_t p = bitmap_.Bits()[y * bitmap_.Width() + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  // How many pixels of rect r have colour c.
  int Count(const RECT& r, COLORREF c) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (At(x, y) == c) ++n;
    return n;
  }

 private:
  ui::TBitmap bitmap_;
};

// A windowed control paints through WM_PRINTCLIENT, a windowless one as its parent would paint it.
inline std::unique_ptr<Shot> Take(ui::TControl& control, ui::TColor ground = 0x00FF00FF) {
  auto shot = std::make_unique<Shot>(control.Width(), control.Height(), ground);
  if (control.IsWindowed()) control.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot->DC()), PRF_CLIENT);
  else static_cast<ui::TGraphicControl&>(control).PaintTo(shot->DC());
  return shot;
}

// A windowed control asked to erase its background as well, as a transparent one then paints its
// parent's.
inline std::unique_ptr<Shot> TakeWithBackground(ui::TWinControl& control) {
  auto shot = std::make_unique<Shot>(control.Width(), control.Height());
  control.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot->DC()), PRF_CLIENT | PRF_ERASEBKGND);
  return shot;
}

// A parent that paints a pattern of 3 x 3 squares in two colours.
class TPatternPanel : public ui::TCustomControl {
 public:
  using ui::TCustomControl::TCustomControl;
  static ui::TColor ColorAt(int x, int y) { return ((x / 3 + y / 3) % 2) ? 0x00FF0000 : 0x000000FF; }

 protected:
  void Paint() override {
    RECT r = ClientRect();
    for (int y = 0; y < r.bottom; y += 3)
      for (int x = 0; x < r.right; x += 3) {
        Canvas().SetBrushColor(ColorAt(x, y));
        Canvas().FillRect(RECT{x, y, x + 3, y + 3});
      }
  }
};

}  // namespace flatpixels
