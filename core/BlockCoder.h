#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace core {

// Codes one chunk of a compressed file into one block and back.
//
//   block := method-tag(1 byte) data
//   tag 0: data is the chunk as it is
//   tag 1: data is the chunk in raw deflate (no zlib header or checksum)
//
// A chunk holds at most kMaxChunk bytes, so even a stored block fits in kMaxBlock bytes.
// Deflate is used only when it makes the block shorter than storing would.
class BlockCoder {
 public:
  static constexpr std::size_t kMaxBlock = 32783;
  static constexpr std::size_t kMaxChunk = kMaxBlock - 1;

  enum Method : std::uint8_t { kStored = 0, kDeflated = 1 };
  // zlib's window size for deflate data with no zlib header or trailer (negative: raw).
  static constexpr int kRawDeflateWindow = -15;

  // Raises std::invalid_argument for a chunk longer than kMaxChunk.
  static std::vector<std::uint8_t> Encode(std::span<const std::uint8_t> chunk);

  // Raises StreamError naming the fault for an empty or oversized block, an unknown tag,
  // deflate data that is corrupt, truncated, followed by garbage or decodes to more than
  // kMaxBlock bytes. Never writes past its own bounded buffer.
  static std::vector<std::uint8_t> Decode(std::span<const std::uint8_t> block);
};

}  // namespace core
