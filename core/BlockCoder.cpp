#include "core/BlockCoder.h"

#include <zlib.h>

#include <new>
#include <stdexcept>
#include <string>

#include "core/StreamError.h"

namespace core {

namespace {

constexpr int kRawDeflateWindow = -15;

class Deflater {
 public:
  Deflater() {
    if (deflateInit2(&stream_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kRawDeflateWindow, 8, Z_DEFAULT_STRATEGY) != Z_OK)
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

class Inflater {
 public:
  Inflater() {
    if (inflateInit2(&stream_, kRawDeflateWindow) != Z_OK) throw std::bad_alloc();
  }
  ~Inflater() { inflateEnd(&stream_); }
  Inflater(const Inflater&) = delete;
  Inflater& operator=(const Inflater&) = delete;
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

std::vector<std::uint8_t> Inflate(std::span<const std::uint8_t> data) {
  Inflater inflater;
  // One byte of headroom tells "exactly kMaxBlock" from "more than kMaxBlock".
  std::vector<std::uint8_t> out(BlockCoder::kMaxBlock + 1);
  inflater->next_in = const_cast<Bytef*>(data.data());
  inflater->avail_in = static_cast<uInt>(data.size());
  inflater->next_out = out.data();
  inflater->avail_out = static_cast<uInt>(out.size());
  for (;;) {
    const int result = inflate(inflater.get(), Z_NO_FLUSH);
    if (result == Z_STREAM_END) break;
    if (result == Z_MEM_ERROR) throw std::bad_alloc();
    if (result != Z_OK && result != Z_BUF_ERROR) throw StreamError("Corrupt deflate data in block");
    if (inflater->avail_out == 0) throw StreamError("Decoded block exceeds 32783 bytes");
    if (inflater->avail_in == 0 || result == Z_BUF_ERROR) throw StreamError("Truncated deflate data in block");
  }
  if (inflater->total_out > BlockCoder::kMaxBlock) throw StreamError("Decoded block exceeds 32783 bytes");
  if (inflater->avail_in != 0) throw StreamError("Garbage after deflate data in block");
  out.resize(inflater->total_out);
  return out;
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
  if (block.empty()) throw StreamError("Empty block");
  if (block.size() > kMaxBlock) throw StreamError("Block length exceeds 32783 bytes");
  const auto data = block.subspan(1);
  switch (block[0]) {
    case kStored:
      return {data.begin(), data.end()};
    case kDeflated:
      return Inflate(data);
    default:
      throw StreamError("Unknown block method " + std::to_string(block[0]));
  }
}

}  // namespace core
