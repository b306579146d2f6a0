#include "core/ComponentDef.h"

namespace core {

const PropertyValue* ComponentDef::Find(const std::string& property) const {
  for (const auto& [name, value] : properties) {
    if (name == property) return &value;
  }
  return nullptr;
}

}  // namespace core
