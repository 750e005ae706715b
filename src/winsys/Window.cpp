#include "winsys/Window.h"

#include <algorithm>

#include "winsys/WindowSystem.h"

namespace tavra {

Window::Window(WindowSystem& system, WindowHandle handle, const WindowParams& p)
    : system_(system),
      handle_(handle),
      className_(p.className),
      text_(p.text),
      style_(p.style & ~WS_VISIBLE),
      exStyle_(p.exStyle),
      classStyle_(p.classStyle),
      bounds_(p.bounds),
      parent_(p.parent),
      proc_(p.proc),
      owner_(p.owner),
      background_(p.background),
      classCursor_(p.cursor) {
  if (!proc_) {
    proc_ = [](Window& w, MessageId m, WParam wp, LParam lp) { return w.system().defWindowProc(w, m, wp, lp); };
  }
  clientRect_ = Rect::fromSize(0, 0, bounds_.width(), bounds_.height());
}

Window::~Window() { system_.windowDestroyed(*this); }

LResult Window::send(MessageId msg, WParam wParam, LParam lParam) { return system_.send(*this, msg, wParam, lParam); }

void Window::post(MessageId msg, WParam wParam, LParam lParam) { system_.post(*this, msg, wParam, lParam); }

WindowProc Window::setProc(WindowProc proc) {
  WindowProc old = std::move(proc_);
  proc_ = std::move(proc);
  return old;
}

Window& Window::topLevel() {
  Window* w = this;
  while (w->parent_) w = w->parent_;
  return *w;
}

bool Window::isAncestorOf(const Window& w) const {
  for (const Window* p = w.parent_; p; p = p->parent_) {
    if (p == this) return true;
  }
  return false;
}

void Window::setStyle(std::uint32_t style) {
  bool wasVisible = isVisible();
  style_ = (style & ~WS_VISIBLE) | (wasVisible ? static_cast<std::uint32_t>(WS_VISIBLE) : 0u);
  recalcFrame();
}

void Window::setExStyle(std::uint32_t exStyle) {
  exStyle_ = exStyle;
  recalcFrame();
}

void Window::setText(const std::string& text) {
  if (text == text_) return;
  send(WM_SETTEXT, 0, reinterpret_cast<LParam>(&text));
}

void Window::recalcFrame() {
  Rect r = Rect::fromSize(0, 0, bounds_.width(), bounds_.height());
  send(WM_NCCALCSIZE, 0, reinterpret_cast<LParam>(&r));
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  clientRect_ = r;
  invalidateFrame();
  invalidate();
}

void Window::setBounds(const Rect& requested) {
  Rect r = requested;
  send(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LParam>(&r));
  if (r == bounds_) return;
  Rect old = bounds_;
  bounds_ = r;
  bool sized = old.size() != r.size();
  if (sized) {
    Rect c = Rect::fromSize(0, 0, r.width(), r.height());
    send(WM_NCCALCSIZE, 0, reinterpret_cast<LParam>(&c));
    if (c.right < c.left) c.right = c.left;
    if (c.bottom < c.top) c.bottom = c.top;
    clientRect_ = c;
  }
  system_.windowBoundsChanged(*this, old);
  send(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LParam>(&bounds_));
  if (old.topLeft() != r.topLeft()) send(WM_MOVE, 0, makeLParam(r.left + clientRect_.left, r.top + clientRect_.top));
  if (sized) send(WM_SIZE, SIZE_RESTORED, makeLParam(clientRect_.width(), clientRect_.height()));
}

void Window::setClientSize(Size s) {
  int dw = bounds_.width() - clientRect_.width();
  int dh = bounds_.height() - clientRect_.height();
  setBounds(Rect::fromSize(bounds_.left, bounds_.top, s.width + dw, s.height + dh));
}

Point Window::screenOrigin() const {
  Point p = bounds_.topLeft();
  for (const Window* a = parent_; a; a = a->parent_) p = p + a->bounds_.topLeft() + a->clientRect_.topLeft();
  return p;
}

Point Window::clientToScreen(Point p) const { return p + screenOrigin() + clientRect_.topLeft(); }

Point Window::screenToClient(Point p) const { return p - screenOrigin() - clientRect_.topLeft(); }

Point Window::offsetInTopLevel() const {
  if (!parent_) return {0, 0};
  Point p = bounds_.topLeft();
  for (const Window* a = parent_; a->parent_; a = a->parent_) p = p + a->bounds_.topLeft() + a->clientRect_.topLeft();
  // The top-level window itself contributes its client offset only.
  const Window* top = this;
  while (top->parent_) top = top->parent_;
  return p + top->clientRect_.topLeft();
}

bool Window::isShowing() const {
  for (const Window* w = this; w; w = w->parent_) {
    if (!w->isVisible() || w->minimized_) return false;
  }
  return true;
}

void Window::show() { system_.windowShownChanged(*this, true, true); }

void Window::showNoActivate() { system_.windowShownChanged(*this, true, false); }

void Window::hide() { system_.windowShownChanged(*this, false, false); }

bool Window::isEnabledWithAncestors() const {
  for (const Window* w = this; w; w = w->parent_) {
    if (!w->isEnabled()) return false;
  }
  return true;
}

void Window::setEnabled(bool enabled) {
  if (enabled == isEnabled()) return;
  if (enabled) style_ &= ~WS_DISABLED;
  else style_ |= WS_DISABLED;
  if (!enabled) {
    // A disabled window loses the focus and the capture.
    Window* f = system_.focus();
    if (f && (f == this || isAncestorOf(*f))) system_.setFocus(parent_ ? &topLevel() : nullptr);
    // A modal box disables the window whose button opened it while that button still holds
    // the mouse: the capture of any window inside goes too, or the box could not be clicked.
    Window* c = system_.capture();
    if (c && (c == this || isAncestorOf(*c))) system_.releaseCapture();
  }
  send(WM_ENABLE, enabled ? 1 : 0, 0);
}

void Window::bringToFront() {
  if (!parent_) {
    system_.backend().windowRaised(*this);
    auto& tops = system_.topLevels_;
    auto it = std::find(tops.begin(), tops.end(), this);
    if (it != tops.end()) {
      tops.erase(it);
      // Topmost windows stay above the others.
      auto pos = tops.end();
      if (!(exStyle_ & WS_EX_TOPMOST)) {
        pos = std::find_if(tops.begin(), tops.end(), [](Window* w) { return (w->exStyle_ & WS_EX_TOPMOST) != 0; });
      }
      tops.insert(pos, this);
    }
    system_.markPresent(*this, Region(Rect::fromSize(0, 0, bounds_.width(), bounds_.height())));
    return;
  }
  auto& sib = parent_->children_;
  auto it = std::find(sib.begin(), sib.end(), this);
  if (it != sib.end() && it + 1 != sib.end()) {
    sib.erase(it);
    sib.push_back(this);
    invalidateFrame();
    invalidate();
  }
}

void Window::setWindowRegion(std::optional<Region> region, Redraw redraw) {
  region_ = std::move(region);
  if (redraw == Redraw::Yes) {
    if (parent_) {
      system_.invalidateUnder(*parent_, bounds_);
    } else {
      system_.markPresent(*this, Region(Rect::fromSize(0, 0, bounds_.width(), bounds_.height())));
    }
    invalidateFrame();
    invalidate();
  }
}

void Window::setOpacity(std::uint8_t opacity) {
  if (opacity == opacity_) return;
  opacity_ = opacity;
  if (!parent_) system_.backend().windowOpacityChanged(*this);
}

void Window::setPerPixelAlpha(bool on) {
  if (on == perPixelAlpha_) return;
  perPixelAlpha_ = on;
  if (!parent_) system_.backend().windowOpacityChanged(*this);
}

void Window::invalidate(Erase erase) { invalidateRect(Rect::fromSize(0, 0, clientRect_.width(), clientRect_.height()), erase); }

void Window::invalidateRect(const Rect& clientRect, Erase erase) { invalidateRegion(Region(clientRect), erase); }

void Window::invalidateRegion(const Region& clientRegion, Erase erase) {
  Region r = clientRegion.translated(clientRect_.left, clientRect_.top);
  r.intersect(clientRect_);
  if (r.isEmpty()) return;
  update_.unite(r);
  system_.maybeInvalid_ = true;
  erasePending_ = erasePending_ || erase == Erase::Yes;
  // A parent that does not clip its children paints over them: they repaint too.
  if (!(style_ & WS_CLIPCHILDREN)) {
    Region client = r.translated(-clientRect_.left, -clientRect_.top);
    for (Window* c : children_) {
      if (!c->isVisible()) continue;
      Region part = client.intersected(c->bounds_);
      if (part.isEmpty()) continue;
      part.translate(-c->bounds_.left, -c->bounds_.top);
      if (!part.subtracted(Region(c->clientRect_)).isEmpty()) {
        c->framePending_ = true;
        system_.maybeInvalid_ = true;
      }
      Region inner = part.translated(-c->clientRect_.left, -c->clientRect_.top);
      c->invalidateRegion(inner, erase);
    }
  }
}

void Window::invalidateFrame() {
  if (clientRect_ == Rect::fromSize(0, 0, bounds_.width(), bounds_.height())) return;
  framePending_ = true;
  system_.maybeInvalid_ = true;
}

void Window::invalidateTree() {
  invalidateFrame();
  invalidate();
  for (Window* c : children_) c->invalidateTree();
}

void Window::validate() {
  update_.clear();
  erasePending_ = false;
}

void Window::update() { system_.paintNow(*this); }

Bitmap& Window::backing() {
  Window& top = topLevel();
  if (!top.backing_) top.backing_ = std::make_unique<Bitmap>(top.bounds_.width(), top.bounds_.height());
  return *top.backing_;
}

}  // namespace tavra
