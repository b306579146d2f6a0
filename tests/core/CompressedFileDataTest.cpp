#include "core/CompressedFileData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "core/BlockCoder.h"
#include "core/StreamError.h"
#include "tests/core/SampleBytes.h"

using core::BlockCoder;
using core::CompressedFileData;
using core::MemoryByteStream;
using core::StreamError;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::int32_t Le32(const Bytes& b, std::size_t at) {
  return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24));
}

void PutLe32(Bytes& b, std::size_t at, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

Bytes Compress(const Bytes& data) {
  MemoryByteStream in(data);
  MemoryByteStream out;
  CompressedFileData::Compress(in, out, static_cast<std::int64_t>(data.size()));
  EXPECT_EQ(out.Position(), out.Size());
  return out.Data();
}

Bytes Decompress(const Bytes& data) {
  MemoryByteStream in(data);
  MemoryByteStream out;
  CompressedFileData::Decompress(in, out);
  return out.Data();
}

std::string DecompressError(const Bytes& data) {
  try {
    Decompress(data);
  } catch (const StreamError& e) {
    return e.what();
  }
  return "(no error)";
}

// Walks the blocks and checks the framing: signature, T = sum of (L + 4), each L in bounds,
// every chunk full except the last. Returns the block lengths.
std::vector<std::int32_t> CheckFraming(const Bytes& c, std::size_t sourceSize) {
  std::vector<std::int32_t> lengths;
  EXPECT_GE(c.size(), 10u);
  EXPECT_EQ(std::string(c.begin(), c.begin() + 6), "PMCS10");
  const std::int32_t total = Le32(c, 6);
  EXPECT_EQ(static_cast<std::size_t>(total), c.size() - 10);
  std::size_t at = 10;
  std::size_t decoded = 0;
  while (at < c.size()) {
    const std::int32_t length = Le32(c, at);
    EXPECT_GE(length, 1);
    EXPECT_LE(length, 32783);
    lengths.push_back(length);
    const Bytes block(c.begin() + static_cast<std::ptrdiff_t>(at + 4), c.begin() + static_cast<std::ptrdiff_t>(at + 4 + length));
    const std::size_t size = BlockCoder::Decode(block).size();
    decoded += size;
    if (decoded < sourceSize) EXPECT_EQ(size, 32782u);
    at += 4 + static_cast<std::size_t>(length);
  }
  EXPECT_EQ(at, c.size());
  EXPECT_EQ(decoded, sourceSize);
  EXPECT_EQ(lengths.size(), (sourceSize + 32781) / 32782);
  return lengths;
}

// Hands out at most a few bytes per call, as a slow file might.
class TrickleStream : public MemoryByteStream {
 public:
  using MemoryByteStream::MemoryByteStream;
  std::size_t Read(void* buffer, std::size_t count) override {
    return MemoryByteStream::Read(buffer, std::min<std::size_t>(count, 1000));
  }
};

}  // namespace

TEST(CompressedFileData, RoundTripsWithExactFraming) {
  for (std::size_t n : {0u, 1u, 32782u, 32783u, 32784u, 1u << 20}) {
    for (const Bytes& data : {RandomBytes(n, static_cast<unsigned>(n)), TextBytes(n)}) {
      const Bytes c = Compress(data);
      CheckFraming(c, n);
      EXPECT_EQ(Decompress(c), data) << n;
    }
  }
}

TEST(CompressedFileData, EmptySourceIsSignatureAndZeroTotal) {
  const Bytes expected = {'P', 'M', 'C', 'S', '1', '0', 0, 0, 0, 0};
  EXPECT_EQ(Compress({}), expected);
  EXPECT_TRUE(Decompress(expected).empty());
}

TEST(CompressedFileData, RandomDataIsStoredAndTextShrinks) {
  const Bytes random = Compress(RandomBytes(32783, 5));
  // A full stored block, then a one-byte chunk stored with its tag.
  EXPECT_EQ(CheckFraming(random, 32783), (std::vector<std::int32_t>{32783, 2}));
  EXPECT_EQ(random.size(), 10u + 4 + 32783 + 4 + 2);
  EXPECT_LT(Compress(TextBytes(1 << 20)).size(), (1u << 20) / 4);
}

TEST(CompressedFileData, WritesAtTheDestinationPositionAndEndsThere) {
  MemoryByteStream out(Bytes{'x', 'y', 'z'});
  out.Seek(3);
  MemoryByteStream in(TextBytes(40000));
  CompressedFileData::Compress(in, out, 40000);
  EXPECT_EQ(out.Position(), out.Size());
  const Bytes& all = out.Data();
  EXPECT_EQ(std::string(all.begin(), all.begin() + 9), "xyzPMCS10");
  EXPECT_EQ(static_cast<std::size_t>(Le32(all, 9)), all.size() - 13);
}

TEST(CompressedFileData, ReadsOnlyCountBytesAndCopesWithShortReads) {
  const Bytes data = RandomBytes(100000, 9);
  TrickleStream in(data);
  MemoryByteStream out;
  CompressedFileData::Compress(in, out, 70000);
  EXPECT_EQ(in.Position(), 70000);
  CheckFraming(out.Data(), 70000);
  EXPECT_EQ(Decompress(out.Data()), Bytes(data.begin(), data.begin() + 70000));
}

TEST(CompressedFileData, SourceEndingBeforeCountRaisesAfterPatchingTotal) {
  const Bytes data = TextBytes(40000);
  MemoryByteStream in(data);
  MemoryByteStream out;
  try {
    CompressedFileData::Compress(in, out, 100000);
    FAIL() << "no error";
  } catch (const StreamError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  // The container stays well formed and holds what the source gave.
  EXPECT_EQ(out.Position(), out.Size());
  CheckFraming(out.Data(), data.size());
  EXPECT_EQ(Decompress(out.Data()), data);

  MemoryByteStream empty;
  MemoryByteStream out2;
  EXPECT_THROW(CompressedFileData::Compress(empty, out2, 5), StreamError);
  EXPECT_EQ(out2.Data(), (Bytes{'P', 'M', 'C', 'S', '1', '0', 0, 0, 0, 0}));
}

TEST(CompressedFileData, WrongSignature) {
  Bytes c = Compress(TextBytes(100));
  for (std::size_t i = 0; i < 6; ++i) {
    Bytes damaged = c;
    damaged[i] ^= 0x20;
    EXPECT_EQ(DecompressError(damaged), "Wrong file type") << i;
  }
  EXPECT_EQ(DecompressError(Bytes{'P', 'M', 'C', 'S', '1', '1', 0, 0, 0, 0}), "Wrong file type");
  EXPECT_EQ(DecompressError(Bytes{0, 0, 0, 0, 'a', 'b'}), "Wrong file type");
}

TEST(CompressedFileData, RefusesLengthsThatDoNotAddUp) {
  const Bytes text = TextBytes(50000);
  const Bytes c = Compress(text);  // two blocks
  const std::int32_t total = Le32(c, 6);
  const std::int32_t first = Le32(c, 10);

  Bytes negative = c;
  PutLe32(negative, 6, -1);
  EXPECT_EQ(DecompressError(negative), "Negative compressed data length -1");

  Bytes shortTotal = c;
  PutLe32(shortTotal, 6, first + 4 + 3);  // room for the first block and part of a length
  EXPECT_EQ(DecompressError(shortTotal), "Block lengths overrun the compressed data length");

  Bytes overrun = c;
  PutLe32(overrun, 6, first + 4 + 10);  // second block runs past T
  EXPECT_EQ(DecompressError(overrun), "Block lengths overrun the compressed data length");

  Bytes longTotal = c;
  PutLe32(longTotal, 6, total + 4);
  EXPECT_EQ(DecompressError(longTotal), "Stream read error");

  Bytes bigBlock = c;
  PutLe32(bigBlock, 10, 32784);
  EXPECT_EQ(DecompressError(bigBlock), "Block length 32784 outside 1 to 32783");

  Bytes zeroBlock = c;
  PutLe32(zeroBlock, 10, 0);
  EXPECT_EQ(DecompressError(zeroBlock), "Block length 0 outside 1 to 32783");

  Bytes negativeBlock = c;
  PutLe32(negativeBlock, 10, -5);
  EXPECT_EQ(DecompressError(negativeBlock), "Block length -5 outside 1 to 32783");

  // A smaller T ends the load after the first block.
  Bytes firstOnly = c;
  PutLe32(firstOnly, 6, first + 4);
  EXPECT_EQ(Decompress(firstOnly), Bytes(text.begin(), text.begin() + 32782));
}

TEST(CompressedFileData, TruncatedDataIsAReadError) {
  for (const Bytes& data : {TextBytes(70000), RandomBytes(70000, 4)}) {
    const Bytes c = Compress(data);
    for (std::size_t cut = 0; cut < c.size(); cut += (cut < 64 ? 1 : 97)) {
      const Bytes truncated(c.begin(), c.begin() + static_cast<std::ptrdiff_t>(cut));
      EXPECT_EQ(DecompressError(truncated), "Stream read error") << cut;
    }
  }
}

TEST(CompressedFileData, DamagedBytesGiveErrorsNotCrashes) {
  const Bytes c = Compress(TextBytes(80000));
  std::mt19937 rng(21);
  int refused = 0;
  for (int i = 0; i < 1500; ++i) {
    Bytes damaged = c;
    for (int k = 0; k < 3; ++k) damaged[rng() % damaged.size()] = static_cast<std::uint8_t>(rng());
    try {
      Decompress(damaged);
    } catch (const StreamError&) {
      ++refused;
    }
  }
  EXPECT_GT(refused, 1000);
}

namespace {

// A stream that, like a file, neither lends its storage nor hands out views of it.
class FileLikeStream : public core::ByteStream {
 public:
  explicit FileLikeStream(Bytes data = {}) : memory_(std::move(data)) {}
  std::size_t Read(void* buffer, std::size_t count) override { return memory_.Read(buffer, count); }
  void Write(const void* buffer, std::size_t count) override { memory_.Write(buffer, count); }
  std::int64_t Position() const override { return memory_.Position(); }
  void Seek(std::int64_t position) override { memory_.Seek(position); }
  std::int64_t Size() const override { return memory_.Size(); }
  const Bytes& Data() const { return memory_.Data(); }

 private:
  MemoryByteStream memory_;
};

}  // namespace

TEST(CompressedFileData, DecodesInPlaceIntoMemoryAndThroughABufferIntoFiles) {
  const Bytes file = [] {
    Bytes b = TextBytes(70000);
    const Bytes noise = RandomBytes(40000, 9);
    b.insert(b.end(), noise.begin(), noise.end());
    return b;
  }();
  const Bytes packed = Compress(file);

  FileLikeStream fileIn(packed), fileOut;
  CompressedFileData::Decompress(fileIn, fileOut);
  EXPECT_EQ(fileOut.Data(), file);

  // Decoding over bytes already there replaces just as many and keeps the rest.
  MemoryByteStream memoryIn(packed), memoryOut(Bytes(file.size() + 10, 0xEE));
  memoryOut.Seek(0);
  CompressedFileData::Decompress(memoryIn, memoryOut);
  EXPECT_EQ(memoryOut.Position(), static_cast<std::int64_t>(file.size()));
  EXPECT_EQ(Bytes(memoryOut.Data().begin(), memoryOut.Data().begin() + static_cast<std::ptrdiff_t>(file.size())), file);
  EXPECT_EQ(memoryOut.Size(), static_cast<std::int64_t>(file.size() + 10));

  // A block that fails leaves nothing of itself behind in the destination.
  Bytes damaged = packed;
  const std::size_t secondTag = 14 + (packed[10] | packed[11] << 8) + 4;
  damaged[secondTag] = 7;  // an unknown method
  MemoryByteStream damagedIn(damaged), damagedOut;
  EXPECT_THROW(CompressedFileData::Decompress(damagedIn, damagedOut), StreamError);
  EXPECT_EQ(damagedOut.Data(), Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(BlockCoder::kMaxChunk)));
}

TEST(CompressedFileData, TheSizeBoundComesFromTheHeadersAndHoldsTheFile) {
  const Bytes random = RandomBytes(100000, 4), text = TextBytes(100000);
  EXPECT_EQ(CompressedFileData::DecodedSizeBound(Compress(random)), random.size());  // stored blocks: exact
  EXPECT_GE(CompressedFileData::DecodedSizeBound(Compress(text)), text.size());
  EXPECT_LE(CompressedFileData::DecodedSizeBound(Compress(text)), 4 * BlockCoder::kMaxBlock);
  EXPECT_EQ(CompressedFileData::DecodedSizeBound(Compress({})), 0u);
  EXPECT_EQ(CompressedFileData::DecodedSizeBound(Bytes{'P', 'M'}), 0u);
  // Headers that overrun the data count only as far as they are whole.
  const Bytes packed = Compress(random);
  EXPECT_EQ(CompressedFileData::DecodedSizeBound(Bytes(packed.begin(), packed.end() - 1)),
            random.size() - (random.size() % BlockCoder::kMaxChunk));
}
