#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace core {

// A positioned sequence of bytes: the runtime's file streams and in-memory buffers both serve.
class ByteStream {
 public:
  virtual ~ByteStream() = default;
  // Reads up to count bytes; returns how many were read (0 at the end).
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes all count bytes or raises an exception.
  virtual void Write(const void* buffer, std::size_t count) = 0;
  virtual std::int64_t Position() const = 0;
  virtual void Seek(std::int64_t position) = 0;
  virtual std::int64_t Size() const = 0;

  // Reads exactly count bytes or raises StreamError("Stream read error").
  void ReadExactly(void* buffer, std::size_t count);

  // The next count bytes, as ReadExactly reads them: a view of the stream's own storage when it
  // has one, otherwise read into scratch, which grows to count bytes if it must.
  virtual std::span<const std::uint8_t> ReadView(std::size_t count, std::vector<std::uint8_t>& scratch);

  // Room for up to count bytes at the position, to be filled in place and then settled with
  // KeepWritten(n), which keeps the first n of them. Empty when the stream has no storage of its
  // own to lend (a file): the caller then writes from a buffer of its own.
  virtual std::span<std::uint8_t> LendForWrite(std::size_t /*count*/) { return {}; }
  virtual void KeepWritten(std::size_t /*count*/) {}
};

// A growable in-memory stream.
class MemoryByteStream : public ByteStream {
 public:
  MemoryByteStream() = default;
  explicit MemoryByteStream(std::vector<std::uint8_t> data) : data_(std::move(data)) {}
  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::int64_t Position() const override { return static_cast<std::int64_t>(position_); }
  void Seek(std::int64_t position) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(data_.size()); }
  std::span<const std::uint8_t> ReadView(std::size_t count, std::vector<std::uint8_t>& scratch) override;
  std::span<std::uint8_t> LendForWrite(std::size_t count) override;
  void KeepWritten(std::size_t count) override;
  const std::vector<std::uint8_t>& Data() const { return data_; }
  // Hands the bytes over, leaving the stream empty.
  std::vector<std::uint8_t> TakeData();
  void Reserve(std::size_t capacity) { data_.reserve(capacity); }

 private:
  std::vector<std::uint8_t> data_;
  std::size_t position_ = 0;
  std::size_t sizeBeforeLending_ = 0;
};

}  // namespace core
