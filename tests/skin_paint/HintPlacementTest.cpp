// Placing a hint: the corner at the anchor, and the desktop fit that opens a hint on the other
// side of its anchor near an edge of a 1024 x 768 desktop.
#include <gtest/gtest.h>

#include "skin/hints/HintPlacement.h"

namespace tavra::test {
namespace {

TEST(HintPlacement, TheCornerLiesAtTheAnchorUnlessAnEdgeIsInTheWay) {
  struct Case {
    Point anchor;
    TsMousePosition corner;
    Point topLeft;
    TsMousePosition placed;
  };
  const Size size{100, 40};
  const Case cases[] = {
      {{500, 300}, mpLeftTop, {500, 300}, mpLeftTop},
      {{500, 300}, mpLeftBottom, {500, 260}, mpLeftBottom},
      {{500, 300}, mpRightTop, {400, 300}, mpRightTop},
      {{500, 300}, mpRightBottom, {400, 260}, mpRightBottom},
      {{1000, 300}, mpLeftTop, {900, 300}, mpRightTop},       // right edge
      {{500, 750}, mpLeftTop, {500, 710}, mpLeftBottom},      // bottom edge
      {{1000, 750}, mpLeftTop, {900, 710}, mpRightBottom},    // both
      {{20, 300}, mpRightTop, {20, 300}, mpLeftTop},          // left edge
      {{500, 10}, mpLeftBottom, {500, 10}, mpLeftTop},        // top edge
      {{20, 10}, mpRightBottom, {20, 10}, mpLeftTop},
      {{1024, 768}, mpLeftTop, {924, 728}, mpRightBottom},    // the corner of the desktop
  };
  for (const Case& c : cases) {
    const HintPlacement p = PlaceHint(c.anchor, size, c.corner, {1024, 768});
    EXPECT_EQ(p.bounds.topLeft(), c.topLeft) << c.anchor.x << "," << c.anchor.y << " corner " << c.corner;
    EXPECT_EQ(p.bounds.size(), size);
    EXPECT_EQ(p.corner, c.placed) << c.anchor.x << "," << c.anchor.y << " corner " << c.corner;
  }
}

}  // namespace
}  // namespace tavra::test
