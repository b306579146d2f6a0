#include "core/WebEscape.h"

#include <array>
#include <cctype>

#include "core/Utf8.h"
#include "core/Windows1252.h"

namespace core {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

void AppendHex(std::string& out, std::string_view prefix, unsigned char c) {
  out.append(prefix);
  out.push_back(kHex[c >> 4]);
  out.push_back(kHex[c & 0xF]);
}

bool IsAsciiAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The references a browser reads without a ";" (and in an attribute only when neither "=" nor a
// letter or digit follows).
constexpr std::array<std::string_view, 106> kLegacyReferences = {
    "AElig", "AMP", "Aacute", "Acirc", "Agrave", "Aring", "Atilde", "Auml", "COPY", "Ccedil", "ETH", "Eacute",
    "Ecirc", "Egrave", "Euml", "GT", "Iacute", "Icirc", "Igrave", "Iuml", "LT", "Ntilde", "Oacute", "Ocirc",
    "Ograve", "Oslash", "Otilde", "Ouml", "QUOT", "REG", "THORN", "Uacute", "Ucirc", "Ugrave", "Uuml", "Yacute",
    "aacute", "acirc", "acute", "aelig", "agrave", "amp", "aring", "atilde", "auml", "brvbar", "ccedil", "cedil",
    "cent", "copy", "curren", "deg", "divide", "eacute", "ecirc", "egrave", "eth", "euml", "frac12", "frac14",
    "frac34", "gt", "iacute", "icirc", "iexcl", "igrave", "iquest", "iuml", "laquo", "lt", "macr", "micro",
    "middot", "nbsp", "not", "ntilde", "oacute", "ocirc", "ograve", "ordf", "ordm", "oslash", "otilde", "ouml",
    "para", "plusmn", "pound", "quot", "raquo", "reg", "sect", "shy", "sup1", "sup2", "sup3", "szlig",
    "thorn", "times", "uacute", "ucirc", "ugrave", "uml", "uuml", "yacute", "yen", "yuml",
};

// Whether a browser could read "&" and what follows as a character reference: "&#", a name and
// ";", or a name beginning with a reference read without ";" and followed by neither "=" nor a
// letter or digit. The "&utm_source=" and "&b=2" of a query are left as they are.
bool MayStartReference(std::string_view rest) {
  if (rest.size() < 2) return false;
  if (rest[1] == '#') return true;
  std::size_t i = 1;
  while (i < rest.size() && IsAsciiAlnum(rest[i])) ++i;
  if (i == 1) return false;
  if (i < rest.size() && rest[i] == ';') return true;
  const std::string_view name = rest.substr(1, i - 1);
  for (const std::string_view legacy : kLegacyReferences)
    if (name.starts_with(legacy) && (legacy.size() < name.size() || i == rest.size() || rest[i] != '=')) return true;
  return false;
}

// %27 %5C %0A %0D: what a javascript: address decodes into a quote, a backslash or a line break.
bool DecodesToBreakout(std::string_view rest) {
  if (rest.size() < 3) return false;
  const char hi = rest[1], lo = static_cast<char>(std::toupper(static_cast<unsigned char>(rest[2])));
  return (hi == '2' && lo == '7') || (hi == '5' && lo == 'C') || (hi == '0' && (lo == 'A' || lo == 'D'));
}

}  // namespace

std::string WebEscape::JavaScriptAddressString(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\'': out += "\\'"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '"': out += "&quot;"; break;
      case '<': out += "&lt;"; break;
      case '&': out += MayStartReference(text.substr(i)) ? "&amp;" : "&"; break;
      case '%': out += DecodesToBreakout(text.substr(i)) ? "%25" : "%"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

std::string WebEscape::Html(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

std::string WebEscape::JavaScriptString(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\\' || c == '\'') {
      out.push_back('\\');
      out.push_back(ch);
    } else if (c < 0x20 || c == 0x7F || c == '"' || c == '<' || c == '>' || c == '&') {
      AppendHex(out, "\\x", c);
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

std::string WebEscape::AddressPath(std::string_view fileName) {
  std::string out;
  for (char ch : fileName) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case ' ': case '"': case '#': case '%': case '&': case '\'': case '<': case '>': case '?': case '`':
        AppendHex(out, "%", c);
        break;
      default:
        if (c < 0x20 || c == 0x7F) AppendHex(out, "%", c);
        else out.push_back(ch);
    }
  }
  return out;
}

std::string WebEscape::Address(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const char32_t cp = Utf8::Next(utf8, i);
    if (cp != Utf8::kReplacement && Windows1252::Holds(cp)) {
      out.append(utf8.substr(start, i - start));
    } else {
      std::string bytes;
      Utf8::Append(bytes, cp);
      for (char b : bytes) AppendHex(out, "%", static_cast<unsigned char>(b));
    }
  }
  return out;
}

}  // namespace core
