#include "platform/banner/TShockwaveFlash.h"

#include "framework/core/Form.h"

namespace tavra {

TShockwaveFlash::TShockwaveFlash(TComponent* owner) : TCustomControl(owner) {
  // The movie paints every pixel: no background erase under it.
  controlStyle_ |= csOpaque;
  timer_ = &make<TTimer>();
  timer_->setEnabled(false);
  timer_->setOnTimer([this](TComponent&) { tick(); });
}

void TShockwaveFlash::setMovie(const std::string& path) {
  movie_ = path;
  player_.load(path);
  frame_.clear();
  timer_->setEnabled(false);
  timer_->setInterval(player_.frameIntervalMs());
  Invalidate();
}

void TShockwaveFlash::setPlaying(bool p) {
  if (p == playing_) return;
  playing_ = p;
  if (!p) timer_->setEnabled(false);
  else startIfShowing();
}

void TShockwaveFlash::setLoop(bool l) {
  if (l == loop_) return;
  loop_ = l;
  startIfShowing();
}

bool TShockwaveFlash::atLastFrame() const { return player_.currentFrame() >= player_.frameCount(); }

void TShockwaveFlash::startIfShowing() {
  if (timer_->enabled() || !playing_ || !player_.hasMovie() || player_.frameCount() < 2) return;
  if (!loop_ && atLastFrame()) return;
  if (!showing() || !handleAllocated() || !window()->isShowing()) return;
  timer_->setEnabled(true);
}

void TShockwaveFlash::tick() {
  bool onScreen = showing() && handleAllocated() && window()->isShowing();
  if (!playing_ || !onScreen) {
    timer_->setEnabled(false);
    // Hidden: the remembered frames are let go; the next paint draws the frame whole.
    if (!onScreen) frame_.clear();
    return;
  }
  if (!loop_ && atLastFrame()) {
    timer_->setEnabled(false);
    return;
  }
  player_.advance();
  // Only where the new frame differs is drawn again and repainted.
  Region changed = frame_.update(player_, clientRect().size());
  for (const Rect& r : changed.rects()) window()->invalidateRect(r, Erase::No);
}

void TShockwaveFlash::Paint() {
  frame_.update(player_, clientRect().size());
  canvas()->drawBitmap(clientRect().topLeft(), frame_.bitmap());
  startIfShowing();
}

}  // namespace tavra
