#include "skin/binding/CacheCopy.h"

#include "framework/core/WinControl.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/SkinCommands.h"
#include "winsys/Window.h"

namespace tavra {

namespace {

void copyFrom(const Bitmap& cache, Point source, Canvas& target, const Rect& targetRect) {
  target.drawBitmap(targetRect.topLeft(), cache, Rect::fromSize(source.x, source.y, targetRect.width(), targetRect.height()));
}

bool isGroupBoxWindow(const Window& w) {
  return (w.style() & kButtonTypeMask) == kGroupBoxButtonStyle && !(w.exStyle() & WS_EX_TRANSPARENT);
}

// The frame of a group box window at `r`: caption band on top, borders on the other sides.
void excludeGroupBoxFrame(Canvas& target, Window& box, const Rect& r, const SkinModel* model) {
  const int top = static_cast<int>(sendSkinCommand(box, static_cast<SkinCommand>(kGroupBoxCaptionHeightCommand)));
  int left = 0, right = 0, bottom = 0;
  if (model) {
    const int mask = model->FindMaskExact("GROUPBOX", "BORDERSMASK");
    if (model->IsValidMask(mask)) {
      left = model->MaskWidthLeft(mask);
      right = model->MaskWidthRight(mask);
      bottom = model->MaskWidthBottom(mask);
    }
  }
  target.excludeClip({r.left, r.top, r.right, r.top + top});
  target.excludeClip({r.left, r.top, r.left + left, r.bottom});
  target.excludeClip({r.right - right, r.top, r.right, r.bottom});
  target.excludeClip({r.left, r.bottom - bottom, r.right, r.bottom});
}

}  // namespace

void CopyCache(const TWinControl& container, const Bitmap& cache, Point source, Canvas& target, const Rect& targetRect) {
  Canvas::StateSaver saver(target);
  target.intersectClip(targetRect);
  for (const TControl* c : container.controls()) {
    const Rect r = c->boundsRect();
    if (c->isDesigning() || (c->visible() && r.intersects(targetRect) && (!c->isWindowed() || (c->controlStyle() & csOpaque)))) {
      target.excludeClip(r);
    }
  }
  copyFrom(cache, source, target, targetRect);
}

void CopyCacheAroundWindows(const Window& container, const Bitmap& cache, Point source, Canvas& target,
                            const Rect& targetRect, const SkinModel* model) {
  Canvas::StateSaver saver(target);
  target.intersectClip(targetRect);
  for (Window* child : container.children()) {
    if (!child->isVisible()) continue;
    // A child's bounds are in the container's client coordinates.
    const Rect r = child->bounds();
    if (isGroupBoxWindow(*child)) {
      excludeGroupBoxFrame(target, *child, r, model);
    } else {
      target.excludeClip(r);
    }
  }
  copyFrom(cache, source, target, targetRect);
}

}  // namespace tavra
