// Compares compressed "FileData" storage with zlib's own compress2 on the whole buffer:
// stored size, and encode/decode throughput. Prints figures; asserts nothing about speed.
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
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

Bytes ZlibCompress(const Bytes& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
    throw std::runtime_error("compress2 failed");
  out.resize(size);
  return out;
}

Bytes ZlibUncompress(const Bytes& data, std::size_t originalSize) {
  Bytes out(originalSize);
  uLongf size = static_cast<uLongf>(out.size());
  if (uncompress(out.data(), &size, data.data(), static_cast<uLong>(data.size())) != Z_OK || size != originalSize)
    throw std::runtime_error("uncompress failed");
  return out;
}

// Runs work until at least a quarter of a second has passed; returns megabytes per second.
double Throughput(std::size_t bytesPerRun, const std::function<void()>& work) {
  int runs = 0;
  const auto start = Clock::now();
  std::chrono::duration<double> elapsed{};
  do {
    work();
    ++runs;
    elapsed = Clock::now() - start;
  } while (elapsed.count() < 0.25);
  return static_cast<double>(bytesPerRun) * runs / elapsed.count() / 1e6;
}

void Measure(const DataSet& set) {
  const Bytes& data = set.bytes;
  const Bytes stored = core::FileData::Encode(data, true);
  const Bytes zlib = ZlibCompress(data);
  if (core::FileData::Decode(stored, true) != data || ZlibUncompress(zlib, data.size()) != data)
    throw std::runtime_error("round trip failed for " + set.name);

  const double storeIn = Throughput(data.size(), [&] { core::FileData::Encode(data, true); });
  const double storeOut = Throughput(data.size(), [&] { core::FileData::Decode(stored, true); });
  const double zlibIn = Throughput(data.size(), [&] { ZlibCompress(data); });
  const double zlibOut = Throughput(data.size(), [&] { ZlibUncompress(zlib, data.size()); });

  const double original = static_cast<double>(data.size());
  std::printf("%-22s %9zu bytes\n", set.name.c_str(), data.size());
  std::printf("  %-20s %9zu bytes %6.1f%%  encode %8.1f MB/s  decode %8.1f MB/s\n", "compressed storage",
              stored.size(), 100.0 * static_cast<double>(stored.size()) / original, storeIn, storeOut);
  std::printf("  %-20s %9zu bytes %6.1f%%  encode %8.1f MB/s  decode %8.1f MB/s\n", "zlib compress2",
              zlib.size(), 100.0 * static_cast<double>(zlib.size()) / original, zlibIn, zlibOut);
  std::printf("  %-20s %9zu bytes\n", "plain storage", data.size() + 4);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<DataSet> sets = {{"1 MB text-like", TextLikeBytes(1 << 20)}, {"1 MB random", RandomBytes(1 << 20)}};
  const std::string preview = argc > 1 ? argv[1] : std::string(SKYLATCH_SOURCE_DIR) + "/resources/preview.htm";
  Bytes page = ReadFile(preview);
  if (!page.empty()) sets.push_back({"resources/preview.htm", std::move(page)});
  else std::printf("(%s not found: skipped)\n", preview.c_str());

  std::printf("zlib %s; compressed storage = 32782-byte chunks, raw deflate or stored per block\n\n", zlibVersion());
  try {
    for (const DataSet& set : sets) Measure(set);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "filedata_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
