// A window definition leaves out every value equal to the schema's declared default, so a control
// whose constructor starts elsewhere would lose such a value silently. Each published default of
// the buttons and the check box is read back from a freshly constructed control and compared with
// the schema; and every name of every published enumeration is taken, each as its own value.
#include <functional>
#include <map>
#include <set>
#include <string>

#include "core/ClassSchema.h"
#include "core/DefinitionText.h"
#include "flatctrls/TFlatButton.h"
#include "flatctrls/TFlatCheckBox.h"
#include "framework/ClassRegistry.h"
#include "tests/flatctrls/FlatTestHost.h"
#include "tests/flatctrls/SchemaSamples.h"

namespace {

using core::PropertyValue;

PropertyValue Declared(const core::PropertyInfo& info) {
  PropertyValue value = core::DefinitionText::ParseValue(info.defaultText);
  std::int32_t color = 0;
  if (info.kind == core::PropertyKind::Color && value.type == core::ValueType::Ident &&
      core::LookupColorName(value.text, color))
    return PropertyValue::Int(color);
  return value;
}

PropertyValue Int(std::int64_t v) { return PropertyValue::Int(static_cast<std::int32_t>(v)); }
PropertyValue Bool(bool v) { return PropertyValue::Bool(v); }
PropertyValue Name(std::string_view names, int ordinal) {
  std::string list(names);
  for (int i = 0; i < ordinal; ++i) list = list.substr(list.find(',') + 1);
  return PropertyValue::Identifier(list.substr(0, list.find(',')));
}

template <typename T>
using Readers = std::map<std::string, std::function<PropertyValue(T&)>>;

// Every declared default of className is read by a reader or named as a deliberate exception.
template <typename T>
void ExpectConstructedDefaults(const char* className, const Readers<T>& readers, const std::set<std::string>& apart) {
  T control(nullptr);
  const core::ClassSchema* schema = core::FindClassSchema(className);
  ASSERT_NE(schema, nullptr);
  for (const core::PropertyInfo& info : schema->properties) {
    if (info.defaultText.empty() || apart.count(std::string(info.name))) continue;
    auto reader = readers.find(std::string(info.name));
    if (reader == readers.end()) {
      ADD_FAILURE() << className << "." << info.name << " has a declared default but no reader";
      continue;
    }
    EXPECT_EQ(reader->second(control), Declared(info)) << className << "." << info.name;
  }
}

template <typename T>
Readers<T> CommonReaders() {
  return {
      {"Enabled", [](T& c) { return Bool(c.Enabled()); }},
      {"Visible", [](T& c) { return Bool(c.Visible()); }},
      {"ParentFont", [](T& c) { return Bool(c.ParentFont()); }},
      {"ParentColor", [](T& c) { return Bool(c.ParentColor()); }},
      {"TabStop", [](T& c) { return Bool(c.TabStop()); }},
      {"TabOrder", [](T& c) { return Int(c.TabOrder()); }},
      {"ColorFocused", [](T& c) { return Int(c.ColorFocused()); }},
      {"ColorDown", [](T& c) { return Int(c.ColorDown()); }},
      {"ColorBorder", [](T& c) { return Int(c.ColorBorder()); }},
      {"AdvColorFocused", [](T& c) { return Int(c.AdvColorFocused()); }},
      {"AdvColorDown", [](T& c) { return Int(c.AdvColorDown()); }},
      {"AdvColorBorder", [](T& c) { return Int(c.AdvColorBorder()); }},
      {"UseAdvColors", [](T& c) { return Bool(c.UseAdvColors()); }},
  };
}

class FlatDefaults : public FlatControlTest {};

TEST_F(FlatDefaults, AConstructedFlatButtonStartsAtEverySchemaDefault) {
  Readers<TFlatButton> readers = CommonReaders<TFlatButton>();
  readers.insert({
      {"TransparentMode", [](TFlatButton& c) { return Name(core::kTransparentMode, int(c.TransparentMode())); }},
      {"Default", [](TFlatButton& c) { return Bool(c.Default()); }},
      {"AllowAllUp", [](TFlatButton& c) { return Bool(c.AllowAllUp()); }},
      {"ColorHighLight", [](TFlatButton& c) { return Int(c.ColorHighLight()); }},
      {"ColorShadow", [](TFlatButton& c) { return Int(c.ColorShadow()); }},
      {"GroupIndex", [](TFlatButton& c) { return Int(c.GroupIndex()); }},
      {"Down", [](TFlatButton& c) { return Bool(c.Down()); }},
      {"Layout", [](TFlatButton& c) { return Name(core::kButtonLayout, int(c.Layout())); }},
      {"Margin", [](TFlatButton& c) { return Int(c.Margin()); }},
      {"NumGlyphs", [](TFlatButton& c) { return Int(c.NumGlyphs()); }},
      {"Spacing", [](TFlatButton& c) { return Int(c.Spacing()); }},
      {"ModalResult", [](TFlatButton& c) { return Int(c.ModalResult()); }},
  });
  // Color follows the parent (ParentColor) and is stored only once a definition turns that off.
  ExpectConstructedDefaults<TFlatButton>("TFlatButton", readers, {"Color"});
}

TEST_F(FlatDefaults, AConstructedCheckBoxStartsAtEverySchemaDefault) {
  Readers<TFlatCheckBox> readers = CommonReaders<TFlatCheckBox>();
  readers.insert({
      {"Transparent", [](TFlatCheckBox& c) { return Bool(c.Transparent()); }},
      {"Checked", [](TFlatCheckBox& c) { return Bool(c.Checked()); }},
      {"ColorCheck", [](TFlatCheckBox& c) { return Int(c.ColorCheck()); }},
      {"Layout", [](TFlatCheckBox& c) { return Name(core::kCheckBoxLayout, int(c.Layout())); }},
  });
  // Color follows the parent; TabStop is declared false but every check box starts as a tab stop,
  // so definitions store False when they mean it (the compiler keeps values that differ from the
  // declared default, and True differs).
  ExpectConstructedDefaults<TFlatCheckBox>("TFlatCheckBox", readers, {"Color", "TabStop"});
  TFlatCheckBox box(nullptr);
  EXPECT_TRUE(box.TabStop());
}

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

// Every class of the schema takes every name of each of its enumerations (not only the first).
TEST_F(FlatDefaults, EveryClassTakesEveryNameOfItsEnumerations) {
  auto* target = Make<ui::TCustomControl>(0, 0, 10, 10);
  target->SetName("Target");
  for (const core::ClassSchema* schema : core::AllClassSchemas()) {
    ui::TComponent* component = ui::ClassRegistry::Create(schema->className, host);
    if (!component) continue;  // forms are not made by the registry
    ui::LoadContext context;
    context.root = host;
    for (const core::PropertyInfo& info : schema->properties) {
      if (info.kind != core::PropertyKind::Enum) continue;
      std::string names(info.values);
      for (std::size_t start = 0; start <= names.size();) {
        std::size_t comma = names.find(',', start);
        std::string name = names.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        try {
          EXPECT_TRUE(component->SetProperty(info.name, PropertyValue::Identifier(name), context))
              << schema->className << "." << info.name << " " << name;
        } catch (const std::exception& e) {
          ADD_FAILURE() << schema->className << "." << info.name << " " << name << ": " << e.what();
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
      }
    }
  }
}

}  // namespace
