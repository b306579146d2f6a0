#include "core/DefinitionStream.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "core/StreamError.h"

namespace core {

namespace {

constexpr std::uint8_t kMagic[4] = {'S', 'K', 'W', 'D'};
constexpr std::uint8_t kVersion = 1;
constexpr std::int64_t kMaxLength = DefinitionStream::kMaxLength;

class Writer {
 public:
  std::vector<std::uint8_t> out;

  void Byte(std::uint8_t b) { out.push_back(b); }

  void Int32(std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<std::uint8_t>(v >> shift));
  }

  void Length(std::size_t n) {
    if (n > static_cast<std::size_t>(kMaxLength)) throw std::length_error("Value too long for a window definition");
    Int32(static_cast<std::int32_t>(n));
  }

  void ShortString(const std::string& s) {
    if (s.size() > 255) throw std::length_error("Name longer than 255 characters: " + s.substr(0, 32) + "...");
    Byte(static_cast<std::uint8_t>(s.size()));
    out.insert(out.end(), s.begin(), s.end());
  }

  void LongString(const std::string& s) {
    Length(s.size());
    out.insert(out.end(), s.begin(), s.end());
  }

  void Value(const PropertyValue& v) {
    Byte(static_cast<std::uint8_t>(v.type));
    switch (v.type) {
      case ValueType::Integer: Int32(v.integer); break;
      case ValueType::Ident: ShortString(v.text); break;
      case ValueType::False:
      case ValueType::True: break;
      case ValueType::Binary:
        Length(v.bytes.size());
        out.insert(out.end(), v.bytes.begin(), v.bytes.end());
        break;
      case ValueType::Set:
        if (v.items.size() > 255) throw std::length_error("Set with more than 255 members");
        Byte(static_cast<std::uint8_t>(v.items.size()));
        for (const auto& item : v.items) ShortString(item);
        break;
      case ValueType::String: LongString(v.text); break;
      case ValueType::StringList:
        Length(v.items.size());
        for (const auto& item : v.items) LongString(item);
        break;
      default: throw std::invalid_argument("Unknown value type");
    }
  }

  void Component(const ComponentDef& c) {
    if (c.className.empty()) throw std::invalid_argument("Component '" + c.name + "' has no class");
    ShortString(c.className);
    ShortString(c.name);
    for (const auto& [name, value] : c.properties) {
      if (name.empty()) throw std::invalid_argument("Property without a name in " + c.name);
      ShortString(name);
      Value(value);
    }
    Byte(0);
    for (const auto& child : c.children) Component(child);
    Byte(0);
  }
};

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}

  ComponentDef File() {
    std::uint8_t magic[4];
    Take(magic, sizeof magic);
    for (std::size_t i = 0; i < sizeof magic; ++i) {
      if (magic[i] != kMagic[i]) throw StreamError("Not a window definition");
    }
    if (Byte() != kVersion) throw StreamError("Not a window definition");
    ComponentDef root = Component(ShortString(), 1);
    if (pos_ != data_.size()) throw StreamError("Unexpected data after the end of the window definition");
    return root;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;

  void Take(void* out, std::size_t n) {
    if (n > data_.size() - pos_) throw StreamError();
    auto* bytes = static_cast<std::uint8_t*>(out);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = data_[pos_ + i];
    pos_ += n;
  }

  std::uint8_t Byte() {
    std::uint8_t b;
    Take(&b, 1);
    return b;
  }

  std::int32_t Int32() {
    std::uint8_t b[4];
    Take(b, 4);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                                     (static_cast<std::uint32_t>(b[2]) << 16) |
                                     (static_cast<std::uint32_t>(b[3]) << 24));
  }

  std::string Bytes(std::size_t n) {
    if (n > data_.size() - pos_) throw StreamError();
    std::string s(reinterpret_cast<const char*>(data_.data() + pos_), n);
    pos_ += n;
    return s;
  }

  std::string ShortString() { return Bytes(Byte()); }

  std::size_t Length(const std::string& property) {
    const std::int32_t n = Int32();
    if (n < 0 || n > kMaxLength) {
      throw StreamError("Invalid length " + std::to_string(n) + " in property " + property);
    }
    return static_cast<std::size_t>(n);
  }

  PropertyValue Value(const std::string& property) {
    const std::uint8_t type = Byte();
    switch (static_cast<ValueType>(type)) {
      case ValueType::Integer: return PropertyValue::Int(Int32());
      case ValueType::Ident: return PropertyValue::Identifier(ShortString());
      case ValueType::False: return PropertyValue::Bool(false);
      case ValueType::True: return PropertyValue::Bool(true);
      case ValueType::Binary: {
        const std::string raw = Bytes(Length(property));
        return PropertyValue::Raw(std::vector<std::uint8_t>(raw.begin(), raw.end()));
      }
      case ValueType::Set: {
        std::vector<std::string> items(Byte());
        for (auto& item : items) item = ShortString();
        return PropertyValue::SetOf(std::move(items));
      }
      case ValueType::String: return PropertyValue::Str(Bytes(Length(property)));
      case ValueType::StringList: {
        // No reserve(): the count is not trusted until the strings are really there.
        std::vector<std::string> items;
        for (std::size_t n = Length(property); n > 0; --n) items.push_back(Bytes(Length(property)));
        return PropertyValue::List(std::move(items));
      }
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "$%02X", type);
    throw StreamError(std::string("Invalid value type ") + hex + " of property " + property);
  }

  ComponentDef Component(std::string className, int depth) {
    if (className.empty()) throw StreamError("Component without a class name");
    if (depth > DefinitionStream::kMaxDepth) throw StreamError("Window definition nested too deeply");
    ComponentDef c;
    c.className = std::move(className);
    c.name = ShortString();
    for (std::string name = ShortString(); !name.empty(); name = ShortString()) {
      PropertyValue value = Value(c.name + "." + name);
      c.properties.emplace_back(std::move(name), std::move(value));
    }
    for (std::string childClass = ShortString(); !childClass.empty(); childClass = ShortString()) {
      c.children.push_back(Component(std::move(childClass), depth + 1));
    }
    return c;
  }
};

}  // namespace

std::vector<std::uint8_t> DefinitionStream::Write(const ComponentDef& root) {
  Writer w;
  w.out.insert(w.out.end(), std::begin(kMagic), std::end(kMagic));
  w.Byte(kVersion);
  w.Component(root);
  return std::move(w.out);
}

ComponentDef DefinitionStream::Read(std::span<const std::uint8_t> data) {
  return Reader(data).File();
}

}  // namespace core
