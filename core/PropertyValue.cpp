#include "core/PropertyValue.h"

#include <utility>

namespace core {

PropertyValue PropertyValue::Int(std::int32_t v) {
  PropertyValue p;
  p.type = ValueType::Integer;
  p.integer = v;
  return p;
}

PropertyValue PropertyValue::Bool(bool v) {
  PropertyValue p;
  p.type = v ? ValueType::True : ValueType::False;
  return p;
}

PropertyValue PropertyValue::Str(std::string v) {
  PropertyValue p;
  p.type = ValueType::String;
  p.text = std::move(v);
  return p;
}

PropertyValue PropertyValue::Identifier(std::string v) {
  PropertyValue p;
  p.type = ValueType::Ident;
  p.text = std::move(v);
  return p;
}

PropertyValue PropertyValue::SetOf(std::vector<std::string> v) {
  PropertyValue p;
  p.type = ValueType::Set;
  p.items = std::move(v);
  return p;
}

PropertyValue PropertyValue::List(std::vector<std::string> v) {
  PropertyValue p;
  p.type = ValueType::StringList;
  p.items = std::move(v);
  return p;
}

PropertyValue PropertyValue::Raw(std::vector<std::uint8_t> v) {
  PropertyValue p;
  p.type = ValueType::Binary;
  p.bytes = std::move(v);
  return p;
}

}  // namespace core
