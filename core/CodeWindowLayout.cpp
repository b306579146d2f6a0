#include "core/CodeWindowLayout.h"

#include <algorithm>
#include <array>

namespace core {

namespace {

int Height(const LayoutRect& r) { return r.bottom - r.top; }
int Width(const LayoutRect& r) { return r.right - r.left; }

void MoveBy(LayoutRect& r, int dx, int dy) {
  r.left += dx;
  r.right += dx;
  r.top += dy;
  r.bottom += dy;
}

// The texts' heights for a total of target: in proportion to their designed heights, a text
// that would fall below the minimum held at it and the rest shared again among the others.
std::array<int, 3> ShareHeight(const CodeWindowParts& designed, int target, int minHeight) {
  std::array<int, 3> heights{};
  std::array<bool, 3> held{};
  for (bool again = true; again;) {
    int freeDesigned = 0, freeTarget = target, last = -1;
    for (int i = 0; i < 3; ++i) {
      if (held[i]) freeTarget -= minHeight;
      else freeDesigned += Height(designed.texts[i]);
    }
    int given = 0;
    for (int i = 0; i < 3; ++i) {
      if (held[i]) continue;
      heights[i] = freeDesigned > 0 ? freeTarget * Height(designed.texts[i]) / freeDesigned : 0;
      given += heights[i];
      last = i;
    }
    if (last >= 0) heights[last] += freeTarget - given;  // what the rounding left over
    again = false;
    for (int i = 0; i < 3; ++i) {
      if (held[i] || heights[i] >= minHeight) continue;
      held[i] = again = true;
      heights[i] = minHeight;
    }
  }
  return heights;
}

}  // namespace

CodeWindowParts LayOutCodeWindow(const CodeWindowParts& designed, LayoutSize designedClient, LayoutSize client,
                                 LayoutSize minText) {
  const int dx = client.width - designedClient.width;
  const int dy = client.height - designedClient.height;
  int designedTotal = 0;
  for (const LayoutRect& text : designed.texts) designedTotal += Height(text);
  const std::array<int, 3> heights = ShareHeight(designed, designedTotal + dy, minText.height);
  CodeWindowParts parts = designed;
  int moved = 0;
  for (int i = 0; i < 3; ++i) {
    MoveBy(parts.labels[i], 0, moved);
    LayoutRect& text = parts.texts[i];
    MoveBy(text, 0, moved);
    if (i < 2) MoveBy(parts.copyButtons[i], dx, moved);
    text.right = text.left + std::max(minText.width, Width(text) + dx);
    moved += heights[i] - Height(text);
    text.bottom = text.top + heights[i];
  }
  MoveBy(parts.close, dx, dy);
  return parts;
}

LayoutSize MinimumCodeWindowClient(const CodeWindowParts& designed, LayoutSize designedClient, LayoutSize minText) {
  int spareWidth = designedClient.width, spareHeight = 0;
  for (const LayoutRect& text : designed.texts) {
    spareWidth = std::min(spareWidth, Width(text) - minText.width);
    spareHeight += std::max(0, Height(text) - minText.height);
  }
  return {designedClient.width - std::max(0, spareWidth), designedClient.height - spareHeight};
}

}  // namespace core
