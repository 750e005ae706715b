#pragma once
// Draws a timeline's display list with cairo: objects by ascending depth, each shape's layers in
// order (fills, then strokes), through the world matrix and the chain of colour transforms.
// A mask object (clip depth) is not drawn; the objects above it up to its clip depth are drawn
// into a group that is shown through the mask's shape. Antialiased; a budget of edges per frame
// bounds the work of one render. Given an area, only the shapes that can touch it are drawn.
#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "gfx/Region.h"
#include "platform/banner/SwfRecords.h"
#include "platform/banner/SwfShape.h"
#include "platform/banner/SwfTimeline.h"

namespace tavra {

class SwfMovie;

class SwfRenderer {
 public:
  static constexpr std::size_t kMaxEdgesPerFrame = 300000;

  // `area` (device pixels), when given, limits the shapes drawn to those that can touch it;
  // the caller clips to it.
  SwfRenderer(cairo_t* cr, const SwfMovie& movie, const Region* area = nullptr)
      : cr_(cr), movie_(movie), area_(area) {}

  // `world` maps the timeline's twips to the context's device space.
  void drawTimeline(const SwfTimeline& timeline, const SwfMatrix& world);
  // Only the objects at depths in [fromDepth, toDepth) of the timeline (none of them masked by
  // an object below fromDepth).
  void drawDepths(const SwfTimeline& timeline, const SwfMatrix& world, int fromDepth, int toDepth);

 private:
  using ObjectIterator = std::map<std::uint16_t, SwfTimeline::Object>::const_iterator;
  void drawObjects(ObjectIterator begin, ObjectIterator end, const SwfMatrix& world);
  void drawObject(const SwfTimeline::Object& object, const SwfMatrix& world);
  void drawMasked(const SwfTimeline::Object& mask, ObjectIterator begin, ObjectIterator end, const SwfMatrix& world);
  void drawShape(const SwfShape& shape, const SwfMatrix& world);
  // Sets the fill's paint as the source; false when the fill draws nothing (bitmap fills).
  bool setSource(const SwfFillStyle& fill);
  bool setGradientSource(const SwfFillStyle& fill);
  void addPath(const SwfPath& path);
  // Device pixels per stage twip.
  double stageScale() const;
  double fixedStrokeWidth(const SwfLineStyle& style, const SwfMatrix& world) const;
  SwfRgba transformed(SwfRgba c) const;

  cairo_t* cr_;
  const SwfMovie& movie_;
  const Region* area_ = nullptr;
  std::vector<SwfColorTransform> colorChain_;  // outermost first
  SwfMatrix stage_;  // stage twips to device: the world of the root timeline
  std::size_t edgeBudget_ = kMaxEdgesPerFrame;
  int depth_ = 0;
  bool maskMode_ = false;  // drawing a mask: every fill and stroke opaque
};

}  // namespace tavra
