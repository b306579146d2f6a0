#include "flatctrls/FlatButtonPainter.h"

#include <memory>

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Control.h"
#include "framework/Gdi.h"
#include "paint/LookMetrics.h"

namespace {

constexpr UINT kCaptionFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

ui::TColor PixelColor(const ui::TBitmap& bitmap, int x, int y) {
  COLORREF c = GetPixel(bitmap.DC(), x, y);
  return static_cast<ui::TColor>(c & 0x00FFFFFF);
}

// The strip's image for this state, copied (or scaled, for a wider last image) into a cell of
// one image's size; a one-image strip of a disabled button becomes its embossed copy.
void PaintGlyph(HDC dc, const core::ButtonLook& look, const ButtonContent& content, POINT at) {
  const ui::TBitmap& glyph = *content.glyph;
  const int cellWidth = glyph.Width() / content.numGlyphs, height = glyph.Height();
  if (cellWidth <= 0) return;
  ui::TColor transparent = PixelColor(glyph, 0, height - 1);
  auto cell = std::make_unique<ui::TBitmap>();
  cell->SetSize(cellWidth, height);
  const core::LayoutRect& source = look.glyphSource;
  StretchBlt(cell->DC(), 0, 0, cellWidth, height, glyph.DC(), source.left, source.top, source.right - source.left,
             source.bottom - source.top, SRCCOPY);
  if (look.embossGlyph) {
    cell = MakeDisabledGlyph(*cell, transparent, ui::clBtnFace, ui::clBtnHighlight, ui::clBtnShadow, true);
    transparent = PixelColor(*cell, 0, height - 1);
  }
  DrawTransparent(dc, at.x, at.y, *cell, transparent);
}

}  // namespace

GlyphCaptionPlace PaintFlatButton(ui::TCanvas& canvas, const RECT& client, const core::ButtonLook& look,
                                  const ui::TControl& button, const ButtonContent& content) {
  HDC dc = canvas.Handle();
  const GlyphCaptionPlace place =
      LayoutGlyphAndCaption(canvas, client, POINT{look.offset, look.offset}, content.layout, content.spacing,
                            content.margin, content.glyph, content.numGlyphs, content.caption);

  switch (look.background) {
    case core::ButtonLook::Background::Face:
      canvas.SetBrushColor(look.face);
      canvas.FillRect(client);
      break;
    case core::ButtonLook::Background::Parent: PaintParentBackground(button, dc); break;
    case core::ButtonLook::Background::Nothing: break;
  }

  // Each ring of the frame is a thin line: one pixel below 200 %.
  RECT ring = client;
  const int line = paint::LookMetrics(button.Dpi()).Line();
  for (int i = 0; i < look.rings * line; ++i) Frame3D(dc, ring, look.frameTop, look.frameBottom);

  if (content.glyph && !content.glyph->Empty()) PaintGlyph(dc, look, content, place.glyphPos);

  if (!content.caption.empty()) {
    RECT bounds = place.textBounds;
    canvas.SetBrushStyle(ui::BrushStyle::Clear);
    if (look.disabled) {
      DrawEngravedText(dc, content.caption, bounds, kCaptionFlags);
    } else {
      canvas.Font().SetColor(content.fontColor);
      canvas.DrawText(content.caption, bounds, kCaptionFlags);
    }
  }
  return place;
}
