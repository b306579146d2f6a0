#include "core/FileData.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

#include "core/BlockDecoder.h"
#include "core/CompressedFileData.h"
#include "core/Int32Field.h"
#include "core/StreamError.h"

namespace core {

namespace {

// Copies exactly count bytes in bounded pieces, so a forged length cannot make us allocate it.
void CopyExactly(ByteStream& from, ByteStream& to, std::int64_t count) {
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(count, 64 * 1024)));
  while (count > 0) {
    const auto piece = static_cast<std::size_t>(std::min<std::int64_t>(count, static_cast<std::int64_t>(buffer.size())));
    from.ReadExactly(buffer.data(), piece);
    to.Write(buffer.data(), piece);
    count -= static_cast<std::int64_t>(piece);
  }
}

}  // namespace

void FileData::Encode(ByteStream& file, std::int64_t size, bool compress, ByteStream& out) {
  if (size < 0 || size > std::numeric_limits<std::int32_t>::max())
    throw std::invalid_argument("File of " + std::to_string(size) + " bytes cannot be stored");
  if (compress) {
    CompressedFileData::Compress(file, out, size);
    return;
  }
  Int32Field::Write(out, static_cast<std::int32_t>(size));
  CopyExactly(file, out, size);
}

void FileData::Decode(ByteStream& data, bool compress, ByteStream& out) {
  if (compress) {
    CompressedFileData::Decompress(data, out);
    return;
  }
  const std::int32_t size = Int32Field::Read(data);
  if (size < 0) throw StreamError("Negative file length " + std::to_string(size));
  CopyExactly(data, out, size);
}

std::vector<std::uint8_t> FileData::Encode(const std::vector<std::uint8_t>& file, bool compress) {
  MemoryByteStream in(file);
  MemoryByteStream out;
  Encode(in, static_cast<std::int64_t>(file.size()), compress, out);
  return out.TakeData();
}

std::vector<std::uint8_t> FileData::Decode(const std::vector<std::uint8_t>& data, bool compress) {
  MemoryByteStream in(data);
  MemoryByteStream out;
  // Sized once: the plain length or the blocks' bound, never more than the data can justify, and
  // room for the last block to be decoded in place.
  std::size_t size = 0;
  if (compress) {
    size = CompressedFileData::DecodedSizeBound(data);
  } else if (data.size() >= 4) {
    const auto n = static_cast<std::size_t>(
        static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
        (static_cast<std::uint32_t>(data[2]) << 16) | (static_cast<std::uint32_t>(data[3]) << 24));
    size = std::min(n, data.size() - 4);
  }
  out.Reserve(std::min(size, 64 * data.size()) + BlockDecoder::kRoom);
  Decode(in, compress, out);
  return out.TakeData();
}

}  // namespace core
