#include "core/WindowsFileName.h"

#include <array>

namespace core {

namespace {

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

// What Windows compares with the device names: the part before the first dot, trailing spaces gone.
std::string_view DevicePart(std::string_view name) {
  name = name.substr(0, name.find('.'));
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return name;
}

}  // namespace

bool WindowsFileName::IsDeviceName(std::string_view name) {
  const std::string_view part = DevicePart(name);
  static constexpr std::array<std::string_view, 4> kPlain = {"CON", "PRN", "AUX", "NUL"};
  for (std::string_view device : kPlain)
    if (SameIgnoringCase(part, device)) return true;
  if (part.size() < 4) return false;
  const std::string_view head = part.substr(0, 3);
  if (!SameIgnoringCase(head, "COM") && !SameIgnoringCase(head, "LPT")) return false;
  const std::string_view number = part.substr(3);
  if (number.size() == 1) return number[0] >= '1' && number[0] <= '9';
  return number == "\xC2\xB9" || number == "\xC2\xB2" || number == "\xC2\xB3";
}

std::string_view WindowsFileName::LastPart(std::string_view path) {
  const auto slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::size_t WindowsFileName::WindowsLength(std::string_view utf8) {
  std::size_t units = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++units;  // a lead byte starts a character
    if (c >= 0xF0) ++units;           // beyond the first plane: a surrogate pair
  }
  return units;
}

std::string WindowsFileName::Problem(std::string_view path, std::size_t maxLength) {
  const std::string_view name = LastPart(path);
  if (name.empty()) return std::string(path) + " names a folder, not a file; choose a file name";
  if (IsDeviceName(name)) return std::string(DevicePart(name)) + " is a name Windows keeps for a device; choose another name";
  if (name.back() == '.' || name.back() == ' ') {
    return "\"" + std::string(name) + "\" ends in " + (name.back() == '.' ? "a dot" : "a space") +
           ", which Windows drops from a file name; choose another name";
  }
  const std::size_t length = WindowsLength(path);
  if (length > maxLength) {
    return "The path " + std::string(path) + " is " + std::to_string(length) +
           " characters long, more than Windows allows here (" + std::to_string(maxLength) +
           "); choose a shorter name or folder";
  }
  return {};
}

}  // namespace core
