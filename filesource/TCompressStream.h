#pragma once
#include <cstdint>

#include "core/ByteStream.h"
#include "framework/Events.h"

// Compressed storage of a file source's data: made for one load or save and freed after it.
class TCompressStream : public ui::TObject {
 public:
  TCompressStream();

  char Signature[6];

  // Writes the container for the next count bytes of source to destination.
  void CompressStream(core::ByteStream& source, core::ByteStream& destination, std::int64_t count);
  // Reads one container from source and writes the file's bytes to destination; raises
  // "Wrong file type" for another signature and "Stream read error" for data that ends early.
  void DecompressStream(core::ByteStream& source, core::ByteStream& destination);
};

