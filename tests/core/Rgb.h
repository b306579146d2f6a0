#pragma once
#include <cstdint>

namespace coretest {

// A colour in the program's byte order: red lowest, blue in the third byte.
constexpr std::uint32_t Rgb(int r, int g, int b) { return static_cast<std::uint32_t>(r | (g << 8) | (b << 16)); }

}  // namespace coretest
