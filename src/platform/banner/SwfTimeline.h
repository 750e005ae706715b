#pragma once
// A playing timeline (the movie's or a placed sprite's): its display list, depth → placed object,
// and its playhead. Entering a frame runs that frame's tags; after the last frame it goes back
// to frame 1 when the timeline loops. Placed sprites own their timelines and play along.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

#include "platform/banner/SwfRecords.h"
#include "platform/banner/SwfTimelineData.h"

namespace tavra {

class SwfMovie;

class SwfTimeline {
 public:
  // Bounds on sprites within sprites and on sprite instances of one player.
  static constexpr int kMaxNesting = 16;
  static constexpr std::size_t kMaxInstances = 4096;

  struct Object {
    std::uint16_t characterId = 0;
    SwfMatrix matrix;
    SwfColorTransform colorTransform;
    std::uint16_t clipDepth = 0;  // a mask for the depths above it up to this one
    std::unique_ptr<SwfTimeline> sprite;  // for sprite characters
  };

  // Shared by the timelines of one player: counts sprite instances.
  struct Context {
    const SwfMovie* movie = nullptr;
    std::size_t instances = 0;
  };

  SwfTimeline(const SwfTimelineData& data, Context& context, int nesting);
  ~SwfTimeline();
  SwfTimeline(const SwfTimeline&) = delete;
  SwfTimeline& operator=(const SwfTimeline&) = delete;

  // 1-based frame number; 0 before the first frame has run.
  int currentFrame() const { return frame_ + 1; }
  int frameCount() const { return static_cast<int>(data_.frames.size()); }
  const std::map<std::uint16_t, Object>& objects() const { return objects_; }

  // Runs frame 1 (the first time) or the next frame; child sprites present before play on too.
  void advance();

 private:
  void enterFrame(std::size_t index);
  void loopBack();
  void place(const SwfPlaceTag& tag);
  void setCharacter(Object& object, std::uint16_t id);

  const SwfTimelineData& data_;
  Context& context_;
  int nesting_ = 0;
  int frame_ = -1;
  std::map<std::uint16_t, Object> objects_;
};

}  // namespace tavra
