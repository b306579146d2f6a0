#pragma once
#include <string>
#include <string_view>

namespace core {

// Escapes for text the generated pages carry. Bytes above ASCII pass through unless named here,
// so the escapes serve Windows-1252 and UTF-8 text alike.
class WebEscape {
 public:
  // Text inside an attribute value in double quotes, or between tags: & " ' < > become entities.
  static std::string Html(std::string_view text);
  // The inside of a JavaScript string in single quotes: \ and ' get a backslash; " < & and
  // control characters become \xNN, so the result also stands unchanged in an HTML attribute and
  // cannot end a script block.
  static std::string JavaScriptString(std::string_view text);
  // The inside of a JavaScript string in single quotes within a javascript: address in a double-
  // quoted attribute (the test page's link): \ and ' get a backslash, CR and LF become \r and \n,
  // " and < become entities, & does where it could begin a character reference, and a "%" that
  // the address's own decoding would turn into one of ' \ CR LF becomes %25. Anything else, an
  // ordinary address in particular, stays byte for byte.
  static std::string JavaScriptAddressString(std::string_view text);
  // A file name as a relative address: characters that would end or change the address
  // (space, " # % & ' < > ? `) become %NN.
  static std::string AddressPath(std::string_view fileName);
  // A UTF-8 web address with every character that Windows-1252 lacks written as percent-encoded
  // UTF-8, as a browser sends it anyway; the rest stays as typed.
  static std::string Address(std::string_view utf8);
};

}  // namespace core
