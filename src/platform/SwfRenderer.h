#pragma once
// Draws a timeline's display list with cairo: objects by ascending depth, each shape's layers in
// order (fills, then strokes), through the world matrix and the chain of colour transforms.
// A mask object (clip depth) is not drawn; the objects above it up to its clip depth are drawn
// into a group that is shown through the mask's shape. Antialiased; a budget of edges per frame
// bounds the work of one render.
#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "platform/SwfRecords.h"
#include "platform/SwfShape.h"
#include "platform/SwfTimeline.h"

namespace tavra {

class SwfMovie;

class SwfRenderer {
 public:
  static constexpr std::size_t kMaxEdgesPerFrame = 300000;

  SwfRenderer(cairo_t* cr, const SwfMovie& movie) : cr_(cr), movie_(movie) {}

  // `world` maps the timeline's twips to the context's device space.
  void drawTimeline(const SwfTimeline& timeline, const SwfMatrix& world);

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
  SwfRgba transformed(SwfRgba c) const;

  cairo_t* cr_;
  const SwfMovie& movie_;
  std::vector<SwfColorTransform> colorChain_;  // outermost first
  std::size_t edgeBudget_ = kMaxEdgesPerFrame;
  int depth_ = 0;
  bool maskMode_ = false;  // drawing a mask: every fill and stroke opaque
};

}  // namespace tavra
