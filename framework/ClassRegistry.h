#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class TComponent;

// The classes a window definition may name, each with a way to make one.
class ClassRegistry {
 public:
  using Factory = std::function<TComponent*(TComponent* owner)>;

  static void Register(const std::string& className, Factory factory);
  template <typename T>
  static void Register(const std::string& className) {
    Register(className, [](TComponent* owner) -> TComponent* { return new T(owner); });
  }
  // nullptr when the class is unknown.
  static TComponent* Create(std::string_view className, TComponent* owner);
  static bool Known(std::string_view className);
  static std::vector<std::string> Names();
};

// Registers the framework's own classes (labels, pictures, menus).
void RegisterFrameworkClasses();

}  // namespace ui
