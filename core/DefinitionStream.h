#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "core/ComponentDef.h"

namespace core {

// The binary form of a window definition, as embedded in the executable.
//
//   file      := "SKWD" version(1 byte = 1) component
//   component := shortstr(class) shortstr(name) property* 0x00 component* 0x00
//   property  := shortstr(name, not empty) type-byte value
//   shortstr  := length byte + characters
//
// Values are framed by their type byte (see ValueType). A truncated stream raises
// StreamError("Stream read error"); anything else malformed raises StreamError with a message
// that names what is wrong. The reader never reads past the span it is given.
class DefinitionStream {
 public:
  static std::vector<std::uint8_t> Write(const ComponentDef& root);
  static ComponentDef Read(std::span<const std::uint8_t> data);

  static constexpr int kMaxDepth = 32;  // nesting of components
  // Longest string, byte block or list a definition may hold. Anything larger is taken as
  // corruption rather than as a stream that merely ends early.
  static constexpr std::int64_t kMaxLength = 64 * 1024 * 1024;
};

}  // namespace core
