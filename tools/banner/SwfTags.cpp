#include "SwfTags.h"

#include <zlib.h>

#include <cmath>
#include <stdexcept>

namespace tavra::banner::tags {
namespace {

enum Code : unsigned {
  kEnd = 0,
  kShowFrame = 1,
  kSetBackgroundColor = 9,
  kPlaceObject2 = 26,
  kRemoveObject2 = 28,
  kDefineSprite = 39,
  kFileAttributes = 69,
};

constexpr int kVersion = 10;

bool isShowFrame(const Bytes& t) { return t.size() >= 2 && ((t[0] | (t[1] << 8)) >> 6) == kShowFrame; }

std::uint16_t countFrames(const std::vector<Bytes>& tags) {
  std::uint16_t n = 0;
  for (const Bytes& t : tags) n = static_cast<std::uint16_t>(n + (isShowFrame(t) ? 1 : 0));
  return n;
}

}  // namespace

Bytes tag(unsigned code, const Bytes& body) {
  SwfBitWriter w;
  if (body.size() < 0x3F) {
    w.u16(static_cast<std::uint16_t>((code << 6) | body.size()));
  } else {
    w.u16(static_cast<std::uint16_t>((code << 6) | 0x3F));
    w.u32(static_cast<std::uint32_t>(body.size()));
  }
  w.bytes(body);
  return w.take();
}

Bytes end() { return tag(kEnd, {}); }
Bytes showFrame() { return tag(kShowFrame, {}); }

Bytes fileAttributes() {
  SwfBitWriter w;
  w.u32(0);
  return tag(kFileAttributes, w.take());
}

Bytes setBackgroundColor(std::uint32_t rgb) {
  SwfBitWriter w;
  w.rgb(rgb);
  return tag(kSetBackgroundColor, w.take());
}

Bytes place(std::uint16_t depth, std::uint16_t characterId, const Matrix& matrix,
            const std::optional<ColorTransform>& colorTransform) {
  SwfBitWriter w;
  w.u8(static_cast<std::uint8_t>((colorTransform ? 0x08 : 0) | 0x04 | 0x02));
  w.u16(depth);
  w.u16(characterId);
  writeMatrix(w, matrix);
  if (colorTransform) writeColorTransformWithAlpha(w, *colorTransform);
  return tag(kPlaceObject2, w.take());
}

Bytes move(std::uint16_t depth, const std::optional<Matrix>& matrix, const std::optional<ColorTransform>& colorTransform) {
  SwfBitWriter w;
  w.u8(static_cast<std::uint8_t>((colorTransform ? 0x08 : 0) | (matrix ? 0x04 : 0) | 0x01));
  w.u16(depth);
  if (matrix) writeMatrix(w, *matrix);
  if (colorTransform) writeColorTransformWithAlpha(w, *colorTransform);
  return tag(kPlaceObject2, w.take());
}

Bytes replace(std::uint16_t depth, std::uint16_t characterId) {
  SwfBitWriter w;
  w.u8(0x03);
  w.u16(depth);
  w.u16(characterId);
  return tag(kPlaceObject2, w.take());
}

Bytes remove(std::uint16_t depth) {
  SwfBitWriter w;
  w.u16(depth);
  return tag(kRemoveObject2, w.take());
}

Bytes defineSprite(std::uint16_t id, const std::vector<Bytes>& controlTags) {
  SwfBitWriter w;
  w.u16(id);
  w.u16(countFrames(controlTags));
  for (const Bytes& t : controlTags) w.bytes(t);
  w.bytes(end());
  return tag(kDefineSprite, w.take());
}

Bytes movieFile(int widthPx, int heightPx, double framesPerSecond, const std::vector<Bytes>& tags, bool compressed) {
  SwfBitWriter body;
  body.rect(0, widthPx * 20, 0, heightPx * 20);
  auto rate = static_cast<std::uint16_t>(std::lround(framesPerSecond * 256));
  body.u16(rate);
  body.u16(countFrames(tags));
  for (const Bytes& t : tags) body.bytes(t);
  body.bytes(end());
  Bytes b = body.take();

  SwfBitWriter file;
  file.u8(compressed ? 'C' : 'F');
  file.u8('W');
  file.u8('S');
  file.u8(kVersion);
  file.u32(static_cast<std::uint32_t>(b.size() + 8));
  if (compressed) {
    uLongf size = compressBound(static_cast<uLong>(b.size()));
    Bytes z(size);
    if (compress2(z.data(), &size, b.data(), static_cast<uLong>(b.size()), Z_BEST_COMPRESSION) != Z_OK) {
      throw std::runtime_error("zlib compression failed");
    }
    z.resize(size);
    file.bytes(z);
  } else {
    file.bytes(b);
  }
  return file.take();
}

}  // namespace tavra::banner::tags
