#include "core/PopupFileReader.h"

#include <algorithm>
#include <cctype>

#include "core/CallSnippet.h"
#include "core/HexDigit.h"
#include "core/PopupAdvice.h"
#include "core/SavedPage.h"
#include "core/SpinValue.h"
#include "core/Utf8.h"
#include "core/Windows1252.h"

namespace core {

namespace {

constexpr std::string_view kCall = "window.open";
constexpr std::size_t kMaxArguments = 8;
// How far before a call its listener or attribute is looked for.
constexpr std::size_t kHandlerReach = 600;

bool IsNameByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return std::isalnum(b) || c == '_' || c == '$' || b >= 0x80;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

void SkipSpace(std::string_view text, std::size_t& i) {
  for (;;) {
    while (i < text.size() && IsSpace(text[i])) ++i;
    if (text.substr(i, 2) == "/*") {
      const std::size_t end = text.find("*/", i + 2);
      i = end == std::string_view::npos ? text.size() : end + 2;
    } else if (text.substr(i, 2) == "//") {
      const std::size_t end = text.find('\n', i);
      i = end == std::string_view::npos ? text.size() : end + 1;
    } else {
      return;
    }
  }
}

// Reads count hex digits at i; -1 when they are not all there.
long ReadHex(std::string_view text, std::size_t& i, std::size_t count) {
  long value = 0;
  for (std::size_t k = 0; k < count; ++k, ++i) {
    if (i >= text.size() || HexDigit(text[i]) < 0) return -1;
    value = value * 16 + HexDigit(text[i]);
  }
  return value;
}

// One JavaScript string literal at i ('...', "..." or `...` without substitutions), decoded.
std::optional<std::string> ReadLiteral(std::string_view text, std::size_t& i) {
  if (i >= text.size()) return std::nullopt;
  const char quote = text[i];
  if (quote != '\'' && quote != '"' && quote != '`') return std::nullopt;
  std::string out;
  for (std::size_t j = i + 1; j < text.size();) {
    const char c = text[j++];
    if (c == quote) {
      i = j;
      return out;
    }
    if ((c == '\n' || c == '\r') && quote != '`') return std::nullopt;
    if (c == '$' && quote == '`' && j < text.size() && text[j] == '{') return std::nullopt;
    if (c != '\\') {
      out.push_back(c);
      continue;
    }
    if (j >= text.size()) return std::nullopt;
    const char e = text[j++];
    long code = -1;
    switch (e) {
      case 'n': out.push_back('\n'); break;
      case 'r': out.push_back('\r'); break;
      case 't': out.push_back('\t'); break;
      case 'b': out.push_back('\b'); break;
      case 'f': out.push_back('\f'); break;
      case 'v': out.push_back('\v'); break;
      case '0': out.push_back('\0'); break;
      case '\r': if (j < text.size() && text[j] == '\n') ++j; break;  // a line continued
      case '\n': break;
      case 'x': code = ReadHex(text, j, 2); break;
      case 'u':
        if (j < text.size() && text[j] == '{') {
          const std::size_t close = text.find('}', j);
          if (close == std::string_view::npos || close - j > 7) return std::nullopt;
          ++j;
          code = ReadHex(text, j, close - j);
          ++j;
        } else {
          code = ReadHex(text, j, 4);
          // A surrogate pair written as two escapes.
          if (code >= 0xD800 && code <= 0xDBFF && text.substr(j, 2) == "\\u") {
            std::size_t k = j + 2;
            const long low = ReadHex(text, k, 4);
            if (low >= 0xDC00 && low <= 0xDFFF) {
              code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
              j = k;
            }
          }
        }
        break;
      default: out.push_back(e);
    }
    if (e == 'x' || e == 'u') {
      if (code < 0 || code > 0x10FFFF) return std::nullopt;
      Utf8::Append(out, (code >= 0xD800 && code <= 0xDFFF) ? Utf8::kReplacement : static_cast<char32_t>(code));
    }
  }
  return std::nullopt;
}

// A literal, or literals joined with "+" (features split over lines), at i.
std::optional<std::string> ReadJoinedLiteral(std::string_view text, std::size_t& i) {
  std::size_t j = i;
  auto value = ReadLiteral(text, j);
  if (!value) return std::nullopt;
  for (;;) {
    std::size_t k = j;
    SkipSpace(text, k);
    if (k >= text.size() || text[k] != '+') break;
    ++k;
    SkipSpace(text, k);
    auto next = ReadLiteral(text, k);
    if (!next) return std::nullopt;
    *value += *next;
    j = k;
  }
  i = j;
  return value;
}

// Skips one argument that is not a literal: up to the comma or parenthesis that ends it.
bool SkipExpression(std::string_view text, std::size_t& i) {
  int depth = 0;
  const std::size_t start = i;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\'' || c == '"' || c == '`') {
      if (!ReadLiteral(text, i)) return false;
      continue;
    }
    if (c == '(' || c == '[' || c == '{') ++depth;
    if (c == ')' || c == ']' || c == '}') {
      if (depth == 0) break;
      --depth;
    }
    if (c == ',' && depth == 0) break;
    if (c == ';' || c == '<') return false;
    ++i;
  }
  return i > start && i < text.size();
}

struct Call {
  std::size_t start = 0;  // where "window.open" begins
  std::size_t end = 0;    // past its ")"
  std::vector<std::optional<std::string>> arguments;  // nothing for an argument that is no literal
};

// The call starting at "window.open" at start, when its arguments after the first are literals.
std::optional<Call> ReadCall(std::string_view text, std::size_t start) {
  if (start > 0 && (IsNameByte(text[start - 1]))) return std::nullopt;
  std::size_t i = start + kCall.size();
  SkipSpace(text, i);
  if (i >= text.size() || text[i] != '(') return std::nullopt;
  ++i;
  Call call{start, 0, {}};
  for (;;) {
    SkipSpace(text, i);
    if (i >= text.size() || call.arguments.size() >= kMaxArguments) return std::nullopt;
    if (text[i] == ')' && call.arguments.empty()) return std::nullopt;
    std::size_t j = i;
    auto literal = ReadJoinedLiteral(text, j);
    if (literal) {
      call.arguments.push_back(std::move(literal));
    } else {
      if (!call.arguments.empty() || !SkipExpression(text, j)) return std::nullopt;
      call.arguments.push_back(std::nullopt);
    }
    i = j;
    SkipSpace(text, i);
    if (i >= text.size()) return std::nullopt;
    if (text[i] == ')') {
      call.end = i + 1;
      return call;
    }
    if (text[i] != ',') return std::nullopt;
    ++i;
  }
}

std::vector<Call> Calls(std::string_view text) {
  std::vector<Call> calls;
  for (std::size_t at = text.find(kCall); at != std::string_view::npos; at = text.find(kCall, at + 1))
    if (auto call = ReadCall(text, at)) calls.push_back(std::move(*call));
  return calls;
}

std::string_view CutPrefix(std::string_view text, std::string_view prefix, bool& ok) {
  ok = ok && text.starts_with(prefix);
  return ok ? text.substr(prefix.size()) : text;
}

// The value between the front of rest and the separator, which must follow.
std::string TakeUntil(std::string_view& rest, std::string_view separator, bool& ok) {
  const std::size_t at = rest.find(separator);
  if (!ok || at == std::string_view::npos) {
    ok = false;
    return {};
  }
  std::string value(rest.substr(0, at));
  rest.remove_prefix(at + separator.size());
  return value;
}

bool TakeWord(std::string_view& rest, std::string_view name, bool& on, bool& ok) {
  rest = CutPrefix(rest, name, ok);
  if (ok && rest.starts_with("yes")) on = true, rest.remove_prefix(3);
  else if (ok && rest.starts_with("no")) on = false, rest.remove_prefix(2);
  else ok = false;
  return ok;
}

// A saved page carries "</script" and "<script" that a name brought in as "<\/script" and "<\script".
std::string UnescapeInlineScript(std::string_view line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i > 0 && line[i - 1] == '<' &&
        (Lower(line.substr(i + 1, 7)) == "/script" || Lower(line.substr(i + 1, 6)) == "script"))
      continue;
    out.push_back(line[i]);
  }
  return out;
}

// The two lines the program writes: the function head and the one-line call, names any text.
struct OwnScript {
  PopupSettings settings;
  std::size_t lineStart = 0, lineEnd = 0;  // the call's line
  bool atTop = false;                      // the file is the script alone
};

std::optional<OwnScript> ReadOwnLines(std::string_view head, std::string_view line) {
  const std::string h = UnescapeInlineScript(head);
  const std::string l = UnescapeInlineScript(line);
  if (!h.starts_with("function ") || !h.ends_with("(url){") || h.size() < 15) return std::nullopt;
  OwnScript own;
  own.settings.functionName = h.substr(9, h.size() - 15);
  constexpr std::string_view kOpen = "=window.open(url,'";
  for (std::size_t at = l.find(kOpen); at != std::string::npos; at = l.find(kOpen, at + 1)) {
    const std::string name = l.substr(0, at);
    std::string_view rest = std::string_view(l).substr(at + kOpen.size());
    bool ok = true;
    rest = CutPrefix(rest, name + "',", ok);
    if (!ok) continue;
    PopupSettings& s = own.settings;
    s.windowName = name;
    s.fullScreen = rest.starts_with("'fullscreen=yes',");
    if (s.fullScreen) rest.remove_prefix(17);
    TakeWord(rest, "'toolbar=", s.toolbar, ok);
    TakeWord(rest, ",status=", s.status, ok);
    TakeWord(rest, ",menubar=", s.menubar, ok);
    TakeWord(rest, ",location=", s.location, ok);
    TakeWord(rest, ",directories=", s.directories, ok);
    TakeWord(rest, ",resizable=", s.resizable, ok);
    TakeWord(rest, ",scrollbars=", s.scrollbars, ok);
    rest = CutPrefix(rest, ",width=", ok);
    s.widthText = TakeUntil(rest, ",height=", ok);
    s.heightText = TakeUntil(rest, ",left=", ok);
    s.leftText = TakeUntil(rest, ",top=", ok);
    if (!ok || !rest.ends_with("');")) continue;
    s.topText = std::string(rest.substr(0, rest.size() - 3));
    return own;
  }
  return std::nullopt;
}

std::optional<OwnScript> FindOwnScript(std::string_view text) {
  std::string_view previous;
  std::size_t previousStart = 0;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (previous.starts_with("function ") && line.find(kCall) != std::string_view::npos) {
      if (auto own = ReadOwnLines(previous, line)) {
        own->lineStart = start;
        own->lineEnd = end;
        own->atTop = text.starts_with("<!-- Ocultando") && previousStart < 80;
        return own;
      }
    }
    previous = line;
    previousStart = start;
    start = end + 1;
  }
  return std::nullopt;
}

// The named function whose body holds position at, by its braces.
std::string EnclosingFunction(std::string_view text, std::size_t at) {
  constexpr std::string_view kFunction = "function";
  std::size_t from = at;
  for (int tries = 0; tries < 64 && from > 0; ++tries) {
    const std::size_t k = text.rfind(kFunction, from - 1);
    if (k == std::string_view::npos) break;
    from = k;
    if (k > 0 && IsNameByte(text[k - 1])) continue;
    std::size_t i = k + kFunction.size();
    if (i >= text.size() || !IsSpace(text[i])) continue;
    SkipSpace(text, i);
    const std::size_t nameStart = i;
    while (i < text.size() && IsNameByte(text[i])) ++i;
    if (i == nameStart) continue;
    const std::string_view name = text.substr(nameStart, i - nameStart);
    SkipSpace(text, i);
    if (i >= text.size() || text[i] != '(') continue;
    const std::size_t close = text.find(')', i);
    if (close == std::string_view::npos || close > at) continue;
    i = close + 1;
    SkipSpace(text, i);
    if (i >= at || text[i] != '{') continue;
    int depth = 0;
    bool inside = true;
    for (std::size_t j = i; j < at && inside; ++j) {
      if (text[j] == '{') ++depth;
      if (text[j] == '}' && --depth == 0) inside = false;
    }
    if (inside) return std::string(name);
  }
  return {};
}

std::optional<ActivationMethod> MethodOfEvent(std::string_view event) {
  const std::string e = Lower(event);
  if (e == "load" || e == "domcontentloaded") return ActivationMethod::OnPageLoad;
  if (e == "unload" || e == "pagehide" || e == "beforeunload") return ActivationMethod::OnPageUnload;
  if (e == "mouseover" || e == "mouseenter") return ActivationMethod::OnMouseOver;
  if (e == "mouseout" || e == "mouseleave") return ActivationMethod::OnMouseOut;
  if (e == "click") return ActivationMethod::FromLink;
  return std::nullopt;
}

// The event of the nearest listener, handler attribute or javascript: link before at, within its
// tag or script statement.
std::optional<ActivationMethod> MethodBefore(std::string_view text, std::size_t at) {
  std::size_t from = at > kHandlerReach ? at - kHandlerReach : 0;
  const std::size_t tag = text.substr(from, at - from).find_last_of("<>");
  if (tag != std::string_view::npos) from += tag + 1;
  std::optional<ActivationMethod> method;
  for (std::size_t i = from; i < at; ++i) {
    if (text.compare(i, 16, "addEventListener") == 0) {
      std::size_t j = i + 16;
      SkipSpace(text, j);
      if (j < at && text[j] == '(') {
        ++j;
        SkipSpace(text, j);
        if (auto event = ReadLiteral(text, j)) method = MethodOfEvent(*event);
      }
    } else if (text.compare(i, 11, "javascript:") == 0) {
      method = ActivationMethod::FromLink;
    } else if ((i == 0 || !IsNameByte(text[i - 1])) && (text[i] == 'o' || text[i] == 'O') && i + 2 < at &&
               (text[i + 1] == 'n' || text[i + 1] == 'N')) {
      std::size_t j = i + 2;
      while (j < at && std::isalpha(static_cast<unsigned char>(text[j]))) ++j;
      std::size_t k = j;
      while (k < at && IsSpace(text[k])) ++k;
      if (j > i + 2 && k < at && text[k] == '=' && (k + 1 >= at || text[k + 1] != '='))
        method = MethodOfEvent(text.substr(i + 2, j - i - 2));
    }
  }
  return method;
}

std::string DecodeEntities(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
    if (semicolon == std::string_view::npos || semicolon - i > 10) {
      out.push_back(text[i++]);
      continue;
    }
    const std::string_view name = text.substr(i + 1, semicolon - i - 1);
    long code = -1;
    if (name == "amp") code = '&';
    else if (name == "quot") code = '"';
    else if (name == "apos") code = '\'';
    else if (name == "lt") code = '<';
    else if (name == "gt") code = '>';
    else if (name.size() > 1 && name[0] == '#') {
      code = 0;
      const bool hex = name[1] == 'x' || name[1] == 'X';
      for (char c : name.substr(hex ? 2 : 1)) {
        const int d = hex ? HexDigit(c) : (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : -1);
        if (d < 0 || code > 0x10FFFF) {
          code = -1;
          break;
        }
        code = code * (hex ? 16 : 10) + d;
      }
    }
    if (code <= 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      out.push_back(text[i++]);
      continue;
    }
    Utf8::Append(out, static_cast<char32_t>(code));
    i = semicolon + 1;
  }
  return out;
}

// The href of the nearest link before at.
std::optional<std::string> LinkBefore(std::string_view text, std::size_t at) {
  for (std::size_t from = at; from > 0;) {
    const std::size_t k = text.rfind("href", from - 1);
    if (k == std::string_view::npos || at - k > 4 * kHandlerReach) return std::nullopt;
    from = k;
    std::size_t i = k + 4;
    SkipSpace(text, i);
    if (i >= text.size() || text[i] != '=') continue;
    ++i;
    SkipSpace(text, i);
    if (i >= text.size() || (text[i] != '"' && text[i] != '\'')) continue;
    const std::size_t close = text.find(text[i], i + 1);
    if (close == std::string_view::npos) return std::nullopt;
    return DecodeEntities(text.substr(i + 1, close - i - 1));
  }
  return std::nullopt;
}

struct CallSite {
  std::size_t at = 0;
  std::optional<std::string> address;
};

// Where the page calls the function: name("...") or name(this.href), also as window.name(...)
// and window['name'](...).
// Sites between skipFrom and skipTo (the function's own head and call) do not count.
std::optional<CallSite> FindCallSite(std::string_view text, const std::string& name, std::size_t skipFrom,
                                     std::size_t skipTo) {
  if (name.empty()) return std::nullopt;
  const auto argument = [&](std::size_t at, std::size_t i) -> std::optional<CallSite> {
    SkipSpace(text, i);
    if (i >= text.size() || text[i] != '(') return std::nullopt;
    ++i;
    SkipSpace(text, i);
    if (text.compare(i, 9, "this.href") == 0) return CallSite{at, LinkBefore(text, at)};
    if (auto literal = ReadJoinedLiteral(text, i)) return CallSite{at, std::move(literal)};
    return std::nullopt;
  };
  for (std::size_t at = text.find(name); at != std::string_view::npos; at = text.find(name, at + 1)) {
    if (at >= skipFrom && at < skipTo) continue;
    const bool member = at >= 7 && text.compare(at - 7, 7, "window.") == 0;
    if (!member && at > 0 && IsNameByte(name[0]) && (IsNameByte(text[at - 1]) || text[at - 1] == '.')) continue;
    if (auto site = argument(at, at + name.size())) return site;
  }
  for (std::size_t at = text.find("window["); at != std::string_view::npos; at = text.find("window[", at + 1)) {
    std::size_t i = at + 7;
    auto literal = ReadLiteral(text, i);
    if (!literal || *literal != name || i >= text.size() || text[i] != ']' || (at >= skipFrom && at < skipTo))
      continue;
    if (auto site = argument(at, i + 1)) return site;
  }
  return std::nullopt;
}

// The call Save's page attaches to its listener, read by the function name the script gave.
std::optional<CallSite> FindSavedPageSite(std::string_view text, const std::string& function,
                                          std::optional<ActivationMethod>& method) {
  for (int m = 0; m <= static_cast<int>(ActivationMethod::FromLink); ++m) {
    const ActivationMethod candidate = ActivationMethodAt(m);
    const std::string event(CallSnippet::EventName(candidate));
    const bool onPage = candidate == ActivationMethod::OnPageLoad || candidate == ActivationMethod::OnPageUnload;
    const std::string target = onPage ? "window" : "document.getElementById('popup')";
    const std::string head =
        candidate == ActivationMethod::FromLink
            ? target + ".addEventListener('click', function (e) { e.preventDefault(); " + function + "(this.href); });"
            : target + ".addEventListener('" + event + "', function () { " + function + "('";
    const std::size_t at = text.find(SavedPage::InlineScript(head));
    if (at == std::string_view::npos) continue;
    method = candidate;
    if (candidate == ActivationMethod::FromLink) {
      const std::size_t link = text.find("<p><a href=\"");
      if (link == std::string_view::npos || link > at) return CallSite{at, std::nullopt};
      return CallSite{at, LinkBefore(text, link + 12)};
    }
    std::size_t i = at + SavedPage::InlineScript(head).size() - 1;
    return CallSite{at, ReadLiteral(text, i)};
  }
  return std::nullopt;
}

void ApplyFeatures(PopupSettings& s, std::string_view features) {
  for (const auto& f : PopupFileReader::Features(features)) {
    const bool on = PopupFileReader::FeatureOn(f.value);
    if (f.name == "width" || f.name == "innerwidth") s.widthText = f.value;
    else if (f.name == "height" || f.name == "innerheight") s.heightText = f.value;
    else if (f.name == "left" || f.name == "screenx") s.leftText = f.value;
    else if (f.name == "top" || f.name == "screeny") s.topText = f.value;
    else if (f.name == "fullscreen") s.fullScreen = on;
    else if (f.name == "toolbar") s.toolbar = on;
    else if (f.name == "status") s.status = on;
    else if (f.name == "menubar") s.menubar = on;
    else if (f.name == "location") s.location = on;
    else if (f.name == "directories") s.directories = on;
    else if (f.name == "resizable") s.resizable = on;
    else if (f.name == "scrollbars") s.scrollbars = on;
  }
}

std::size_t LineStart(std::string_view text, std::size_t at) {
  const std::size_t newline = at == 0 ? std::string_view::npos : text.rfind('\n', at - 1);
  return newline == std::string_view::npos ? 0 : newline + 1;
}

bool IsUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    if (!Utf8::TryNext(bytes, i)) return false;
  }
  return true;
}

}  // namespace

std::string PopupFileReader::Decode(std::string_view bytes) {
  if (bytes.size() > kMaxBytes) throw Unreadable("is larger than 16 MB");
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  if (bytes.empty()) throw Unreadable("is empty");
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
    throw Unreadable("is in an encoding that is neither UTF-8 nor Windows-1252");
  std::size_t controls = 0;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0) throw Unreadable("holds binary data, not text");
    if (b < 0x20 && !IsSpace(c) && b != 0x1B) ++controls;
  }
  if (controls > bytes.size() / 100) throw Unreadable("holds binary data, not text");
  if (IsUtf8(bytes)) return std::string(bytes);
  for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
    if (bytes.find(static_cast<char>(undefined)) != std::string_view::npos)
      throw Unreadable("is in an encoding that is neither UTF-8 nor Windows-1252");
  return Windows1252::ToUtf8(bytes);
}

PopupFileReader::Result PopupFileReader::Read(std::string_view bytes) {
  const bool utf8 = bytes.size() <= kMaxBytes && IsUtf8(bytes);
  const std::string text = Decode(bytes);
  const std::vector<Call> calls = Calls(text);
  Result result;
  const std::optional<OwnScript> own = FindOwnScript(text);
  std::size_t skipFrom = std::string::npos, skipTo = 0;
  std::size_t callAt = 0;
  if (own) {
    result.settings = own->settings;
    result.savedScript = own->atTop && utf8;
    skipFrom = text.rfind("function ", own->lineStart);
    skipTo = own->lineEnd;
    callAt = own->lineStart;
  } else {
    if (calls.empty()) throw Unreadable("holds no window.open call");
    const Call& call = calls.front();
    callAt = call.start;
    result.furtherCalls = calls.size() - 1;
    PopupSettings& s = result.settings;
    if (call.arguments.size() > 1) s.windowName = *call.arguments[1];
    for (std::size_t k = 2; k < call.arguments.size(); ++k) ApplyFeatures(s, *call.arguments[k]);
    if (call.arguments[0]) result.address = *call.arguments[0];
    const std::string function = EnclosingFunction(text, call.start);
    if (!function.empty()) {
      s.functionName = function;
      skipFrom = text.rfind(function, call.start);
      skipTo = skipFrom + function.size();
    }
  }
  std::optional<CallSite> site;
  if (own) site = FindSavedPageSite(text, result.settings.functionName, result.method);
  if (!site) {
    site = FindCallSite(text, result.settings.functionName, skipFrom, skipTo);
    result.method = MethodBefore(text, site ? site->at : callAt);
  }
  if (!result.address && site && site->address) result.address = site->address;
  if (own) {
    // Names may hold "window.open(": the lines that carry them (the script's head and call, a saved
    // page's title, link and listener) hold no further call.
    std::vector<std::pair<std::size_t, std::size_t>> skipped = {{LineStart(text, skipFrom), own->lineEnd}};
    std::vector<std::size_t> nameLines;
    if (site) nameLines.push_back(site->at);
    for (std::string_view mark : {"<title>", "<p><a href=\""})
      if (const std::size_t at = text.find(mark); at != std::string::npos && at < skipFrom) nameLines.push_back(at);
    for (std::size_t at : nameLines) {
      const std::size_t end = text.find('\n', at);
      skipped.emplace_back(LineStart(text, at), end == std::string::npos ? text.size() : end);
    }
    result.furtherCalls = static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(), [&](const Call& c) {
      return std::none_of(skipped.begin(), skipped.end(), [&](auto r) { return c.start >= r.first && c.start < r.second; });
    }));
  }
  if (result.address) result.address = UnescapeAddress(*result.address);
  return result;
}

std::vector<PopupFileReader::Feature> PopupFileReader::Features(std::string_view text) {
  const auto separator = [](char c) { return IsSpace(c) || c == '=' || c == ','; };
  std::vector<Feature> features;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && separator(text[i])) ++i;
    const std::size_t nameStart = i;
    while (i < text.size() && !separator(text[i])) ++i;
    Feature f{Lower(text.substr(nameStart, i - nameStart)), {}};
    while (i < text.size() && IsSpace(text[i])) ++i;
    if (i < text.size() && text[i] == '=') {
      while (i < text.size() && separator(text[i]) && text[i] != ',') ++i;
      const std::size_t valueStart = i;
      while (i < text.size() && !separator(text[i])) ++i;
      f.value = Lower(text.substr(valueStart, i - valueStart));
    }
    if (!f.name.empty()) features.push_back(std::move(f));
  }
  return features;
}

bool PopupFileReader::FeatureOn(std::string_view value) {
  if (value.empty() || value == "yes" || value == "true") return true;
  const PopupAdvice::Number number = PopupAdvice::ReadNumber(value);
  return number.valid && number.value != 0;
}

PopupAdvice::Line PopupFileReader::FurtherCallsAdvice(std::size_t count) {
  return {PopupAdvice::Kind::FurtherCalls,
          "The file opened held " + std::to_string(count) + " more window.open call" + (count == 1 ? "" : "s") +
              " after the one shown here; only the first was read."};
}

std::string PopupFileReader::UnescapeAddress(std::string_view address) {
  std::string out;
  for (std::size_t i = 0; i < address.size();) {
    std::string bytes;
    bool decoded = false;
    for (std::size_t j = i; bytes.size() < 4 && j + 2 < address.size() && address[j] == '%' &&
                            HexDigit(address[j + 1]) >= 0 && HexDigit(address[j + 2]) >= 0;
         j += 3) {
      bytes.push_back(static_cast<char>(HexDigit(address[j + 1]) * 16 + HexDigit(address[j + 2])));
      std::size_t k = 0;
      const auto cp = Utf8::TryNext(bytes, k);
      if (!cp || k != bytes.size()) continue;
      // Only what the code page lacks was escaped by the program; the rest was typed so.
      if (*cp >= 0x80 && !Windows1252::Holds(*cp)) {
        out += bytes;
        i = j + 3;
        decoded = true;
      }
      break;
    }
    if (!decoded) out.push_back(address[i++]);
  }
  return out;
}

std::vector<std::string> PopupFileReader::Problems(const Result& result, const Limits& limits) {
  std::vector<std::string> problems;
  const auto quoted = [](const std::string& text) {
    std::size_t i = 0, characters = 0;
    while (i < text.size() && characters < 40) Utf8::Next(text, i), ++characters;
    return "\"" + text.substr(0, i) + (i < text.size() ? "\xE2\x80\xA6\"" : "\"");
  };
  const auto units = [](const std::string& text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) count += Utf8::Next(text, i) >= 0x10000 ? 2 : 1;
    return count;
  };
  const auto check = [&](const std::string& what, const std::string& value, std::size_t limit) {
    if (std::any_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
      problems.push_back(what + " " + quoted(value) + " holds a line break or control character, which its field "
                                                      "cannot show");
    if (limit > 0 && units(value) > limit)
      problems.push_back(what + " " + quoted(value) + " is longer than the " + std::to_string(limit) +
                         " characters its field holds");
  };
  const PopupSettings& s = result.settings;
  check("the function name", s.functionName, limits.functionName);
  check("the window name", s.windowName, limits.windowName);
  if (result.address) check("the address", *result.address, limits.address);
  const struct {
    const char* option;
    const char* caption;
    const std::string& value;
  } numbers[] = {{"width=", "Width:", s.widthText},
                 {"height=", "Height:", s.heightText},
                 {"left=", "Left:", s.leftText},
                 {"top=", "Top:", s.topText}};
  for (const auto& n : numbers) {
    const bool typeable = std::all_of(n.value.begin(), n.value.end(), [](char c) {
      return std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.' || c == ',';
    });
    if (!typeable)
      problems.push_back(quoted(n.value) + " for " + n.option + " is no number the box beside \"" + n.caption +
                         "\" can show");
    else if (!n.value.empty() && SpinValue::WrittenText(n.value, 0) != n.value)
      // The box would show it, but a script gets only whole numbers from the box: 250.7 would be written as 0.
      problems.push_back(quoted(n.value) + " for " + n.option + " is not a whole number, the only kind the box beside \"" +
                         n.caption + "\" writes into a script");
    else if (limits.number > 0 && n.value.size() > limits.number)
      problems.push_back(quoted(n.value) + " for " + n.option + " is longer than the box beside \"" + n.caption +
                         "\" holds");
  }
  return problems;
}

}  // namespace core
