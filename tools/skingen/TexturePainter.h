#pragma once
// Procedural textures that tile without seams: rhombus lattices, gauze, sand, brushed metal,
// pinstripes, wood grain, parchment, rivets, candy stripes, frost, bubbles, lacquer, grain,
// scan lines, snow and honeycomb. Noise comes from a hash of the position and the skin's seed,
// so every run draws the same pixels.
#include <cstdint>
#include <vector>

#include "MaskImage.h"
#include "SkinDescription.h"

namespace tavra::skingen {

// Straight-alpha pixels 0xAARRGGBB.
struct Tile {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

class TexturePainter {
 public:
  TexturePainter(const SkinDescription& d, int seed) : d_(d), seed_(seed) {}

  // The skin's texture in `base`'s colours, `width` x `height` (which must be multiples of
  // the texture's period to tile: the sizes the generator asks for are).
  Tile draw(Texture texture, const Rgb& base, int width, int height) const;
  // The natural tile size of a texture.
  static int tileSize(Texture texture);

  // A tile as opaque pixels, or as an alpha mask (picture row over opacity row) whose alpha
  // comes from how far each pixel stands out of `base`.
  static PixelBlock opaque(const Tile& tile);
  static PixelBlock alphaMask(const Tile& tile, const Rgb& base);

 private:
  double noise(int x, int y, int salt) const;                       // 0..1, per pixel
  double smoothNoise(double x, double y, int period, int salt) const;  // 0..1, periodic value noise

  const SkinDescription& d_;
  int seed_;
};

}  // namespace tavra::skingen
