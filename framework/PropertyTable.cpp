#include "framework/PropertyTable.h"

#include "core/DefinitionText.h"
#include "core/EnumNames.h"

namespace ui {

const PublishedProperty* PropertyTable::Find(std::string_view name) const {
  for (const PublishedProperty& row : rows_)
    if (row.info.name == name) return &row;
  return nullptr;
}

namespace published {

std::string NameAt(std::string_view names, int ordinal) {
  for (int i = 0; i < ordinal && !names.empty(); ++i) {
    const std::size_t comma = names.find(',');
    names = comma == std::string_view::npos ? std::string_view() : names.substr(comma + 1);
  }
  return std::string(names.substr(0, names.find(',')));
}

core::PropertyValue SetOfBits(std::string_view names, unsigned bits) {
  std::vector<std::string> items;
  for (int i = 0; bits >> i; ++i)
    if (bits & (1u << i)) items.push_back(NameAt(names, i));
  return core::PropertyValue::SetOf(std::move(items));
}

core::PropertyValue ReferenceName(const TComponent* target) {
  return core::PropertyValue::Identifier(target ? target->Name() : std::string());
}

core::PropertyValue KeptValue(const TComponent& c, const PublishedProperty& row) {
  if (const core::PropertyValue* kept = c.KeptValue(row.info.name)) return *kept;
  return core::DefinitionText::ParseValue(row.info.defaultText);
}

void KeepValue(TComponent& c, const PublishedProperty& row, const core::PropertyValue& v, LoadContext&) {
  switch (row.info.kind) {
    case core::PropertyKind::Boolean: BoolValue(v); break;
    case core::PropertyKind::Enum: EnumOrdinalValue(v, row.info.values); break;
    default: IntValue(v); break;
  }
  c.Keep(row.info.name, v);
}

}  // namespace published

}  // namespace ui
