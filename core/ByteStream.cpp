#include "core/ByteStream.h"

#include <algorithm>
#include <cstring>

#include "core/StreamError.h"

namespace core {

void ByteStream::ReadExactly(void* buffer, std::size_t count) {
  auto* out = static_cast<std::uint8_t*>(buffer);
  while (count > 0) {
    std::size_t got = Read(out, count);
    if (got == 0) throw StreamError();
    out += got;
    count -= got;
  }
}

std::size_t MemoryByteStream::Read(void* buffer, std::size_t count) {
  std::size_t available = position_ < data_.size() ? data_.size() - position_ : 0;
  std::size_t n = std::min(count, available);
  if (n > 0) std::memcpy(buffer, data_.data() + position_, n);
  position_ += n;
  return n;
}

void MemoryByteStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return;
  if (position_ + count > data_.size()) data_.resize(position_ + count);
  std::memcpy(data_.data() + position_, buffer, count);
  position_ += count;
}

void MemoryByteStream::Seek(std::int64_t position) {
  position_ = position < 0 ? 0 : static_cast<std::size_t>(position);
}

}  // namespace core
