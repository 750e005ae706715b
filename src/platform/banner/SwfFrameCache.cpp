#include "platform/banner/SwfFrameCache.h"

#include <algorithm>
#include <cstring>

#include "platform/banner/SwfPlayer.h"

namespace tavra {
namespace {

// A shape that can go into the underlay: straight on the root timeline, not a mask, not masked.
bool isPlainRootShape(const SwfDrawList::Item& item) { return item.key.size() == 1 && !item.mask && item.masks.empty(); }

void copyRects(const Bitmap& from, Bitmap& to, const Region& area) {
  for (const Rect& r : area.rects()) {
    for (int y = r.top; y < r.bottom; ++y) {
      std::memcpy(to.row(y) + r.left, from.row(y) + r.left, static_cast<std::size_t>(r.width()) * sizeof(Pixel));
    }
  }
}

}  // namespace

void SwfFrameCache::clear() {
  valid_ = false;
  shown_ = {};
  movie_ = nullptr;
  dropUnderlay();
  memory_.clear();
}

void SwfFrameCache::dropUnderlay() {
  underlay_ = Bitmap();
  underlayItems_.clear();
  underlayTop_ = 0;
}

bool SwfFrameCache::underlayHolds(const SwfDrawList& now) const {
  const auto& items = now.items();
  if (items.size() < underlayItems_.size()) return false;
  for (std::size_t i = 0; i < underlayItems_.size(); ++i) {
    if (items[i].key != underlayItems_[i].key || !items[i].drawsSameAs(underlayItems_[i])) return false;
  }
  // Nothing new drawn between the underlay's shapes.
  return items.size() == underlayItems_.size() || items[underlayItems_.size()].key.front() >= underlayTop_;
}

void SwfFrameCache::buildUnderlay(const SwfPlayer& player, const SwfDrawList& now, const Rect& all) {
  // The bottom shapes that the last frame drew the same way.
  const auto& before = shown_.items();
  const auto& items = now.items();
  std::size_t count = 0;
  while (count < items.size() && count < before.size() && isPlainRootShape(items[count]) &&
         items[count].key == before[count].key && items[count].drawsSameAs(before[count])) {
    ++count;
  }
  if (count == 0) return;
  underlayItems_.assign(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(count));
  underlayTop_ = underlayItems_.back().key.front() + 1;
  underlay_ = Bitmap(all.width(), all.height());
  player.render(underlay_, all, {.toDepth = underlayTop_});
}

Region SwfFrameCache::update(const SwfPlayer& player, Size size) {
  if (size.width <= 0 || size.height <= 0) {
    frame_ = Bitmap();
    clear();
    return {};
  }
  Rect all = Rect::fromSize(0, 0, size.width, size.height);
  SwfDrawList now = player.drawList(all);
  Region changed;
  if (!valid_ || frame_.size() != size || movie_ != player.movie()) {
    if (frame_.size() != size) frame_ = Bitmap(size.width, size.height);
    dropUnderlay();
    memory_.clear();
    changed = Region(all);
  } else {
    changed = shown_.changedTo(now);
    changed.intersect(all);
    if (!underlayItems_.empty() && !underlayHolds(now)) dropUnderlay();
    if (underlayItems_.empty() && !changed.isEmpty()) buildUnderlay(player, now, all);
  }
  std::size_t hash = now.hash();
  if (changed.isEmpty()) {
    // Nothing to draw.
  } else if (const Bitmap* kept = memory_.find(now, hash)) {
    copyRects(*kept, frame_, changed);
  } else {
    // One rectangle at a time: cairo draws under a single-rectangle clip as it draws the whole
    // picture, while a clip of many rectangles takes another path that rounds differently.
    for (const Rect& r : changed.rects()) {
      Region part(r);
      if (underlayItems_.empty()) {
        player.render(frame_, all, {.area = &part});
      } else {
        copyRects(underlay_, frame_, part);
        player.render(frame_, all, {.area = &part, .fromDepth = underlayTop_, .background = false});
      }
    }
    memory_.keep(now, hash, frame_);
  }
  shown_ = std::move(now);
  movie_ = player.movie();
  valid_ = true;
  return changed;
}

}  // namespace tavra
