// Compares compressed "FileData" storage with zlib's own deflate and inflate run on the whole
// buffer as one raw stream: stored size, and encode/decode throughput, measured side by side.
// Prints figures, and with --rows the ratios as "ROW|what|ours|baseline|ratio|goal" for
// scripts/bench.sh; asserts nothing about speed.
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/FileData.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

struct DataSet {
  std::string name;
  Bytes bytes;
};

Bytes RandomBytes(std::size_t n) {
  std::mt19937 rng(1);
  Bytes b(n);
  for (auto& x : b) x = static_cast<std::uint8_t>(rng());
  return b;
}

// Words drawn at random from a small vocabulary, in lines: compresses like markup or script text.
Bytes TextLikeBytes(std::size_t n) {
  static const char* const words[] = {"window", "open",  "function", "var",    "document", "write", "<a",
                                      "href=",  "popup", "width=400", "height", "toolbar=no", "the",
                                      "page",   "script", "return",   "true;",  "if",      "{",      "}"};
  std::mt19937 rng(2);
  Bytes b;
  b.reserve(n + 16);
  int onLine = 0;
  while (b.size() < n) {
    const std::string word = words[rng() % std::size(words)];
    b.insert(b.end(), word.begin(), word.end());
    if (++onLine == 10) {
      b.push_back('\r');
      b.push_back('\n');
      onLine = 0;
    } else {
      b.push_back(' ');
    }
  }
  b.resize(n);
  return b;
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One raw deflate stream of the whole buffer (no header or checksum, as in our blocks).
Bytes ZlibCompress(const Bytes& data) {
  z_stream z{};
  if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw std::runtime_error("deflateInit2 failed");
  Bytes out(deflateBound(&z, static_cast<uLong>(data.size())));
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int result = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (result != Z_STREAM_END) throw std::runtime_error("deflate failed");
  return out;
}

// zlib's inflate into a buffer of the known size, allocated once.
Bytes ZlibUncompress(const Bytes& data, std::size_t originalSize) {
  Bytes out(originalSize);
  z_stream z{};
  if (inflateInit2(&z, -15) != Z_OK) throw std::runtime_error("inflateInit2 failed");
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  const int result = inflate(&z, Z_FINISH);
  const uLong size = z.total_out;
  inflateEnd(&z);
  if (result != Z_STREAM_END || size != originalSize) throw std::runtime_error("inflate failed");
  return out;
}

bool rows = false;

// Runs ours and theirs alternately until each has had at least half a second, so that a busy
// machine slows both alike; returns both in megabytes per second.
std::pair<double, double> SideBySide(std::size_t bytesPerRun, const std::function<void()>& ours,
                                     const std::function<void()>& theirs) {
  std::chrono::duration<double> oursTime{}, theirsTime{};
  int runs = 0;
  do {
    auto start = Clock::now();
    ours();
    oursTime += Clock::now() - start;
    start = Clock::now();
    theirs();
    theirsTime += Clock::now() - start;
    ++runs;
  } while (oursTime.count() < 0.5 || theirsTime.count() < 0.5);
  const double megabytes = static_cast<double>(bytesPerRun) * runs / 1e6;
  return {megabytes / oursTime.count(), megabytes / theirsTime.count()};
}

void Measure(const DataSet& set) {
  const Bytes& data = set.bytes;
  const Bytes stored = core::FileData::Encode(data, true);
  const Bytes zlib = ZlibCompress(data);
  if (core::FileData::Decode(stored, true) != data || ZlibUncompress(zlib, data.size()) != data)
    throw std::runtime_error("round trip failed for " + set.name);

  const auto [storeIn, zlibIn] = SideBySide(data.size(), [&] { core::FileData::Encode(data, true); },
                                            [&] { ZlibCompress(data); });
  const auto [storeOut, zlibOut] = SideBySide(data.size(), [&] { core::FileData::Decode(stored, true); },
                                              [&] { ZlibUncompress(zlib, data.size()); });

  const double original = static_cast<double>(data.size());
  if (rows) {
    if (set.name.find("random") != std::string::npos) return;  // stored blocks: a copy, not a decoder
    std::printf("ROW|FileData size against zlib (%s)|%zu bytes|%zu bytes|%.2fx|close to 1x\n", set.name.c_str(),
                stored.size(), zlib.size(), static_cast<double>(stored.size()) / static_cast<double>(zlib.size()));
    std::printf("ROW|FileData decoding speed against zlib's inflate (%s)|%.0f MB/s|%.0f MB/s|%.2fx|>= 0.9x\n",
                set.name.c_str(), storeOut, zlibOut, storeOut / zlibOut);
    std::printf("ROW|FileData encoding speed against zlib's deflate (%s)|%.0f MB/s|%.0f MB/s|%.2fx|-\n",
                set.name.c_str(), storeIn, zlibIn, storeIn / zlibIn);
    return;
  }
  std::printf("%-22s %9zu bytes\n", set.name.c_str(), data.size());
  std::printf("  %-20s %9zu bytes %6.1f%%  encode %8.1f MB/s  decode %8.1f MB/s\n", "compressed storage",
              stored.size(), 100.0 * static_cast<double>(stored.size()) / original, storeIn, storeOut);
  std::printf("  %-20s %9zu bytes %6.1f%%  encode %8.1f MB/s  decode %8.1f MB/s\n", "zlib raw stream",
              zlib.size(), 100.0 * static_cast<double>(zlib.size()) / original, zlibIn, zlibOut);
  std::printf("  %-20s %9zu bytes\n", "plain storage", data.size() + 4);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--rows") {
    rows = true;
    --argc;
    ++argv;
  }
  std::vector<DataSet> sets = {{"1 MB text-like", TextLikeBytes(1 << 20)}, {"1 MB random", RandomBytes(1 << 20)}};
  const std::string preview = argc > 1 ? argv[1] : std::string(SKYLATCH_SOURCE_DIR) + "/resources/preview.htm";
  Bytes page = ReadFile(preview);
  if (!page.empty()) sets.push_back({"resources/preview.htm", std::move(page)});
  else std::printf("(%s not found: skipped)\n", preview.c_str());

  if (!rows) std::printf("zlib %s; compressed storage = 32782-byte chunks, raw deflate or stored per block\n\n", zlibVersion());
  try {
    for (const DataSet& set : sets) Measure(set);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "filedata_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
