#pragma once

namespace core {

// Where a flat button's glyph sits relative to its caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct LayoutRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};
struct LayoutPoint {
  int x = 0, y = 0;
  friend bool operator==(const LayoutPoint&, const LayoutPoint&) = default;
};
struct LayoutSize {
  int width = 0, height = 0;
};

struct GlyphAndCaption {
  LayoutRect textBounds;  // the caption's rectangle, exactly its measured size
  LayoutPoint glyphPos;   // top-left of the glyph image
};

// Places one glyph image and the measured caption inside client. glyph is the size of one image
// of the strip ((0, 0) without a glyph), text the caption's single-line size ((0, 0) when it is
// empty). Margin and spacing -1 mean automatic; offset moves both (a pressed button's caption and
// glyph move one pixel right and down).
GlyphAndCaption LayoutGlyphAndCaption(const LayoutRect& client, LayoutPoint offset, TButtonLayout layout,
                                      int spacing, int margin, LayoutSize glyph, LayoutSize text);

}  // namespace core
