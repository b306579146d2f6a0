#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/ClassSchema.h"
#include "core/PropertyValue.h"
#include "framework/Component.h"

namespace ui {

// One published property of a class: what a definition knows of it (name, kind, declared
// default, enumeration names) and how the class reads and sets it.
struct PublishedProperty {
  core::PropertyInfo info;
  core::PropertyValue (*get)(const TComponent&, const PublishedProperty&);
  void (*set)(TComponent&, const PublishedProperty&, const core::PropertyValue&, LoadContext&);
  bool stored = true;  // false: a second name of another property, never in a definition
};

// The published properties of a class, in the order its definitions store them. Each class
// writes its rows once, in a .props file beside it (PUBLISH, PUBLISH_FIELD, PUBLISH_EVENT,
// PUBLISH_REFERENCE and PUBLISH_KEPT lines); the program expands them with the macros below,
// the definition compiler with its own, which keep only the names, kinds and defaults.
class PropertyTable {
 public:
  PropertyTable() = default;
  PropertyTable(std::initializer_list<PublishedProperty> rows) : rows_(rows) {}
  const PublishedProperty* Find(std::string_view name) const;
  const std::vector<PublishedProperty>& Rows() const { return rows_; }

 private:
  std::vector<PublishedProperty> rows_;
};

namespace published {

// A stored value turned into what the class's getter hands back (and its setter takes).
template <typename T>
T FromStored(const PublishedProperty& row, const core::PropertyValue& v) {
  if constexpr (std::is_same_v<T, bool>) {
    return BoolValue(v);
  } else if constexpr (std::is_same_v<T, std::string>) {
    return StringValue(v);
  } else if constexpr (std::is_same_v<T, char>) {  // a password character: one character or none
    const std::string& s = StringValue(v);
    return s.empty() ? '\0' : s[0];
  } else if constexpr (std::is_same_v<T, std::vector<std::string>>) {
    if (v.type != core::ValueType::StringList) throw Exception("Invalid property value");
    return v.items;
  } else if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>) {
    if (v.type != core::ValueType::Binary) throw Exception("Invalid property value");
    return v.bytes;
  } else if constexpr (std::is_enum_v<T>) {
    return static_cast<T>(EnumOrdinalValue(v, row.info.values));
  } else {
    static_assert(std::is_integral_v<T>, "a published value is a number, a flag, a text, a list or bytes");
    if (row.info.kind == core::PropertyKind::Set) return static_cast<T>(SetBitsValue(v, row.info.values));
    return static_cast<T>(IntValue(v));
  }
}

std::string NameAt(std::string_view names, int ordinal);
core::PropertyValue SetOfBits(std::string_view names, unsigned bits);

template <typename T>
core::PropertyValue ToStored(const PublishedProperty& row, const T& value) {
  if constexpr (std::is_same_v<T, bool>) {
    return core::PropertyValue::Bool(value);
  } else if constexpr (std::is_same_v<T, std::string>) {
    return core::PropertyValue::Str(value);
  } else if constexpr (std::is_same_v<T, char>) {
    return core::PropertyValue::Str(value ? std::string(1, value) : std::string());
  } else if constexpr (std::is_same_v<T, std::vector<std::string>>) {
    return core::PropertyValue::List(value);
  } else if constexpr (std::is_same_v<T, std::vector<std::uint8_t>>) {
    return core::PropertyValue::Raw(value);
  } else if constexpr (std::is_enum_v<T>) {
    return core::PropertyValue::Identifier(NameAt(row.info.values, static_cast<int>(value)));
  } else {
    if (row.info.kind == core::PropertyKind::Set) return SetOfBits(row.info.values, static_cast<unsigned>(value));
    return core::PropertyValue::Int(static_cast<std::int32_t>(value));
  }
}

template <typename Get, typename Set>
PublishedProperty Row(core::PropertyInfo info, Get, Set, bool stored = true) {
  using T = std::remove_cvref_t<std::invoke_result_t<Get, const TComponent&>>;
  return {info, [](const TComponent& c, const PublishedProperty& row) { return ToStored<T>(row, Get{}(c)); },
          [](TComponent& c, const PublishedProperty& row, const core::PropertyValue& v, LoadContext&) {
            Set{}(c, FromStored<T>(row, v));
          },
          stored};
}

// A reference reads as the name of the component it points at.
core::PropertyValue ReferenceName(const TComponent* target);

// Published but without effect here: the value is checked, kept and given back.
core::PropertyValue KeptValue(const TComponent& c, const PublishedProperty& row);
void KeepValue(TComponent& c, const PublishedProperty& row, const core::PropertyValue& v, LoadContext&);

}  // namespace published

}  // namespace ui

// The program's expansion of a .props file, inside a member of class C (so the rows may reach
// what C keeps to itself):
//   PUBLISH(name, kind, default, names, getter expression, setter)  the class's getter and setter
//   PUBLISH_FIELD(name, kind, default, names, field)                a member read and written as is
//   PUBLISH_EVENT(name, member)                                     an event bound to a published method
//   PUBLISH_REFERENCE(name, getter expression, setter)              another component of the window
//   PUBLISH_KEPT(name, kind, default, names)                        see published::KeptValue
//   PUBLISH_SECOND_NAME(name, kind, names, getter expression, setter) set and read by name, never stored
#define PUBLISH_ROW(name, kind, def, values, get, set, stored)                                                   \
  ::ui::published::Row(                                                                                          \
      {name, ::core::PropertyKind::kind, def, values},                                                           \
      [](const ::ui::TComponent& o) -> decltype(auto) { return static_cast<const C&>(o).get; },                  \
      [](::ui::TComponent& o, auto&& v) { static_cast<C&>(o).set(std::forward<decltype(v)>(v)); }, stored),
#define PUBLISH(name, kind, def, values, get, set) PUBLISH_ROW(name, kind, def, values, get, set, true)
#define PUBLISH_SECOND_NAME(name, kind, values, get, set) PUBLISH_ROW(name, kind, {}, values, get, set, false)
#define PUBLISH_FIELD(name, kind, def, values, field)                                                            \
  ::ui::published::Row(                                                                                          \
      {name, ::core::PropertyKind::kind, def, values},                                                           \
      [](const ::ui::TComponent& o) -> decltype(auto) { return (static_cast<const C&>(o).field); },              \
      [](::ui::TComponent& o, auto&& v) { static_cast<C&>(o).field = std::forward<decltype(v)>(v); }),
#define PUBLISH_EVENT(name, member)                                                                              \
  ::ui::PublishedProperty{                                                                                       \
      {name, ::core::PropertyKind::Event, {}, {}},                                                               \
      [](const ::ui::TComponent& o, const ::ui::PublishedProperty&) {                                            \
        return ::core::PropertyValue::Bool(static_cast<bool>(static_cast<const C&>(o).member));                  \
      },                                                                                                         \
      [](::ui::TComponent& o, const ::ui::PublishedProperty&, const ::core::PropertyValue& v,                    \
         ::ui::LoadContext& context) {                                                                           \
        auto& event = static_cast<C&>(o).member;                                                                 \
        event = context.Method<std::remove_reference_t<decltype(event)>>(v);                                     \
      }},
#define PUBLISH_REFERENCE(name, get, set)                                                                        \
  ::ui::PublishedProperty{                                                                                       \
      {name, ::core::PropertyKind::Reference, {}, {}},                                                           \
      [](const ::ui::TComponent& o, const ::ui::PublishedProperty&) {                                            \
        return ::ui::published::ReferenceName(static_cast<const C&>(o).get);                                     \
      },                                                                                                         \
      [](::ui::TComponent& o, const ::ui::PublishedProperty&, const ::core::PropertyValue& v,                    \
         ::ui::LoadContext& context) {                                                                           \
        C& self = static_cast<C&>(o);                                                                            \
        context.Reference(v, [&self](::ui::TComponent* target) {                                                 \
          self.set(dynamic_cast<std::remove_pointer_t<decltype(self.get)>*>(target));                            \
        });                                                                                                      \
      }},
#define PUBLISH_KEPT(name, kind, def, values)                                                                    \
  ::ui::PublishedProperty{{name, ::core::PropertyKind::kind, def, values}, ::ui::published::KeptValue,           \
                          ::ui::published::KeepValue},
