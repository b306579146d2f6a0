#include "core/CompressedFileData.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/BlockCoder.h"
#include "core/BlockDecoder.h"
#include "core/Int32Field.h"
#include "core/StreamError.h"

namespace core {

namespace {

// Reads until count bytes are in or the source has nothing more; returns how many came.
std::size_t ReadUpTo(ByteStream& source, std::uint8_t* buffer, std::size_t count) {
  std::size_t total = 0;
  while (total < count) {
    const std::size_t got = source.Read(buffer + total, count - total);
    if (got == 0) break;
    total += got;
  }
  return total;
}

void ReadSignature(ByteStream& source) {
  char signature[CompressedFileData::kSignatureSize];
  source.ReadExactly(signature, sizeof signature);
  if (std::memcmp(signature, CompressedFileData::Signature, sizeof signature) != 0)
    throw StreamError("Wrong file type");
}

}  // namespace

void CompressedFileData::Compress(ByteStream& source, ByteStream& destination, std::int64_t count) {
  destination.Write(Signature, kSignatureSize);
  const std::int64_t totalPosition = destination.Position();
  Int32Field::Write(destination, 0);

  std::int64_t total = 0;
  bool sourceEnded = false;
  std::vector<std::uint8_t> chunk(BlockCoder::kMaxChunk);
  while (count > 0) {
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(count, BlockCoder::kMaxChunk));
    const std::size_t got = ReadUpTo(source, chunk.data(), wanted);
    if (got == 0) {
      sourceEnded = true;
      break;
    }
    const std::vector<std::uint8_t> block = BlockCoder::Encode(std::span(chunk.data(), got));
    total += static_cast<std::int64_t>(block.size()) + 4;
    if (total > std::numeric_limits<std::int32_t>::max())
      throw StreamError("Compressed data exceeds 2 GB");
    Int32Field::Write(destination, static_cast<std::int32_t>(block.size()));
    destination.Write(block.data(), block.size());
    count -= static_cast<std::int64_t>(got);
  }

  const std::int64_t endPosition = destination.Position();
  destination.Seek(totalPosition);
  Int32Field::Write(destination, static_cast<std::int32_t>(total));
  destination.Seek(endPosition);
  if (sourceEnded) throw StreamError();
}

void CompressedFileData::Decompress(ByteStream& source, ByteStream& destination) {
  ReadSignature(source);
  std::int32_t remaining = Int32Field::Read(source);
  if (remaining < 0) throw StreamError("Negative compressed data length " + std::to_string(remaining));

  // Blocks are decoded straight into the destination's own storage when it lends it (memory),
  // otherwise into one buffer that is written out (a file). Nothing is zero-filled per block.
  BlockDecoder decoder;
  std::vector<std::uint8_t> blockBuffer;
  std::unique_ptr<std::uint8_t[]> decodedBuffer;
  while (remaining > 0) {
    if (remaining < 4) throw StreamError("Block lengths overrun the compressed data length");
    const std::int32_t length = Int32Field::Read(source);
    if (length < 1 || static_cast<std::size_t>(length) > BlockCoder::kMaxBlock)
      throw StreamError("Block length " + std::to_string(length) + " outside 1 to 32783");
    if (length > remaining - 4) throw StreamError("Block lengths overrun the compressed data length");
    const auto block = source.ReadView(static_cast<std::size_t>(length), blockBuffer);
    const std::span<std::uint8_t> room = destination.LendForWrite(BlockDecoder::kRoom);
    if (room.empty()) {
      if (!decodedBuffer) decodedBuffer.reset(new std::uint8_t[BlockDecoder::kRoom]);
      const std::size_t decoded = decoder.Decode(block, std::span(decodedBuffer.get(), BlockDecoder::kRoom));
      destination.Write(decodedBuffer.get(), decoded);
    } else {
      std::size_t decoded = 0;
      try {
        decoded = decoder.Decode(block, room);
      } catch (...) {
        destination.KeepWritten(0);
        throw;
      }
      destination.KeepWritten(decoded);
    }
    remaining -= length + 4;
  }
}

std::size_t CompressedFileData::DecodedSizeBound(std::span<const std::uint8_t> data) {
  // Deflate cannot expand a block more than about 1032 to 1.
  constexpr std::size_t kMostDeflateExpands = 1032;
  std::size_t bound = 0;
  std::size_t at = kSignatureSize + 4;
  const auto int32At = [&data](std::size_t i) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(data[i]) | (static_cast<std::uint32_t>(data[i + 1]) << 8) |
                                     (static_cast<std::uint32_t>(data[i + 2]) << 16) |
                                     (static_cast<std::uint32_t>(data[i + 3]) << 24));
  };
  if (data.size() < at) return 0;
  std::int64_t remaining = int32At(kSignatureSize);
  while (remaining >= 4 && at + 5 <= data.size()) {
    const std::int32_t length = int32At(at);
    if (length < 1 || static_cast<std::size_t>(length) > BlockCoder::kMaxBlock ||
        static_cast<std::size_t>(length) > data.size() - at - 4)
      break;
    const auto size = static_cast<std::size_t>(length);
    bound += data[at + 4] == BlockCoder::kStored ? size - 1
                                                 : std::min(BlockCoder::kMaxBlock, (size - 1) * kMostDeflateExpands);
    at += 4 + size;
    remaining -= static_cast<std::int64_t>(size) + 4;
  }
  return bound;
}

}  // namespace core
