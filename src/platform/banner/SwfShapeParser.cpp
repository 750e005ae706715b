#include "platform/banner/SwfShapeParser.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "platform/banner/SwfReader.h"
#include "platform/banner/SwfRecordReader.h"

namespace tavra {
namespace {

constexpr std::int64_t kCoordinateLimit = 1 << 30;

struct Edge {
  bool curve = false;
  SwfPoint control;
  SwfPoint to;
};

// A run of edges drawn with one style, from `start`.
struct Segment {
  SwfPoint start;
  std::vector<Edge> edges;
  SwfPoint end() const { return edges.empty() ? start : edges.back().to; }
};

Segment reversed(const Segment& s) {
  Segment out;
  out.start = s.end();
  out.edges.reserve(s.edges.size());
  for (std::size_t i = s.edges.size(); i-- > 0;) {
    SwfPoint from = i == 0 ? s.start : s.edges[i - 1].to;
    out.edges.push_back({s.edges[i].curve, s.edges[i].control, from});
  }
  return out;
}

std::uint64_t pointKey(SwfPoint p) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x)) << 32) | static_cast<std::uint32_t>(p.y);
}

void appendEdges(SwfPath& path, const Segment& s) {
  for (const Edge& e : s.edges) {
    path.ops.push_back({e.curve ? SwfPathOp::Kind::CurveTo : SwfPathOp::Kind::LineTo, e.control, e.to});
  }
}

// Collects the segments of one layer (between new-style records) and turns them into paths.
class LayerBuilder {
 public:
  LayerBuilder(std::vector<SwfFillStyle> fills, std::vector<SwfLineStyle> lines)
      : fillSegments_(fills.size() + 1), lineSegments_(lines.size() + 1) {
    layer_.fillStyles = std::move(fills);
    layer_.lineStyles = std::move(lines);
  }

  std::size_t fillCount() const { return layer_.fillStyles.size(); }
  std::size_t lineCount() const { return layer_.lineStyles.size(); }

  SwfShapeLayer finish() && {
    for (std::size_t style = 1; style < fillSegments_.size(); ++style) {
      if (fillSegments_[style].empty()) continue;
      SwfFillPath fill{.style = style - 1, .path = chainContours(fillSegments_[style])};
      layer_.fills.push_back(std::move(fill));
    }
    for (std::size_t style = 1; style < lineSegments_.size(); ++style) {
      for (const Segment& s : lineSegments_[style]) {
        SwfStrokePath stroke{.style = style - 1, .path = {}};
        stroke.path.ops.push_back({SwfPathOp::Kind::MoveTo, {}, s.start});
        appendEdges(stroke.path, s);
        stroke.path.closeSubpaths = s.end() == s.start && !layer_.lineStyles[style - 1].noClose;
        layer_.strokes.push_back(std::move(stroke));
      }
    }
    return std::move(layer_);
  }

  void addFill(std::size_t style, Segment s, bool reverse) {
    if (style == 0 || style >= fillSegments_.size() || s.edges.empty()) return;
    fillSegments_[style].push_back(reverse ? reversed(s) : std::move(s));
  }
  void addLine(std::size_t style, Segment s) {
    if (style == 0 || style >= lineSegments_.size() || s.edges.empty()) return;
    lineSegments_[style].push_back(std::move(s));
  }

 private:
  // Joins segments end to start into closed contours (exact point match).
  static SwfPath chainContours(const std::vector<Segment>& segments) {
    SwfPath path;
    path.closeSubpaths = true;
    std::unordered_multimap<std::uint64_t, std::size_t> byStart;
    byStart.reserve(segments.size());
    for (std::size_t i = 0; i < segments.size(); ++i) byStart.emplace(pointKey(segments[i].start), i);
    std::vector<bool> used(segments.size(), false);
    auto take = [&](std::size_t i) {
      used[i] = true;
      auto [first, last] = byStart.equal_range(pointKey(segments[i].start));
      for (auto it = first; it != last; ++it) {
        if (it->second == i) {
          byStart.erase(it);
          break;
        }
      }
    };
    for (std::size_t i = 0; i < segments.size(); ++i) {
      if (used[i]) continue;
      take(i);
      SwfPoint contourStart = segments[i].start;
      path.ops.push_back({SwfPathOp::Kind::MoveTo, {}, contourStart});
      appendEdges(path, segments[i]);
      SwfPoint current = segments[i].end();
      while (!(current == contourStart)) {
        auto it = byStart.find(pointKey(current));
        if (it == byStart.end()) break;
        std::size_t next = it->second;
        take(next);
        appendEdges(path, segments[next]);
        current = segments[next].end();
      }
    }
    return path;
  }

  SwfShapeLayer layer_;
  std::vector<std::vector<Segment>> fillSegments_;  // by 1-based style index
  std::vector<std::vector<Segment>> lineSegments_;
};

struct ActiveSegment {
  std::size_t style = 0;
  Segment segment;
};

SwfPoint clampedPoint(std::int64_t x, std::int64_t y) {
  return {static_cast<std::int32_t>(std::clamp(x, -kCoordinateLimit, kCoordinateLimit)),
          static_cast<std::int32_t>(std::clamp(y, -kCoordinateLimit, kCoordinateLimit))};
}

SwfBox pathBox(const SwfPath& path) {
  SwfBox box;
  for (const SwfPathOp& op : path.ops) {
    box.add(op.to.x, op.to.y);
    // A quadratic curve stays within the triangle of its ends and control point.
    if (op.kind == SwfPathOp::Kind::CurveTo) box.add(op.control.x, op.control.y);
  }
  return box;
}

// How far a stroke reaches past its path, in widths: half a width, more at miter joins and
// square caps.
double strokeReach(const SwfLineStyle& style) {
  double reach = 0.5;
  if (style.startCap == SwfCap::Square || style.endCap == SwfCap::Square) reach = 0.75;
  if (style.join == SwfJoin::Miter) reach = std::max(reach, 0.5 * std::max(style.miterLimit, 1.0));
  return reach;
}

void measure(SwfShape& shape) {
  for (const SwfShapeLayer& layer : shape.layers) {
    for (const SwfFillPath& fill : layer.fills) shape.drawnBounds.add(pathBox(fill.path));
    for (const SwfStrokePath& stroke : layer.strokes) {
      const SwfLineStyle& style = layer.lineStyles[stroke.style];
      double reach = style.width * strokeReach(style);
      bool fixed = style.noHScale && style.noVScale;
      shape.drawnBounds.add(pathBox(stroke.path).inflated(fixed ? 0.0 : reach));
      // A width fixed in one direction follows the other: count it both ways.
      if (style.noHScale || style.noVScale) shape.fixedStrokeReach = std::max(shape.fixedStrokeReach, reach);
    }
  }
}

}  // namespace

std::optional<SwfShape> SwfShapeParser::parse(std::span<const std::uint8_t> body, int version) {
  SwfReader in(body);
  SwfShape shape;
  shape.id = in.u16();
  shape.bounds = swf::readRect(in);
  if (version >= 4) {
    (void)swf::readRect(in);  // edge bounds
    std::uint8_t flags = in.u8();
    shape.nonZeroWinding = (flags & 0x04) != 0;
  }
  auto fills = swf::readFillStyles(in, version);
  if (!fills) return std::nullopt;
  auto lines = swf::readLineStyles(in, version);
  if (!lines) return std::nullopt;
  std::uint8_t bitCounts = in.u8();
  int fillBits = bitCounts >> 4;
  int lineBits = bitCounts & 0x0F;
  if (!in.ok()) return std::nullopt;

  LayerBuilder layer(std::move(*fills), std::move(*lines));
  ActiveSegment fill0, fill1, line;
  SwfPoint pen;

  auto restart = [&](ActiveSegment& a) { a.segment = Segment{pen, {}}; };
  auto flushFill0 = [&] { layer.addFill(fill0.style, std::move(fill0.segment), true); restart(fill0); };
  auto flushFill1 = [&] { layer.addFill(fill1.style, std::move(fill1.segment), false); restart(fill1); };
  auto flushLine = [&] { layer.addLine(line.style, std::move(line.segment)); restart(line); };
  auto flushAll = [&] { flushFill0(); flushFill1(); flushLine(); };
  auto addEdge = [&](const Edge& e) {
    for (ActiveSegment* a : {&fill0, &fill1, &line}) {
      if (a->style != 0) a->segment.edges.push_back(e);
    }
    pen = e.to;
    ++shape.edgeCount;
  };

  while (true) {
    if (in.ub(1) == 0) {
      std::uint32_t flags = in.ub(5);
      if (!in.ok()) return std::nullopt;
      if (flags == 0) break;
      bool newStyles = (flags & 0x10) != 0;
      bool hasLine = (flags & 0x08) != 0;
      bool hasFill1 = (flags & 0x04) != 0;
      bool hasFill0 = (flags & 0x02) != 0;
      bool hasMove = (flags & 0x01) != 0;
      SwfPoint moveTo;
      if (hasMove) {
        int bits = static_cast<int>(in.ub(5));
        std::int64_t x = in.sb(bits);
        std::int64_t y = in.sb(bits);
        moveTo = clampedPoint(x, y);
      }
      std::size_t fill0Index = hasFill0 ? in.ub(fillBits) : 0;
      std::size_t fill1Index = hasFill1 ? in.ub(fillBits) : 0;
      std::size_t lineIndex = hasLine ? in.ub(lineBits) : 0;
      if (newStyles) {
        auto newFills = swf::readFillStyles(in, version);
        if (!newFills) return std::nullopt;
        auto newLines = swf::readLineStyles(in, version);
        if (!newLines) return std::nullopt;
        std::uint8_t counts = in.u8();
        fillBits = counts >> 4;
        lineBits = counts & 0x0F;
        flushAll();
        shape.layers.push_back(std::move(layer).finish());
        layer = LayerBuilder(std::move(*newFills), std::move(*newLines));
        fill0.style = fill1.style = line.style = 0;
      }
      if (!in.ok()) return std::nullopt;
      if (hasMove) {
        flushAll();
        pen = moveTo;
        restart(fill0);
        restart(fill1);
        restart(line);
      }
      if (hasFill0) {
        flushFill0();
        fill0.style = fill0Index <= layer.fillCount() ? fill0Index : 0;
      }
      if (hasFill1) {
        flushFill1();
        fill1.style = fill1Index <= layer.fillCount() ? fill1Index : 0;
      }
      if (hasLine) {
        flushLine();
        line.style = lineIndex <= layer.lineCount() ? lineIndex : 0;
      }
      continue;
    }
    bool straight = in.ub(1) != 0;
    int bits = static_cast<int>(in.ub(4)) + 2;
    Edge e;
    if (straight) {
      std::int64_t dx = 0, dy = 0;
      if (in.ub(1) != 0) {
        dx = in.sb(bits);
        dy = in.sb(bits);
      } else if (in.ub(1) != 0) {
        dy = in.sb(bits);
      } else {
        dx = in.sb(bits);
      }
      e.to = clampedPoint(pen.x + dx, pen.y + dy);
    } else {
      std::int64_t cdx = in.sb(bits), cdy = in.sb(bits), adx = in.sb(bits), ady = in.sb(bits);
      e.curve = true;
      e.control = clampedPoint(pen.x + cdx, pen.y + cdy);
      e.to = clampedPoint(e.control.x + adx, e.control.y + ady);
    }
    if (!in.ok()) return std::nullopt;
    if (shape.edgeCount >= kMaxEdgesPerShape) break;
    addEdge(e);
  }
  flushAll();
  shape.layers.push_back(std::move(layer).finish());
  measure(shape);
  return shape;
}

}  // namespace tavra
