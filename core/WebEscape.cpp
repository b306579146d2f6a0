#include "core/WebEscape.h"

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

}  // namespace

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
