#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/ClassSchema.h"
#include "core/DefinitionText.h"
#include "framework/Component.h"

namespace schemasamples {

// The bytes of a 2 x 1 24-bit .bmp file.
inline std::vector<std::uint8_t> TinyBitmap() {
  return {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
          0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
          0, 0, 255, 255, 255, 255, 0, 0};
}

// The handler of TTestHostForm whose signature the event needs.
inline std::string HandlerFor(std::string_view event) {
  if (event == "OnMouseDown" || event == "OnMouseUp") return "MouseHandler";
  if (event == "OnMouseMove") return "MouseMoveHandler";
  if (event == "OnKeyDown" || event == "OnKeyUp") return "KeyHandler";
  if (event == "OnKeyPress") return "KeyPressHandler";
  if (event == "OnDrawItem") return "DrawItemHandler";
  if (event == "OnMeasureItem") return "MeasureItemHandler";
  return "NotifyHandler";
}

// A value of the right kind for a published property: its declared default where one is
// declared (colour names turned into numbers, as stored definitions carry them), else a sample.
inline core::PropertyValue SampleValue(const core::PropertyInfo& info, const std::string& referenceTarget) {
  using K = core::PropertyKind;
  if (!info.defaultText.empty()) {
    core::PropertyValue value = core::DefinitionText::ParseValue(info.defaultText);
    std::int32_t color = 0;
    if (info.kind == K::Color && value.type == core::ValueType::Ident && core::LookupColorName(value.text, color))
      return core::PropertyValue::Int(color);
    return value;
  }
  switch (info.kind) {
    case K::Integer:
    case K::Pixels: return core::PropertyValue::Int(info.name == "ItemIndex" ? -1 : 13);
    case K::Boolean: return core::PropertyValue::Bool(true);
    case K::String: return core::PropertyValue::Str("x");
    case K::Enum: {
      std::string_view values = info.values;
      return core::PropertyValue::Identifier(std::string(values.substr(0, values.find(','))));
    }
    case K::Color: return core::PropertyValue::Int(0x00FF0000);
    case K::Set: return core::PropertyValue::SetOf({});
    case K::StringList: return core::PropertyValue::List({"one", "two"});
    case K::Binary: return core::PropertyValue::Raw(TinyBitmap());
    case K::Event: return core::PropertyValue::Identifier(HandlerFor(info.name));
    case K::Reference: return core::PropertyValue::Identifier(referenceTarget);
  }
  return {};
}

// The published properties of the schema that the component refuses or fails on, each with the
// reason; empty when every one is taken.
inline std::vector<std::string> RefusedProperties(ui::TComponent& component, ui::TComponent& root,
                                                  const std::string& referenceTarget) {
  std::vector<std::string> refused;
  const core::ClassSchema* schema = core::FindClassSchema(component.ClassName());
  if (!schema) return {std::string("no schema for ") + component.ClassName()};
  ui::LoadContext context;
  context.root = &root;
  for (const core::PropertyInfo& info : schema->properties) {
    try {
      if (!component.SetProperty(info.name, SampleValue(info, referenceTarget), context))
        refused.push_back(std::string(info.name) + ": not published");
    } catch (const std::exception& e) {
      refused.push_back(std::string(info.name) + ": " + e.what());
    }
  }
  try {
    for (auto& fixup : context.fixups) fixup();
  } catch (const std::exception& e) {
    refused.push_back(std::string("reference: ") + e.what());
  }
  return refused;
}

}  // namespace schemasamples
