#include "framework/DefinitionLoader.h"

#include <windows.h>

#include "core/DefinitionStream.h"
#include "core/DpiScale.h"
#include "core/StreamError.h"
#include "core/Windows1252.h"
#include "framework/ClassRegistry.h"
#include "framework/Component.h"
#include "framework/PropertyTable.h"
#include "system/Exceptions.h"

namespace ui {

namespace {

void ApplyProperties(TComponent& component, const core::ComponentDef& def, LoadContext& context) {
  const PropertyTable& published = component.Published();
  for (const auto& [name, stored] : def.properties) {
    core::PropertyValue value = stored;
    // Stored texts are Windows-1252; the program's own text is UTF-8.
    if (value.type == core::ValueType::String) value.text = core::Windows1252::ToUtf8(value.text);
    for (std::string& item : value.items)
      if (value.type == core::ValueType::StringList) item = core::Windows1252::ToUtf8(item);
    const PublishedProperty* row = published.Find(name);
    if (value.type == core::ValueType::Integer && row && row->info.kind == core::PropertyKind::Pixels) {
      component.KeepDesignPixels(name, value.integer);
      value.integer = core::DpiScale::Scale(value.integer, context.dpi);
    }
    if (!component.SetProperty(name, value, context))
      throw Exception("Error reading " + def.name + "." + name + ": Property " + name + " does not exist");
  }
}

void CreateChildren(TComponent& root, TComponent& parent, const core::ComponentDef& def, LoadContext& context,
                    std::vector<TComponent*>& created) {
  for (const core::ComponentDef& child : def.children) {
    TComponent* component = ClassRegistry::Create(child.className, &root);
    if (!component) throw Exception("Class " + child.className + " not found");
    component->SetName(child.name);
    component->BeginLoading();
    created.push_back(component);
    component->SetParentComponent(&parent);
    ApplyProperties(*component, child, context);
    CreateChildren(root, *component, child, context, created);
  }
}

}  // namespace

std::vector<std::uint8_t> DefinitionLoader::ReadResource(const std::string& name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) throw Exception("Resource " + name + " not found");
  HGLOBAL loaded = LoadResource(module, found);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
  DWORD size = SizeofResource(module, found);
  if (!data) throw Exception("Resource " + name + " not found");
  return std::vector<std::uint8_t>(data, data + size);
}

void DefinitionLoader::Load(TComponent& root, const std::vector<std::uint8_t>& stored, int dpi) {
  core::ComponentDef definition;
  try {
    definition = core::DefinitionStream::Read(stored);
  } catch (const core::StreamError& e) {
    throw Exception(e.what());
  }
  Load(root, definition, dpi);
}

void DefinitionLoader::Load(TComponent& root, const core::ComponentDef& definition, int dpi) {
  LoadContext context;
  context.root = &root;
  context.dpi = dpi;
  std::vector<TComponent*> created{&root};
  root.BeginLoading();
  root.SetName(definition.name);
  ApplyProperties(root, definition, context);
  CreateChildren(root, root, definition, context, created);
  for (auto& fixup : context.fixups) fixup();
  for (TComponent* component : created) component->Loaded();
}

}  // namespace ui
