#include "SwfBitWriter.h"

#include <algorithm>
#include <cmath>

namespace tavra::banner {

int unsignedBitCount(std::uint32_t value) {
  int n = 0;
  while (value != 0) {
    ++n;
    value >>= 1;
  }
  return n;
}

int signedBitCount(std::int32_t value) {
  if (value == 0) return 0;
  return unsignedBitCount(static_cast<std::uint32_t>(value < 0 ? ~value : value)) + 1;
}

void SwfBitWriter::ub(std::uint32_t value, int bits) {
  for (int i = bits - 1; i >= 0; --i) {
    pending_ = (pending_ << 1) | ((value >> i) & 1u);
    if (++pendingBits_ == 8) {
      out_.push_back(static_cast<std::uint8_t>(pending_));
      pending_ = 0;
      pendingBits_ = 0;
    }
  }
}

void SwfBitWriter::fb(double value, int bits) { sb(static_cast<std::int32_t>(std::lround(value * 65536.0)), bits); }

void SwfBitWriter::align() {
  if (pendingBits_ > 0) ub(0, 8 - pendingBits_);
}

void SwfBitWriter::u8(std::uint8_t v) {
  align();
  out_.push_back(v);
}

void SwfBitWriter::u16(std::uint16_t v) {
  u8(static_cast<std::uint8_t>(v & 0xFF));
  u8(static_cast<std::uint8_t>(v >> 8));
}

void SwfBitWriter::u32(std::uint32_t v) {
  u16(static_cast<std::uint16_t>(v & 0xFFFF));
  u16(static_cast<std::uint16_t>(v >> 16));
}

void SwfBitWriter::bytes(std::span<const std::uint8_t> data) {
  align();
  out_.insert(out_.end(), data.begin(), data.end());
}

void SwfBitWriter::rect(std::int32_t xMin, std::int32_t xMax, std::int32_t yMin, std::int32_t yMax) {
  align();
  int bits = std::max({signedBitCount(xMin), signedBitCount(xMax), signedBitCount(yMin), signedBitCount(yMax)});
  ub(static_cast<std::uint32_t>(bits), 5);
  sb(xMin, bits);
  sb(xMax, bits);
  sb(yMin, bits);
  sb(yMax, bits);
  align();
}

void SwfBitWriter::rgb(std::uint32_t c) {
  u8(static_cast<std::uint8_t>(c >> 16));
  u8(static_cast<std::uint8_t>(c >> 8));
  u8(static_cast<std::uint8_t>(c));
}

void SwfBitWriter::rgba(std::uint32_t c) {
  rgb(c >> 8);
  u8(static_cast<std::uint8_t>(c));
}

Bytes SwfBitWriter::take() {
  align();
  Bytes out = std::move(out_);
  out_.clear();
  return out;
}

}  // namespace tavra::banner
