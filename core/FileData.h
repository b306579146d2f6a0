#pragma once
#include <cstdint>
#include <vector>

#include "core/ByteStream.h"

namespace core {

// The bytes a file source keeps as "FileData" in a window definition:
//   plain:      N(4 bytes LE, signed) followed by the N bytes of the file
//   compressed: the CompressedFileData container
class FileData {
 public:
  // Stores the next size bytes of file. Raises StreamError("Stream read error") when the file
  // holds fewer, and std::invalid_argument for a size outside 0 to 2^31-1.
  static void Encode(ByteStream& file, std::int64_t size, bool compress, ByteStream& out);

  // Restores the file from data. Raises StreamError: "Stream read error" for data shorter than
  // its lengths, "Wrong file type" for a compressed container with another signature, and a
  // message naming the fault for a negative length or a damaged block. Bytes after the stored
  // file are left unread.
  static void Decode(ByteStream& data, bool compress, ByteStream& out);

  static std::vector<std::uint8_t> Encode(const std::vector<std::uint8_t>& file, bool compress);
  static std::vector<std::uint8_t> Decode(const std::vector<std::uint8_t>& data, bool compress);
};

}  // namespace core
