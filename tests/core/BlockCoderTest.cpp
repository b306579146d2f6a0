#include "core/BlockCoder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/StreamError.h"
#include "tests/core/SampleBytes.h"

using core::BlockCoder;
using core::StreamError;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes RawDeflate(const Bytes& data) {
  z_stream z{};
  EXPECT_EQ(deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY), Z_OK);
  Bytes out(deflateBound(&z, static_cast<uLong>(data.size())) + 1);
  out[0] = BlockCoder::kDeflated;
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data() + 1;
  z.avail_out = static_cast<uInt>(out.size() - 1);
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(1 + z.total_out);
  deflateEnd(&z);
  return out;
}

std::string DecodeError(const Bytes& block) {
  try {
    BlockCoder::Decode(block);
  } catch (const StreamError& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace

TEST(BlockCoder, RoundTripsAndPicksTheShorterForm) {
  for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{100}, BlockCoder::kMaxChunk}) {
    for (const Bytes& chunk : {RandomBytes(n, 7), TextBytes(n)}) {
      const Bytes block = BlockCoder::Encode(chunk);
      EXPECT_LE(block.size(), BlockCoder::kMaxBlock);
      EXPECT_LE(block.size(), chunk.size() + 1);
      EXPECT_EQ(BlockCoder::Decode(block), chunk) << n;
    }
  }
  const Bytes text = BlockCoder::Encode(TextBytes(BlockCoder::kMaxChunk));
  EXPECT_EQ(text[0], BlockCoder::kDeflated);
  EXPECT_LT(text.size(), 2000u);

  const Bytes random = RandomBytes(BlockCoder::kMaxChunk, 3);
  const Bytes stored = BlockCoder::Encode(random);
  ASSERT_EQ(stored.size(), BlockCoder::kMaxBlock);
  EXPECT_EQ(stored[0], BlockCoder::kStored);
  EXPECT_TRUE(std::equal(random.begin(), random.end(), stored.begin() + 1));

  EXPECT_EQ(BlockCoder::Encode(Bytes{}), Bytes{BlockCoder::kStored});
  EXPECT_EQ(BlockCoder::Encode(Bytes{'A'}), (Bytes{BlockCoder::kStored, 'A'}));
}

TEST(BlockCoder, RefusesAnOversizedChunk) {
  EXPECT_THROW(BlockCoder::Encode(Bytes(BlockCoder::kMaxChunk + 1)), std::invalid_argument);
}

TEST(BlockCoder, DecodesDeflateUpTo32783BytesAndNoMore) {
  const Bytes exact = TextBytes(BlockCoder::kMaxBlock);
  EXPECT_EQ(BlockCoder::Decode(RawDeflate(exact)), exact);
  EXPECT_EQ(DecodeError(RawDeflate(TextBytes(BlockCoder::kMaxBlock + 1))), "Decoded block exceeds 32783 bytes");
  EXPECT_EQ(DecodeError(RawDeflate(Bytes(1 << 20))), "Decoded block exceeds 32783 bytes");
}

TEST(BlockCoder, RefusesMalformedBlocksByName) {
  EXPECT_EQ(DecodeError(Bytes{}), "Empty block");
  EXPECT_EQ(DecodeError(Bytes{2, 'x'}), "Unknown block method 2");
  EXPECT_EQ(DecodeError(Bytes{255}), "Unknown block method 255");
  Bytes oversized(BlockCoder::kMaxBlock + 1);
  EXPECT_EQ(DecodeError(oversized), "Block length exceeds 32783 bytes");
  EXPECT_EQ(DecodeError(Bytes{BlockCoder::kDeflated}), "Truncated deflate data in block");
  // 0xFF opens a block of the reserved type 3.
  EXPECT_EQ(DecodeError(Bytes{BlockCoder::kDeflated, 0xFF, 0xFF}), "Corrupt deflate data in block");

  Bytes trailing = RawDeflate(TextBytes(1000));
  trailing.push_back(0);
  EXPECT_EQ(DecodeError(trailing), "Garbage after deflate data in block");

  const Bytes whole = RawDeflate(TextBytes(20000));
  for (std::size_t cut = 1; cut < whole.size(); ++cut) {
    const Bytes truncated(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_THROW(BlockCoder::Decode(truncated), StreamError) << cut;
  }
}
