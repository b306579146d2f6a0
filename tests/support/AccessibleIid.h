#pragma once
#include <windows.h>

namespace testsupport {

// IID_IAccessible written out: the copy in MinGW's static oleacc library can come out wrong.
inline constexpr IID kIAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

}  // namespace testsupport
