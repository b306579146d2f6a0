#include "core/BitmapFaceSize.h"

#include <cstdlib>

namespace core {

bool BitmapSizeServes(int requestedHeight, int cellHeight, int internalLeading) {
  const int asked = std::abs(requestedHeight);
  const int given = requestedHeight < 0 ? cellHeight - internalLeading : cellHeight;
  return given * 10 >= asked * 9;
}

int StandInHeight(int requestedHeight, const std::function<int(int height)>& widthAt) {
  const int asked = std::abs(requestedHeight);
  const int target = kSampleWidth * asked / kSampleCharHeight;
  int height = asked;
  while (height > asked / 2 && widthAt(-height) > target) --height;
  return -height;
}

}  // namespace core
