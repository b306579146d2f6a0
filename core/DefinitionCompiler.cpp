#include "core/DefinitionCompiler.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>

#include "core/ClassSchema.h"
#include "core/DefinitionStream.h"

namespace core {

namespace {

[[noreturn]] void Fail(const std::string& message) { throw std::runtime_error(message); }

std::vector<std::string_view> SplitValues(std::string_view values) {
  std::vector<std::string_view> out;
  while (!values.empty()) {
    const auto comma = values.find(',');
    out.push_back(values.substr(0, comma));
    if (comma == std::string_view::npos) break;
    values.remove_prefix(comma + 1);
  }
  return out;
}

std::string JoinValues(std::string_view values) {
  std::string out;
  for (auto v : SplitValues(values)) out += (out.empty() ? "" : ", ") + std::string(v);
  return out;
}

const char* TypeName(ValueType t) {
  switch (t) {
    case ValueType::Integer: return "a number";
    case ValueType::Ident: return "a name";
    case ValueType::False:
    case ValueType::True: return "True or False";
    case ValueType::Binary: return "file data";
    case ValueType::Set: return "a set";
    case ValueType::String: return "a string";
    case ValueType::StringList: return "a string list";
  }
  return "an unknown value";
}

bool LookupCharsetName(std::string_view name, std::int32_t& value) {
  static constexpr std::pair<std::string_view, std::int32_t> kCharsets[] = {
      {"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"OEM_CHARSET", 255}};
  for (const auto& [n, v] : kCharsets) {
    if (n == name) {
      value = v;
      return true;
    }
  }
  return false;
}

// Checks a value against its property's kind and brings it into the form that is stored.
class ValueChecker {
 public:
  ValueChecker(const PropertyInfo& info, std::string where) : info_(info), where_(std::move(where)) {}

  PropertyValue Check(const PropertyValue& v) const {
    switch (info_.kind) {
      case PropertyKind::Integer:
      case PropertyKind::Pixels: return Integer(v);
      case PropertyKind::Boolean: return Expect(v, v.IsBool(), "True or False");
      case PropertyKind::String: return Expect(v, v.type == ValueType::String, "a string");
      case PropertyKind::Enum: return Enum(v);
      case PropertyKind::Color: return Color(v);
      case PropertyKind::Set: return Set(v);
      case PropertyKind::StringList: return Expect(v, v.type == ValueType::StringList, "a string list");
      case PropertyKind::Binary: return Expect(v, v.type == ValueType::Binary, "file data (file '...')");
      case PropertyKind::Event: return Expect(v, v.type == ValueType::Ident, "a method name");
      case PropertyKind::Reference: return Expect(v, v.type == ValueType::Ident, "a component name");
    }
    Fail(where_ + ": property of unknown kind");
  }

 private:
  const PropertyInfo& info_;
  std::string where_;

  PropertyValue Expect(const PropertyValue& v, bool ok, const char* wanted) const {
    if (!ok) Fail(where_ + ": " + wanted + " expected, " + TypeName(v.type) + " given");
    return v;
  }

  PropertyValue Integer(const PropertyValue& v) const {
    std::int32_t n;
    if (v.type == ValueType::Ident && info_.name == "Font.Charset" && LookupCharsetName(v.text, n)) {
      return PropertyValue::Int(n);
    }
    return Expect(v, v.type == ValueType::Integer, "a number");
  }

  PropertyValue Enum(const PropertyValue& v) const {
    Expect(v, v.type == ValueType::Ident, "a name");
    CheckMember(v.text);
    return v;
  }

  PropertyValue Color(const PropertyValue& v) const {
    if (v.type == ValueType::Integer) return v;
    std::int32_t n;
    if (v.type == ValueType::Ident) {
      if (!LookupColorName(v.text, n)) Fail(where_ + ": unknown colour '" + v.text + "'");
      return PropertyValue::Int(n);
    }
    Expect(v, false, "a colour");
    return v;
  }

  // Members are kept in declaration order, as the framework writes sets.
  PropertyValue Set(const PropertyValue& v) const {
    Expect(v, v.type == ValueType::Set, "a set");
    for (const auto& item : v.items) {
      CheckMember(item);
      if (std::count(v.items.begin(), v.items.end(), item) > 1) Fail(where_ + ": '" + item + "' given twice");
    }
    std::vector<std::string> ordered;
    for (auto member : SplitValues(info_.values)) {
      if (std::find(v.items.begin(), v.items.end(), member) != v.items.end()) ordered.emplace_back(member);
    }
    return PropertyValue::SetOf(std::move(ordered));
  }

  void CheckMember(const std::string& name) const {
    const auto values = SplitValues(info_.values);
    if (std::find(values.begin(), values.end(), name) == values.end()) {
      Fail(where_ + ": '" + name + "' is not one of " + JoinValues(info_.values));
    }
  }
};

bool IsDefault(const PropertyInfo& info, const PropertyValue& value) {
  if (info.defaultText.empty()) return info.kind == PropertyKind::String && value.text.empty();
  const PropertyValue declared =
      ValueChecker(info, "default of " + std::string(info.name)).Check(DefinitionText::ParseValue(info.defaultText));
  return declared == value;
}

void CollectNames(const ComponentDef& c, std::set<std::string>& names) {
  if (!names.insert(c.name).second) Fail(c.name + ": the name is used twice in the window");
  for (const auto& child : c.children) CollectNames(child, names);
}


bool FindBool(const ComponentDef& c, const std::string& name) {
  const PropertyValue* v = c.Find(name);
  return v != nullptr && v->AsBool();
}

// A file source whose Store is True carries its file as "FileData" instead of the file's name.
void StoreFileData(ComponentDef& c) {
  const bool store = FindBool(c, "Store") || FindBool(c, "Compress");
  if (!store) return;
  const PropertyValue* fileName = c.Find("FileName");
  if (fileName == nullptr || fileName->text.empty()) Fail(c.name + ": Store is True but no FileName is given");
  const std::string name = fileName->text;
  std::erase_if(c.properties, [](const auto& p) { return p.first == "FileName"; });
  auto& encode = DefinitionCompiler::FileDataHook();
  if (!encode) Fail(c.name + ": cannot store files: the FileData encoder is not installed");
  c.properties.emplace_back("FileData", PropertyValue::Raw(encode(c.name, name, FindBool(c, "Compress"))));
}

}  // namespace

DefinitionCompiler::FileDataEncoder& DefinitionCompiler::FileDataHook() {
  static FileDataEncoder hook;
  return hook;
}

DefinitionCompiler::DefinitionCompiler(const ClassList& classes, DefinitionText::FileReader readFile)
    : classes_(classes), readFile_(std::move(readFile)) {}

void DefinitionCompiler::CheckReferences(const ComponentDef& c, const ClassSchema& schema,
                                         const std::set<std::string>& names) const {
  for (const auto& [name, value] : c.properties) {
    const PropertyInfo* info = schema.Find(name);
    if (info != nullptr && info->kind == PropertyKind::Reference && !names.contains(value.text)) {
      Fail(c.name + "." + name + ": no component named '" + value.text + "' in the window");
    }
  }
  for (const auto& child : c.children) CheckReferences(child, *classes_.Find(child.className), names);
}

ComponentDef DefinitionCompiler::Compile(const ComponentDef& parsed) const {
  std::set<std::string> names;
  CollectNames(parsed, names);
  // A window's own class is one of the program's (TForm1, TMain, ...): it publishes what a window does.
  const ClassSchema* known = classes_.Find(parsed.className);
  const ClassSchema& schema = known ? *known : classes_.window;
  ComponentDef compiled = CompileComponent(parsed, &schema);
  CheckReferences(compiled, schema, names);
  return compiled;
}

std::vector<std::uint8_t> DefinitionCompiler::CompileText(std::string_view text) const {
  return DefinitionStream::Write(Compile(DefinitionText::Parse(text, readFile_)));
}

ComponentDef DefinitionCompiler::CompileComponent(const ComponentDef& parsed, const ClassSchema* schema) const {
  if (schema == nullptr) Fail(parsed.name + ": unknown class '" + parsed.className + "'");
  ComponentDef out;
  out.className = parsed.className;
  out.name = parsed.name;
  for (const auto& [name, value] : parsed.properties) {
    const PropertyInfo* info = schema->Find(name);
    if (info == nullptr) Fail(parsed.name + ": " + parsed.className + " has no property '" + name + "'");
    if (out.Find(name) != nullptr) Fail(parsed.name + ": property '" + name + "' given twice");
    PropertyValue checked = ValueChecker(*info, parsed.name + "." + name).Check(value);
    out.properties.emplace_back(name, std::move(checked));
  }
  if (parsed.className == "TFileSource") StoreFileData(out);
  std::erase_if(out.properties, [schema](const auto& p) {
    const PropertyInfo* info = schema->Find(p.first);
    return info != nullptr && IsDefault(*info, p.second);
  });
  std::stable_sort(out.properties.begin(), out.properties.end(), [schema](const auto& a, const auto& b) {
    // Properties outside the schema ("FileData") follow the published ones.
    auto rank = [schema](const std::string& n) {
      const int i = schema->IndexOf(n);
      return i < 0 ? static_cast<int>(schema->properties.size()) : i;
    };
    return rank(a.first) < rank(b.first);
  });
  for (const auto& child : parsed.children) out.children.push_back(CompileComponent(child, classes_.Find(child.className)));
  return out;
}

}  // namespace core
