// Text beyond Windows-1252: reading UTF-8, what Preview's files make of it, and addresses.
#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "core/WebEscape.h"
#include "core/Windows1252.h"

namespace {

using core::Windows1252;

TEST(Utf8Test, EachCharacterInEachEncoding) {
  const struct {
    std::string utf8;
    std::string inPreview;  // Windows-1252
    std::string address;
  } cases[] = {
      {"plain/a b", "plain/a b", "plain/a b"},
      {"\xC3\xBC" "ber", "\xFC" "ber", "\xC3\xBC" "ber"},             // ü is in the code page
      {"\xE2\x82\xAC", "\x80", "\xE2\x82\xAC"},                        // so is €, at $80
      {"\xE6\x97\xA5\xE6\x9C\xAC", "??", "%E6%97%A5%E6%9C%AC"},        // 日本 is not
      {"\xD0\x96", "?", "%D0%96"},                                     // Ж
      {"\xF0\x9F\x98\x80", "?", "%F0%9F%98%80"},                       // four bytes
      {"a\xFF" "b", "a?b", "a%EF%BF%BDb"},                             // a malformed byte
      {"\xC3", "?", "%EF%BF%BD"},                                      // cut short
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Windows1252::FromUtf8OrQuestionMark(c.utf8), c.inPreview) << c.utf8;
    EXPECT_EQ(core::WebEscape::Address(c.utf8), c.address) << c.utf8;
  }
  for (int b = 1; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Windows1252::ToUtf8(byte);
    EXPECT_EQ(Windows1252::FromUtf8OrQuestionMark(utf8), byte) << b;
  }
}

}  // namespace
