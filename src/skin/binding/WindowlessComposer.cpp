#include "skin/binding/WindowlessComposer.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/core/WinControl.h"
#include "skin/manager/SkinCommands.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

namespace {

std::vector<TControl*> childrenToPaint(const TWinControl& container, const Rect& clip, Rect& area) {
  std::vector<TControl*> out;
  for (TControl* c : container.controls()) {
    const Rect r = c->boundsRect();
    if (c->isWindowed() || !c->visible() || r.isEmpty() || !r.intersects(clip)) continue;
    out.push_back(c);
    area = area.united(r);
  }
  return out;
}

// The container's background under a child at `r` (client coordinates).
void fillBackground(Canvas& off, const TControl& child, const Rect& r, const TsCacheView& background, Color containerColor) {
  if (child.controlStyle() & csOpaque) {
    off.fillRect(r, child.color());
    return;
  }
  if (!background.Ready || !background.Bitmap) {
    off.fillRect(r, background.FillColor);
    return;
  }
  const Rect source = Rect::fromSize(background.X + r.left, background.Y + r.top, r.width(), r.height());
  if (!background.Bitmap->bounds().contains(source)) off.fillRect(r, containerColor);
  off.drawBitmap(r.topLeft(), *background.Bitmap, source);
}

}  // namespace

void WindowlessComposer::paint(TWinControl& container, Canvas& target, const TsCacheView* onScreen) {
  if (!composing_) {
    composing_ = true;
    compose(container, target, onScreen, offscreen_, canvas_);
    composing_ = false;
    return;
  }
  Bitmap own;
  std::unique_ptr<Canvas> ownCanvas;
  compose(container, target, onScreen, own, ownCanvas);
}

void WindowlessComposer::paintOverCache(TWinControl& container, Canvas& target, const Bitmap& cache, Point clientOrigin) {
  if (cache.isEmpty()) {
    paint(container, target);
    return;
  }
  const TsCacheView onScreen{.Bitmap = &cache, .X = clientOrigin.x, .Y = clientOrigin.y, .FillColor = clFuchsia, .Ready = true};
  paint(container, target, &onScreen);
}

void WindowlessComposer::compose(TWinControl& container, Canvas& target, const TsCacheView* onScreen, Bitmap& offscreen,
                                 std::unique_ptr<Canvas>& canvas) {
  const Rect clip = target.clipBox();
  if (clip.isEmpty()) {
    sendSkinCommand(container, SKC_SETCLIPPED);
    return;
  }
  Rect area;
  const std::vector<TControl*> children = childrenToPaint(container, clip, area);
  if (children.empty()) return;
  if (offscreen.width() < area.width() || offscreen.height() < area.height()) {
    canvas.reset();
    offscreen = Bitmap(std::max(offscreen.width(), area.width()), std::max(offscreen.height(), area.height()));
  }
  if (!canvas) canvas = std::make_unique<Canvas>(offscreen);
  TsCacheView background;
  if (onScreen) {
    background = *onScreen;
  } else {
    TsBackgroundInfo info;
    GetParentBackground(info, container, false);
    background = BackgroundToView(info);
  }
  const Color containerColor = resolveColor(container.color());
  // A child is wholly visible when the target's clip holds its rectangle; most clips are one
  // rectangle, which needs no region arithmetic.
  const Region visible = target.clipRegion();
  const bool plainClip = visible == Region(clip);
  auto whollyVisible = [&](const Rect& r) { return plainClip ? clip.contains(r) : Region(r).subtract(visible).isEmpty(); };

  // The off-screen canvas works in the container's client coordinates, over the children's union.
  Canvas& off = *canvas;
  Canvas::StateSaver whole(off);
  off.setOrigin({-area.left, -area.top});
  off.intersectClip(area);
  for (TControl* c : children) fillBackground(off, *c, c->boundsRect(), background, containerColor);
  for (TControl* c : children) {
    const Rect r = c->boundsRect();
    if (!whollyVisible(r)) sendSkinCommand(*c, SKC_SETCLIPPED);
    Canvas::StateSaver saver(off);
    off.translate(r.left, r.top);
    off.intersectClip(Rect::fromSize(0, 0, r.width(), r.height()));
    off.setFont(c->font());
    c->Perform(WM_PAINT, reinterpret_cast<WParam>(&off), 0);
  }
  off.syncPixels();
  for (TControl* c : children) {
    const Rect r = c->boundsRect();
    const Rect source = r.offsetBy(-area.left, -area.top);
    if (skinpx::isFuchsia(offscreen.row(source.top)[source.left])) continue;
    target.drawBitmap(r.topLeft(), offscreen, source);
  }
}

}  // namespace tavra
