#pragma once
#include <any>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/PropertyValue.h"
#include "framework/Events.h"
#include "system/Exceptions.h"

namespace ui {

class TComponent;
class PropertyTable;

// What a component needs while its values are applied from a window definition: the window
// being loaded (it owns the published methods and the components that references name) and the
// references to resolve once every component exists.
struct LoadContext {
  TComponent* root = nullptr;
  // The DPI the stored pixels are scaled to.
  int dpi = 96;
  std::vector<std::function<void()>> fixups;

  TNotifyEvent NotifyMethod(const core::PropertyValue& value) const;
  TCloseEvent CloseMethod(const core::PropertyValue& value) const;
  // A published method of any other event type (mouse, key, ...), matched by its signature.
  template <typename Event>
  Event Method(const core::PropertyValue& value) const;
  // Calls assign with the named component once the whole window exists.
  void Reference(const core::PropertyValue& value, std::function<void(TComponent*)> assign);
};

// Readers for stored values; a value of the wrong kind raises "Invalid property value".
std::int32_t IntValue(const core::PropertyValue& v);
bool BoolValue(const core::PropertyValue& v);
const std::string& StringValue(const core::PropertyValue& v);
const std::string& IdentValue(const core::PropertyValue& v);
// A stored identifier out of a published enumeration, whose names come from core/EnumNames.h.
int EnumOrdinalValue(const core::PropertyValue& v, std::string_view names);
template <typename E>
E EnumValue(const core::PropertyValue& v, std::string_view names) {
  return static_cast<E>(EnumOrdinalValue(v, names));
}
// A stored set: bit i stands for the i-th name.
unsigned SetBitsValue(const core::PropertyValue& v, std::string_view names);

// Something with an owner and a name, that owns other components and frees them with itself.
class TComponent : public TObject {
 public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  virtual const char* ClassName() const { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  const std::vector<TComponent*>& Components() const { return components_; }
  TComponent* FindComponent(std::string_view name) const;

  bool Loading() const { return loading_; }
  bool Destroying() const { return destroying_; }
  void BeginLoading() { loading_ = true; }
  // The after-loading step: runs once every component of the window has its stored values.
  virtual void Loaded() { loading_ = false; }

  // The properties the class publishes to window definitions; none unless the class has a table.
  virtual const PropertyTable& Published() const;
  // Applies one stored value through the class's table; false when it does not publish the property.
  virtual bool SetProperty(std::string_view name, const core::PropertyValue& value, LoadContext& context);
  // A published property without effect keeps its value here.
  const core::PropertyValue* KeptValue(std::string_view name) const;
  void Keep(std::string_view name, core::PropertyValue value);

  // The pixel values the definition gave, as designed at 96 DPI and in stored order, so that a
  // change of DPI scales them afresh instead of scaling already scaled values.
  using DesignPixels = std::vector<std::pair<std::string, int>>;
  const DesignPixels& DesignPixelValues() const { return designPixels_; }
  void KeepDesignPixels(const std::string& name, int value) { designPixels_.emplace_back(name, value); }

  // Published methods, found by name when a definition binds an event to them.
  virtual TNotifyEvent FindNotifyMethod(std::string_view) const { return nullptr; }
  virtual TCloseEvent FindCloseMethod(std::string_view) const { return nullptr; }
  // Published methods of other signatures, each held as the std::function of its event type.
  virtual const std::any* FindMethod(std::string_view) const { return nullptr; }

  // The component a definition nests this one in (a control's parent, a menu item's menu).
  virtual void SetParentComponent(TComponent* parent) { (void)parent; }

  // Told when a component of the same owner goes away, so references to it can be dropped.
  virtual void Notification(TComponent* component) { (void)component; }

 protected:
  // Frees every owned component, newest first.
  void DestroyComponents();
  void BeginDestroy() { destroying_ = true; }

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);

  TComponent* owner_;
  std::string name_;
  std::vector<TComponent*> components_;
  DesignPixels designPixels_;
  std::vector<std::pair<std::string, core::PropertyValue>> kept_;
  bool loading_ = false;
  bool destroying_ = false;
};

template <typename Event>
Event LoadContext::Method(const core::PropertyValue& value) const {
  if constexpr (std::is_same_v<Event, TNotifyEvent>) {
    return NotifyMethod(value);
  } else if constexpr (std::is_same_v<Event, TCloseEvent>) {
    return CloseMethod(value);
  } else {
    const std::string& name = IdentValue(value);
    const std::any* found = root ? root->FindMethod(name) : nullptr;
    const Event* method = found ? std::any_cast<Event>(found) : nullptr;
    if (!method) throw Exception("Method " + name + " not found");
    return *method;
  }
}

}  // namespace ui
