#pragma once
// A parsed movie: the header (stage, frame rate), the definitions by character id (shapes turned
// into paths, sprites with their own timelines) and the root timeline. Immutable once loaded;
// SwfPlayer plays it. Plain (FWS) and zlib-compressed (CWS) files are read; LZMA (ZWS) files are
// refused. Everything read is bounded: unknown tags are skipped, malformed tags dropped, and a
// file cut short keeps what was read before the cut.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/Result.h"
#include "platform/banner/SwfRecords.h"
#include "platform/banner/SwfShape.h"
#include "platform/banner/SwfTimelineData.h"

namespace tavra {

class SwfMovie {
 public:
  // Larger movies (declared uncompressed size) are refused.
  static constexpr std::uint32_t kMaxMovieBytes = 4u * 1024 * 1024;
  // Display-list tags over the whole movie; reading stops at this many.
  static constexpr std::size_t kMaxControlTags = 100000;
  static constexpr std::size_t kMaxFrames = 65535;

  static Result<SwfMovie> fromBytes(std::span<const std::uint8_t> bytes);
  static Result<SwfMovie> fromFile(const std::string& path);

  int version() const { return version_; }
  const SwfRect& stage() const { return stage_; }
  // Frames per second, limited to 1..60.
  double frameRate() const { return frameRate_; }
  // The frame count the header declares; the timeline's frames are what the tags hold.
  int declaredFrameCount() const { return declaredFrameCount_; }
  // The first SetBackgroundColor, if any.
  const std::optional<SwfRgba>& backgroundColor() const { return background_; }
  const SwfTimelineData& timeline() const { return root_; }

  const SwfShape* shape(std::uint16_t id) const;
  const SwfSprite* sprite(std::uint16_t id) const;

 private:
  class TagReader;

  int version_ = 0;
  SwfRect stage_;
  double frameRate_ = 12;
  int declaredFrameCount_ = 0;
  std::optional<SwfRgba> background_;
  SwfTimelineData root_;
  std::unordered_map<std::uint16_t, SwfShape> shapes_;
  std::unordered_map<std::uint16_t, SwfSprite> sprites_;
};

}  // namespace tavra
