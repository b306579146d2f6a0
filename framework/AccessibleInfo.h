#pragma once
#include <string>

namespace ui {

// What a control tells screen readers about itself. A role of 0 leaves role, name, value and
// default action to the system's standard object for the window; states are added to the
// standard ones (focusable, focused, unavailable, invisible).
struct AccessibleInfo {
  long role = 0;
  std::string name;
  bool hasName = false;
  std::string value;
  bool hasValue = false;
  long state = 0;
  std::string defaultAction;
  std::string description;

  void SetName(std::string text) {
    name = std::move(text);
    hasName = true;
  }
  void SetValue(std::string text) {
    value = std::move(text);
    hasValue = true;
  }
};

}  // namespace ui
