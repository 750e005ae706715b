#include "skin/hints/HintPlacement.h"

namespace tavra {

HintPlacement PlaceHint(Point anchor, Size size, TsMousePosition corner, Size desktop) {
  const int w = size.width, h = size.height;
  int left = anchor.x, top = anchor.y;
  if (corner == mpLeftBottom || corner == mpRightBottom) top -= h;
  if (corner == mpRightTop || corner == mpRightBottom) left -= w;
  bool below = corner == mpLeftTop || corner == mpRightTop;
  bool leftSide = corner == mpLeftTop || corner == mpLeftBottom;
  bool moved = false;
  if (top + h > desktop.height) {
    top = anchor.y - h;
    below = false;
    moved = true;
  }
  if (top < 0) {
    top = anchor.y;
    below = true;
    moved = true;
  }
  if (left + w > desktop.width) {
    left = anchor.x - w;
    leftSide = false;
    moved = true;
  }
  if (left < 0) {
    left = anchor.x;
    leftSide = true;
    moved = true;
  }
  if (moved) corner = below ? (leftSide ? mpLeftTop : mpRightTop) : (leftSide ? mpLeftBottom : mpRightBottom);
  return {Rect::fromSize(left, top, w, h), corner};
}

}  // namespace tavra
