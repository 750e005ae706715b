// tavra-swf FILE OUT.png [FRAME] [WIDTH HEIGHT]
// Renders frame FRAME (1-based, default 1) of the movie FILE "show all" into a WIDTH × HEIGHT
// picture (default the stage size) and writes it as PNG.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "gfx/Bitmap.h"
#include "gfx/ImageCodec.h"
#include "platform/banner/SwfPlayer.h"

namespace {

constexpr int kMaxFrame = 100000;
constexpr int kMaxSide = 8192;

std::optional<int> parsePositive(std::string_view text, int limit) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size() || value < 1 || value > limit) return std::nullopt;
  return value;
}

int usage() {
  std::fprintf(stderr, "usage: tavra-swf FILE OUT.png [FRAME] [WIDTH HEIGHT]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4 && argc != 5 && argc != 6) return usage();
  std::string file = argv[1];
  std::string out = argv[2];
  int frame = 1;
  std::optional<int> width, height;
  if (argc == 4 || argc == 6) {
    auto f = parsePositive(argv[3], kMaxFrame);
    if (!f) return usage();
    frame = *f;
  }
  if (argc >= 5) {
    width = parsePositive(argv[argc - 2], kMaxSide);
    height = parsePositive(argv[argc - 1], kMaxSide);
    if (!width || !height) return usage();
  }

  tavra::SwfPlayer player;
  if (!player.load(file)) {
    std::fprintf(stderr, "tavra-swf: cannot read %s: %s\n", file.c_str(), player.loadError().c_str());
    return 1;
  }
  tavra::Size stage = player.stageSize();
  int w = width.value_or(stage.width);
  int h = height.value_or(stage.height);
  if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) {
    std::fprintf(stderr, "tavra-swf: %s has a stage of %d x %d pixels; give WIDTH and HEIGHT\n", file.c_str(),
                 stage.width, stage.height);
    return 1;
  }
  for (int i = 1; i < frame; ++i) player.advance();

  tavra::Bitmap bitmap(w, h);
  player.render(bitmap, bitmap.bounds());
  if (!tavra::savePng(bitmap, out)) {
    std::fprintf(stderr, "tavra-swf: cannot write %s\n", out.c_str());
    return 1;
  }
  return 0;
}
