#include "platform/banner/SwfTimeline.h"

#include <type_traits>
#include <variant>
#include <vector>

#include "platform/banner/SwfMovie.h"

namespace tavra {

SwfTimeline::SwfTimeline(const SwfTimelineData& data, Context& context, int nesting)
    : data_(data), context_(context), nesting_(nesting) {
  ++context_.instances;
}

SwfTimeline::~SwfTimeline() { --context_.instances; }

void SwfTimeline::advance() {
  // Sprites already on the list play their next frame; sprites placed by this frame's tags run
  // their own frame 1 when placed.
  for (auto& [depth, object] : objects_) {
    if (object.sprite) object.sprite->advance();
  }
  if (data_.frames.empty()) return;
  if (frame_ < 0) {
    enterFrame(0);
  } else if (static_cast<std::size_t>(frame_) + 1 < data_.frames.size()) {
    enterFrame(static_cast<std::size_t>(frame_) + 1);
  } else if (data_.loops) {
    loopBack();
  }
}

void SwfTimeline::enterFrame(std::size_t index) {
  frame_ = static_cast<int>(index);
  for (const SwfControlTag& tag : data_.frames[index]) {
    std::visit(
        [&](const auto& t) {
          using T = std::decay_t<decltype(t)>;
          if constexpr (std::is_same_v<T, SwfPlaceTag>) {
            place(t);
          } else {
            objects_.erase(t.depth);
          }
        },
        tag);
  }
}

// Back to frame 1: objects at depths frame 1 does not place go; objects frame 1 places with the
// same character stay (a sprite keeps its playhead) and take frame 1's matrix and colour
// transform; then frame 1's tags run.
void SwfTimeline::loopBack() {
  std::map<std::uint16_t, const SwfPlaceTag*> firstPlaces;
  for (const SwfControlTag& tag : data_.frames[0]) {
    if (const auto* p = std::get_if<SwfPlaceTag>(&tag); p && p->characterId) firstPlaces[p->depth] = p;
  }
  for (auto it = objects_.begin(); it != objects_.end();) {
    auto found = firstPlaces.find(it->first);
    if (found == firstPlaces.end() || *found->second->characterId != it->second.characterId) {
      it = objects_.erase(it);
      continue;
    }
    it->second.matrix = found->second->matrix.value_or(SwfMatrix{});
    it->second.colorTransform = found->second->colorTransform.value_or(SwfColorTransform{});
    ++it;
  }
  enterFrame(0);
}

void SwfTimeline::place(const SwfPlaceTag& tag) {
  auto it = objects_.find(tag.depth);
  if (!tag.move) {
    // A new placement needs a character and a free depth.
    if (!tag.characterId || it != objects_.end()) return;
    Object& object = objects_[tag.depth];
    object.matrix = tag.matrix.value_or(SwfMatrix{});
    object.colorTransform = tag.colorTransform.value_or(SwfColorTransform{});
    object.clipDepth = tag.clipDepth;
    setCharacter(object, *tag.characterId);
    return;
  }
  if (it == objects_.end()) {
    if (!tag.characterId) return;
    it = objects_.emplace(tag.depth, Object{}).first;
  }
  Object& object = it->second;
  if (tag.clipDepth != 0) object.clipDepth = tag.clipDepth;
  if (tag.matrix) object.matrix = *tag.matrix;
  if (tag.colorTransform) object.colorTransform = *tag.colorTransform;
  if (tag.characterId && *tag.characterId != object.characterId) setCharacter(object, *tag.characterId);
}

void SwfTimeline::setCharacter(Object& object, std::uint16_t id) {
  object.sprite.reset();
  object.characterId = id;
  const SwfSprite* sprite = context_.movie->sprite(id);
  if (!sprite || nesting_ + 1 >= kMaxNesting || context_.instances >= kMaxInstances) return;
  object.sprite = std::make_unique<SwfTimeline>(sprite->timeline, context_, nesting_ + 1);
  object.sprite->advance();
}

}  // namespace tavra
