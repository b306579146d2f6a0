#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/ByteStream.h"

namespace core {

// The compressed form of stored file data:
//
//   "PMCS10"  T(4 bytes LE, signed)  block*     where T = sum over blocks of (L + 4)
//   block := L(4 bytes LE, signed) L bytes coded by BlockCoder (L <= 32783)
//
// Compress reads the source in chunks of at most BlockCoder::kMaxChunk bytes, one block each.
class CompressedFileData {
 public:
  static constexpr char Signature[] = "PMCS10";
  static constexpr std::size_t kSignatureSize = sizeof Signature - 1;

  // Writes the container for the next count bytes of source at destination's position and
  // leaves destination positioned after it.
  // A source that ends before count bytes are read stops the loop: T is still patched so the
  // container holds exactly the blocks written, then StreamError("Stream read error") is raised,
  // as plain storage does for a file that turns out shorter than its size.
  // Raises StreamError when the block area would not fit T's 32 bits.
  static void Compress(ByteStream& source, ByteStream& destination, std::int64_t count);

  // Reads one container from source and writes the decoded bytes to destination.
  // Raises StreamError: "Wrong file type" for another signature; "Stream read error" for data
  // that ends early (a short signature included); a message naming the fault for a negative T,
  // a block length above 32783 or below 1, lengths that overrun T, or a block that does not decode.
  static void Decompress(ByteStream& source, ByteStream& destination);

  // What the container in data decodes to at most, read from its block headers alone (the
  // headers of a damaged container count as far as they go); for sizing a destination once.
  static std::size_t DecodedSizeBound(std::span<const std::uint8_t> data);
};

}  // namespace core
