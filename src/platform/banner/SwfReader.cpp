#include "platform/banner/SwfReader.h"

namespace tavra {

std::uint8_t SwfReader::u8() {
  align();
  if (failed_ || pos_ >= data_.size()) {
    fail();
    return 0;
  }
  return data_[pos_++];
}

std::uint16_t SwfReader::u16() {
  auto b = bytes(2);
  if (b.empty()) return 0;
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t SwfReader::u32() {
  auto b = bytes(4);
  if (b.empty()) return 0;
  return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
         (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::span<const std::uint8_t> SwfReader::bytes(std::size_t count) {
  align();
  if (failed_ || count > data_.size() - pos_) {
    fail();
    return {};
  }
  auto out = data_.subspan(pos_, count);
  pos_ += count;
  return out;
}

std::string SwfReader::cString() {
  align();
  std::string out;
  while (!failed_) {
    std::uint8_t c = u8();
    if (c == 0) break;
    out.push_back(static_cast<char>(c));
  }
  return out;
}

std::uint32_t SwfReader::ub(int bits) {
  std::uint32_t value = 0;
  for (int i = 0; i < bits; ++i) {
    if (bitsLeft_ == 0) {
      if (failed_ || pos_ >= data_.size()) {
        fail();
        return 0;
      }
      currentByte_ = data_[pos_++];
      bitsLeft_ = 8;
    }
    --bitsLeft_;
    value = (value << 1) | ((currentByte_ >> bitsLeft_) & 1u);
  }
  return value;
}

std::int32_t SwfReader::sb(int bits) {
  if (bits <= 0) return 0;
  std::uint32_t raw = ub(bits);
  if (bits < 32 && (raw & (1u << (bits - 1))) != 0) raw |= ~((1u << bits) - 1);
  return static_cast<std::int32_t>(raw);
}

}  // namespace tavra
