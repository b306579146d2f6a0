#include "core/EnumNames.h"

#include <gtest/gtest.h>

#include "core/ClassSchema.h"

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

// The schema and the readers share one list per enumeration.
TEST(EnumNamesTest, TheSchemaDeclaresTheSharedLists) {
  EXPECT_EQ(core::FindClassSchema("TFlatButton")->Find("TransparentMode")->values, core::kTransparentMode);
  EXPECT_EQ(core::FindClassSchema("TFlatButton")->Find("Layout")->values, core::kButtonLayout);
  EXPECT_EQ(core::FindClassSchema("TFlatCheckBox")->Find("Layout")->values, core::kCheckBoxLayout);
  for (const core::ClassSchema* schema : core::AllClassSchemas())
    for (const core::PropertyInfo& p : schema->properties)
      if (p.kind == core::PropertyKind::Enum && !p.defaultText.empty())
        EXPECT_GE(core::EnumOrdinal(p.values, p.defaultText), 0) << schema->className << "." << p.name;
}

}  // namespace
