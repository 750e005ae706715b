// The windowed control's children: adding and removing them, finding the one at a point,
// anchoring and aligning them, and painting the windowless ones.
#include "framework/core/WinControl.h"

#include <algorithm>
#include <vector>

namespace tavra {

void TWinControl::insertControl(TControl& c) {
  controls_.push_back(&c);
  if (auto* wc = dynamic_cast<TWinControl*>(&c)) {
    tabList_.push_back(wc);
    if (handleAllocated()) wc->createWindow();
  }
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WParam>(&c), 1);
}

void TWinControl::removeControl(TControl& c) {
  if (captureControl_ == &c) captureControl_ = nullptr;
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &c), controls_.end());
  if (auto* wc = dynamic_cast<TWinControl*>(&c)) {
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), wc), tabList_.end());
    if (!isDestroying()) wc->destroyWindow();
  }
  if (!isDestroying()) Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WParam>(&c), 0);
}

TControl* TWinControl::controlAtPos(Point p, bool allowDisabled, bool windowedToo) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (c->isWindowed() && !windowedToo) continue;
    if (!c->visible() || (!c->enabled() && !allowDisabled)) continue;
    if (!c->boundsRect().contains(p)) continue;
    Point local = p - c->boundsRect().topLeft();
    if (c->Perform(CM_HITTEST, 0, makeLParam(local.x, local.y)) == 0) continue;
    return c;
  }
  return nullptr;
}

void TWinControl::boundsChanged(const Rect& oldBounds) {
  if (window_ && !isTopLevelForm()) window_->setBounds(boundsRect());
  if (oldBounds.size() != boundsRect().size()) {
    // Children anchored to the right or bottom edge follow it.
    int dw = boundsRect().width() - oldBounds.width();
    int dh = boundsRect().height() - oldBounds.height();
    if (!isLoading() && !oldBounds.isEmpty()) {
      for (TControl* c : controls_) {
        if (c->align() != TAlign::alNone) continue;
        unsigned a = c->anchors();
        Rect r = c->boundsRect();
        if (a & akRight) {
          if (a & akLeft) r.right += dw;
          else r = r.offsetBy(dw, 0);
        }
        if (a & akBottom) {
          if (a & akTop) r.bottom += dh;
          else r = r.offsetBy(0, dh);
        }
        if (r != c->boundsRect()) c->setBoundsRect(r);
      }
    }
    AlignControls();
  }
}

void TWinControl::AlignControls() {
  if (aligning_) return;
  aligning_ = true;
  Rect r = clientRect();
  AdjustClientRect(r);
  auto place = [&](TAlign which) {
    std::vector<TControl*> list;
    for (TControl* c : controls_) {
      if (c->align() == which && c->visible()) list.push_back(c);
    }
    std::stable_sort(list.begin(), list.end(), [which](TControl* a, TControl* b) {
      switch (which) {
        case TAlign::alTop: return a->top() < b->top();
        case TAlign::alBottom: return a->top() + a->height() > b->top() + b->height();
        case TAlign::alLeft: return a->left() < b->left();
        case TAlign::alRight: return a->left() + a->width() > b->left() + b->width();
        default: return false;
      }
    });
    for (TControl* c : list) {
      switch (which) {
        case TAlign::alTop:
          c->setBounds(r.left, r.top, r.width(), c->height());
          r.top += c->height();
          break;
        case TAlign::alBottom:
          c->setBounds(r.left, r.bottom - c->height(), r.width(), c->height());
          r.bottom -= c->height();
          break;
        case TAlign::alLeft:
          c->setBounds(r.left, r.top, c->width(), r.height());
          r.left += c->width();
          break;
        case TAlign::alRight:
          c->setBounds(r.right - c->width(), r.top, c->width(), r.height());
          r.right -= c->width();
          break;
        case TAlign::alClient:
          c->setBounds(r.left, r.top, r.width(), r.height());
          break;
        default:
          break;
      }
    }
  };
  place(TAlign::alTop);
  place(TAlign::alBottom);
  place(TAlign::alLeft);
  place(TAlign::alRight);
  place(TAlign::alClient);
  aligning_ = false;
}

void TWinControl::PaintControls(Canvas& canvas, TControl* first) {
  bool started = first == nullptr;
  Rect clip = canvas.clipBox();
  for (TControl* c : std::vector(controls_)) {
    if (!started) {
      started = c == first;
      if (!started) continue;
    }
    if (c->isWindowed() || !c->visible() || !c->boundsRect().intersects(clip)) continue;
    Canvas::StateSaver saver(canvas);
    canvas.translate(c->left(), c->top());
    canvas.intersectClip(Rect::fromSize(0, 0, c->width(), c->height()));
    canvas.setFont(c->font());
    c->Perform(WM_PAINT, reinterpret_cast<WParam>(&canvas), 0);
  }
}

}  // namespace tavra
