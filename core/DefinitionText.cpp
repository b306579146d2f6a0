#include "core/DefinitionText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <set>

#include "core/DefinitionStream.h"
#include "core/HexDigit.h"
#include "core/Windows1252.h"

namespace core {

namespace {

struct Token {
  enum Kind { End, Ident, Integer, String, Symbol } kind = End;
  std::string text;  // Ident, String (Windows-1252 bytes), Symbol (one character)
  std::int32_t integer = 0;
  int line = 1;

  bool Is(char symbol) const { return kind == Symbol && text[0] == symbol; }
  bool IsWord(std::string_view word) const { return kind == Ident && text == word; }
};

constexpr auto kMaxString = static_cast<std::size_t>(DefinitionStream::kMaxLength);

int LineAt(std::string_view text, std::size_t pos) {
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
}

// Faults of the file as a whole, found before any token is read: another encoding, binary
// bytes, line ends of another system.
void CheckIsText(std::string_view text) {
  const bool utf16Mark = text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF");
  const bool utf16Ascii = text.size() >= 2 && ((text[0] == '\0') != (text[1] == '\0'));
  if (utf16Mark || utf16Ascii) throw DefinitionTextError("the file is UTF-16; save it as UTF-8");
  if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
    throw DefinitionTextError(LineAt(text, nul), "a NUL byte; the file is not text");
  for (std::size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1)) {
    if (cr + 1 >= text.size() || text[cr + 1] != '\n')
      throw DefinitionTextError(LineAt(text, cr), "line ends must be LF or CR LF");
  }
}

std::string Printable(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20 && byte < 0x7F) return "'" + std::string(1, c) + "'";
  char hex[8];
  std::snprintf(hex, sizeof hex, "$%02X", byte);
  return hex;
}

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {
    if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;  // byte-order mark some editors write
  }

  int line() const { return line_; }

  Token Next() {
    SkipBlanks();
    Token t;
    t.line = line_;
    if (pos_ >= text_.size()) return t;
    const char c = text_[pos_];
    if (IsIdentStart(c)) return Identifier(t);
    if (IsDigit(c) || c == '$' || c == '-') return Number(t);
    if (c == '\'' || c == '#') return QuotedString(t);
    if (std::string_view("=:[](),+").find(c) != std::string_view::npos) {
      ++pos_;
      t.kind = Token::Symbol;
      t.text = std::string(1, c);
      return t;
    }
    Fail("unexpected character " + Printable(c));
  }

  [[noreturn]] void Fail(const std::string& what) const { throw DefinitionTextError(line_, what); }
  [[noreturn]] void FailTooLong() const { Fail(TooLong()); }
  static std::string TooLong() {
    return "string longer than " + std::to_string(kMaxString) + " bytes, the most a window definition holds";
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;

  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

  void SkipBlanks() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  Token Identifier(Token& t) {
    const std::size_t start = pos_;
    for (;;) {
      while (IsIdentChar(Peek())) ++pos_;
      if (Peek() != '.') break;
      ++pos_;
      if (!IsIdentStart(Peek())) Fail("a name may not end with '.'");
    }
    t.kind = Token::Ident;
    t.text = std::string(text_.substr(start, pos_ - start));
    return t;
  }

  // Decimal or $hex; hex up to 8 digits keeps its bit pattern ($80000005 is a system colour).
  Token Number(Token& t) {
    const bool negative = Peek() == '-';
    if (negative) ++pos_;
    std::int64_t magnitude = 0;
    const bool hex = Peek() == '$';
    if (hex) ++pos_;
    const int base = hex ? 16 : 10;
    const std::size_t start = pos_;
    while (pos_ < text_.size()) {
      const int d = hex ? HexDigit(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
      if (d < 0) break;
      magnitude = magnitude * base + d;
      if (magnitude > 0xFFFFFFFFLL) Fail("number out of range");
      ++pos_;
    }
    if (pos_ == start) Fail("a number was expected");
    if (IsIdentChar(Peek())) Fail("malformed number");
    const std::int64_t value = negative ? -magnitude : magnitude;
    const std::int64_t highest = hex ? 0xFFFFFFFFLL : std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min() || value > highest) Fail("number out of range");
    t.kind = Token::Integer;
    t.integer = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    return t;
  }

  // 'quoted'#13#10'parts' run together into one string.
  Token QuotedString(Token& t) {
    t.kind = Token::String;
    while (Peek() == '\'' || Peek() == '#') {
      if (Peek() == '#') {
        if (t.text.size() >= kMaxString) FailTooLong();
        t.text.push_back(CharCode());
      } else {
        QuotedPart(t.text);
      }
    }
    return t;
  }

  char CharCode() {
    ++pos_;
    Token code;
    if (!IsDigit(Peek()) && Peek() != '$') Fail("a character code was expected after '#'");
    Number(code);
    if (code.integer < 0 || code.integer > 255) Fail("character code out of range (0 to 255)");
    return static_cast<char>(code.integer);
  }

  // Converts one quoted part onto out, run by run between quotes, and stops at once when out
  // passes the longest string a definition holds.
  void QuotedPart(std::string& out) {
    ++pos_;
    for (;;) {
      const std::size_t stop = text_.find_first_of("'\n\r", pos_);
      if (stop == std::string_view::npos || text_[stop] != '\'') Fail("unterminated string");
      try {
        Windows1252::AppendFromUtf8(text_.substr(pos_, stop - pos_), out, kMaxString);
      } catch (const std::length_error&) {
        FailTooLong();
      } catch (const std::invalid_argument& e) {
        Fail(e.what());
      }
      pos_ = stop + 1;
      if (Peek() != '\'') return;
      if (out.size() >= kMaxString) FailTooLong();
      out.push_back('\'');
      ++pos_;
    }
  }
};

class Parser {
 public:
  Parser(std::string_view text, const DefinitionText::FileReader* readFile) : lexer_(text), readFile_(readFile) {
    Advance();
  }

  ComponentDef Document() {
    ComponentDef root = Object(1);
    if (current_.kind != Token::End) Fail("text after the final 'end'");
    return root;
  }

  PropertyValue LoneValue() {
    PropertyValue v = Value();
    if (current_.kind != Token::End) Fail("text after the value");
    return v;
  }

 private:
  Lexer lexer_;
  const DefinitionText::FileReader* readFile_;
  Token current_;

  void Advance() { current_ = lexer_.Next(); }
  [[noreturn]] void Fail(const std::string& what) const { throw DefinitionTextError(current_.line, what); }

  std::string Describe() const {
    switch (current_.kind) {
      case Token::End: return "the end of the text";
      case Token::Ident: return "'" + current_.text + "'";
      case Token::Integer: return "a number";
      case Token::String: return "a string";
      case Token::Symbol: return "'" + current_.text + "'";
    }
    return "?";
  }

  void Expect(char symbol) {
    if (!current_.Is(symbol)) Fail(std::string("'") + symbol + "' expected but " + Describe() + " found");
    Advance();
  }

  std::string ExpectName(const char* what) {
    if (current_.kind != Token::Ident) Fail(std::string(what) + " expected but " + Describe() + " found");
    std::string name = current_.text;
    Advance();
    return name;
  }

  ComponentDef Object(int depth) {
    if (!current_.IsWord("object")) Fail("'object' expected but " + Describe() + " found");
    if (depth > DefinitionStream::kMaxDepth)
      Fail("objects nested more than " + std::to_string(DefinitionStream::kMaxDepth) + " deep");
    Advance();
    ComponentDef c;
    c.name = ExpectName("component name");
    Expect(':');
    c.className = ExpectName("class name");
    std::set<std::string> seen;
    while (!current_.IsWord("end")) {
      if (current_.kind == Token::End) Fail("'end' missing for " + c.name);
      if (current_.IsWord("object")) {
        c.children.push_back(Object(depth + 1));
        continue;
      }
      const int line = current_.line;
      std::string name = ExpectName("property name");
      if (!seen.insert(name).second) throw DefinitionTextError(line, "property " + name + " given twice in " + c.name);
      Expect('=');
      c.properties.emplace_back(std::move(name), Value());
    }
    Advance();
    return c;
  }

  PropertyValue Value() {
    switch (current_.kind) {
      case Token::Integer: {
        const std::int32_t v = current_.integer;
        Advance();
        return PropertyValue::Int(v);
      }
      case Token::String: return PropertyValue::Str(JoinedString());
      case Token::Ident: return IdentValue();
      case Token::Symbol:
        if (current_.Is('[')) return SetValue();
        if (current_.Is('(')) return ListValue();
        break;
      case Token::End: break;
    }
    Fail("a value expected but " + Describe() + " found");
  }

  // 'long' + 'string' may continue on the next line.
  std::string JoinedString() {
    std::string s = current_.text;
    Advance();
    while (current_.Is('+')) {
      Advance();
      if (current_.kind != Token::String) Fail("a string expected after '+' but " + Describe() + " found");
      if (current_.text.size() > kMaxString - s.size()) Fail(Lexer::TooLong());
      s += current_.text;
      Advance();
    }
    return s;
  }

  PropertyValue IdentValue() {
    const std::string word = current_.text;
    Advance();
    if (word == "True") return PropertyValue::Bool(true);
    if (word == "False") return PropertyValue::Bool(false);
    if (word == "file" && current_.kind == Token::String) return FileValue();
    return PropertyValue::Identifier(word);
  }

  PropertyValue FileValue() {
    const int line = current_.line;
    const std::string name = current_.text;
    Advance();
    if (readFile_ == nullptr || !*readFile_) throw DefinitionTextError(line, "files cannot be read here");
    std::vector<std::uint8_t> bytes;
    try {
      bytes = (*readFile_)(name);
    } catch (const std::exception& e) {
      throw DefinitionTextError(line, "cannot read file '" + name + "': " + e.what());
    }
    if (bytes.size() > kMaxString)
      throw DefinitionTextError(line, "file '" + name + "' is longer than " + std::to_string(kMaxString) + " bytes");
    return PropertyValue::Raw(std::move(bytes));
  }

  PropertyValue SetValue() {
    Advance();
    std::vector<std::string> items;
    if (!current_.Is(']')) {
      items.push_back(ExpectName("set member"));
      while (current_.Is(',')) {
        Advance();
        items.push_back(ExpectName("set member"));
      }
    }
    Expect(']');
    return PropertyValue::SetOf(std::move(items));
  }

  PropertyValue ListValue() {
    Advance();
    std::vector<std::string> items;
    while (!current_.Is(')')) {
      if (current_.kind != Token::String) Fail("a string or ')' expected but " + Describe() + " found");
      items.push_back(JoinedString());
    }
    Advance();
    return PropertyValue::List(std::move(items));
  }
};

}  // namespace

ComponentDef DefinitionText::Parse(std::string_view text, const FileReader& readFile) {
  CheckIsText(text);
  return Parser(text, &readFile).Document();
}

PropertyValue DefinitionText::ParseValue(std::string_view text) {
  return Parser(text, nullptr).LoneValue();
}

}  // namespace core
