// The bit reader and the record readers on byte strings with known values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/banner/SwfReader.h"
#include "platform/banner/SwfRecordReader.h"
#include "SwfTestWriter.h"

namespace tavra {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SwfRecordReader, MatrixTestVector) {
  Bytes bytes{0xcb, 0x00, 0x00, 0xc0, 0x00, 0x2f, 0x56, 0x0c, 0x00, 0x00, 0xae, 0xa8};
  SwfReader in(bytes);
  SwfMatrix m = swf::readMatrix(in);
  ASSERT_TRUE(in.ok());
  EXPECT_DOUBLE_EQ(m.scaleX, -1.0);
  EXPECT_DOUBLE_EQ(m.scaleY, -1.0);
  EXPECT_DOUBLE_EQ(m.skew0, 11014.0 / 65536.0);
  EXPECT_DOUBLE_EQ(m.skew1, 0.0);
  EXPECT_DOUBLE_EQ(m.tx, 14.0);
  EXPECT_DOUBLE_EQ(m.ty, -11.0);
  EXPECT_EQ(in.position(), bytes.size());
}

TEST(SwfRecordReader, IdentityMatrixIsOneZeroByte) {
  Bytes bytes{0x00, 0x7F};
  SwfReader in(bytes);
  EXPECT_EQ(swf::readMatrix(in), SwfMatrix{});
  EXPECT_EQ(in.u8(), 0x7F);
}

TEST(SwfRecordReader, StageRect) {
  Bytes bytes{0x78, 0x00, 0x04, 0xb0, 0x00, 0x00, 0x03, 0xe8, 0x00};
  SwfReader in(bytes);
  SwfRect r = swf::readRect(in);
  ASSERT_TRUE(in.ok());
  EXPECT_EQ(r, (SwfRect{0, 9600, 0, 2000}));
  EXPECT_TRUE(in.atEnd());
}

TEST(SwfRecordReader, ColorTransformMultipliesThenAdds) {
  swftest::BitWriter w;
  w.colorTransform({128, 256, 512, 256}, {10, -20, 0, 0});
  Bytes bytes = w.take();
  SwfReader in(bytes);
  SwfColorTransform t = swf::readColorTransform(in, true);
  ASSERT_TRUE(in.ok());
  EXPECT_EQ(t.mult, (std::array<int, 4>{128, 256, 512, 256}));
  EXPECT_EQ(t.add, (std::array<int, 4>{10, -20, 0, 0}));
  EXPECT_EQ(t.apply({200, 10, 200, 255}), (SwfRgba{110, 0, 255, 255}));
}

TEST(SwfReader, BitFieldsAreMostSignificantFirstAndSignExtended) {
  Bytes bytes{0b10110011, 0b11100000};
  SwfReader in(bytes);
  EXPECT_EQ(in.ub(1), 1u);
  EXPECT_EQ(in.ub(3), 0b011u);
  EXPECT_EQ(in.sb(4), 3);      // 0011
  EXPECT_EQ(in.sb(3), -1);     // 111
  EXPECT_EQ(in.sb(0), 0);
  EXPECT_TRUE(in.ok());
}

TEST(SwfReader, ReadingPastTheEndFailsWithoutTouchingMemory) {
  Bytes bytes{0x01, 0x02, 0x03};
  SwfReader in(bytes);
  EXPECT_EQ(in.u16(), 0x0201);
  EXPECT_EQ(in.u16(), 0);  // one byte left: not enough
  EXPECT_FALSE(in.ok());
  EXPECT_EQ(in.remaining(), 0u);
  EXPECT_EQ(in.u8(), 0);
  EXPECT_EQ(in.ub(7), 0u);
  EXPECT_TRUE(in.bytes(1).empty());
}

TEST(SwfReader, BitReadsPastTheEndFail) {
  Bytes bytes{0xFF};
  SwfReader in(bytes);
  EXPECT_EQ(in.ub(8), 0xFFu);
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(in.ub(1), 0u);
  EXPECT_FALSE(in.ok());
}

TEST(SwfRecordReader, UnknownFillTypeIsInvalid) {
  Bytes bytes{0x01, 0x20, 0x00, 0x00, 0x00};
  SwfReader in(bytes);
  EXPECT_FALSE(swf::readFillStyles(in, 3).has_value());
}

TEST(SwfRecordReader, HugeStyleCountWithoutDataIsInvalid) {
  Bytes bytes{0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0x00};  // 65535 fill styles declared, one present
  SwfReader in(bytes);
  EXPECT_FALSE(swf::readFillStyles(in, 3).has_value());
}

TEST(SwfRecordReader, GradientRecordsHoldAsManyStopsAsTheirCountSaysInEveryShapeVersion) {
  // Movies hold more than the 8 stops documented before DefineShape4: all are read.
  auto gradient = [](int count, int version) {
    swftest::BitWriter w;
    w.ub(0, 2);
    w.ub(0, 2);
    w.ub(static_cast<std::uint32_t>(count), 4);
    for (int i = 0; i < count; ++i) {
      w.u8(static_cast<std::uint8_t>(i * 16));
      if (version >= 3) w.rgba(1, 2, 3, 4);
      else w.rgb(1, 2, 3);
    }
    return w.take();
  };
  for (int version : {1, 2, 3, 4}) {
    for (int count : {9, 15}) {
      SCOPED_TRACE("version " + std::to_string(version) + ", " + std::to_string(count) + " stops");
      Bytes bytes = gradient(count, version);
      SwfReader in(bytes);
      auto g = swf::readGradient(in, version, false);
      ASSERT_TRUE(g.has_value());
      ASSERT_EQ(g->stops.size(), static_cast<std::size_t>(count));
      EXPECT_EQ(g->stops.back().ratio, (count - 1) * 16);
      EXPECT_EQ(g->stops.back().color, (SwfRgba{1, 2, 3, static_cast<std::uint8_t>(version >= 3 ? 4 : 255)}));
      EXPECT_TRUE(in.atEnd());
    }
  }
}

TEST(SwfRecordReader, LineStyle2ScaleFlags) {
  struct Case {
    std::uint32_t bits;  // NoHScale, NoVScale, PixelHint
    bool noH, noV;
  };
  for (Case c : {Case{0b000, false, false}, Case{0b100, true, false}, Case{0b010, false, true}, Case{0b111, true, true}}) {
    swftest::BitWriter w;
    w.u8(1);
    w.u16(40);
    w.ub(0, 2);
    w.ub(0, 2);
    w.ub(0, 1);
    w.ub(c.bits, 3);
    w.ub(0, 5);
    w.ub(0, 1);
    w.ub(0, 2);
    w.rgba(1, 2, 3, 4);
    Bytes bytes = w.take();
    SwfReader in(bytes);
    auto styles = swf::readLineStyles(in, 4);
    ASSERT_TRUE(styles.has_value());
    EXPECT_EQ((*styles)[0].noHScale, c.noH) << c.bits;
    EXPECT_EQ((*styles)[0].noVScale, c.noV) << c.bits;
    EXPECT_EQ((*styles)[0].color, (SwfRgba{1, 2, 3, 4}));
  }
}

TEST(SwfRecordReader, LineStyle2CapsJoinsAndFill) {
  swftest::BitWriter w;
  w.u8(1);
  w.u16(40);
  w.ub(2, 2);  // square start cap
  w.ub(2, 2);  // miter join
  w.ub(1, 1);  // has fill
  w.ub(0, 3);
  w.ub(0, 5);
  w.ub(1, 1);  // no close
  w.ub(1, 2);  // no end cap
  w.u16(0x0300);  // miter limit 3.0
  w.bytes(swftest::solidFill(9, 8, 7, 6));
  Bytes bytes = w.take();
  SwfReader in(bytes);
  auto styles = swf::readLineStyles(in, 4);
  ASSERT_TRUE(styles.has_value());
  ASSERT_EQ(styles->size(), 1u);
  const SwfLineStyle& s = (*styles)[0];
  EXPECT_EQ(s.width, 40);
  EXPECT_EQ(s.startCap, SwfCap::Square);
  EXPECT_EQ(s.endCap, SwfCap::None);
  EXPECT_EQ(s.join, SwfJoin::Miter);
  EXPECT_DOUBLE_EQ(s.miterLimit, 3.0);
  EXPECT_TRUE(s.noClose);
  ASSERT_TRUE(s.hasFill);
  EXPECT_EQ(s.fill.color, (SwfRgba{9, 8, 7, 6}));
  EXPECT_TRUE(in.atEnd());
}

}  // namespace
}  // namespace tavra
