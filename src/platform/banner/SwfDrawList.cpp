#include "platform/banner/SwfDrawList.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "platform/banner/SwfMovie.h"
#include "platform/banner/SwfTimeline.h"

namespace tavra {
namespace {

// Antialiasing and the thinnest stroke (one device pixel) reach this far past the geometry.
constexpr int kDeviceMargin = 2;
// Beyond this the rectangle is clamped: a shape scaled past any screen covers the whole target.
constexpr double kDeviceLimit = 1 << 24;

int clampedFloor(double v) { return static_cast<int>(std::floor(std::clamp(v, -kDeviceLimit, kDeviceLimit))); }
int clampedCeil(double v) { return static_cast<int>(std::ceil(std::clamp(v, -kDeviceLimit, kDeviceLimit))); }

}  // namespace

bool SwfDrawList::Item::drawsSameAs(const Item& other) const {
  return shape == other.shape && mask == other.mask && world == other.world && colors == other.colors &&
         masks == other.masks;
}

Rect SwfDrawList::deviceBounds(const SwfShape& shape, const SwfMatrix& world, double stageScale) {
  const SwfBox& b = shape.drawnBounds;
  if (b.isEmpty() || !world.isDrawable()) return {};
  SwfBox device;
  for (double x : {b.xMin, b.xMax}) {
    for (double y : {b.yMin, b.yMax}) {
      device.add(world.scaleX * x + world.skew1 * y + world.tx, world.skew0 * x + world.scaleY * y + world.ty);
    }
  }
  // A stroke of a fixed width reaches its width through the stage's scale, or through the
  // object's scale in one direction when only the other is fixed.
  double axisScale = std::max({stageScale, std::hypot(world.scaleX, world.skew0), std::hypot(world.skew1, world.scaleY)});
  double fixedReach = shape.fixedStrokeReach * (std::isfinite(axisScale) ? axisScale : 0.0);
  device = device.inflated(kDeviceMargin + std::min(fixedReach, kDeviceLimit));
  return {clampedFloor(device.xMin), clampedFloor(device.yMin), clampedCeil(device.xMax), clampedCeil(device.yMax)};
}

// Walks a timeline as the renderer draws it: ascending depths, a mask's shapes flagged and the
// objects up to its clip depth seen through it.
struct SwfDrawList::Walk {
  const SwfMovie& movie;
  std::vector<Item>& out;
  std::vector<std::uint16_t> key;
  std::vector<std::uint16_t> masks;
  std::vector<SwfColorTransform> colors;
  bool inMask = false;
  int nesting = 0;
  double stageScale = 1;  // device pixels per stage twip

  using Iterator = std::map<std::uint16_t, SwfTimeline::Object>::const_iterator;

  void timeline(const SwfTimeline& t, const SwfMatrix& world) {
    if (nesting > SwfTimeline::kMaxNesting) return;
    ++nesting;
    objects(t.objects().begin(), t.objects().end(), world);
    --nesting;
  }

  void objects(Iterator begin, Iterator end, const SwfMatrix& world) {
    for (auto it = begin; it != end;) {
      const auto& [depth, object] = *it;
      ++it;
      if (object.clipDepth == 0) {
        this->object(depth, object, world, inMask);
        continue;
      }
      auto last = it;
      while (last != end && last->first <= object.clipDepth) ++last;
      this->object(depth, object, world, true);
      std::size_t masksBefore = masks.size();
      masks.push_back(static_cast<std::uint16_t>(key.size() + 1));
      masks.insert(masks.end(), key.begin(), key.end());
      masks.push_back(depth);
      objects(it, last, world);
      masks.resize(masksBefore);
      it = last;
    }
  }

  void object(std::uint16_t depth, const SwfTimeline::Object& o, const SwfMatrix& world, bool asMask) {
    SwfMatrix objectWorld = world * o.matrix;
    if (!objectWorld.isDrawable()) return;
    bool wasMask = inMask;
    inMask = asMask;
    key.push_back(depth);
    colors.push_back(o.colorTransform);
    if (o.sprite) {
      timeline(*o.sprite, objectWorld);
    } else if (const SwfShape* shape = movie.shape(o.characterId)) {
      out.push_back(Item{.key = key,
                         .masks = masks,
                         .shape = shape,
                         .world = objectWorld,
                         .colors = colors,
                         .mask = asMask,
                         .bounds = deviceBounds(*shape, objectWorld, stageScale)});
    }
    colors.pop_back();
    key.pop_back();
    inMask = wasMask;
  }
};

SwfDrawList::SwfDrawList(const SwfMovie& movie, const SwfTimeline& root, const SwfMatrix& world) {
  Walk walk{.movie = movie,
            .out = items_,
            .key = {},
            .masks = {},
            .colors = {},
            .inMask = false,
            .nesting = 0,
            .stageScale = std::sqrt(std::fabs(world.determinant()))};
  walk.timeline(root, world);
}

bool SwfDrawList::drawsSameAs(const SwfDrawList& other) const {
  return std::equal(items_.begin(), items_.end(), other.items_.begin(), other.items_.end(),
                    [](const Item& a, const Item& b) { return a.key == b.key && a.drawsSameAs(b); });
}

std::size_t SwfDrawList::hash() const {
  std::size_t h = items_.size();
  auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); };
  for (const Item& item : items_) {
    for (std::uint16_t d : item.key) mix(d);
    mix(std::hash<const void*>{}(item.shape));
    for (double v : {item.world.scaleX, item.world.skew0, item.world.skew1, item.world.scaleY, item.world.tx, item.world.ty}) {
      mix(std::hash<double>{}(v));
    }
    for (const SwfColorTransform& c : item.colors) {
      for (int v : c.mult) mix(static_cast<std::size_t>(v));
      for (int v : c.add) mix(static_cast<std::size_t>(v));
    }
  }
  return h;
}

Region SwfDrawList::changedTo(const SwfDrawList& next) const {
  Region changed;
  auto a = items_.begin();
  auto b = next.items_.begin();
  // Both lists run in ascending key order: merge them.
  while (a != items_.end() || b != next.items_.end()) {
    if (b == next.items_.end() || (a != items_.end() && a->key < b->key)) {
      changed.unite(a->bounds);
      ++a;
    } else if (a == items_.end() || b->key < a->key) {
      changed.unite(b->bounds);
      ++b;
    } else {
      if (!a->drawsSameAs(*b)) {
        changed.unite(a->bounds);
        changed.unite(b->bounds);
      }
      ++a;
      ++b;
    }
  }
  return changed;
}

}  // namespace tavra
