#pragma once
// A bounds-checked reader over the bytes of a movie: little-endian integers and the MSB-first bit
// fields of its records. Reading past the end never touches memory outside the span: it yields
// zeros and marks the reader failed, and the caller drops what it was reading.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tavra {

class SwfReader {
 public:
  explicit SwfReader(std::span<const std::uint8_t> data) : data_(data) {}

  bool ok() const { return !failed_; }
  bool atEnd() const { return pos_ >= data_.size(); }
  std::size_t position() const { return pos_; }
  std::size_t remaining() const { return failed_ ? 0 : data_.size() - pos_; }

  // Byte-sized reads start on a byte boundary: leftover bits are dropped.
  std::uint8_t u8();
  std::uint16_t u16();
  std::uint32_t u32();
  std::int16_t s16() { return static_cast<std::int16_t>(u16()); }
  // The next `count` bytes (empty and failed when fewer remain).
  std::span<const std::uint8_t> bytes(std::size_t count);
  void skip(std::size_t count) { (void)bytes(count); }
  // A NUL-terminated string (at most what remains).
  std::string cString();

  // Bit fields: unsigned, two's complement signed, and 16.16 fixed. A width of 0 reads 0.
  std::uint32_t ub(int bits);
  std::int32_t sb(int bits);
  double fb(int bits) { return static_cast<double>(sb(bits)) / 65536.0; }
  void align() { bitsLeft_ = 0; }

 private:
  void fail() {
    failed_ = true;
    pos_ = data_.size();
    bitsLeft_ = 0;
  }

  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
  std::uint8_t currentByte_ = 0;
  int bitsLeft_ = 0;  // unread bits of currentByte_
  bool failed_ = false;
};

}  // namespace tavra
