#include "filesource/TCompressStream.h"

#include <cstring>

#include "core/CompressedFileData.h"

TCompressStream::TCompressStream() {
  static_assert(sizeof Signature == core::CompressedFileData::kSignatureSize);
  std::memcpy(Signature, core::CompressedFileData::Signature, sizeof Signature);
}

void TCompressStream::CompressStream(core::ByteStream& source, core::ByteStream& destination, std::int64_t count) {
  core::CompressedFileData::Compress(source, destination, count);
}

void TCompressStream::DecompressStream(core::ByteStream& source, core::ByteStream& destination) {
  core::CompressedFileData::Decompress(source, destination);
}

