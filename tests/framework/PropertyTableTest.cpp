// Each class publishes its properties once, in one table that the definition compiler, the
// loader and a change of DPI all read. A fresh component starts at every declared default (the
// compiler drops a value equal to it, so any other start would lose what the definition says),
// and every value set by name reads back as set.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/DefinitionText.h"
#include "flatctrls/TFlatEdit.h"
#include "framework/ClassRegistry.h"
#include "framework/Menu.h"
#include "framework/PropertyTable.h"
#include "tests/flatctrls/FlatTestHost.h"
#include "tools/defc/PublishedClasses.h"

namespace core {
// Failures name the value, not its bytes.
void PrintTo(const PropertyValue& v, std::ostream* os) {
  *os << "type " << static_cast<int>(v.type) << " int " << v.integer << " text '" << v.text << "'";
  for (const std::string& item : v.items) *os << " [" << item << "]";
  if (!v.bytes.empty()) *os << " " << v.bytes.size() << " bytes";
}
}  // namespace core

namespace {

using core::PropertyKind;
using core::PropertyValue;

// The bytes of a 2 x 1 24-bit .bmp file.
std::vector<std::uint8_t> TinyBitmap() {
  return {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
          0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
          0, 0, 255, 255, 255, 255, 0, 0};
}

// The handler of TTestHostForm whose signature the event needs.
std::string HandlerFor(std::string_view event) {
  if (event == "OnMouseDown" || event == "OnMouseUp") return "MouseHandler";
  if (event == "OnMouseMove") return "MouseMoveHandler";
  if (event == "OnKeyDown" || event == "OnKeyUp") return "KeyHandler";
  if (event == "OnKeyPress") return "KeyPressHandler";
  if (event == "OnDrawItem") return "DrawItemHandler";
  if (event == "OnMeasureItem") return "MeasureItemHandler";
  if (event == "OnClose") return "CloseHandler";
  return "NotifyHandler";
}

// A declared default as stored definitions carry it (colour names as numbers).
PropertyValue Declared(const core::PropertyInfo& info) {
  PropertyValue value = core::DefinitionText::ParseValue(info.defaultText);
  std::int32_t color = 0;
  if (info.kind == PropertyKind::Color && value.type == core::ValueType::Ident && core::LookupColorName(value.text, color))
    return PropertyValue::Int(color);
  return value;
}

std::vector<std::string> Names(std::string_view list) {
  std::vector<std::string> names;
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t comma = list.find(',', start);
    names.emplace_back(list.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return names;
}

// Values to set by name: every name of an enumeration, otherwise one that differs from the default.
std::vector<PropertyValue> Samples(const core::PropertyInfo& info) {
  switch (info.kind) {
    case PropertyKind::Integer:  // small enough for a glyph count, the first of the tab order
      return {PropertyValue::Int(info.name == "ItemIndex" ? -1 : info.name == "TabOrder" ? 0 : 2)};
    case PropertyKind::Pixels: return {PropertyValue::Int(13)};
    case PropertyKind::Boolean:
      return {PropertyValue::Bool(info.defaultText.empty() || !Declared(info).AsBool())};
    case PropertyKind::String: return {PropertyValue::Str("x")};
    case PropertyKind::Enum: {
      std::vector<PropertyValue> all;
      for (const std::string& name : Names(info.values)) all.push_back(PropertyValue::Identifier(name));
      return all;
    }
    case PropertyKind::Color: return {PropertyValue::Int(0x00123456)};
    case PropertyKind::Set: return {PropertyValue::SetOf({Names(info.values).back()})};
    case PropertyKind::StringList: return {PropertyValue::List({"one", "two"})};
    case PropertyKind::Binary: return {PropertyValue::Raw(TinyBitmap())};
    case PropertyKind::Event: return {PropertyValue::Identifier(HandlerFor(info.name))};
    case PropertyKind::Reference: return {PropertyValue::Identifier(info.name == "Menu" ? "Menu1" : "Target")};
  }
  return {};
}

// Where a fresh component is not at the declared default, each for the reason given.
const std::map<std::string, std::string> kStartsElsewhere = {
    {"TFlatButton.Color", "follows the parent while ParentColor is on"},
    {"TFlatCheckBox.Color", "follows the parent while ParentColor is on"},
    {"TFlatCheckBox.TabStop", "declared false, set true at construction"},
    {"TFlatEdit.ParentColor", "declared false, set true at construction"},
    {"TFlatSpinEditInteger.ParentColor", "declared false, set true at construction"},
    {"TFlatSpinEditInteger.AutoSize", "declared true, set false at construction"},
    {"TProUrlLabel.ParentFont", "the constructor's blue underlined font turns it off"},
};
// What does not read back as set.
const std::map<std::string, std::string> kReadsOtherwise = {
    {"TFileSource.FileName", "reads \"\" while no file of that name exists"},
    {"TFlatButton.Down", "stays up unless the button is in a group (GroupIndex)"},
    {"TFlatComboBox.Height", "follows the font"},
    {"TFlatSpinEditInteger.Height", "never less than its font needs"},
};

class PropertyTable : public FlatControlTest {
 protected:
  PropertyTable() {
    Make<TFlatEdit>(0, 0, 50, 19)->SetName("Target");
    (new ui::TMainMenu(host))->SetName("Menu1");
  }

  // Every row of the component's class: its default when fresh, then each sample set and read back.
  void Check(const std::string& className, const std::function<ui::TComponent*()>& make) {
    for (const ui::PublishedProperty& row : make()->Published().Rows()) {
      const std::string where = className + "." + std::string(row.info.name);
      if (!row.info.defaultText.empty() && !kStartsElsewhere.contains(where))
        EXPECT_EQ(row.get(*make(), row), Declared(row.info)) << where << " starts elsewhere";
      if (kReadsOtherwise.contains(where)) continue;
      for (const PropertyValue& sample : Samples(row.info)) {
        ui::TComponent* component = make();
        component->SetParentComponent(host);  // as loading does, before any value
        ui::LoadContext context;
        context.root = host;
        try {
          ASSERT_TRUE(component->SetProperty(row.info.name, sample, context)) << where;
          for (auto& fixup : context.fixups) fixup();
        } catch (const std::exception& e) {
          ADD_FAILURE() << where << " refuses a value: " << e.what();
          continue;
        }
        const PropertyValue expected = row.info.kind == PropertyKind::Event ? PropertyValue::Bool(true) : sample;
        EXPECT_EQ(row.get(*component, row), expected) << where << " " << sample.text;
      }
    }
  }
};

TEST_F(PropertyTable, EveryClassStartsAtItsDefaultsAndReadsBackWhatIsSet) {
  for (const std::string& name : ui::ClassRegistry::Names())
    Check(name, [this, &name] { return ui::ClassRegistry::Create(name, host); });
  std::vector<std::unique_ptr<ui::TForm>> windows;
  Check("TForm", [&windows] { return windows.emplace_back(new TTestHostForm(nullptr)).get(); });
}

// The compiler reads the same lists without their getters and setters; both name the same classes.
TEST_F(PropertyTable, TheProgramPublishesWhatTheDefinitionCompilerReads) {
  auto same = [](const ui::PropertyTable& table, const core::ClassSchema& schema) {
    std::vector<core::PropertyInfo> stored;
    for (const ui::PublishedProperty& row : table.Rows())
      if (row.stored) stored.push_back(row.info);
    ASSERT_EQ(stored.size(), schema.properties.size()) << schema.className;
    for (std::size_t i = 0; i < schema.properties.size(); ++i) {
      const core::PropertyInfo &a = stored[i], &b = schema.properties[i];
      EXPECT_TRUE(a.name == b.name && a.kind == b.kind && a.defaultText == b.defaultText && a.values == b.values)
          << schema.className << "." << b.name;
    }
  };
  std::set<std::string> listed;
  for (const core::ClassSchema& schema : PublishedClasses().classes) {
    listed.emplace(schema.className);
    ui::TComponent* component = ui::ClassRegistry::Create(schema.className, host);
    ASSERT_NE(component, nullptr) << schema.className << " is not registered";
    same(component->Published(), schema);
  }
  const std::vector<std::string> registered = ui::ClassRegistry::Names();
  EXPECT_EQ(std::set<std::string>(registered.begin(), registered.end()), listed);
  same(host->Published(), PublishedClasses().window);
}

}  // namespace
