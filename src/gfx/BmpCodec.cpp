// BMP decoding: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, bit fields, RLE8 and RLE4,
// bottom-up and top-down. Every offset and size read from the file is checked against the data.
#include <array>
#include <bit>
#include <cstdlib>

#include "gfx/ImageCodec.h"
#include "gfx/ImageLimits.h"

namespace tavra {
namespace {

constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6;
constexpr size_t kFileHeaderSize = 14;

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool has(size_t offset, size_t count) const { return offset <= bytes_.size() && count <= bytes_.size() - offset; }
  std::uint8_t u8(size_t o) const { return has(o, 1) ? bytes_[o] : 0; }
  std::uint16_t u16(size_t o) const { return static_cast<std::uint16_t>(u8(o) | (u8(o + 1) << 8)); }
  std::uint32_t u32(size_t o) const { return static_cast<std::uint32_t>(u16(o)) | (static_cast<std::uint32_t>(u16(o + 2)) << 16); }
  std::int32_t i32(size_t o) const { return static_cast<std::int32_t>(u32(o)); }
  size_t size() const { return bytes_.size(); }
  const std::uint8_t* at(size_t o) const { return bytes_.data() + o; }

 private:
  std::span<const std::uint8_t> bytes_;
};

// One channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit Channel(std::uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    bits = std::min(std::countr_one(m >> shift), 16);
  }
  std::uint32_t get(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    std::uint32_t v = (pixel & mask) >> shift;
    v &= (1u << bits) - 1;
    if (bits >= 8) return v >> (bits - 8);
    return v * 255 / ((1u << bits) - 1);
  }
};

struct BmpInfo {
  long long width = 0;
  long long height = 0;
  bool topDown = false;
  int bitsPerPixel = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  bool hasMasks = false;
  std::vector<Pixel> palette;
};

Result<BmpInfo> readInfo(const ByteReader& in) {
  if (!in.has(0, kFileHeaderSize + 12) || in.u8(0) != 'B' || in.u8(1) != 'M') return Error{"BMP: the header is incomplete"};
  const std::uint32_t headerSize = in.u32(kFileHeaderSize);
  if (headerSize < 12 || !in.has(kFileHeaderSize, headerSize)) return Error{"BMP: the header is incomplete"};
  BmpInfo info;
  size_t paletteEntry = 4;
  auto field32 = [&](size_t offset) { return offset + 4 <= headerSize ? in.u32(kFileHeaderSize + offset) : 0u; };
  if (headerSize == 12) {  // the old core header: 16-bit sizes, 3-byte palette entries
    info.width = in.u16(kFileHeaderSize + 4);
    info.height = static_cast<std::int16_t>(in.u16(kFileHeaderSize + 6));
    info.bitsPerPixel = in.u16(kFileHeaderSize + 10);
    paletteEntry = 3;
  } else {
    if (headerSize < 16) return Error{"BMP: unknown header"};
    info.width = in.i32(kFileHeaderSize + 4);
    info.height = in.i32(kFileHeaderSize + 8);
    info.bitsPerPixel = in.u16(kFileHeaderSize + 14);
    info.compression = field32(16);
  }
  if (info.height < 0) {
    info.topDown = true;
    info.height = -info.height;
  }
  if (auto e = checkImageSize(info.width, info.height, "BMP")) return *e;

  const int bpp = info.bitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) {
    return Error{"BMP: unsupported depth of " + std::to_string(bpp) + " bits"};
  }
  const std::uint32_t c = info.compression;
  const bool bitfields = c == kBiBitfields || c == kBiAlphaBitfields;
  if (!(c == kBiRgb || (c == kBiRle8 && bpp == 8) || (c == kBiRle4 && bpp == 4) || (bitfields && (bpp == 16 || bpp == 32)))) {
    return Error{"BMP: unsupported compression " + std::to_string(c)};
  }
  if ((c == kBiRle8 || c == kBiRle4) && info.topDown) return Error{"BMP: compressed images cannot be top-down"};

  size_t paletteOffset = kFileHeaderSize + headerSize;
  if (bitfields) {
    const int count = c == kBiAlphaBitfields ? 4 : 3;
    if (headerSize >= 52) {
      for (int i = 0; i < count; ++i) info.masks[i] = field32(40 + 4 * static_cast<size_t>(i));
      if (headerSize >= 56) info.masks[3] = field32(52);
    } else {
      if (!in.has(paletteOffset, 4 * static_cast<size_t>(count))) return Error{"BMP: the colour masks are missing"};
      for (int i = 0; i < count; ++i) info.masks[i] = in.u32(paletteOffset + 4 * static_cast<size_t>(i));
      paletteOffset += 4 * static_cast<size_t>(count);
    }
    info.hasMasks = true;
  } else if (bpp == 16) {
    info.masks[0] = 0x7C00;
    info.masks[1] = 0x03E0;
    info.masks[2] = 0x001F;
    info.hasMasks = true;
  }

  if (bpp <= 8) {
    std::uint32_t colorsUsed = headerSize >= 36 ? field32(32) : 0;
    // A palette may claim more colours than the depth can index; only those are kept.
    size_t count = colorsUsed == 0 ? (size_t{1} << bpp) : std::min<size_t>(colorsUsed, size_t{1} << bpp);
    const size_t dataOffset = in.u32(10);
    const size_t end = std::min(in.size(), dataOffset > paletteOffset ? dataOffset : in.size());
    if (paletteOffset < end) count = std::min(count, (end - paletteOffset) / paletteEntry);
    else count = 0;
    info.palette.assign(size_t{1} << bpp, 0xFF000000u);
    for (size_t i = 0; i < count; ++i) {
      const size_t o = paletteOffset + i * paletteEntry;
      info.palette[i] = 0xFF000000u | (static_cast<Pixel>(in.u8(o + 2)) << 16) | (static_cast<Pixel>(in.u8(o + 1)) << 8) | in.u8(o);
    }
  }
  return info;
}

// RLE8 / RLE4 into palette indices, bottom row first as the file stores them.
Result<std::vector<std::uint8_t>> decodeRle(const ByteReader& in, size_t offset, const BmpInfo& info) {
  const int w = static_cast<int>(info.width), h = static_cast<int>(info.height);
  const bool four = info.compression == kBiRle4;
  std::vector<std::uint8_t> indices(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
  int x = 0, y = 0;
  size_t p = offset;
  auto put = [&](std::uint8_t index) {
    if (x < w && y < h) indices[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)] = index;
    ++x;
  };
  while (y < h) {
    if (!in.has(p, 2)) return Error{"BMP: the compressed data ends too early"};
    const std::uint8_t count = in.u8(p), value = in.u8(p + 1);
    p += 2;
    if (count > 0) {
      for (int i = 0; i < count && x < w; ++i) put(four ? ((i & 1) ? (value & 0x0F) : (value >> 4)) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta
      if (!in.has(p, 2)) return Error{"BMP: the compressed data ends too early"};
      x += in.u8(p);
      y += in.u8(p + 1);
      p += 2;
    } else {  // absolute run of `value` pixels, padded to 16 bits
      const size_t bytes = four ? (value + 1u) / 2 : value;
      if (!in.has(p, bytes)) return Error{"BMP: the compressed data ends too early"};
      for (int i = 0; i < value; ++i) {
        std::uint8_t b = in.u8(p + (four ? static_cast<size_t>(i / 2) : static_cast<size_t>(i)));
        put(four ? ((i & 1) ? (b & 0x0F) : (b >> 4)) : b);
      }
      p += bytes + (bytes & 1);
    }
  }
  return indices;
}

}  // namespace

Result<Bitmap> decodeBmp(std::span<const std::uint8_t> bytes) {
  const ByteReader in(bytes);
  auto parsed = readInfo(in);
  if (!parsed) return Error{parsed.error()};
  const BmpInfo& info = *parsed;
  const size_t dataOffset = in.u32(10);
  if (dataOffset >= in.size()) return Error{"BMP: the pixel data is missing"};

  const int w = static_cast<int>(info.width), h = static_cast<int>(info.height);
  const int bpp = info.bitsPerPixel;
  std::vector<std::uint8_t> rle;
  size_t stride = 0;
  if (info.compression == kBiRle8 || info.compression == kBiRle4) {
    auto decoded = decodeRle(in, dataOffset, info);
    if (!decoded) return Error{decoded.error()};
    rle = std::move(*decoded);
  } else {
    stride = ((static_cast<size_t>(w) * static_cast<size_t>(bpp) + 31) / 32) * 4;
    const size_t lastRow = (static_cast<size_t>(w) * static_cast<size_t>(bpp) + 7) / 8;
    if (!in.has(dataOffset, stride * static_cast<size_t>(h - 1) + lastRow)) return Error{"BMP: the pixel data ends too early"};
  }

  const Channel red(info.masks[0]), green(info.masks[1]), blue(info.masks[2]), alpha(info.masks[3]);
  const bool alphaChannel = bpp == 32 || (info.hasMasks && info.masks[3] != 0);
  Bitmap bitmap(w, h, alphaChannel ? PixelFormat::Bits32 : PixelFormat::Bits24);
  bool anyAlpha = false;
  for (int fileRow = 0; fileRow < h; ++fileRow) {
    const int y = info.topDown ? fileRow : h - 1 - fileRow;
    Pixel* out = bitmap.row(y);
    if (!rle.empty()) {
      const std::uint8_t* idx = rle.data() + static_cast<size_t>(fileRow) * static_cast<size_t>(w);
      for (int x = 0; x < w; ++x) out[x] = info.palette[idx[x] & ((1u << bpp) - 1)];
      continue;
    }
    const std::uint8_t* s = in.at(dataOffset + static_cast<size_t>(fileRow) * stride);
    switch (bpp) {
      case 1:
      case 4:
      case 8: {
        const int perByte = 8 / bpp;
        const unsigned mask = (1u << bpp) - 1;
        for (int x = 0; x < w; ++x) {
          const int shift = 8 - bpp * (x % perByte + 1);
          out[x] = info.palette[(s[x / perByte] >> shift) & mask];
        }
        break;
      }
      case 24:
        for (int x = 0; x < w; ++x, s += 3) out[x] = 0xFF000000u | (static_cast<Pixel>(s[2]) << 16) | (static_cast<Pixel>(s[1]) << 8) | s[0];
        break;
      case 16:
      case 32:
        for (int x = 0; x < w; ++x) {
          std::uint32_t v = bpp == 16 ? static_cast<std::uint32_t>(s[0] | (s[1] << 8))
                                      : static_cast<std::uint32_t>(s[0] | (s[1] << 8) | (s[2] << 16)) | (static_cast<std::uint32_t>(s[3]) << 24);
          s += bpp / 8;
          Pixel a;
          if (info.hasMasks) {
            out[x] = (red.get(v) << 16) | (green.get(v) << 8) | blue.get(v);
            a = info.masks[3] != 0 ? alpha.get(v) : (bpp == 32 && info.compression == kBiRgb ? (v >> 24) : 0xFF);
          } else {
            out[x] = v & 0x00FFFFFFu;
            a = v >> 24;
          }
          anyAlpha = anyAlpha || a != 0;
          out[x] |= a << 24;
        }
        break;
      default:
        return Error{"BMP: unsupported depth"};
    }
  }
  // 32-bit files that leave the fourth byte at zero everywhere mean an opaque image.
  if (alphaChannel && !anyAlpha) {
    for (int y = 0; y < h; ++y) {
      Pixel* row = bitmap.row(y);
      for (int x = 0; x < w; ++x) row[x] |= 0xFF000000u;
    }
  }
  return bitmap;
}

}  // namespace tavra
