// The "FileData" bytes come from a window definition; whatever they hold, decoding must end in
// the decoded file or a StreamError, never in a crash or an unbounded allocation. A decoded file
// must survive being stored again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <vector>

#include "core/ByteStream.h"
#include "core/FileData.h"
#include "core/StreamError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool compress = (data[0] & 1) != 0;
  core::MemoryByteStream in(std::vector<std::uint8_t>(data + 1, data + size));
  core::MemoryByteStream out;
  try {
    core::FileData::Decode(in, compress, out);
  } catch (const core::StreamError&) {
    return 0;
  } catch (const std::exception&) {
    return 0;
  }
  const std::vector<std::uint8_t>& file = out.Data();
  if (core::FileData::Decode(core::FileData::Encode(file, compress), compress) != file) std::abort();
  return 0;
}
