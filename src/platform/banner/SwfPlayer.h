#pragma once
// Plays a movie: holds the loaded SwfMovie and the root timeline's display list, steps one frame
// at a time and renders the current frame "show all" (scaled to fit, centred, the rest of the
// rectangle in the background colour), antialiased. It owns no window and no timer: the control
// that shows it calls advance() every frameIntervalMs() and render() when it paints.
//
// Without a movie (nothing loaded, or a missing or damaged file) the player renders only its
// background: white.
#include <cairo.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "platform/banner/SwfDrawList.h"
#include "platform/banner/SwfMovie.h"
#include "platform/banner/SwfTimeline.h"

namespace tavra {

// What one render draws: by default everything. A pass can stop at an area (device pixels: only
// the shapes that touch it, clipped to it), take only the root timeline's depths in
// [fromDepth, toDepth), and leave out the background colour (drawing over an earlier pass).
struct SwfRenderPass {
  const Region* area = nullptr;
  int fromDepth = 0;
  int toDepth = 0x10000;
  bool background = true;
};

class SwfPlayer {
 public:
  // The shortest timer interval of the window system.
  static constexpr int kMinFrameIntervalMs = 10;

  SwfPlayer();
  ~SwfPlayer();
  SwfPlayer(const SwfPlayer&) = delete;
  SwfPlayer& operator=(const SwfPlayer&) = delete;

  // Loads a movie and enters its frame 1. On failure the player is left empty and the reason is
  // kept in loadError().
  bool load(const std::string& path);
  bool loadFromBytes(std::span<const std::uint8_t> bytes);
  void setMovie(std::shared_ptr<const SwfMovie> movie);
  void clear();

  bool hasMovie() const { return movie_ != nullptr; }
  const std::string& loadError() const { return loadError_; }
  const SwfMovie* movie() const { return movie_.get(); }

  double frameRate() const;       // frames per second (1..60); 12 without a movie
  int frameIntervalMs() const;    // 1000 / frameRate, at least kMinFrameIntervalMs
  Size stageSize() const;         // pixels; 0 × 0 without a movie
  Color backgroundColor() const;  // 0x00BBGGRR; white unless the movie sets one
  int frameCount() const;         // frames of the root timeline
  int currentFrame() const;       // 1-based; 0 without a movie

  // One tick: the root timeline enters its next frame (back to 1 after the last when the movie
  // loops) and every placed sprite plays its next frame.
  void advance();
  // Back to frame 1 with a fresh display list.
  void rewind();

  // Draws the current frame "show all" into `target` (in the context's user space / the
  // bitmap's pixels), clipped to it; a pass draws only part of it.
  void render(cairo_t* cr, const Rect& target, const SwfRenderPass& pass = {}) const;
  void render(Bitmap& bitmap, const Rect& target, const SwfRenderPass& pass = {}) const;

  // Stage twips to the pixels of `target`, "show all"; none without a movie or with an empty stage.
  std::optional<SwfMatrix> stageMatrix(const Rect& target) const;
  // What the current frame draws into `target` (bitmap pixels).
  SwfDrawList drawList(const Rect& target) const;

 private:
  std::shared_ptr<const SwfMovie> movie_;
  std::string loadError_;
  // The context outlives the timelines that count themselves in it.
  std::unique_ptr<SwfTimeline::Context> context_;
  std::unique_ptr<SwfTimeline> root_;
};

}  // namespace tavra
