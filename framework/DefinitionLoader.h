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
  // Stored pixels (positions, sizes, client sizes, pixel font heights) are designed at 96 DPI;
  // they are multiplied by dpi / 96 as they are applied, so at 96 nothing changes.
  static void Load(TComponent& root, const std::vector<std::uint8_t>& stored, int dpi = 96);
  static void Load(TComponent& root, const core::ComponentDef& definition, int dpi = 96);
};

}  // namespace ui
