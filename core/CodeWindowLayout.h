#pragma once
#include "core/GlyphLayout.h"

namespace core {

// The generated-code window: three texts stacked under their labels, a Copy button beside each
// of the first two, Close in the bottom right corner.
struct CodeWindowParts {
  LayoutRect labels[3];
  LayoutRect texts[3];
  LayoutRect copyButtons[2];
  LayoutRect close;
  friend bool operator==(const CodeWindowParts&, const CodeWindowParts&) = default;
};

// The parts for a client area of another size than the designed one (both at the window's DPI):
// extra width widens the texts and moves the buttons with the right edge; extra height, or height
// missing, is shared among the texts in proportion to their designed heights, the parts below a
// text moving with it and Close staying at the bottom edge. No text gets smaller than minText.
CodeWindowParts LayOutCodeWindow(const CodeWindowParts& designed, LayoutSize designedClient, LayoutSize client,
                                 LayoutSize minText);

// The smallest client area in which every text keeps minText and no part overlaps another.
LayoutSize MinimumCodeWindowClient(const CodeWindowParts& designed, LayoutSize designedClient, LayoutSize minText);

}  // namespace core
