#include "core/BlockDecoder.h"

#include <zlib.h>

#include <cstring>
#include <new>
#include <string>

#include "core/BlockCoder.h"
#include "core/StreamError.h"

namespace core {

BlockDecoder::BlockDecoder() : stream_(std::make_unique<z_stream_s>()) {}

BlockDecoder::~BlockDecoder() {
  if (ready_) inflateEnd(stream_.get());
}

std::size_t BlockDecoder::Decode(std::span<const std::uint8_t> block, std::span<std::uint8_t> out) {
  static_assert(kRoom == BlockCoder::kMaxBlock + 1);
  if (out.size() < kRoom) throw std::invalid_argument("Room for a decoded block must hold 32784 bytes");
  if (block.empty()) throw StreamError("Empty block");
  if (block.size() > BlockCoder::kMaxBlock) throw StreamError("Block length exceeds 32783 bytes");
  const auto data = block.subspan(1);
  switch (block[0]) {
    case BlockCoder::kStored:
      if (!data.empty()) std::memcpy(out.data(), data.data(), data.size());
      return data.size();
    case BlockCoder::kDeflated:
      return Inflate(data, out);
    default:
      throw StreamError("Unknown block method " + std::to_string(block[0]));
  }
}

std::size_t BlockDecoder::Inflate(std::span<const std::uint8_t> data, std::span<std::uint8_t> out) {
  z_stream* z = stream_.get();
  if (!ready_) {
    if (inflateInit2(z, BlockCoder::kRawDeflateWindow) != Z_OK) throw std::bad_alloc();
    ready_ = true;
  } else if (inflateReset(z) != Z_OK) {
    throw std::bad_alloc();
  }
  z->next_in = const_cast<Bytef*>(data.data());
  z->avail_in = static_cast<uInt>(data.size());
  // One byte more than a block may hold tells "exactly 32783" from "more than 32783".
  z->next_out = out.data();
  z->avail_out = static_cast<uInt>(kRoom);
  for (;;) {
    // Z_FINISH: a block that decodes in one call never fills zlib's window, which saves a 32 KB
    // copy per block.
    const int result = inflate(z, Z_FINISH);
    if (result == Z_STREAM_END) break;
    if (result == Z_MEM_ERROR) throw std::bad_alloc();
    if (result != Z_OK && result != Z_BUF_ERROR) throw StreamError("Corrupt deflate data in block");
    if (z->avail_out == 0) throw StreamError("Decoded block exceeds 32783 bytes");
    if (z->avail_in == 0 || result == Z_BUF_ERROR) throw StreamError("Truncated deflate data in block");
  }
  if (z->total_out > BlockCoder::kMaxBlock) throw StreamError("Decoded block exceeds 32783 bytes");
  if (z->avail_in != 0) throw StreamError("Garbage after deflate data in block");
  return z->total_out;
}

}  // namespace core
