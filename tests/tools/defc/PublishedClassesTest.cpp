#include "tools/defc/PublishedClasses.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "core/DefinitionText.h"

namespace core {
namespace {

std::vector<std::string> Split(std::string_view values) {
  std::vector<std::string> out;
  std::stringstream in{std::string(values)};
  for (std::string item; std::getline(in, item, ',');) out.push_back(item);
  return out;
}

bool IsMember(const PropertyInfo& p, const std::string& name) {
  const auto values = Split(p.values);
  return std::find(values.begin(), values.end(), name) != values.end();
}

// Every list, the window's among them.
std::vector<const ClassSchema*> AllClasses() {
  std::vector<const ClassSchema*> all{&PublishedClasses().window};
  for (const ClassSchema& schema : PublishedClasses().classes) all.push_back(&schema);
  return all;
}

TEST(PublishedClassesTest, FindsClassesByTheirExactName) {
  EXPECT_EQ(PublishedClasses().Find("TFlatButton")->className, "TFlatButton");
  EXPECT_EQ(PublishedClasses().Find("TEdit"), nullptr);
  EXPECT_EQ(PublishedClasses().Find("tlabel"), nullptr);
}

// Every declared default must itself be a legal value, or the compiler could never drop it.
TEST(PublishedClassesTest, DeclarationsAreConsistent) {
  for (const ClassSchema* schema : AllClasses()) {
    std::set<std::string_view> names;
    for (const PropertyInfo& p : schema->properties) {
      const std::string where = std::string(schema->className) + "." + std::string(p.name);
      EXPECT_TRUE(names.insert(p.name).second) << where << " listed twice";
      const bool listed = p.kind == PropertyKind::Enum || p.kind == PropertyKind::Set;
      EXPECT_EQ(listed, !p.values.empty()) << where;
      if (p.defaultText.empty()) continue;
      const PropertyValue d = DefinitionText::ParseValue(p.defaultText);
      std::int32_t colour;
      switch (p.kind) {
        case PropertyKind::Integer:
        case PropertyKind::Pixels: EXPECT_EQ(d.type, ValueType::Integer) << where; break;
        case PropertyKind::Boolean: EXPECT_TRUE(d.IsBool()) << where; break;
        case PropertyKind::Enum: EXPECT_TRUE(IsMember(p, d.text)) << where; break;
        case PropertyKind::Color:
          EXPECT_TRUE(d.type == ValueType::Integer || LookupColorName(d.text, colour)) << where;
          break;
        case PropertyKind::Set:
          for (const auto& item : d.items) EXPECT_TRUE(IsMember(p, item)) << where << " " << item;
          break;
        default: ADD_FAILURE() << where << " declares a default for a kind that has none"; break;
      }
    }
  }
}

TEST(PublishedClassesTest, ControlsStartWithTheirBoundsAndCarryTheWholeFont) {
  for (const ClassSchema* schema : AllClasses()) {
    const std::string_view cls = schema->className;
    if (cls == "TMainMenu" || cls == "TMenuItem" || cls == "TFileSource") continue;
    ASSERT_GE(schema->properties.size(), 4u) << cls;
    EXPECT_EQ(schema->IndexOf("Left"), 0) << cls;
    EXPECT_EQ(schema->IndexOf("Top"), 1) << cls;
    EXPECT_EQ(schema->IndexOf("Width"), 2) << cls;
    EXPECT_EQ(schema->IndexOf("Height"), 3) << cls;
    const int font = schema->IndexOf("Font.Charset");
    if (font < 0) continue;
    int i = font;
    for (const char* part : {"Font.Charset", "Font.Color", "Font.Height", "Font.Name", "Font.Style"}) {
      EXPECT_EQ(schema->IndexOf(part), i++) << cls << " " << part;
    }
    EXPECT_EQ(schema->Find("Font.Style")->values, "fsBold,fsItalic,fsUnderline,fsStrikeOut");
  }
}

TEST(PublishedClassesTest, PublishingOrderThatLoadingDependsOn) {
  const ClassSchema* combo = PublishedClasses().Find("TFlatComboBox");
  EXPECT_GT(combo->IndexOf("ItemIndex"), combo->IndexOf("Items.Strings"));
  EXPECT_TRUE(combo->Find("ItemIndex")->defaultText.empty());
  EXPECT_TRUE(combo->Find("ItemHeight")->defaultText.empty());

  const ClassSchema* spin = PublishedClasses().Find("TFlatSpinEditInteger");
  EXPECT_LT(spin->IndexOf("MinValue"), spin->IndexOf("Value"));
  EXPECT_LT(spin->IndexOf("MaxValue"), spin->IndexOf("Value"));

  const ClassSchema* file = PublishedClasses().Find("TFileSource");
  std::vector<std::string_view> names;
  for (const auto& p : file->properties) names.push_back(p.name);
  EXPECT_EQ(names, (std::vector<std::string_view>{"Compress", "DisplayLabel", "Extension", "FileName", "Store"}));
  EXPECT_TRUE(file->Find("Compress")->defaultText.empty());
}

TEST(PublishedClassesTest, FrameworkPropertiesWithoutUseAreLeftOut) {
  for (const ClassSchema* schema : AllClasses()) {
    for (const char* unused : {"DragCursor", "DragMode", "PopupMenu", "Hint", "ShowHint", "ParentShowHint",
                               "HelpContext", "OnDragDrop", "OnDragOver", "OnEndDrag", "OnStartDrag"}) {
      EXPECT_EQ(schema->Find(unused), nullptr) << schema->className << "." << unused;
    }
  }
}

}  // namespace
}  // namespace core
