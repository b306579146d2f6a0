#pragma once
#include <functional>
#include <string_view>

namespace core {

// A bitmap face comes in a few sizes, and asked for another one it gives the nearest it has, up to
// a limit: "MS Sans Serif" stops at the size that serves 150 %, so at 200 % its text would stay as
// small as at 150 % in a layout twice the size of the design. Whether the size a bitmap face gave
// serves the height asked for (a font height: negative for the character height, positive for the
// cell height): larger always does, smaller by no more than a tenth.
bool BitmapSizeServes(int requestedHeight, int cellHeight, int internalLeading);

// The texts of the windows are laid out for the widths of "MS Sans Serif" at 96 DPI, some of them
// to the last pixel: a face that stands in for it at a larger scale must be no wider, scaled.
// At character height 11 (8 points) it draws kWidthSample kSampleWidth pixels wide.
inline constexpr std::string_view kWidthSample = "abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789";
inline constexpr int kSampleWidth = 389, kSampleCharHeight = 11;

// The font height for a scalable face standing in at requestedHeight (negative, a character
// height): the largest, at most the one asked for, at which widthAt(height) gives the sample no
// wider than the design face scaled to that height. Never below half the height asked for.
int StandInHeight(int requestedHeight, const std::function<int(int height)>& widthAt);

}  // namespace core
