#pragma once
// The About window's banner: 480 × 102 pixels, 24 frames per second, three seconds in a loop.
// The course title set from font outlines over a dark gradient; a vibrating string (two standing
// modes, 1.5 s and 1 s periods), ripples spreading from its antinodes (a sprite of three rings
// tinted by colour transforms), a travelling wave along the bottom and the wave equation
// breathing in and out.
#include "SwfBitWriter.h"

namespace tavra::banner {

class BannerMovie {
 public:
  static constexpr int kWidth = 480;
  static constexpr int kHeight = 102;
  static constexpr int kFramesPerSecond = 24;
  static constexpr int kFrames = 72;

  // The file's bytes; the same every time on the same fonts.
  static Bytes build();
};

}  // namespace tavra::banner
