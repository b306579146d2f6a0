// A window moved to a monitor of another scaling is the window loaded at that scaling, and a
// control a definition leaves at its declared default starts there.
#include <gtest/gtest.h>

#include <memory>

#include "core/ComponentDef.h"
#include "core/DefinitionCompiler.h"
#include "flatctrls/TFlatComboBox.h"
#include "flatctrls/TFlatGroupBox.h"
#include "framework/DefinitionLoader.h"
#include "framework/Form.h"
#include "tests/support/WindowTest.h"
#include "tools/defc/PublishedClasses.h"

namespace {

using core::ComponentDef;
using core::PropertyValue;

ComponentDef Child(const char* className, const char* name, int left, int top, int width, int height) {
  ComponentDef c{className, name, {}, {}};
  c.properties = {{"Left", PropertyValue::Int(left)},
                  {"Top", PropertyValue::Int(top)},
                  {"Width", PropertyValue::Int(width)},
                  {"Height", PropertyValue::Int(height)}};
  return c;
}

ComponentDef Window() {
  ComponentDef form{"TForm1", "Moved", {}, {}};
  form.properties = {{"ClientHeight", PropertyValue::Int(227)}, {"ClientWidth", PropertyValue::Int(400)},
                     {"Font.Height", PropertyValue::Int(-11)}, {"Font.Name", PropertyValue::Str("MS Sans Serif")}};
  ComponentDef combo = Child("TFlatComboBox", "Rows", 5, 61, 137, 21);
  combo.properties.emplace_back("ItemHeight", PropertyValue::Int(13));
  ComponentDef ownFont = Child("TFlatComboBox", "OwnFont", 5, 90, 137, 21);
  ownFont.properties.emplace_back("Font.Height", PropertyValue::Int(-13));
  ownFont.properties.emplace_back("ParentFont", PropertyValue::Bool(false));
  ownFont.properties.emplace_back("ItemHeight", PropertyValue::Int(16));
  ComponentDef group = Child("TFlatGroupBox", "Group", 150, 10, 185, 105);
  group.children = {Child("TFlatComboBox", "Inside", 7, 20, 101, 21)};
  form.children = {combo, ownFont, group};
  return form;
}

class DpiChange : public testsupport::WindowTest {};

TEST_F(DpiChange, AWindowMovedTo144IsTheWindowLoadedAt144) {
  for (int dpi : {144, 192}) {
    SCOPED_TRACE(dpi);
    ui::TForm loaded(nullptr), moved(nullptr);
    ui::DefinitionLoader::Load(loaded, Window(), dpi);
    ui::DefinitionLoader::Load(moved, Window(), 96);
    moved.ChangeDpi(dpi);
    EXPECT_EQ(moved.ClientWidth(), loaded.ClientWidth());
    EXPECT_EQ(moved.ClientHeight(), loaded.ClientHeight());
    EXPECT_EQ(moved.Font().Height(), loaded.Font().Height());
    for (const char* name : {"Rows", "OwnFont", "Group", "Inside"}) {
      SCOPED_TRACE(name);
      auto* a = dynamic_cast<ui::TControl*>(loaded.FindComponent(name));
      auto* b = dynamic_cast<ui::TControl*>(moved.FindComponent(name));
      ASSERT_TRUE(a && b);
      EXPECT_EQ(b->Left(), a->Left());
      EXPECT_EQ(b->Top(), a->Top());
      EXPECT_EQ(b->Width(), a->Width());
      EXPECT_EQ(b->Height(), a->Height());
      EXPECT_EQ(b->Font().Height(), a->Font().Height());
      EXPECT_EQ(b->Font().Name(), a->Font().Name());
      EXPECT_EQ(b->Color(), a->Color());
      if (auto* combo = dynamic_cast<TFlatComboBox*>(a))
        EXPECT_EQ(dynamic_cast<TFlatComboBox*>(b)->ItemHeight(), combo->ItemHeight());
    }
  }
  ui::TForm moved(nullptr);
  ui::DefinitionLoader::Load(moved, Window(), 96);
  moved.ChangeDpi(144);
  EXPECT_EQ(dynamic_cast<TFlatComboBox*>(moved.FindComponent("Rows"))->ItemHeight(), 20);
  // Back and forth ends where it began: nothing is scaled from a scaled value.
  moved.ChangeDpi(120);
  moved.ChangeDpi(96);
  auto* rows = dynamic_cast<TFlatComboBox*>(moved.FindComponent("Rows"));
  EXPECT_EQ(rows->Width(), 137);
  EXPECT_EQ(rows->ItemHeight(), 13);
}

TEST_F(DpiChange, AStatedDefaultColourIsTheColourTheControlGets) {
  TFlatComboBox combo(nullptr);
  EXPECT_EQ(combo.Color(), 0x00E1EAEBu);
  TFlatGroupBox group(nullptr);
  EXPECT_EQ(group.Color(), ui::clWindow);

  ComponentDef window{"TForm1", "Window", {}, {}};
  ComponentDef stated = Child("TFlatComboBox", "Stated", 0, 0, 100, 21);
  stated.properties.emplace_back("Color", PropertyValue::Int(0x00E1EAEB));
  window.children = {stated};
  const core::DefinitionCompiler compiler(PublishedClasses(), [](const std::string&) { return std::vector<std::uint8_t>{}; });
  const ComponentDef compiled = compiler.Compile(window);
  ASSERT_EQ(compiled.children.at(0).Find("Color"), nullptr) << "the default is not stored";
  ui::TForm form(nullptr);
  ui::DefinitionLoader::Load(form, compiled);
  EXPECT_EQ(dynamic_cast<ui::TControl*>(form.FindComponent("Stated"))->Color(), 0x00E1EAEBu);
}

}  // namespace
