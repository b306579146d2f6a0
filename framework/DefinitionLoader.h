#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/ComponentDef.h"

namespace ui {

class TComponent;

// Turns a stored window definition into live components: each one made by class name, owned by
// the window, placed in the component it is nested in, its values applied in stored order;
// then references are resolved and every component's after-loading step runs.
class DefinitionLoader {
 public:
  static std::vector<std::uint8_t> ReadResource(const std::string& name);
  static void Load(TComponent& root, const std::vector<std::uint8_t>& stored);
  static void Load(TComponent& root, const core::ComponentDef& definition);
};

}  // namespace ui
