#include "core/ClassSchema.h"

namespace core {

namespace {

struct NamedColor {
  std::string_view name;
  std::uint32_t value;
};

constexpr NamedColor kColors[] = {
    {"clBlack", 0x000000},         {"clMaroon", 0x000080},        {"clGreen", 0x008000},
    {"clNavy", 0x800000},          {"clBlue", 0xFF0000},          {"clRed", 0x0000FF},
    {"clWhite", 0xFFFFFF},         {"clGray", 0x808080},          {"clSilver", 0xC0C0C0},
    {"clYellow", 0x00FFFF},        {"clScrollBar", 0x80000000},   {"clBackground", 0x80000001},
    {"clWindow", 0x80000005},      {"clWindowText", 0x80000008},  {"clBtnFace", 0x8000000F},
    {"clHighlight", 0x8000000D},   {"clHighlightText", 0x8000000E}, {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},    {"clBtnText", 0x80000012},     {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},  {"cl3DLight", 0x80000016},     {"clInfoBk", 0x80000018},
};

}  // namespace

const PropertyInfo* ClassSchema::Find(std::string_view property) const {
  const int i = IndexOf(property);
  return i < 0 ? nullptr : &properties[static_cast<std::size_t>(i)];
}

int ClassSchema::IndexOf(std::string_view property) const {
  for (std::size_t i = 0; i < properties.size(); ++i) {
    if (properties[i].name == property) return static_cast<int>(i);
  }
  return -1;
}

const ClassSchema* ClassList::Find(std::string_view className) const {
  for (const auto& schema : classes)
    if (schema.className == className) return &schema;
  return nullptr;
}

bool LookupColorName(std::string_view name, std::int32_t& value) {
  for (const auto& color : kColors) {
    if (color.name == name) {
      value = static_cast<std::int32_t>(color.value);
      return true;
    }
  }
  return false;
}

}  // namespace core
