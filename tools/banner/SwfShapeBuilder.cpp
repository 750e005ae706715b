#include "SwfShapeBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tavra::banner {
namespace {

// Edge fields hold at most 17 bits: deltas stay within ±65535 twips.
constexpr std::int32_t kMaxDelta = 65535;
constexpr int kShapeVersion = 4;
constexpr unsigned kDefineShape4 = 83;

}  // namespace

std::int32_t SwfShapeBuilder::twips(double v) { return static_cast<std::int32_t>(std::lround(v)); }

int SwfShapeBuilder::addFill(FillStyle fill) {
  fills_.push_back(std::move(fill));
  return static_cast<int>(fills_.size());
}

int SwfShapeBuilder::addLine(LineStyle line) {
  lines_.push_back(line);
  return static_cast<int>(lines_.size());
}

SwfShapeBuilder::Record& SwfShapeBuilder::styleRecord() {
  if (records_.empty() || records_.back().kind != Record::Kind::Style) records_.push_back({});
  return records_.back();
}

void SwfShapeBuilder::include(std::int32_t x, std::int32_t y) {
  if (!hasBounds_) {
    minX_ = maxX_ = x;
    minY_ = maxY_ = y;
    hasBounds_ = true;
    return;
  }
  minX_ = std::min(minX_, x);
  maxX_ = std::max(maxX_, x);
  minY_ = std::min(minY_, y);
  maxY_ = std::max(maxY_, y);
}

void SwfShapeBuilder::selectStyles(int fill0, int fill1, int line) {
  Record& r = styleRecord();
  r.fill0 = fill0;
  r.fill1 = fill1;
  r.line = line;
}

void SwfShapeBuilder::moveTo(Point p) {
  Record& r = styleRecord();
  penX_ = twips(p.x);
  penY_ = twips(p.y);
  r.moveX = penX_;
  r.moveY = penY_;
  include(penX_, penY_);
}

void SwfShapeBuilder::lineTo(Point p) {
  std::int32_t x = twips(p.x), y = twips(p.y);
  std::int64_t dx = static_cast<std::int64_t>(x) - penX_, dy = static_cast<std::int64_t>(y) - penY_;
  if (dx == 0 && dy == 0) return;
  if (std::llabs(dx) > kMaxDelta || std::llabs(dy) > kMaxDelta) {
    lineTo({penX_ + dx / 2.0, penY_ + dy / 2.0});
    lineTo(p);
    return;
  }
  Record r;
  r.kind = Record::Kind::Line;
  r.dx = static_cast<std::int32_t>(dx);
  r.dy = static_cast<std::int32_t>(dy);
  records_.push_back(r);
  penX_ = x;
  penY_ = y;
  include(x, y);
  ++edges_;
}

void SwfShapeBuilder::curveTo(Point control, Point to) {
  std::int32_t cx = twips(control.x), cy = twips(control.y), x = twips(to.x), y = twips(to.y);
  std::int64_t cdx = static_cast<std::int64_t>(cx) - penX_, cdy = static_cast<std::int64_t>(cy) - penY_;
  std::int64_t adx = static_cast<std::int64_t>(x) - cx, ady = static_cast<std::int64_t>(y) - cy;
  if (std::max({std::llabs(cdx), std::llabs(cdy), std::llabs(adx), std::llabs(ady)}) > kMaxDelta) {
    // Split at the middle (de Casteljau).
    Point p0{static_cast<double>(penX_), static_cast<double>(penY_)};
    Point c1{(p0.x + control.x) / 2, (p0.y + control.y) / 2};
    Point c2{(control.x + to.x) / 2, (control.y + to.y) / 2};
    Point mid{(c1.x + c2.x) / 2, (c1.y + c2.y) / 2};
    curveTo(c1, mid);
    curveTo(c2, to);
    return;
  }
  Record r;
  r.kind = Record::Kind::Curve;
  r.cdx = static_cast<std::int32_t>(cdx);
  r.cdy = static_cast<std::int32_t>(cdy);
  r.dx = static_cast<std::int32_t>(adx);
  r.dy = static_cast<std::int32_t>(ady);
  records_.push_back(r);
  penX_ = x;
  penY_ = y;
  include(cx, cy);
  include(x, y);
  ++edges_;
}

void SwfShapeBuilder::polygon(const std::vector<Point>& points) {
  if (points.empty()) return;
  moveTo(points.front());
  for (std::size_t i = 1; i < points.size(); ++i) lineTo(points[i]);
  lineTo(points.front());
}

void SwfShapeBuilder::circle(Point c, double r) {
  constexpr int kArcs = 8;
  const double step = 2 * M_PI / kArcs;
  const double controlRadius = r / std::cos(step / 2);
  moveTo({c.x + r, c.y});
  for (int i = 0; i < kArcs; ++i) {
    double mid = (i + 0.5) * step, end = (i + 1) * step;
    curveTo({c.x + controlRadius * std::cos(mid), c.y + controlRadius * std::sin(mid)},
            {c.x + r * std::cos(end), c.y + r * std::sin(end)});
  }
}

Bytes SwfShapeBuilder::defineShapeTag(std::uint16_t id) const {
  int halfLine = 0;
  for (const LineStyle& l : lines_) halfLine = std::max(halfLine, (l.width + 1) / 2);
  SwfBitWriter w;
  w.u16(id);
  w.rect(minX_ - halfLine, maxX_ + halfLine, minY_ - halfLine, maxY_ + halfLine);  // bounds
  w.rect(minX_, maxX_, minY_, maxY_);                                              // edge bounds
  w.u8(nonZero_ ? 0x04 : 0x00);

  auto writeCount = [&](std::size_t n) {
    if (n < 0xFF) {
      w.u8(static_cast<std::uint8_t>(n));
    } else {
      w.u8(0xFF);
      w.u16(static_cast<std::uint16_t>(n));
    }
  };
  writeCount(fills_.size());
  for (const FillStyle& f : fills_) writeFillStyle(w, f, kShapeVersion);
  writeCount(lines_.size());
  for (const LineStyle& l : lines_) writeLineStyle(w, l, kShapeVersion);
  const int fillBits = unsignedBitCount(static_cast<std::uint32_t>(fills_.size()));
  const int lineBits = unsignedBitCount(static_cast<std::uint32_t>(lines_.size()));
  w.ub(static_cast<std::uint32_t>(fillBits), 4);
  w.ub(static_cast<std::uint32_t>(lineBits), 4);

  for (const Record& r : records_) {
    switch (r.kind) {
      case Record::Kind::Style: {
        w.ub(0, 1);
        w.ub(0, 1);  // no new styles
        w.ub(r.line ? 1 : 0, 1);
        w.ub(r.fill1 ? 1 : 0, 1);
        w.ub(r.fill0 ? 1 : 0, 1);
        w.ub(r.moveX ? 1 : 0, 1);
        if (r.moveX) {
          int bits = std::max(signedBitCount(*r.moveX), signedBitCount(*r.moveY));
          w.ub(static_cast<std::uint32_t>(bits), 5);
          w.sb(*r.moveX, bits);
          w.sb(*r.moveY, bits);
        }
        if (r.fill0) w.ub(static_cast<std::uint32_t>(*r.fill0), fillBits);
        if (r.fill1) w.ub(static_cast<std::uint32_t>(*r.fill1), fillBits);
        if (r.line) w.ub(static_cast<std::uint32_t>(*r.line), lineBits);
        break;
      }
      case Record::Kind::Line: {
        int bits = std::max({2, signedBitCount(r.dx), signedBitCount(r.dy)});
        w.ub(1, 1);
        w.ub(1, 1);
        w.ub(static_cast<std::uint32_t>(bits - 2), 4);
        if (r.dx != 0 && r.dy != 0) {
          w.ub(1, 1);
          w.sb(r.dx, bits);
          w.sb(r.dy, bits);
        } else {
          w.ub(0, 1);
          bool vertical = r.dx == 0;
          w.ub(vertical ? 1 : 0, 1);
          w.sb(vertical ? r.dy : r.dx, bits);
        }
        break;
      }
      case Record::Kind::Curve: {
        int bits = std::max({2, signedBitCount(r.cdx), signedBitCount(r.cdy), signedBitCount(r.dx), signedBitCount(r.dy)});
        w.ub(1, 1);
        w.ub(0, 1);
        w.ub(static_cast<std::uint32_t>(bits - 2), 4);
        w.sb(r.cdx, bits);
        w.sb(r.cdy, bits);
        w.sb(r.dx, bits);
        w.sb(r.dy, bits);
        break;
      }
    }
  }
  w.ub(0, 6);  // end of shape
  Bytes body = w.take();

  SwfBitWriter tag;
  tag.u16(static_cast<std::uint16_t>((kDefineShape4 << 6) | 0x3F));
  tag.u32(static_cast<std::uint32_t>(body.size()));
  tag.bytes(body);
  return tag.take();
}

}  // namespace tavra::banner
