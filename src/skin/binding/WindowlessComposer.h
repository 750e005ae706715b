#pragma once
// Paints a skinned container's windowless children (labels, speed buttons) off-screen and puts
// each on screen in one copy: every child's rectangle first takes the container's background (or
// the child's own colour when it is opaque), the child paints there, and its rectangle is copied
// to the screen unless the child left clFuchsia at its top-left pixel. One bitmap, the size of
// the children's union, is kept and reused from paint to paint.
#include <memory>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "skin/primitives/TsCacheView.h"

namespace tavra {

class TWinControl;

class WindowlessComposer {
 public:
  // Paints the visible windowless children of `container` that meet `target`'s clip box;
  // `target` is in the container's client coordinates. The children's background is
  // `onScreen`, what the container has just put on screen (its cache, placed at the container's
  // client origin), so a child that paints only some of its pixels shows the container's look
  // around them; without it, the container's answer to SKC_GETBG. With an empty clip box the
  // container receives SKC_SETCLIPPED.
  void paint(TWinControl& container, Canvas& target, const TsCacheView* onScreen = nullptr);
  // The same over the container's composed `cache` as just put on screen, its client area at
  // `clientOrigin` in the cache; an empty cache falls back to the SKC_GETBG answer.
  void paintOverCache(TWinControl& container, Canvas& target, const Bitmap& cache, Point clientOrigin);

 private:
  void compose(TWinControl& container, Canvas& target, const TsCacheView* onScreen, Bitmap& offscreen,
               std::unique_ptr<Canvas>& canvas);

  Bitmap offscreen_;
  std::unique_ptr<Canvas> canvas_;  // on offscreen_, made again when the bitmap grows
  bool composing_ = false;  // a child's paint asked the container to paint again
};

}  // namespace tavra
