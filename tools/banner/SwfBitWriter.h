#pragma once
// Writes the bit fields and little-endian integers of a movie, most significant bit first; byte
// writes start on a byte boundary (the unfinished byte is padded with zeros).
#include <cstdint>
#include <span>
#include <vector>

namespace tavra::banner {

using Bytes = std::vector<std::uint8_t>;

// Bits a signed field needs: 0 for 0, 1 for −1, otherwise the bit length of the magnitude + 1.
int signedBitCount(std::int32_t value);
// Bits an unsigned field needs.
int unsignedBitCount(std::uint32_t value);

class SwfBitWriter {
 public:
  void ub(std::uint32_t value, int bits);
  void sb(std::int32_t value, int bits) { ub(static_cast<std::uint32_t>(value), bits); }
  // 16.16 fixed point.
  void fb(double value, int bits);
  void align();

  void u8(std::uint8_t v);
  void u16(std::uint16_t v);
  void u32(std::uint32_t v);
  void bytes(std::span<const std::uint8_t> data);

  // Records.
  void rect(std::int32_t xMin, std::int32_t xMax, std::int32_t yMin, std::int32_t yMax);
  void rgb(std::uint32_t rgb);    // 0xRRGGBB
  void rgba(std::uint32_t rgba);  // 0xRRGGBBAA

  Bytes take();

 private:
  Bytes out_;
  std::uint32_t pending_ = 0;
  int pendingBits_ = 0;
};

}  // namespace tavra::banner
