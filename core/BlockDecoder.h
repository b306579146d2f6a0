#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

struct z_stream_s;

namespace core {

// Decodes the blocks of compressed file data (see BlockCoder) one after another with one
// inflate state, reset between blocks rather than made afresh for each.
class BlockDecoder {
 public:
  // What a block may decode to, plus the byte that tells an oversized block.
  static constexpr std::size_t kRoom = 32783 + 1;

  BlockDecoder();
  ~BlockDecoder();
  BlockDecoder(const BlockDecoder&) = delete;
  BlockDecoder& operator=(const BlockDecoder&) = delete;

  // Decodes block into out (at least kRoom bytes) and returns the decoded length. Raises the
  // StreamErrors of BlockCoder::Decode and never writes past out.
  std::size_t Decode(std::span<const std::uint8_t> block, std::span<std::uint8_t> out);

 private:
  std::size_t Inflate(std::span<const std::uint8_t> data, std::span<std::uint8_t> out);

  std::unique_ptr<z_stream_s> stream_;
  bool ready_ = false;
};

}  // namespace core
