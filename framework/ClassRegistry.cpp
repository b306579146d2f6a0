#include "framework/ClassRegistry.h"

#include <map>

#include "framework/Image.h"
#include "framework/Label.h"
#include "framework/Menu.h"

namespace ui {

namespace {
std::map<std::string, ClassRegistry::Factory, std::less<>>& Classes() {
  static std::map<std::string, ClassRegistry::Factory, std::less<>> classes;
  return classes;
}
}  // namespace

void ClassRegistry::Register(const std::string& className, Factory factory) { Classes()[className] = std::move(factory); }

TComponent* ClassRegistry::Create(std::string_view className, TComponent* owner) {
  auto it = Classes().find(className);
  return it == Classes().end() ? nullptr : it->second(owner);
}

bool ClassRegistry::Known(std::string_view className) { return Classes().find(className) != Classes().end(); }

std::vector<std::string> ClassRegistry::Names() {
  std::vector<std::string> names;
  for (const auto& [name, factory] : Classes()) names.push_back(name);
  return names;
}

void RegisterFrameworkClasses() {
  ClassRegistry::Register<TLabel>("TLabel");
  ClassRegistry::Register<TImage>("TImage");
  ClassRegistry::Register<TMainMenu>("TMainMenu");
  ClassRegistry::Register<TMenuItem>("TMenuItem");
}

}  // namespace ui
