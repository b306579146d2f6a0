#include "core/JavaScriptName.h"

#include <algorithm>
#include <array>

#include "core/Utf8.h"

namespace core {

namespace {

// Letters of Latin-1 above ASCII: the ones Unicode counts as letters.
bool IsLatin1Letter(char32_t c) { return c == 0xAA || c == 0xB5 || c == 0xBA || (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c <= 0xFF); }

// Beyond Latin-1 everything counts as a letter except the blocks of punctuation, symbols and
// spaces a name is likely to meet (€ ™ “ ” … and the CJK and full-width punctuation).
bool IsWideLetter(char32_t c) {
  if (c == Utf8::kReplacement || (c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F)) return false;
  if ((c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF0F) || (c >= 0xFF1A && c <= 0xFF20)) return false;
  return c > 0xFF && c != 0x02DC;  // ˜ is a sign
}

bool IsStart(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '$' || IsLatin1Letter(c) || IsWideLetter(c);
}

bool IsPart(char32_t c) { return IsStart(c) || (c >= '0' && c <= '9') || c == 0xB7; }  // · continues a name

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

constexpr std::array<std::string_view, 42> kWindowProperties = {
    "window", "self",    "top",     "parent",   "frames",    "opener",   "location",   "document", "name",
    "status", "closed",  "length",  "history",  "navigator", "screen",   "event",      "open",     "close",
    "alert",  "confirm", "prompt",  "print",    "focus",     "blur",     "stop",       "find",     "scroll",
    "scrollTo", "scrollBy", "moveTo", "moveBy", "resizeTo",  "resizeBy", "postMessage", "setTimeout",
    "setInterval", "fetch", "origin", "menubar", "toolbar",  "statusbar", "scrollbars",
};

constexpr std::array<std::string_view, 4> kUnforgeable = {"window", "document", "location", "top"};

constexpr std::array<std::string_view, 34> kDocumentAndElementMembers = {
    "write",  "writeln", "open",   "close",    "clear",  "title",  "body",     "head",   "forms",
    "images", "links",   "cookie", "domain",   "URL",    "click",  "focus",    "blur",   "href",
    "target", "text",    "id",     "name",     "type",   "hash",   "host",     "search", "remove",
    "before", "after",   "append", "style",    "hidden", "dir",    "lang",
};

}  // namespace

bool JavaScriptName::IsIdentifier(std::string_view name) {
  if (name.empty()) return false;
  std::size_t i = 0;
  if (!IsStart(Utf8::Next(name, i))) return false;
  while (i < name.size())
    if (!IsPart(Utf8::Next(name, i))) return false;
  return true;
}

bool JavaScriptName::IsReservedWord(std::string_view name) { return Contains(kReserved, name); }

bool JavaScriptName::IsWindowProperty(std::string_view name) { return Contains(kWindowProperties, name); }

bool JavaScriptName::IsUnforgeableWindowProperty(std::string_view name) { return Contains(kUnforgeable, name); }

bool JavaScriptName::IsDocumentOrElementMember(std::string_view name) {
  return Contains(kDocumentAndElementMembers, name);
}

}  // namespace core
