// Moving and sizing a top-level window after the system menu's "Move" or "Size": the arrows move
// the window (or the edges they pick) by 8 pixels, the mouse moves it once it moves, Enter or a
// click keeps the new place, Esc puts the window back where it was.
#include <algorithm>

#include "winsys/Keys.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

constexpr int kKeyStep = 8;
constexpr int kMinWidth = 112;
constexpr int kMinHeight = 27;

// `r` with the picked edges moved by `d`, never below the smallest size.
Rect movedEdges(Rect r, int edgeX, int edgeY, Point d) {
  if (edgeX < 0) r.left = std::min(r.left + d.x, r.right - kMinWidth);
  if (edgeX > 0) r.right = std::max(r.right + d.x, r.left + kMinWidth);
  if (edgeY < 0) r.top = std::min(r.top + d.y, r.bottom - kMinHeight);
  if (edgeY > 0) r.bottom = std::max(r.bottom + d.y, r.top + kMinHeight);
  return r;
}

}  // namespace

void WindowSystem::startKeyboardTracking(Window& w, WParam command) {
  if (frameTracking_.window || !w.isTopLevel() || w.isMinimized() || !w.isVisible()) return;
  const bool sizing = command == SC_SIZE;
  if (sizing && !(w.style() & WS_THICKFRAME)) return;
  frameTracking_ = FrameTracking{};
  frameTracking_.window = w.handle();
  frameTracking_.hit = sizing ? HTNOWHERE : HTCAPTION;
  frameTracking_.startScreen = cursor_;
  frameTracking_.startBounds = w.bounds();
  frameTracking_.keyboard = true;
  backend_->setCursorCapture(true);
  send(w, WM_ENTERSIZEMOVE, 0, 0);
}

void WindowSystem::endKeyboardTracking(Window& w) {
  frameTracking_ = {};
  backend_->setCursorCapture(false);
  send(w, WM_EXITSIZEMOVE, 0, 0);
}

bool WindowSystem::trackKeyboard(const InputEvent& ev) {
  Window* w = find(frameTracking_.window);
  if (!w) {
    frameTracking_ = {};
    return false;
  }
  // Every key belongs to the move while it lasts; only presses act.
  if (ev.kind != InputEvent::Kind::KeyDown) return true;
  FrameTracking& t = frameTracking_;
  Point d;
  switch (ev.key) {
    case VK_RETURN: endKeyboardTracking(*w); return true;
    case VK_ESCAPE:
      w->setBounds(t.startBounds);
      endKeyboardTracking(*w);
      return true;
    case VK_LEFT: d = {-kKeyStep, 0}; break;
    case VK_RIGHT: d = {kKeyStep, 0}; break;
    case VK_UP: d = {0, -kKeyStep}; break;
    case VK_DOWN: d = {0, kKeyStep}; break;
    default: return true;
  }
  t.anchored = false;
  if (t.hit == HTCAPTION) {
    w->setBounds(w->bounds().offsetBy(d));
    return true;
  }
  // Sizing: the first arrow along an axis picks the edge it points to; the next ones move it.
  if (d.x != 0 && t.edgeX == 0) {
    t.edgeX = d.x < 0 ? -1 : 1;
    return true;
  }
  if (d.y != 0 && t.edgeY == 0) {
    t.edgeY = d.y < 0 ? -1 : 1;
    return true;
  }
  w->setBounds(movedEdges(w->bounds(), t.edgeX, t.edgeY, d));
  return true;
}

bool WindowSystem::trackKeyboardMouse(const InputEvent& ev, Window& w) {
  using K = InputEvent::Kind;
  FrameTracking& t = frameTracking_;
  if (ev.kind == K::MouseDown) {
    endKeyboardTracking(w);
    return true;
  }
  if (ev.kind != K::MouseMove) return true;
  if (!t.anchored) {
    t.anchored = true;
    t.anchor = ev.screen;
    t.anchorBounds = w.bounds();
    return true;
  }
  const Point d = ev.screen - t.anchor;
  if (t.hit == HTCAPTION) w.setBounds(t.anchorBounds.offsetBy(d));
  else w.setBounds(movedEdges(t.anchorBounds, t.edgeX, t.edgeY, d));
  return true;
}

}  // namespace tavra
