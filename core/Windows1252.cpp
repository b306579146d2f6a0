#include "core/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "core/Utf8.h"

namespace core {

namespace {

// Code points of bytes $80..$9F; 0 where the code page leaves the byte undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

[[noreturn]] void Malformed() { throw std::invalid_argument("malformed UTF-8 text"); }

char32_t Decode(std::string_view s, std::size_t& i) {
  const auto cp = Utf8::TryNext(s, i);
  if (!cp) Malformed();
  return *cp;
}

int ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  // The five bytes the code page leaves undefined stand for their own C1 code points, as in Windows.
  if (cp >= 0x80 && cp <= 0x9F && kHighControls[cp - 0x80] == 0) return static_cast<int>(cp);
  for (std::size_t k = 0; k < kHighControls.size(); ++k)
    if (kHighControls[k] != 0 && kHighControls[k] == cp) return static_cast<int>(0x80 + k);
  return -1;
}

char Encode(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t k = 0; k < kHighControls.size(); ++k) {
    if (kHighControls[k] != 0 && kHighControls[k] == cp) return static_cast<char>(0x80 + k);
  }
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(cp));
  throw std::invalid_argument(std::string("character ") + name + " cannot be written in Windows-1252");
}

}  // namespace

std::string Windows1252::FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) out.push_back(Encode(Decode(utf8, i)));
  return out;
}

void Windows1252::AppendFromUtf8(std::string_view utf8, std::string& out, std::size_t maxLength) {
  if (out.size() < maxLength) out.reserve(out.size() + std::min(utf8.size(), maxLength - out.size()));
  const auto tooLong = [maxLength] {
    return std::length_error("text longer than " + std::to_string(maxLength) + " bytes");
  };
  for (std::size_t i = 0; i < utf8.size();) {
    // Plain ASCII, by far the most of any definition, goes across in runs.
    std::size_t run = i;
    while (run < utf8.size() && static_cast<std::uint8_t>(utf8[run]) < 0x80) ++run;
    if (run > i) {
      if (run - i > maxLength - std::min(maxLength, out.size())) throw tooLong();
      out.append(utf8.substr(i, run - i));
      i = run;
      continue;
    }
    if (out.size() >= maxLength) throw tooLong();
    out.push_back(Encode(Decode(utf8, i)));
  }
}

bool Windows1252::Holds(char32_t codePoint) { return ByteOf(codePoint) >= 0; }

std::string Windows1252::FromUtf8OrQuestionMark(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const int byte = ByteOf(Utf8::Next(utf8, i));
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return out;
}

std::string Windows1252::ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    const char32_t cp = b >= 0x80 && b <= 0x9F ? kHighControls[b - 0x80] : b;
    Utf8::Append(out, cp == 0 ? b : cp);  // the five undefined bytes keep their C1 code points
  }
  return out;
}

}  // namespace core
