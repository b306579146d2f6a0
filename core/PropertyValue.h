#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace core {

// Type byte of a value in a stored window definition.
enum class ValueType : std::uint8_t {
  Integer = 0x02,     // 4-byte little-endian signed
  Ident = 0x07,       // 1-byte length + characters: enumeration values, colour names, references, method names
  False = 0x08,
  True = 0x09,
  Binary = 0x0A,      // 4-byte little-endian length + raw bytes ("FileData", pictures)
  Set = 0x0B,         // 1-byte count, then that many idents
  String = 0x0C,      // 4-byte little-endian length + Windows-1252 bytes
  StringList = 0x0E,  // 4-byte little-endian count, then that many strings
};

// One published property value as a window definition carries it.
struct PropertyValue {
  ValueType type = ValueType::Integer;
  std::int32_t integer = 0;
  std::string text;                 // String and Ident
  std::vector<std::string> items;   // Set and StringList
  std::vector<std::uint8_t> bytes;  // Binary

  static PropertyValue Int(std::int32_t v);
  static PropertyValue Bool(bool v);
  static PropertyValue Str(std::string v);
  static PropertyValue Identifier(std::string v);
  static PropertyValue SetOf(std::vector<std::string> v);
  static PropertyValue List(std::vector<std::string> v);
  static PropertyValue Raw(std::vector<std::uint8_t> v);

  bool IsBool() const { return type == ValueType::False || type == ValueType::True; }
  bool AsBool() const { return type == ValueType::True; }

  friend bool operator==(const PropertyValue&, const PropertyValue&) = default;
};

}  // namespace core
