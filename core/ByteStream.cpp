#include "core/ByteStream.h"

#include <algorithm>
#include <cstring>
#include <utility>

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

std::span<const std::uint8_t> ByteStream::ReadView(std::size_t count, std::vector<std::uint8_t>& scratch) {
  if (scratch.size() < count) scratch.resize(count);
  ReadExactly(scratch.data(), count);
  return {scratch.data(), count};
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
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  if (position_ == data_.size()) {
    data_.insert(data_.end(), bytes, bytes + count);  // appending: no zero-filling first
  } else {
    if (position_ + count > data_.size()) data_.resize(position_ + count);
    std::memcpy(data_.data() + position_, bytes, count);
  }
  position_ += count;
}

std::span<const std::uint8_t> MemoryByteStream::ReadView(std::size_t count, std::vector<std::uint8_t>&) {
  if (position_ > data_.size() || count > data_.size() - position_) {
    position_ = data_.size();
    throw StreamError();
  }
  const std::span<const std::uint8_t> view(data_.data() + position_, count);
  position_ += count;
  return view;
}

std::span<std::uint8_t> MemoryByteStream::LendForWrite(std::size_t count) {
  sizeBeforeLending_ = data_.size();
  if (position_ + count > data_.size()) data_.resize(position_ + count);
  return {data_.data() + position_, count};
}

void MemoryByteStream::KeepWritten(std::size_t count) {
  position_ += count;
  data_.resize(std::max(sizeBeforeLending_, position_));
}

std::vector<std::uint8_t> MemoryByteStream::TakeData() {
  position_ = 0;
  return std::exchange(data_, {});
}

void MemoryByteStream::Seek(std::int64_t position) {
  position_ = position < 0 ? 0 : static_cast<std::size_t>(position);
}

}  // namespace core
