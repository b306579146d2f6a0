#pragma once
#include <cstdint>

#include "core/ByteStream.h"

namespace core {

// The 4-byte little-endian signed lengths that frame stored file data.
class Int32Field {
 public:
  static void Write(ByteStream& stream, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                   static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
    stream.Write(bytes, sizeof bytes);
  }

  // Raises StreamError("Stream read error") when fewer than four bytes are left.
  static std::int32_t Read(ByteStream& stream) {
    std::uint8_t bytes[4];
    stream.ReadExactly(bytes, sizeof bytes);
    const std::uint32_t v = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                            (static_cast<std::uint32_t>(bytes[2]) << 16) |
                            (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(v);
  }
};

}  // namespace core
