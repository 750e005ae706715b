// The window system's side of showing, hiding, moving and sizing a window: backing bitmaps,
// activation passed on, and what must repaint.
#include "winsys/WindowSystem.h"

#include <memory>

#include "winsys/MinimizedBars.h"

namespace tavra {

void WindowSystem::windowShownChanged(Window& w, bool visible, bool activateIt) {
  if (visible == w.isVisible()) {
    if (visible && w.isTopLevel()) {
      w.bringToFront();
      if (activateIt && !(w.exStyle() & WS_EX_NOACTIVATE)) activate(&w);
    }
    return;
  }
  send(w, WM_SHOWWINDOW, visible ? 1 : 0, 0);
  if (visible) w.style_ |= WS_VISIBLE;
  else w.style_ &= ~WS_VISIBLE;
  Rect whole = Rect::fromSize(0, 0, w.bounds_.width(), w.bounds_.height());
  if (w.isTopLevel()) {
    if (visible) {
      if (!w.backing_ || w.backing_->size() != w.bounds_.size()) w.backing_ = std::make_unique<Bitmap>(w.bounds_.width(), w.bounds_.height());
      w.minimized_ = false;
      backend_->windowShown(w);
      w.bringToFront();
      // Nothing of a hidden window was on screen: it and all its children paint anew.
      w.invalidateTree();
      if (activateIt && !(w.exStyle() & WS_EX_NOACTIVATE) && w.isEnabled()) activate(&w);
    } else {
      backend_->windowHidden(w);
      if (minimizedBars_) minimizedBars_->remove(w.handle());
      if (Window* c = capture(); c && (&c->topLevel() == &w)) releaseCapture();
      if (frameTracking_.window == w.handle()) frameTracking_ = {};
      if (active_ == w.handle()) {
        activate(nullptr);
        for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
          if (*it != &w && (*it)->isShowing() && (*it)->isEnabled() && !((*it)->exStyle() & WS_EX_NOACTIVATE)) {
            activate(*it);
            break;
          }
        }
      }
    }
    return;
  }
  if (visible) {
    w.invalidateFrame();
    w.invalidate();
  } else {
    invalidateUnder(*w.parent_, w.bounds_);
    if (Window* f = focus(); f && (f == &w || w.isAncestorOf(*f))) setFocus(&w.topLevel());
    if (Window* c = capture(); c && (c == &w || w.isAncestorOf(*c))) releaseCapture();
  }
  (void)whole;
}

void WindowSystem::invalidateUnder(Window& parent, const Rect& rect) {
  parent.invalidateRect(rect);
  // Siblings overlapping the area were clipped by what was there: they repaint too.
  for (Window* s : parent.children_) {
    if (!s->isVisible() || !s->bounds_.intersects(rect)) continue;
    Rect part = rect.intersected(s->bounds_).offsetBy(-s->bounds_.left, -s->bounds_.top);
    s->framePending_ = s->framePending_ || !Region(part).subtracted(Region(s->clientRect_)).isEmpty();
    maybeInvalid_ = maybeInvalid_ || s->framePending_;
    s->invalidateRect(part.offsetBy(-s->clientRect_.left, -s->clientRect_.top));
  }
}

void WindowSystem::windowBoundsChanged(Window& w, const Rect& oldBounds) {
  bool sized = oldBounds.size() != w.bounds_.size();
  if (w.isTopLevel()) {
    if (sized && w.backing_) w.backing_ = std::make_unique<Bitmap>(w.bounds_.width(), w.bounds_.height());
    if (w.isVisible()) backend_->windowMovedOrResized(w);
    if (sized) {
      w.invalidateFrame();
      w.invalidate();
    }
    return;
  }
  if (!w.isVisible()) return;
  invalidateUnder(*w.parent_, oldBounds);
  w.invalidateFrame();
  w.invalidate();
}

}  // namespace tavra
