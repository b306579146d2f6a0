#pragma once
#include <string>
#include <utility>
#include <vector>

#include "core/PropertyValue.h"

namespace core {

// One component of a window definition: its class, its name, the values that differ from the
// declared defaults (in the order the class publishes them) and the components it holds.
struct ComponentDef {
  std::string className;
  std::string name;
  std::vector<std::pair<std::string, PropertyValue>> properties;
  std::vector<ComponentDef> children;

  const PropertyValue* Find(const std::string& property) const;
  friend bool operator==(const ComponentDef&, const ComponentDef&) = default;
};

}  // namespace core
