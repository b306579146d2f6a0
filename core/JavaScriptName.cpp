#include "core/JavaScriptName.h"

#include <algorithm>
#include <array>

namespace core {

namespace {

// Letters of Windows-1252 above ASCII: the ones Unicode counts as letters.
bool IsHighLetter(unsigned char c) {
  switch (c) {
    case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:  // ƒ Š Œ Ž š œ ž Ÿ
    case 0xAA: case 0xB5: case 0xBA:                                                        // ª µ º
      return true;
    default:
      return c >= 0xC0 && c != 0xD7 && c != 0xF7;  // À to ÿ without × and ÷
  }
}

bool IsStart(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$' || IsHighLetter(c);
}

bool IsPart(unsigned char c) { return IsStart(c) || (c >= '0' && c <= '9') || c == 0xB7; }  // · continues a name

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& words, std::string_view name) {
  return std::find(words.begin(), words.end(), name) != words.end();
}

constexpr std::array<std::string_view, 46> kReserved = {
    "await",  "break",    "case",     "catch",   "class",     "const",      "continue", "debugger",
    "default", "delete",  "do",       "else",    "enum",      "export",     "extends",  "false",
    "finally", "for",     "function", "if",      "implements", "import",    "in",       "instanceof",
    "interface", "let",   "new",      "null",    "package",   "private",    "protected", "public",
    "return", "static",   "super",    "switch",  "this",      "throw",      "true",     "try",
    "typeof", "var",      "void",     "while",   "with",      "yield",
};

constexpr std::array<std::string_view, 16> kWindowProperties = {
    "window", "self",   "top",    "parent", "frames",  "opener",    "location", "document",
    "name",   "status", "closed", "length", "history", "navigator", "screen",   "event",
};

constexpr std::array<std::string_view, 4> kUnforgeable = {"window", "document", "location", "top"};

}  // namespace

bool JavaScriptName::IsIdentifier(std::string_view name) {
  if (name.empty() || !IsStart(static_cast<unsigned char>(name[0]))) return false;
  return std::all_of(name.begin() + 1, name.end(), [](char c) { return IsPart(static_cast<unsigned char>(c)); });
}

bool JavaScriptName::IsReservedWord(std::string_view name) { return Contains(kReserved, name); }

bool JavaScriptName::IsWindowProperty(std::string_view name) { return Contains(kWindowProperties, name); }

bool JavaScriptName::IsUnforgeableWindowProperty(std::string_view name) { return Contains(kUnforgeable, name); }

}  // namespace core
