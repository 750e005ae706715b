#pragma once
// A tiny movie writer for the banner player's tests: bit fields, records, tags and whole files,
// built independently of the player's reader so that the two check each other.
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tavra::swftest {

using Bytes = std::vector<std::uint8_t>;

// Bits needed for a signed value: 0 for 0, 1 for −1, else bit length + 1.
inline int signedBits(std::int32_t v) {
  if (v == 0) return 0;
  std::uint32_t m = static_cast<std::uint32_t>(v < 0 ? ~v : v);
  int n = 0;
  while (m != 0) {
    ++n;
    m >>= 1;
  }
  return n + 1;
}

inline int signedBits(std::initializer_list<std::int32_t> values) {
  int n = 0;
  for (auto v : values) n = std::max(n, signedBits(v));
  return n;
}

class BitWriter {
 public:
  void ub(std::uint32_t v, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
      current_ = static_cast<std::uint8_t>((current_ << 1) | ((v >> i) & 1u));
      if (++count_ == 8) flushByte();
    }
  }
  void sb(std::int32_t v, int bits) { ub(static_cast<std::uint32_t>(v), bits); }
  void align() {
    if (count_ > 0) {
      current_ = static_cast<std::uint8_t>(current_ << (8 - count_));
      flushByte();
    }
  }
  void u8(std::uint8_t v) { align(); out_.push_back(v); }
  void u16(std::uint16_t v) { u8(static_cast<std::uint8_t>(v)); u8(static_cast<std::uint8_t>(v >> 8)); }
  void u32(std::uint32_t v) { u16(static_cast<std::uint16_t>(v)); u16(static_cast<std::uint16_t>(v >> 16)); }
  void bytes(const Bytes& b) { align(); out_.insert(out_.end(), b.begin(), b.end()); }
  void rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { u8(r); u8(g); u8(b); }
  void rgba(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) { rgb(r, g, b); u8(a); }

  void rect(std::int32_t x0, std::int32_t x1, std::int32_t y0, std::int32_t y1) {
    align();
    int n = signedBits({x0, x1, y0, y1});
    ub(static_cast<std::uint32_t>(n), 5);
    for (auto v : {x0, x1, y0, y1}) sb(v, n);
    align();
  }
  // Scale and skew as real numbers (16.16 fixed), translation in twips.
  void matrix(double sx, double sy, double skew0, double skew1, std::int32_t tx, std::int32_t ty) {
    align();
    auto fixed = [](double v) { return static_cast<std::int32_t>(std::lround(v * 65536)); };
    bool hasScale = sx != 1 || sy != 1;
    ub(hasScale, 1);
    if (hasScale) {
      int n = signedBits({fixed(sx), fixed(sy)});
      ub(static_cast<std::uint32_t>(n), 5);
      sb(fixed(sx), n);
      sb(fixed(sy), n);
    }
    bool hasRotate = skew0 != 0 || skew1 != 0;
    ub(hasRotate, 1);
    if (hasRotate) {
      int n = signedBits({fixed(skew0), fixed(skew1)});
      ub(static_cast<std::uint32_t>(n), 5);
      sb(fixed(skew0), n);
      sb(fixed(skew1), n);
    }
    int n = signedBits({tx, ty});
    ub(static_cast<std::uint32_t>(n), 5);
    sb(tx, n);
    sb(ty, n);
    align();
  }
  void translate(std::int32_t tx, std::int32_t ty) { matrix(1, 1, 0, 0, tx, ty); }
  // CXFORMWITHALPHA with both terms.
  void colorTransform(std::array<int, 4> mult, std::array<int, 4> add) {
    align();
    ub(1, 1);
    ub(1, 1);
    int n = 0;
    for (int i = 0; i < 4; ++i) n = std::max({n, signedBits(mult[static_cast<size_t>(i)]), signedBits(add[static_cast<size_t>(i)])});
    ub(static_cast<std::uint32_t>(n), 4);
    for (int v : mult) sb(v, n);
    for (int v : add) sb(v, n);
    align();
  }

  Bytes take() {
    align();
    return std::move(out_);
  }

 private:
  void flushByte() {
    out_.push_back(current_);
    current_ = 0;
    count_ = 0;
  }
  Bytes out_;
  std::uint8_t current_ = 0;
  int count_ = 0;
};

inline Bytes tag(unsigned code, const Bytes& body) {
  BitWriter w;
  if (body.size() < 63) {
    w.u16(static_cast<std::uint16_t>((code << 6) | body.size()));
  } else {
    w.u16(static_cast<std::uint16_t>((code << 6) | 63));
    w.u32(static_cast<std::uint32_t>(body.size()));
  }
  w.bytes(body);
  return w.take();
}

enum Code : unsigned {
  End = 0, ShowFrame = 1, DefineShape = 2, PlaceObject = 4, RemoveObject = 5, SetBackgroundColor = 9,
  DefineShape2 = 22, PlaceObject2 = 26, RemoveObject2 = 28, DefineShape3 = 32, DefineSprite = 39,
  PlaceObject3 = 70, DefineShape4 = 83,
};

inline Bytes showFrame() { return tag(ShowFrame, {}); }
inline Bytes end() { return tag(End, {}); }
inline Bytes background(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  BitWriter w;
  w.rgb(r, g, b);
  return tag(SetBackgroundColor, w.take());
}

// A whole file: stage in pixels, frame rate, the tags (End not added), plain or zlib.
inline Bytes movie(int widthPx, int heightPx, std::initializer_list<Bytes> tags, bool compressed = false,
                   std::uint16_t frameRate88 = 0x0C00) {
  BitWriter body;
  body.rect(0, widthPx * 20, 0, heightPx * 20);
  body.u16(frameRate88);
  std::uint16_t frames = 0;
  for (const Bytes& t : tags) {
    if (t.size() >= 2 && (t[0] | (t[1] << 8)) >> 6 == ShowFrame) ++frames;
  }
  body.u16(frames);
  for (const Bytes& t : tags) body.bytes(t);
  Bytes b = body.take();
  BitWriter file;
  file.u8(compressed ? 'C' : 'F');
  file.u8('W');
  file.u8('S');
  file.u8(10);
  file.u32(static_cast<std::uint32_t>(b.size() + 8));
  if (compressed) {
    uLongf size = compressBound(static_cast<uLong>(b.size()));
    Bytes z(size);
    compress(z.data(), &size, b.data(), static_cast<uLong>(b.size()));
    z.resize(size);
    file.bytes(z);
  } else {
    file.bytes(b);
  }
  return file.take();
}

// Fill styles as bytes (type byte included). Colours RGBA (shape version 3 and 4).
inline Bytes solidFill(std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255) {
  BitWriter w;
  w.u8(0x00);
  w.rgba(r, g, b, a);
  return w.take();
}

struct Stop {
  std::uint8_t ratio;
  std::uint8_t r, g, b, a;
};

// A linear (0x10), radial (0x12) or focal (0x13) gradient whose square spans the box
// (x0, y0)–(x1, y1) in twips.
inline Bytes gradientFill(std::uint8_t type, int x0, int y0, int x1, int y1, std::initializer_list<Stop> stops,
                          double focal = 0, std::uint32_t spread = 0) {
  BitWriter w;
  w.u8(type);
  w.matrix((x1 - x0) / 32768.0, (y1 - y0) / 32768.0, 0, 0, (x0 + x1) / 2, (y0 + y1) / 2);
  w.ub(spread, 2);  // 0 pad, 1 reflect, 2 repeat
  w.ub(0, 2);       // RGB
  w.ub(static_cast<std::uint32_t>(stops.size()), 4);
  for (const Stop& s : stops) {
    w.u8(s.ratio);
    w.rgba(s.r, s.g, s.b, s.a);
  }
  if (type == 0x13) w.u16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(focal * 256))));
  return w.take();
}

enum class Side { Fill0, Fill1 };

// A DefineShape3 tag: one rectangle (twips) filled with `fill`, drawn with fill0 or fill1.
inline Bytes rectShape(std::uint16_t id, int x0, int y0, int x1, int y1, const Bytes& fill, Side side = Side::Fill1) {
  BitWriter w;
  w.u16(id);
  w.rect(x0, x1, y0, y1);
  w.u8(1);
  w.bytes(fill);
  w.u8(0);      // no line styles
  w.u8(0x10);   // 1 fill bit, 0 line bits
  // Style change: move to (x0, y0), the fill on one side.
  w.ub(0, 1);
  w.ub(side == Side::Fill1 ? 0x05 : 0x03, 5);
  int n = signedBits({x0, y0});
  w.ub(static_cast<std::uint32_t>(n), 5);
  w.sb(x0, n);
  w.sb(y0, n);
  w.ub(1, 1);
  // Four straight edges, clockwise on screen.
  auto edge = [&](int dx, int dy) {
    int bits = std::max(2, signedBits({dx, dy}));
    w.ub(1, 1);
    w.ub(1, 1);
    w.ub(static_cast<std::uint32_t>(bits - 2), 4);
    w.ub(1, 1);  // general line
    w.sb(dx, bits);
    w.sb(dy, bits);
  };
  edge(x1 - x0, 0);
  edge(0, y1 - y0);
  edge(x0 - x1, 0);
  edge(0, y0 - y1);
  w.ub(0, 6);  // end of shape
  return tag(DefineShape3, w.take());
}

// Shape records written by hand, for shapes the one-rectangle helper does not cover. Style
// indices are written with 2 bits each (up to 3 styles per array).
class ShapeWriter {
 public:
  // DefineShape3 or DefineShape4 (with the non-zero winding flag as given); bounds 0..100 px.
  ShapeWriter(std::uint16_t id, int version, bool nonZero = false) : version_(version) {
    w_.u16(id);
    w_.rect(0, 2000, 0, 2000);
    if (version == 4) {
      w_.rect(0, 2000, 0, 2000);
      w_.u8(nonZero ? 0x04 : 0x00);
    }
  }
  // Style arrays (fill style bytes; line styles as width + RGBA) and the 2 + 2 bit counts.
  void styles(const std::vector<Bytes>& fills, const std::vector<std::pair<int, std::uint32_t>>& lines = {}) {
    w_.u8(static_cast<std::uint8_t>(fills.size()));
    for (const Bytes& f : fills) w_.bytes(f);
    w_.u8(static_cast<std::uint8_t>(lines.size()));
    for (auto [width, rgba] : lines) {
      w_.u16(static_cast<std::uint16_t>(width));
      if (version_ == 4) w_.u16(0);  // round caps and joins, no fill, no flags
      w_.rgba(static_cast<std::uint8_t>(rgba >> 24), static_cast<std::uint8_t>(rgba >> 16),
              static_cast<std::uint8_t>(rgba >> 8), static_cast<std::uint8_t>(rgba));
    }
    w_.ub(2, 4);
    w_.ub(2, 4);
  }
  // A style change moving to (x, y) twips and selecting fill1 (and nothing else).
  void moveFill1(int x, int y, int fill1) {
    w_.ub(0, 1);
    w_.ub(0x05, 5);
    int n = signedBits({x, y});
    w_.ub(static_cast<std::uint32_t>(n), 5);
    w_.sb(x, n);
    w_.sb(y, n);
    w_.ub(static_cast<std::uint32_t>(fill1), 2);
  }
  // A style change that starts new style arrays (the next call must be styles()).
  void newStyles() {
    w_.ub(0, 1);
    w_.ub(0x10, 5);
  }
  void line(int dx, int dy) {
    int bits = std::max(2, signedBits({dx, dy}));
    w_.ub(3, 2);
    w_.ub(static_cast<std::uint32_t>(bits - 2), 4);
    w_.ub(1, 1);
    w_.sb(dx, bits);
    w_.sb(dy, bits);
  }
  void curve(int cdx, int cdy, int adx, int ady) {
    int bits = std::max(2, signedBits({cdx, cdy, adx, ady}));
    w_.ub(2, 2);
    w_.ub(static_cast<std::uint32_t>(bits - 2), 4);
    for (int v : {cdx, cdy, adx, ady}) w_.sb(v, bits);
  }
  void rect(int x0, int y0, int x1, int y1, int fill1) {
    moveFill1(x0, y0, fill1);
    line(x1 - x0, 0);
    line(0, y1 - y0);
    line(x0 - x1, 0);
    line(0, y0 - y1);
  }
  Bytes finish() {
    w_.ub(0, 6);
    return tag(version_ == 4 ? DefineShape4 : DefineShape3, w_.take());
  }

 private:
  BitWriter w_;
  int version_;
};

// PlaceObject2 placing a character at a depth with a translation and optionally a colour transform.
inline Bytes place(std::uint16_t depth, std::uint16_t id, int tx = 0, int ty = 0) {
  BitWriter w;
  w.u8(0x06);  // HasMatrix, HasChar
  w.u16(depth);
  w.u16(id);
  w.translate(tx, ty);
  return tag(PlaceObject2, w.take());
}

inline Bytes placeWithTransform(std::uint16_t depth, std::uint16_t id, std::array<int, 4> mult, std::array<int, 4> add) {
  BitWriter w;
  w.u8(0x0E);  // Cxform, HasMatrix, HasChar
  w.u16(depth);
  w.u16(id);
  w.translate(0, 0);
  w.colorTransform(mult, add);
  return tag(PlaceObject2, w.take());
}

// PlaceObject2 placing a mask: it clips the depths above it up to `clipDepth`.
inline Bytes placeMask(std::uint16_t depth, std::uint16_t id, std::uint16_t clipDepth) {
  BitWriter w;
  w.u8(0x46);  // ClipDepth, HasMatrix, HasChar
  w.u16(depth);
  w.u16(id);
  w.translate(0, 0);
  w.u16(clipDepth);
  return tag(PlaceObject2, w.take());
}

// PlaceObject2 with Move: a new matrix for what is at the depth.
inline Bytes moveTo(std::uint16_t depth, int tx, int ty) {
  BitWriter w;
  w.u8(0x05);  // HasMatrix, Move
  w.u16(depth);
  w.translate(tx, ty);
  return tag(PlaceObject2, w.take());
}

inline Bytes remove(std::uint16_t depth) {
  BitWriter w;
  w.u16(depth);
  return tag(RemoveObject2, w.take());
}

inline Bytes sprite(std::uint16_t id, std::initializer_list<Bytes> tags) {
  BitWriter w;
  w.u16(id);
  std::uint16_t frames = 0;
  for (const Bytes& t : tags) {
    if (t.size() >= 2 && (t[0] | (t[1] << 8)) >> 6 == ShowFrame) ++frames;
  }
  w.u16(frames);
  for (const Bytes& t : tags) w.bytes(t);
  w.bytes(end());
  return tag(DefineSprite, w.take());
}

}  // namespace tavra::swftest
