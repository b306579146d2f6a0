#include "core/WorkAreaFit.h"

#include <algorithm>

namespace core {

LayoutRect FitToWorkArea(const LayoutRect& window, const LayoutRect& workArea) {
  const int width = std::min(window.right - window.left, workArea.right - workArea.left);
  const int height = std::min(window.bottom - window.top, workArea.bottom - workArea.top);
  const int left = std::max(std::min(window.left, workArea.right - width), workArea.left);
  const int top = std::max(std::min(window.top, workArea.bottom - height), workArea.top);
  return {left, top, left + width, top + height};
}

}  // namespace core
