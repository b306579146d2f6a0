#include "core/GlyphLayout.h"

namespace core {

GlyphAndCaption LayoutGlyphAndCaption(const LayoutRect& client, LayoutPoint offset, TButtonLayout layout,
                                      int spacing, int margin, LayoutSize glyph, LayoutSize text) {
  const int clientWidth = client.right - client.left;
  const int clientHeight = client.bottom - client.top;
  const bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;

  // The cross axis is centred; the layout's axis is worked out from margin and spacing.
  LayoutPoint glyphPos, textPos;
  if (horizontal) {
    glyphPos.y = (clientHeight - glyph.height + 1) / 2;
    textPos.y = (clientHeight - text.height + 1) / 2;
  } else {
    glyphPos.x = (clientWidth - glyph.width + 1) / 2;
    textPos.x = (clientWidth - text.width + 1) / 2;
  }
  if (text.width == 0 || glyph.width == 0) spacing = 0;

  const int clientExtent = horizontal ? clientWidth : clientHeight;
  const int glyphExtent = horizontal ? glyph.width : glyph.height;
  const int textExtent = horizontal ? text.width : text.height;
  if (margin == -1 && spacing == -1) {
    margin = (clientExtent - (glyphExtent + textExtent)) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (clientExtent - (glyphExtent + spacing + textExtent) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (clientExtent - (margin + glyphExtent) - textExtent) / 2;
  }

  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      glyphPos.x = margin;
      textPos.x = glyphPos.x + glyph.width + spacing;
      break;
    case TButtonLayout::blGlyphRight:
      glyphPos.x = clientWidth - margin - glyph.width;
      textPos.x = glyphPos.x - spacing - text.width;
      break;
    case TButtonLayout::blGlyphTop:
      glyphPos.y = margin;
      textPos.y = glyphPos.y + glyph.height + spacing;
      break;
    case TButtonLayout::blGlyphBottom:
      glyphPos.y = clientHeight - margin - glyph.height;
      textPos.y = glyphPos.y - spacing - text.height;
      break;
  }

  const int dx = client.left + offset.x, dy = client.top + offset.y;
  GlyphAndCaption result;
  result.glyphPos = LayoutPoint{glyphPos.x + dx, glyphPos.y + dy};
  result.textBounds = LayoutRect{textPos.x + dx, textPos.y + dy, textPos.x + dx + text.width,
                                 textPos.y + dy + text.height};
  return result;
}

}  // namespace core
