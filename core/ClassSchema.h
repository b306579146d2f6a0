#pragma once
#include <string_view>
#include <vector>

#include "core/PropertyValue.h"

namespace core {

enum class PropertyKind {
  Integer,
  Pixels,      // an integer length in pixels of a 96-DPI screen, scaled to the screen's DPI on loading
  Boolean,
  String,
  Enum,        // an identifier out of PropertyInfo::values (comma-separated)
  Color,       // $00BBGGRR integer or a colour name (clBtnFace ...); always stored as an integer
  Set,         // identifiers out of PropertyInfo::values
  StringList,
  Binary,
  Event,       // name of a published method of the window
  Reference,   // name of another component of the window
};

// One published property: its name, kind and declared default. An empty defaultText means no
// default is declared, so the value is always stored.
struct PropertyInfo {
  std::string_view name;
  PropertyKind kind;
  std::string_view defaultText;  // written as in the text form: "True", "0", "'PopUp'", "$00E1EAEB", "tmNone"
  std::string_view values;       // Enum and Set: the allowed identifiers, comma-separated
};

// The published properties of one class, in the order the class publishes them.
struct ClassSchema {
  std::string_view className;
  std::vector<PropertyInfo> properties;

  const PropertyInfo* Find(std::string_view property) const;
  int IndexOf(std::string_view property) const;  // -1 when not published
};

// The classes a window definition may name, and what a window of a class of its own (the
// outermost object of a definition) publishes.
struct ClassList {
  ClassSchema window;
  std::vector<ClassSchema> classes;

  const ClassSchema* Find(std::string_view className) const;
};

// Colour names the definitions may use, and their values.
bool LookupColorName(std::string_view name, std::int32_t& value);

}  // namespace core
