#include "flatctrls/FlatButtonPainter.h"

#include <algorithm>
#include <memory>

#include "core/DpiScale.h"
#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Control.h"
#include "framework/Gdi.h"
#include "framework/HighContrast.h"
#include "paint/LookMetrics.h"

namespace {

constexpr UINT kCaptionFlags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

ui::TColor PixelColor(const ui::TBitmap& bitmap, int x, int y) {
  COLORREF c = GetPixel(bitmap.DC(), x, y);
  return static_cast<ui::TColor>(c & 0x00FFFFFF);
}

// The strip's image for this state, copied (or scaled, for a wider last image or a screen of more
// than 96 DPI) into a glyph cell; a one-image strip of a disabled button becomes its embossed copy.
// Scaling takes the nearest pixel, so the transparent colour stays exact at the edges.
void PaintGlyph(HDC dc, const core::ButtonLook& look, const ButtonContent& content, POINT at, SIZE size, bool scaled) {
  const ui::TBitmap& glyph = *content.glyph;
  if (size.cx <= 0 || size.cy <= 0) return;
  auto cell = std::make_unique<ui::TBitmap>();
  cell->SetSize(size.cx, size.cy);
  const core::LayoutRect& source = look.glyphSource;
  if (scaled) SetStretchBltMode(cell->DC(), COLORONCOLOR);
  StretchBlt(cell->DC(), 0, 0, size.cx, size.cy, glyph.DC(), source.left, source.top, source.right - source.left,
             source.bottom - source.top, SRCCOPY);
  ui::TColor transparent = PixelColor(*cell, 0, size.cy - 1);
  if (ui::HighContrastOn()) {
    // The glyph's shape in the caption's ink, on a ground of any other colour left out.
    const ui::TColor ink = ui::ColorToRGB(ButtonInk(look, content.fontColor));
    cell = MakeDisabledGlyph(*cell, transparent, ink ^ 0x00FFFFFF, ui::clBtnHighlight, ink, false);
    transparent = ink ^ 0x00FFFFFF;
  } else if (look.embossGlyph) {
    cell = MakeDisabledGlyph(*cell, transparent, ui::clBtnFace, ui::clBtnHighlight, ui::clBtnShadow, true);
    transparent = PixelColor(*cell, 0, size.cy - 1);
  }
  DrawTransparent(dc, at.x, at.y, *cell, transparent);
}

// Margin and spacing are lengths of the 96-DPI design; negative values (centred) stay as they are.
int ScaledLength(const paint::LookMetrics& metrics, int designed) {
  return designed < 0 ? designed : metrics.Scale(designed);
}

}  // namespace

ui::TColor ButtonInk(const core::ButtonLook& look, ui::TColor fontColor) {
  if (look.disabled) return ui::LookColor(core::LookPart::Disabled, fontColor);
  return ui::LookColor(look.hot ? core::LookPart::HotText : core::LookPart::Text, fontColor);
}

GlyphCaptionPlace PaintFlatButton(ui::TCanvas& canvas, const RECT& client, const core::ButtonLook& look,
                                  const ui::TControl& button, const ButtonContent& content) {
  HDC dc = canvas.Handle();
  const paint::LookMetrics metrics(button.Dpi());
  const bool hasGlyph = content.glyph && !content.glyph->Empty();
  const SIZE cell = hasGlyph ? SIZE{metrics.Scale(content.glyph->Width() / std::max(content.numGlyphs, 1)),
                                    metrics.Scale(content.glyph->Height())}
                             : SIZE{};
  const GlyphCaptionPlace place = LayoutGlyphAndCaption(
      canvas, client, POINT{look.offset, look.offset}, content.layout, ScaledLength(metrics, content.spacing),
      ScaledLength(metrics, content.margin), cell, content.caption);

  // A contrast theme shows the state as a highlighted face, transparent or not, framed in itself.
  const bool contrast = ui::HighContrastOn();
  const core::LookPart facePart = look.hot ? core::LookPart::HotFace : core::LookPart::Face;
  const auto background = contrast && look.hot ? core::ButtonLook::Background::Face : look.background;
  switch (background) {
    case core::ButtonLook::Background::Face:
      canvas.SetBrushColor(ui::LookColor(facePart, look.face));
      canvas.FillRect(client);
      break;
    case core::ButtonLook::Background::Parent: PaintParentBackground(button, dc); break;
    case core::ButtonLook::Background::Nothing: break;
  }

  // Each ring of the frame is a thin line: one pixel below 200 %.
  RECT ring = client;
  const int line = metrics.Line();
  const core::LookPart framePart = look.hot ? core::LookPart::HotFace : core::LookPart::Text;
  const ui::TColor frameTop = ui::LookColor(framePart, look.frameTop);
  const ui::TColor frameBottom = ui::LookColor(framePart, look.frameBottom);
  for (int i = 0; i < look.rings * line; ++i) Frame3D(dc, ring, frameTop, frameBottom);

  if (hasGlyph) {
    const bool scaled = metrics.Dpi() != core::DpiScale::kDesignDpi;
    PaintGlyph(dc, look, content, place.glyphPos, cell, scaled);
  }

  if (!content.caption.empty()) {
    RECT bounds = place.textBounds;
    canvas.SetBrushStyle(ui::BrushStyle::Clear);
    if (look.disabled) {
      DrawEngravedText(dc, content.caption, bounds, kCaptionFlags | content.textFlags);
    } else {
      canvas.Font().SetColor(ButtonInk(look, content.fontColor));
      canvas.DrawText(content.caption, bounds, kCaptionFlags | content.textFlags);
    }
  }
  return place;
}
