#include "core/FileData.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/StreamError.h"
#include "tests/core/SampleBytes.h"

using core::FileData;
using core::MemoryByteStream;
using core::StreamError;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::string DecodeError(const Bytes& data, bool compress) {
  try {
    FileData::Decode(data, compress);
  } catch (const StreamError& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace

TEST(FileData, PlainFramingIsLengthThenBytes) {
  EXPECT_EQ(FileData::Encode(Bytes{}, false), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(FileData::Encode(Bytes{'h', 'i'}, false), (Bytes{2, 0, 0, 0, 'h', 'i'}));

  const Bytes file = TextBytes(335);
  const Bytes stored = FileData::Encode(file, false);
  ASSERT_EQ(stored.size(), 339u);
  EXPECT_EQ(Bytes(stored.begin(), stored.begin() + 4), (Bytes{0x4F, 0x01, 0, 0}));
  EXPECT_EQ(Bytes(stored.begin() + 4, stored.end()), file);

  const Bytes big = FileData::Encode(Bytes(0x01020304 & 0xFFFFF), false);
  EXPECT_EQ(Bytes(big.begin(), big.begin() + 4), (Bytes{0x04, 0x03, 0x02, 0}));
}

TEST(FileData, CompressedFramingIsTheContainer) {
  EXPECT_EQ(FileData::Encode(Bytes{}, true), (Bytes{'P', 'M', 'C', 'S', '1', '0', 0, 0, 0, 0}));
  const Bytes one = FileData::Encode(Bytes{'A'}, true);
  // T = 4 + 2, L = 2, stored tag, the byte.
  EXPECT_EQ(one, (Bytes{'P', 'M', 'C', 'S', '1', '0', 6, 0, 0, 0, 2, 0, 0, 0, 0, 'A'}));
}

TEST(FileData, RoundTripsPlainAndCompressed) {
  for (bool compress : {false, true}) {
    for (std::size_t n : {0u, 1u, 32782u, 32783u, 32784u, 1u << 20}) {
      for (const Bytes& file : {RandomBytes(n, 1), TextBytes(n)}) {
        EXPECT_EQ(FileData::Decode(FileData::Encode(file, compress), compress), file) << n << " " << compress;
      }
    }
  }
}

TEST(FileData, StreamsEncodeFromTheCurrentPositionAndLeaveTrailingBytes) {
  const Bytes content = TextBytes(1000);
  for (bool compress : {false, true}) {
    MemoryByteStream file(content);
    file.Seek(100);
    MemoryByteStream out;
    FileData::Encode(file, 500, compress, out);
    EXPECT_EQ(file.Position(), 600);
    out.Write("tail", 4);
    out.Seek(0);
    MemoryByteStream restored;
    FileData::Decode(out, compress, restored);
    EXPECT_EQ(restored.Data(), Bytes(content.begin() + 100, content.begin() + 600));
    EXPECT_EQ(out.Position(), out.Size() - 4);
  }
}

TEST(FileData, ShortFileIsAReadError) {
  for (bool compress : {false, true}) {
    MemoryByteStream file(TextBytes(10));
    MemoryByteStream out;
    try {
      FileData::Encode(file, 11, compress, out);
      FAIL() << "no error";
    } catch (const StreamError& e) {
      EXPECT_STREQ(e.what(), "Stream read error");
    }
  }
  MemoryByteStream file;
  MemoryByteStream out;
  EXPECT_THROW(FileData::Encode(file, -1, false, out), std::invalid_argument);
  EXPECT_THROW(FileData::Encode(file, 0x80000000LL, true, out), std::invalid_argument);
}

TEST(FileData, PlainRefusesNegativeAndShortLengths) {
  EXPECT_EQ(DecodeError(Bytes{0xFF, 0xFF, 0xFF, 0xFF}, false), "Negative file length -1");
  EXPECT_EQ(DecodeError(Bytes{0, 0, 0, 0x80}, false), "Negative file length -2147483648");
  // A huge declared length with little data fails on reading, without allocating it.
  EXPECT_EQ(DecodeError(Bytes{0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}, false), "Stream read error");
  EXPECT_EQ(DecodeError(Bytes{}, false), "Stream read error");
  EXPECT_EQ(DecodeError(Bytes{5, 0, 0}, false), "Stream read error");
}

TEST(FileData, TruncatedPlainDataAtEveryCutIsAReadError) {
  const Bytes stored = FileData::Encode(RandomBytes(3000, 2), false);
  for (std::size_t cut = 0; cut < stored.size(); ++cut) {
    const Bytes truncated(stored.begin(), stored.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_EQ(DecodeError(truncated, false), "Stream read error") << cut;
  }
}

TEST(FileData, CompressedDataReadAsTheOtherKind) {
  const Bytes plain = FileData::Encode(TextBytes(100), false);
  EXPECT_EQ(DecodeError(plain, true), "Wrong file type");
  // "PMCS" read as a length is 0x53434D50 bytes, far more than follow.
  const Bytes compressed = FileData::Encode(TextBytes(100), true);
  EXPECT_EQ(DecodeError(compressed, false), "Stream read error");
}
