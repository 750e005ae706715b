// Parses a movie and plays and renders a few frames at a small size.
#include <cstddef>
#include <cstdint>
#include <span>

#include "gfx/Bitmap.h"
#include "platform/banner/SwfPlayer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tavra::SwfPlayer player;
  if (!player.loadFromBytes(std::span<const std::uint8_t>(data, size))) return 0;
  tavra::Bitmap bitmap(48, 24);
  for (int frame = 0; frame < 3; ++frame) {
    player.render(bitmap, bitmap.bounds());
    player.advance();
  }
  return 0;
}
