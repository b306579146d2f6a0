// Every name of the flat controls' enumerations is taken as its own value, in the order the
// controls' enumerations declare them.
#include <utility>

#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "tests/flatctrls/FlatTestHost.h"

namespace {

using core::PropertyValue;

class FlatDefaults : public FlatControlTest {};

TEST_F(FlatDefaults, EveryEnumerationNameIsTakenAsItsOwnValue) {
  ui::LoadContext context;
  context.root = host;
  const std::pair<const char*, TTransparentMode> modes[] = {{"tmAlways", TTransparentMode::tmAlways},
                                                           {"tmNotFocused", TTransparentMode::tmNotFocused},
                                                           {"tmNone", TTransparentMode::tmNone}};
  const std::pair<const char*, TButtonLayout> layouts[] = {{"blGlyphLeft", TButtonLayout::blGlyphLeft},
                                                          {"blGlyphRight", TButtonLayout::blGlyphRight},
                                                          {"blGlyphTop", TButtonLayout::blGlyphTop},
                                                          {"blGlyphBottom", TButtonLayout::blGlyphBottom}};
  TFlatButton button(nullptr);
  for (const auto& [name, mode] : modes) {
    button.SetProperty("TransparentMode", PropertyValue::Identifier(name), context);
    EXPECT_EQ(button.TransparentMode(), mode) << name;
  }
  for (const auto& [name, layout] : layouts) {
    button.SetProperty("Layout", PropertyValue::Identifier(name), context);
    EXPECT_EQ(button.Layout(), layout) << name;
  }
  TFlatCheckBox box(nullptr);
  box.SetProperty("Layout", PropertyValue::Identifier("checkboxRight"), context);
  EXPECT_EQ(box.Layout(), TCheckBoxLayout::checkboxRight);
  box.SetProperty("Layout", PropertyValue::Identifier("checkboxLeft"), context);
  EXPECT_EQ(box.Layout(), TCheckBoxLayout::checkboxLeft);
  EXPECT_THROW(box.SetProperty("Layout", PropertyValue::Identifier("checkboxCentre"), context), ui::Exception);
}

}  // namespace
