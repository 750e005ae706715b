#include "platform/banner/SwfRenderer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/banner/SwfDrawList.h"
#include "platform/banner/SwfMovie.h"
#include "platform/banner/SwfTimeline.h"

namespace tavra {
namespace {

// The gradient square spans −16384..16384 twips; patterns are built on −1..1.
constexpr double kGradientHalfSize = 16384.0;

cairo_matrix_t toCairo(const SwfMatrix& m) {
  cairo_matrix_t c;
  cairo_matrix_init(&c, m.scaleX, m.skew0, m.skew1, m.scaleY, m.tx, m.ty);
  return c;
}

double channel(std::uint8_t v) { return v / 255.0; }

double toLinear(double s) { return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4); }
double fromLinear(double l) { return l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1.0 / 2.4) - 0.055; }

cairo_line_cap_t capOf(SwfCap c) {
  switch (c) {
    case SwfCap::None: return CAIRO_LINE_CAP_BUTT;
    case SwfCap::Square: return CAIRO_LINE_CAP_SQUARE;
    case SwfCap::Round: break;
  }
  return CAIRO_LINE_CAP_ROUND;
}

cairo_line_join_t joinOf(SwfJoin j) {
  switch (j) {
    case SwfJoin::Bevel: return CAIRO_LINE_JOIN_BEVEL;
    case SwfJoin::Miter: return CAIRO_LINE_JOIN_MITER;
    case SwfJoin::Round: break;
  }
  return CAIRO_LINE_JOIN_ROUND;
}

// Gradient stops as cairo offsets. Stops that share a ratio behave as in a 256-entry colour ramp:
// the entry at the ratio takes the first of them, so its colour shows as a band one entry wide
// and the next entries run on from the last of them; at the last ratio the first of them is
// also the colour padded beyond the end.
std::vector<std::pair<double, SwfGradientStop>> cairoStops(const std::vector<SwfGradientStop>& stops) {
  constexpr double kEntry = 1.0 / 255.0;
  std::vector<std::pair<double, SwfGradientStop>> out;
  out.reserve(stops.size() + 2);
  for (std::size_t i = 0; i < stops.size();) {
    std::size_t j = i;
    while (j + 1 < stops.size() && stops[j + 1].ratio == stops[i].ratio) ++j;
    double at = stops[i].ratio * kEntry;
    out.emplace_back(at, stops[i]);
    if (j > i && stops[i].ratio < 255) {
      out.emplace_back(at + kEntry, stops[i]);
      out.emplace_back(at + kEntry, stops[j]);
    }
    i = j + 1;
  }
  return out;
}

}  // namespace

void SwfRenderer::drawTimeline(const SwfTimeline& timeline, const SwfMatrix& world) {
  if (depth_ == 0) stage_ = world;
  if (depth_ > SwfTimeline::kMaxNesting) return;
  ++depth_;
  drawObjects(timeline.objects().begin(), timeline.objects().end(), world);
  --depth_;
}

void SwfRenderer::drawDepths(const SwfTimeline& timeline, const SwfMatrix& world, int fromDepth, int toDepth) {
  if (fromDepth >= toDepth) return;
  if (depth_ == 0) stage_ = world;
  const auto& objects = timeline.objects();
  auto first = objects.lower_bound(static_cast<std::uint16_t>(std::clamp(fromDepth, 0, 0xFFFF)));
  auto last = toDepth > 0xFFFF ? objects.end() : objects.lower_bound(static_cast<std::uint16_t>(std::max(toDepth, 0)));
  ++depth_;
  drawObjects(first, last, world);
  --depth_;
}

void SwfRenderer::drawObjects(ObjectIterator begin, ObjectIterator end, const SwfMatrix& world) {
  for (auto it = begin; it != end && edgeBudget_ > 0;) {
    const auto& [depth, object] = *it;
    ++it;
    if (object.clipDepth == 0) {
      drawObject(object, world);
      continue;
    }
    // A mask: the objects above it up to its clip depth are drawn through it. Inside a mask
    // (a mask sprite with its own clip layer) this makes the mask's covered area the part of
    // its content that its inner mask lets through.
    auto last = it;
    while (last != end && last->first <= object.clipDepth) ++last;
    drawMasked(object, it, last, world);
    it = last;
  }
}

void SwfRenderer::drawObject(const SwfTimeline::Object& object, const SwfMatrix& world) {
  SwfMatrix objectWorld = world * object.matrix;
  if (!objectWorld.isDrawable()) return;
  colorChain_.push_back(object.colorTransform);
  if (object.sprite) {
    drawTimeline(*object.sprite, objectWorld);
  } else if (const SwfShape* shape = movie_.shape(object.characterId)) {
    drawShape(*shape, objectWorld);
  }
  colorChain_.pop_back();
}

void SwfRenderer::drawMasked(const SwfTimeline::Object& mask, ObjectIterator begin, ObjectIterator end,
                             const SwfMatrix& world) {
  // Groups take the matrix in force when they are popped and used: keep it the identity there.
  cairo_identity_matrix(cr_);
  cairo_push_group(cr_);
  drawObjects(begin, end, world);
  cairo_identity_matrix(cr_);
  cairo_pattern_t* content = cairo_pop_group(cr_);

  cairo_push_group_with_content(cr_, CAIRO_CONTENT_ALPHA);
  bool wasMask = maskMode_;
  maskMode_ = true;
  drawObject(mask, world);
  maskMode_ = wasMask;
  cairo_identity_matrix(cr_);
  cairo_pattern_t* shape = cairo_pop_group(cr_);

  cairo_set_source(cr_, content);
  cairo_mask(cr_, shape);
  cairo_pattern_destroy(shape);
  cairo_pattern_destroy(content);
}

SwfRgba SwfRenderer::transformed(SwfRgba c) const {
  // The innermost transform applies first.
  for (auto it = colorChain_.rbegin(); it != colorChain_.rend(); ++it) c = it->apply(c);
  return c;
}

void SwfRenderer::drawShape(const SwfShape& shape, const SwfMatrix& world) {
  if (area_ && !area_->intersects(SwfDrawList::deviceBounds(shape, world, stageScale()))) return;
  cairo_matrix_t m = toCairo(world);
  cairo_set_matrix(cr_, &m);
  // One device pixel in shape units: the thinnest stroke drawn.
  double minStroke = 1.0 / std::sqrt(std::fabs(world.determinant()));
  for (const SwfShapeLayer& layer : shape.layers) {
    cairo_set_fill_rule(cr_, shape.nonZeroWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
    for (const SwfFillPath& fill : layer.fills) {
      if (edgeBudget_ == 0) return;
      if (!setSource(layer.fillStyles[fill.style])) continue;
      addPath(fill.path);
      cairo_fill(cr_);
    }
    for (const SwfStrokePath& stroke : layer.strokes) {
      if (edgeBudget_ == 0) return;
      const SwfLineStyle& style = layer.lineStyles[stroke.style];
      if (style.hasFill || maskMode_) {
        if (!setSource(style.fill)) continue;
      } else {
        SwfRgba c = transformed(style.color);
        cairo_set_source_rgba(cr_, channel(c.r), channel(c.g), channel(c.b), channel(c.a));
      }
      cairo_set_line_cap(cr_, capOf(style.startCap));
      cairo_set_line_join(cr_, joinOf(style.join));
      cairo_set_miter_limit(cr_, style.miterLimit);
      addPath(stroke.path);
      if (style.noHScale || style.noVScale) {
        // A fixed width: a round pen in device pixels, whatever the object's transform.
        cairo_identity_matrix(cr_);
        cairo_set_line_width(cr_, std::max(fixedStrokeWidth(style, world), 1.0));
        cairo_stroke(cr_);
        cairo_set_matrix(cr_, &m);
      } else {
        cairo_set_line_width(cr_, std::max(static_cast<double>(style.width), minStroke));
        cairo_stroke(cr_);
      }
    }
  }
}

double SwfRenderer::stageScale() const { return std::sqrt(std::fabs(stage_.determinant())); }

// The device width of a stroke that does not scale with its object: its width in the stage's
// twips (times the object's vertical or horizontal scale when only the other direction is
// fixed), through the stage's scale.
double SwfRenderer::fixedStrokeWidth(const SwfLineStyle& style, const SwfMatrix& world) const {
  double width = style.width;
  if (!style.noHScale || !style.noVScale) {
    // The object's own transform: the world without the stage's.
    cairo_matrix_t inverseStage = toCairo(stage_);
    if (cairo_matrix_invert(&inverseStage) == CAIRO_STATUS_SUCCESS) {
      const cairo_matrix_t& i = inverseStage;
      SwfMatrix object = SwfMatrix{i.xx, i.yx, i.xy, i.yy, i.x0, i.y0} * world;
      if (!style.noHScale) width *= std::hypot(object.scaleX, object.skew0);
      if (!style.noVScale) width *= std::hypot(object.skew1, object.scaleY);
    }
  }
  double device = width * stageScale();
  return std::isfinite(device) ? device : 0.0;
}

bool SwfRenderer::setSource(const SwfFillStyle& fill) {
  if (maskMode_) {
    // A mask counts the area its shapes cover, whatever their paint.
    cairo_set_source_rgba(cr_, 0, 0, 0, 1);
    return true;
  }
  switch (fill.kind) {
    case SwfFillKind::Solid: {
      SwfRgba c = transformed(fill.color);
      cairo_set_source_rgba(cr_, channel(c.r), channel(c.g), channel(c.b), channel(c.a));
      return true;
    }
    case SwfFillKind::Linear:
    case SwfFillKind::Radial:
    case SwfFillKind::Focal:
      return setGradientSource(fill);
    case SwfFillKind::Bitmap:
      break;
  }
  return false;
}

bool SwfRenderer::setGradientSource(const SwfFillStyle& fill) {
  const SwfGradient& g = fill.gradient;
  if (g.stops.empty()) {
    SwfRgba c = transformed(SwfRgba{});
    cairo_set_source_rgba(cr_, channel(c.r), channel(c.g), channel(c.b), channel(c.a));
    return true;
  }
  SwfMatrix square = fill.matrix * SwfMatrix{kGradientHalfSize, 0, 0, kGradientHalfSize, 0, 0};
  if (!square.isDrawable()) return false;
  cairo_matrix_t toPattern = toCairo(square);
  if (cairo_matrix_invert(&toPattern) != CAIRO_STATUS_SUCCESS) return false;

  double focal = fill.kind == SwfFillKind::Focal ? g.focalPoint : 0.0;
  cairo_pattern_t* pattern = fill.kind == SwfFillKind::Linear ? cairo_pattern_create_linear(-1, 0, 1, 0)
                                                              : cairo_pattern_create_radial(focal, 0, 0, 0, 0, 1);
  if (g.interpolation == SwfInterpolation::LinearRgb && g.stops.size() > 1) {
    // Interpolated in linear light, handed to cairo as a table of 256 stops.
    std::size_t next = 0;
    for (int ratio = 0; ratio < 256; ++ratio) {
      while (next < g.stops.size() && g.stops[next].ratio < ratio) ++next;
      const SwfGradientStop& hi = g.stops[std::min(next, g.stops.size() - 1)];
      const SwfGradientStop& lo = g.stops[next == 0 ? 0 : next - 1];
      double t = hi.ratio == lo.ratio ? 0.0 : static_cast<double>(ratio - lo.ratio) / (hi.ratio - lo.ratio);
      t = std::clamp(t, 0.0, 1.0);
      SwfRgba a = transformed(lo.color), b = transformed(hi.color);
      auto mix = [&](std::uint8_t x, std::uint8_t y) {
        return fromLinear(toLinear(channel(x)) * (1 - t) + toLinear(channel(y)) * t);
      };
      cairo_pattern_add_color_stop_rgba(pattern, ratio / 255.0, mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b),
                                        channel(a.a) * (1 - t) + channel(b.a) * t);
    }
  } else {
    for (const auto& [offset, stop] : cairoStops(g.stops)) {
      SwfRgba c = transformed(stop.color);
      cairo_pattern_add_color_stop_rgba(pattern, offset, channel(c.r), channel(c.g), channel(c.b), channel(c.a));
    }
  }
  switch (g.spread) {
    case SwfSpread::Pad: cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD); break;
    case SwfSpread::Reflect: cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REFLECT); break;
    case SwfSpread::Repeat: cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT); break;
  }
  cairo_pattern_set_matrix(pattern, &toPattern);
  cairo_set_source(cr_, pattern);
  cairo_pattern_destroy(pattern);
  return true;
}

void SwfRenderer::addPath(const SwfPath& path) {
  cairo_new_path(cr_);
  bool open = false;
  double px = 0, py = 0;
  for (const SwfPathOp& op : path.ops) {
    if (edgeBudget_ == 0) break;
    double x = op.to.x, y = op.to.y;
    switch (op.kind) {
      case SwfPathOp::Kind::MoveTo:
        if (open && path.closeSubpaths) cairo_close_path(cr_);
        cairo_move_to(cr_, x, y);
        open = true;
        break;
      case SwfPathOp::Kind::LineTo:
        cairo_line_to(cr_, x, y);
        --edgeBudget_;
        break;
      case SwfPathOp::Kind::CurveTo: {
        double qx = op.control.x, qy = op.control.y;
        cairo_curve_to(cr_, px + 2.0 / 3.0 * (qx - px), py + 2.0 / 3.0 * (qy - py), x + 2.0 / 3.0 * (qx - x),
                       y + 2.0 / 3.0 * (qy - y), x, y);
        --edgeBudget_;
        break;
      }
    }
    px = x;
    py = y;
  }
  if (open && path.closeSubpaths) cairo_close_path(cr_);
}

}  // namespace tavra
