#include "framework/Component.h"

#include <algorithm>
#include <cctype>

#include "core/EnumNames.h"
#include "framework/PropertyTable.h"
#include "system/Exceptions.h"

namespace ui {

namespace {
[[noreturn]] void InvalidValue() { throw Exception("Invalid property value"); }
}  // namespace

std::int32_t IntValue(const core::PropertyValue& v) {
  if (v.type != core::ValueType::Integer) InvalidValue();
  return v.integer;
}

bool BoolValue(const core::PropertyValue& v) {
  if (!v.IsBool()) InvalidValue();
  return v.AsBool();
}

const std::string& StringValue(const core::PropertyValue& v) {
  if (v.type != core::ValueType::String) InvalidValue();
  return v.text;
}

const std::string& IdentValue(const core::PropertyValue& v) {
  if (v.type != core::ValueType::Ident) InvalidValue();
  return v.text;
}

int EnumOrdinalValue(const core::PropertyValue& v, std::string_view names) {
  int ordinal = core::EnumOrdinal(names, IdentValue(v));
  if (ordinal < 0) InvalidValue();
  return ordinal;
}

unsigned SetBitsValue(const core::PropertyValue& v, std::string_view names) {
  if (v.type != core::ValueType::Set) InvalidValue();
  unsigned bits = 0;
  for (const std::string& item : v.items) {
    int ordinal = core::EnumOrdinal(names, item);
    if (ordinal < 0) InvalidValue();
    bits |= 1u << ordinal;
  }
  return bits;
}

TNotifyEvent LoadContext::NotifyMethod(const core::PropertyValue& value) const {
  const std::string& name = IdentValue(value);
  TNotifyEvent method = root ? root->FindNotifyMethod(name) : nullptr;
  if (!method) throw Exception("Method " + name + " not found");
  return method;
}

TCloseEvent LoadContext::CloseMethod(const core::PropertyValue& value) const {
  const std::string& name = IdentValue(value);
  TCloseEvent method = root ? root->FindCloseMethod(name) : nullptr;
  if (!method) throw Exception("Method " + name + " not found");
  return method;
}

void LoadContext::Reference(const core::PropertyValue& value, std::function<void(TComponent*)> assign) {
  std::string name = IdentValue(value);
  TComponent* owner = root;
  fixups.push_back([owner, name, assign = std::move(assign)] {
    TComponent* target = owner ? owner->FindComponent(name) : nullptr;
    if (!target) throw Exception("Invalid property value: no component named " + name);
    assign(target);
  });
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
  destroying_ = true;
  DestroyComponents();
  if (owner_) owner_->Remove(this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) delete components_.back();
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_) {
    if (c->name_.size() == name.size() &&
        std::equal(name.begin(), name.end(), c->name_.begin(),
                   [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) ==
                                               std::tolower(static_cast<unsigned char>(b)); }))
      return c;
  }
  return nullptr;
}

const PropertyTable& TComponent::Published() const {
  static const PropertyTable none;
  return none;
}

bool TComponent::SetProperty(std::string_view name, const core::PropertyValue& value, LoadContext& context) {
  const PublishedProperty* row = Published().Find(name);
  if (!row) return false;
  row->set(*this, *row, value, context);
  return true;
}

const core::PropertyValue* TComponent::KeptValue(std::string_view name) const {
  for (const auto& [kept, value] : kept_)
    if (kept == name) return &value;
  return nullptr;
}

void TComponent::Keep(std::string_view name, core::PropertyValue value) {
  for (auto& [kept, old] : kept_)
    if (kept == name) {
      old = std::move(value);
      return;
    }
  kept_.emplace_back(std::string(name), std::move(value));
}

void TComponent::Insert(TComponent* component) { components_.push_back(component); }

void TComponent::Remove(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
  for (TComponent* c : components_) c->Notification(component);
}

}  // namespace ui
