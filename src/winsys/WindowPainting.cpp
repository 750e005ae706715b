// Device contexts, painting in the platform's order, visible regions, presentation, screen capture.
#include "winsys/WindowSystem.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <tuple>

#include "base/Text.h"
#include "winsys/ClassicFrame.h"
#include "winsys/Keys.h"
#include "winsys/SystemMetrics.h"
#include "winsys/WindowSystemDetail.h"

namespace tavra {

using namespace windowsystem_detail;

// --- Device contexts -------------------------------------------------------------------------

DeviceContext::DeviceContext(WindowSystem& system, Window& window, bool wholeWindow, const Region* limit)
    : system_(system), window_(window) {
  deviceVisible_ = system.visibleRegion(window, wholeWindow, (window.style() & WS_CLIPCHILDREN) != 0);
  if (limit) deviceVisible_.intersect(*limit);
  Point origin = window.offsetInTopLevel();
  if (!wholeWindow) origin = origin + window.clientRect().topLeft();
  canvas_ = std::make_unique<Canvas>(window.backing());
  canvas_->setOrigin(origin);
  canvas_->setClipRegion(deviceVisible_.translated(-origin.x, -origin.y));
  canvas_->setFont(systemFont());
}

DeviceContext::~DeviceContext() {
  canvas_.reset();
  if (!deviceVisible_.isEmpty() && system_.find(window_.handle())) system_.markPresent(window_.topLevel(), deviceVisible_);
}


std::unique_ptr<DeviceContext> WindowSystem::getDC(Window& w) {
  return std::unique_ptr<DeviceContext>(new DeviceContext(*this, w, false, nullptr));
}

std::unique_ptr<DeviceContext> WindowSystem::getWindowDC(Window& w) {
  return std::unique_ptr<DeviceContext>(new DeviceContext(*this, w, true, nullptr));
}

PaintScope WindowSystem::beginPaint(Window& w) {
  Region update = w.update_.intersected(w.clientRect_);
  bool erase = w.erasePending_;
  w.update_.clear();
  w.erasePending_ = false;
  Point off = w.offsetInTopLevel();
  Region device = update.translated(off.x, off.y);
  PaintScope scope;
  scope.dc = std::unique_ptr<DeviceContext>(new DeviceContext(*this, w, false, &device));
  scope.paintRect = update.bounds().offsetBy(-w.clientRect_.left, -w.clientRect_.top);
  scope.eraseFailed = w.eraseFailed_;
  w.eraseFailed_ = false;
  if (erase && !update.isEmpty()) scope.eraseFailed = send(w, WM_ERASEBKGND, reinterpret_cast<WParam>(&scope.dc->canvas()), 0) == 0;
  return scope;
}

void WindowSystem::paintTree(Window& w) {
  if (!w.isShowing()) return;
  WindowHandle h = w.handle();
  if (w.framePending_) {
    w.framePending_ = false;
    if (w.clientRect_ != Rect::fromSize(0, 0, w.bounds_.width(), w.bounds_.height())) send(w, WM_NCPAINT, 1, 0);
    if (!find(h)) return;
  }
  if (!w.update_.isEmpty()) {
    if (w.update_.intersected(w.clientRect_).isEmpty()) {
      w.validate();
    } else {
      // The background is erased before the paint, over the update region only.
      if (w.erasePending_) {
        w.erasePending_ = false;
        Point off = w.offsetInTopLevel();
        Region device = w.update_.intersected(w.clientRect_).translated(off.x, off.y);
        DeviceContext dc(*this, w, false, &device);
        if (send(w, WM_ERASEBKGND, reinterpret_cast<WParam>(&dc.canvas()), 0) == 0) w.eraseFailed_ = true;
        if (!find(h)) return;
      }
      send(w, WM_PAINT, 0, 0);
      if (!find(h)) return;
      // A handler that did not begin painting leaves nothing invalid behind.
      if (!w.update_.isEmpty()) {
        PaintScope scope = beginPaint(w);
      }
    }
  }
  for (Window* c : std::vector(w.children_)) {
    if (find(c->handle())) paintTree(*c);
  }
}

void WindowSystem::paintPending() {
  for (Window* top : std::vector(topLevels_)) {
    if (find(top->handle()) && top->isShowing() && top->redraw_) paintTree(*top);
  }
}

void WindowSystem::paintNow(Window& w) {
  Window& top = w.topLevel();
  if (top.isShowing()) paintTree(w.isShowing() ? w : top);
  presentPending();
}

Region WindowSystem::visibleRegion(const Window& w, bool wholeWindow, bool clipChildren) const {
  if (!w.isShowing()) return {};
  Point off = w.offsetInTopLevel();
  Rect r = wholeWindow ? Rect::fromSize(off.x, off.y, w.bounds_.width(), w.bounds_.height()) : w.clientRect_.offsetBy(off);
  Region reg(r);
  if (w.region_) reg.intersect(w.region_->translated(off.x, off.y));
  const Window* child = &w;
  for (const Window* a = w.parent_; a; child = a, a = a->parent_) {
    Point aoff = a->offsetInTopLevel();
    reg.intersect(a->clientRect_.offsetBy(aoff));
    if (a->region_) reg.intersect(a->region_->translated(aoff.x, aoff.y));
    if (child->style_ & WS_CLIPSIBLINGS) {
      auto it = std::find(a->children_.begin(), a->children_.end(), child);
      for (++it; it < a->children_.end(); ++it) {
        const Window* s = *it;
        if (!s->isVisible()) continue;
        Point soff = aoff + a->clientRect_.topLeft() + s->bounds_.topLeft();
        Region sr(Rect::fromSize(soff.x, soff.y, s->bounds_.width(), s->bounds_.height()));
        if (s->region_) sr.intersect(s->region_->translated(soff.x, soff.y));
        reg.subtract(sr);
      }
    }
  }
  if (clipChildren) {
    for (const Window* c : w.children_) {
      if (!c->isVisible()) continue;
      Point coff = off + w.clientRect_.topLeft() + c->bounds_.topLeft();
      Region cr(Rect::fromSize(coff.x, coff.y, c->bounds_.width(), c->bounds_.height()));
      if (c->region_) cr.intersect(c->region_->translated(coff.x, coff.y));
      reg.subtract(cr);
    }
  }
  return reg;
}

void WindowSystem::markPresent(Window& topLevel, const Region& region) { presentPending_[topLevel.handle()].unite(region); }

void WindowSystem::presentPending() {
  if (presentPending_.empty()) return;
  auto pending = std::move(presentPending_);
  presentPending_.clear();
  for (auto& [handle, region] : pending) {
    Window* w = find(handle);
    if (!w || !w->isShowing() || region.isEmpty()) continue;
    backend_->present(*w, w->backing(), region);
  }
}

Bitmap WindowSystem::captureScreen(const Rect& screenRect) const {
  Bitmap out(screenRect.width(), screenRect.height());
  out.fill(pixelFromColor(systemColorValue(static_cast<int>(SysColor::Desktop))));
  for (Window* w : topLevels_) {
    if (!w->isShowing() || !w->backing_) continue;
    const Bitmap& src = *w->backing_;
    Rect dst = w->bounds_.intersected(screenRect);
    if (dst.isEmpty()) continue;
    Region visible(dst);
    if (w->region_) visible.intersect(w->region_->translated(w->bounds_.left, w->bounds_.top));
    unsigned opacity = w->opacity_;
    for (const Rect& part : visible.rects()) {
      for (int y = part.top; y < part.bottom; ++y) {
        const Pixel* s = src.row(y - w->bounds_.top) + (part.left - w->bounds_.left);
        Pixel* d = out.row(y - screenRect.top) + (part.left - screenRect.left);
        for (int x = 0; x < part.width(); ++x) {
          Pixel sp = s[x];
          unsigned a = opacity;
          if (w->perPixelAlpha_) a = a * alphaOf(sp) / 255;
          if (a == 255 && !w->perPixelAlpha_) {
            d[x] = sp | 0xFF000000u;
            continue;
          }
          Pixel dp = d[x];
          unsigned out_[3];
          for (int ch = 0; ch < 3; ++ch) {
            unsigned sc = (sp >> (ch * 8)) & 0xFF;
            unsigned dc = (dp >> (ch * 8)) & 0xFF;
            // Per-pixel alpha sources are premultiplied; plain ones are scaled by the opacity.
            unsigned v = w->perPixelAlpha_ ? (sc * opacity / 255 + dc * (255 - a) / 255) : (sc * a + dc * (255 - a) + 127) / 255;
            out_[ch] = std::min(v, 255u);
          }
          d[x] = 0xFF000000u | (out_[2] << 16) | (out_[1] << 8) | out_[0];
        }
      }
    }
  }
  return out;
}

}  // namespace tavra
