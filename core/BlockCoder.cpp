#include "core/BlockCoder.h"

#include <zlib.h>

#include <new>
#include <stdexcept>
#include <string>

#include "core/BlockDecoder.h"
#include "core/StreamError.h"

namespace core {

namespace {

class Deflater {
 public:
  Deflater() {
    if (deflateInit2(&stream_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, BlockCoder::kRawDeflateWindow, 8, Z_DEFAULT_STRATEGY) != Z_OK)
      throw std::bad_alloc();
  }
  ~Deflater() { deflateEnd(&stream_); }
  Deflater(const Deflater&) = delete;
  Deflater& operator=(const Deflater&) = delete;
  z_stream* operator->() { return &stream_; }
  z_stream* get() { return &stream_; }

 private:
  z_stream stream_{};
};

// Deflates the whole chunk; returns an empty vector when the result would not beat storing.
std::vector<std::uint8_t> TryDeflate(std::span<const std::uint8_t> chunk) {
  if (chunk.empty()) return {};
  Deflater deflater;
  std::vector<std::uint8_t> block(1 + deflateBound(deflater.get(), static_cast<uLong>(chunk.size())));
  block[0] = BlockCoder::kDeflated;
  deflater->next_in = const_cast<Bytef*>(chunk.data());
  deflater->avail_in = static_cast<uInt>(chunk.size());
  deflater->next_out = block.data() + 1;
  deflater->avail_out = static_cast<uInt>(block.size() - 1);
  if (deflate(deflater.get(), Z_FINISH) != Z_STREAM_END) throw std::runtime_error("Deflate failed");
  if (deflater->total_out >= chunk.size()) return {};
  block.resize(1 + deflater->total_out);
  return block;
}

}  // namespace

std::vector<std::uint8_t> BlockCoder::Encode(std::span<const std::uint8_t> chunk) {
  if (chunk.size() > kMaxChunk)
    throw std::invalid_argument("Chunk of " + std::to_string(chunk.size()) + " bytes exceeds 32782 bytes");
  std::vector<std::uint8_t> block = TryDeflate(chunk);
  if (!block.empty()) return block;
  block.reserve(1 + chunk.size());
  block.push_back(kStored);
  block.insert(block.end(), chunk.begin(), chunk.end());
  return block;
}

std::vector<std::uint8_t> BlockCoder::Decode(std::span<const std::uint8_t> block) {
  std::vector<std::uint8_t> out(BlockDecoder::kRoom);
  out.resize(BlockDecoder().Decode(block, out));
  return out;
}

}  // namespace core
