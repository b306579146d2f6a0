#include "paint/PaintHelpers.h"

#include "framework/Bitmap.h"
#include "framework/Gdi.h"
#include "framework/HighContrast.h"
#include "system/Exceptions.h"
#include "system/WideText.h"

namespace {
// Where the monochrome source is white the brush is painted; where it is black the
// destination stays.
constexpr DWORD kDSPDxax = 0x00E20746;

void FillWith(HDC dc, const RECT& r, ui::TColor color) {
  ui::Brush brush(CreateSolidBrush(ui::ColorToRGB(color)));
  FillRect(dc, &r, brush.Get());
}
}  // namespace

// A contrast theme has a colour of its own for greyed-out text, drawn once.
void DrawEngravedPasses(RECT r, const std::function<void(const RECT& r, ui::TColor color)>& pass) {
  if (ui::HighContrastOn()) {
    pass(r, ui::LookColor(core::LookPart::Disabled, ui::clGrayText));
    return;
  }
  RECT raised = r;
  OffsetRect(&raised, 1, 1);
  pass(raised, ui::clBtnHighlight);
  pass(r, ui::clBtnShadow);
}

void DrawEngravedText(HDC dc, const std::string& text, RECT r, UINT flags) {
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = GetTextColor(dc);
  const std::wstring wide = ui::WideText::FromUtf8(text);
  DrawEngravedPasses(r, [&](const RECT& at, ui::TColor color) {
    RECT copy = at;
    SetTextColor(dc, ui::ColorToRGB(color));
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &copy, flags);
  });
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
}

std::unique_ptr<ui::TBitmap> MakeDisabledGlyph(const ui::TBitmap& source, ui::TColor mask, ui::TColor back,
                                               ui::TColor highlight, ui::TColor shadow, bool withHighlight) {
  auto result = std::make_unique<ui::TBitmap>();
  const int width = source.Width(), height = source.Height();
  result->SetSize(width, height);
  if (result->Empty()) return result;

  // The monochrome shape: the colour-to-monochrome copy turns the source's background colour
  // white and everything else black; inverted, the glyph's own pixels are the white ones.
  ui::MemoryDC work(source.DC());
  ui::BitmapHandle shape(CreateBitmap(width, height, 1, 1, nullptr));
  if (!work.Get() || !shape) throw ui::Exception("Out of system resources");
  ui::SelectedObject shapeSelected(work.Get(), shape.Get());
  COLORREF oldBack = SetBkColor(source.DC(), ui::ColorToRGB(mask));
  BitBlt(work.Get(), 0, 0, width, height, source.DC(), 0, 0, NOTSRCCOPY);
  SetBkColor(source.DC(), oldBack);

  HDC dc = result->DC();
  RECT all{0, 0, width, height};
  FillWith(dc, all, back);
  COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  oldBack = SetBkColor(dc, RGB(255, 255, 255));
  auto stamp = [&](int x, int y, ui::TColor color) {
    ui::Brush brush(CreateSolidBrush(ui::ColorToRGB(color)));
    ui::SelectedObject selected(dc, brush.Get());
    BitBlt(dc, x, y, width, height, work.Get(), 0, 0, kDSPDxax);
  };
  if (withHighlight) stamp(1, 1, highlight);
  stamp(0, 0, shadow);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
  return result;
}

void DrawTransparent(HDC dest, int x, int y, const ui::TBitmap& image, ui::TColor transparent) {
  const int width = image.Width(), height = image.Height();
  if (image.Empty()) return;
  // The mask: the transparent colour's pixels white, the image's own black.
  ui::MemoryDC maskDC(dest);
  ui::BitmapHandle mask(CreateBitmap(width, height, 1, 1, nullptr));
  if (!maskDC.Get() || !mask) throw ui::Exception("Out of system resources");
  ui::SelectedObject maskSelected(maskDC.Get(), mask.Get());
  COLORREF oldBack = SetBkColor(image.DC(), ui::ColorToRGB(transparent));
  BitBlt(maskDC.Get(), 0, 0, width, height, image.DC(), 0, 0, SRCCOPY);
  SetBkColor(image.DC(), oldBack);

  // The image with its transparent pixels black, to be added over a hole of its shape.
  ui::TBitmap shape;
  shape.SetSize(width, height);
  BitBlt(shape.DC(), 0, 0, width, height, image.DC(), 0, 0, SRCCOPY);
  SetTextColor(shape.DC(), RGB(255, 255, 255));
  SetBkColor(shape.DC(), RGB(0, 0, 0));
  BitBlt(shape.DC(), 0, 0, width, height, maskDC.Get(), 0, 0, SRCAND);

  COLORREF oldText = SetTextColor(dest, RGB(0, 0, 0));
  oldBack = SetBkColor(dest, RGB(255, 255, 255));
  BitBlt(dest, x, y, width, height, maskDC.Get(), 0, 0, SRCAND);
  SetTextColor(dest, oldText);
  SetBkColor(dest, oldBack);
  BitBlt(dest, x, y, width, height, shape.DC(), 0, 0, SRCPAINT);
}

void FrameWithColor(HDC dc, const RECT& r, ui::TColor color, int width) {
  ui::Brush brush(CreateSolidBrush(ui::ColorToRGB(color)));
  RECT ring = r;
  for (int i = 0; i < width; ++i) {
    FrameRect(dc, &ring, brush.Get());
    InflateRect(&ring, -1, -1);
  }
}

void Frame3D(HDC dc, RECT& r, ui::TColor top, ui::TColor bottom) {
  FillWith(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, top);
  FillWith(dc, RECT{r.left, r.top, r.left + 1, r.bottom - 1}, top);
  FillWith(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottom);
  FillWith(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottom);
  InflateRect(&r, -1, -1);
}
