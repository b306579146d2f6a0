#include "core/EnumNames.h"

#include <gtest/gtest.h>

namespace {

TEST(EnumNamesTest, OrdinalsCountFromZeroAndUnknownNamesAreMinusOne) {
  EXPECT_EQ(core::EnumOrdinal(core::kTransparentMode, "tmAlways"), 0);
  EXPECT_EQ(core::EnumOrdinal(core::kTransparentMode, "tmNotFocused"), 1);
  EXPECT_EQ(core::EnumOrdinal(core::kTransparentMode, "tmNone"), 2);
  EXPECT_EQ(core::EnumOrdinal(core::kTransparentMode, "tm"), -1);
  EXPECT_EQ(core::EnumOrdinal(core::kTransparentMode, "tmNoneX"), -1);
  EXPECT_EQ(core::EnumOrdinal(core::kTransparentMode, ""), -1);
  EXPECT_EQ(core::EnumOrdinal("", "x"), -1);
}

}  // namespace
