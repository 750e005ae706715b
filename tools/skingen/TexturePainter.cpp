#include "TexturePainter.h"

#include <algorithm>
#include <cmath>

namespace tavra::skingen {
namespace {

std::uint32_t hash(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

double wrap(double v, double period) { return v - std::floor(v / period) * period; }

}  // namespace

double TexturePainter::noise(int x, int y, int salt) const {
  const std::uint32_t h = hash(static_cast<std::uint32_t>(x) * 73856093U ^ static_cast<std::uint32_t>(y) * 19349663U ^
                               static_cast<std::uint32_t>(seed_) * 83492791U ^ static_cast<std::uint32_t>(salt) * 2654435761U);
  return (h & 0xFFFFFF) / 16777216.0;
}

double TexturePainter::smoothNoise(double x, double y, int period, int salt) const {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const double fx = x - x0, fy = y - y0;
  auto at = [&](int xi, int yi) { return noise(((xi % period) + period) % period, ((yi % period) + period) % period, salt); };
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
  const double b = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
  return a + (b - a) * sy;
}

int TexturePainter::tileSize(Texture texture) {
  switch (texture) {
    case Texture::Rhombus: return 16;
    case Texture::Gauze: return 8;
    case Texture::Pinstripe: return 4;
    case Texture::Scanlines: return 4;
    case Texture::Rivets: return 32;
    case Texture::Stripes: return 24;
    case Texture::Hexagons: return 24;
    case Texture::Bubbles: return 48;
    default: return 64;
  }
}

Tile TexturePainter::draw(Texture texture, const Rgb& base, int width, int height) const {
  Tile tile{width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height))};
  const Rgb light = base.lighter(0.35), dark = base.darker(0.25);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Rgb c = base;
      switch (texture) {
        case Texture::None: break;
        case Texture::Rhombus: {
          // Diamonds of 16 pixels: two tones, a light edge on the upper sides, a dark one below.
          const int px = x % 16, py = y % 16;
          const int dx = std::abs(px - 8), dy = std::abs(py - 8);
          const int d = dx + dy;
          const bool inner = d < 7;
          c = inner ? base.lighter(0.08) : base.darker(0.06);
          if (d == 7 || d == 8) c = py < 8 ? base.lighter(0.3) : base.darker(0.22);
          if (d == 3 && inner) c = base.mix(d_.accent, 0.25);
          break;
        }
        case Texture::Gauze: {
          const bool warp = x % 4 == 0, weft = y % 4 == 0;
          c = warp && weft ? base.darker(0.18) : warp || weft ? base.darker(0.08) : base.lighter(0.06);
          break;
        }
        case Texture::Sand: {
          const double n = noise(x % width, y % height, 1);
          const double m = smoothNoise(x / 8.0, y / 8.0, width / 8, 2);
          c = base.mix(n > 0.5 ? light : dark, std::abs(n - 0.5) * 0.5 + (m - 0.5) * 0.2);
          break;
        }
        case Texture::Brushed: {
          const double streak = smoothNoise(x / 32.0, y, std::max(1, width / 32), 3);
          const double fine = noise(x, y, 4);
          c = base.mix(streak > 0.5 ? light : dark, std::abs(streak - 0.5) * 0.6 + (fine - 0.5) * 0.06);
          break;
        }
        case Texture::Pinstripe: c = y % 2 == 0 ? base.lighter(0.25) : base.darker(0.04); break;
        case Texture::Scanlines: c = y % 2 == 0 ? base : base.lighter(0.06); break;
        case Texture::Wood: {
          // Growth rings bent by noise, with fine fibres along the grain.
          const double warp = smoothNoise(x / 16.0, y / 16.0, std::max(1, width / 16), 5) * 6;
          const double rings = std::sin((y + warp * 3 + smoothNoise(x / 64.0, 0, std::max(1, width / 64), 6) * 8) * 2 * M_PI / 12.0);
          const double fibre = noise(x / 3, y, 7);
          c = base.mix(rings > 0 ? base.darker(0.3) : base.lighter(0.12), std::abs(rings) * 0.6).mix(dark, fibre * 0.12);
          break;
        }
        case Texture::Parchment: {
          const double m = smoothNoise(x / 16.0, y / 16.0, std::max(1, width / 16), 8) * 0.6 + smoothNoise(x / 4.0, y / 4.0, std::max(1, width / 4), 9) * 0.4;
          c = base.mix(m > 0.5 ? base.lighter(0.3) : Rgb{150, 110, 60}, std::abs(m - 0.5) * 0.7);
          break;
        }
        case Texture::Rivets: {
          const double n = noise(x, y, 10);
          c = base.mix(n > 0.5 ? light : dark, std::abs(n - 0.5) * 0.12);
          const int px = x % 32, py = y % 32;
          if (px == 0 || py == 0) c = base.darker(0.35);
          if (px == 1 || py == 1) c = base.lighter(0.2);
          const double dr = std::hypot(px - 6.0, py - 6.0);
          if (dr < 2.8) c = base.lighter(0.45).mix(base.darker(0.4), (px + py - 12) / 6.0 + 0.5);
          break;
        }
        case Texture::Stripes: {
          const int band = ((x + y) / 8) % 3;
          c = band == 0 ? Rgb{250, 170, 205} : band == 1 ? Rgb{250, 240, 150} : Rgb{170, 235, 200};
          c = c.mix(base, 0.35);
          break;
        }
        case Texture::Ice: {
          const double m = smoothNoise(x / 8.0, y / 8.0, std::max(1, width / 8), 11);
          const double streak = smoothNoise((x + y) / 16.0, (x - y) / 64.0, std::max(1, width / 16), 12);
          c = base.mix(Rgb{255, 255, 255}, m * 0.35 + streak * 0.15);
          break;
        }
        case Texture::Bubbles: {
          c = base;
          const double cx[] = {12, 34, 26, 42}, cy[] = {14, 10, 34, 40}, rr[] = {8, 5, 10, 4};
          for (int i = 0; i < 4; ++i) {
            const double dx = wrap(x - cx[i] + 24, 48) - 24, dy = wrap(y - cy[i] + 24, 48) - 24;
            const double dd = std::hypot(dx, dy);
            if (dd < rr[i]) c = c.mix(Rgb{255, 255, 255}, 0.12 + 0.4 * std::pow(dd / rr[i], 4));
            const double hx = dx + rr[i] * 0.35, hy = dy + rr[i] * 0.35;
            if (std::hypot(hx, hy) < rr[i] * 0.25) c = c.mix(Rgb{255, 255, 255}, 0.6);
          }
          break;
        }
        case Texture::Lacquer: {
          const double m = smoothNoise(x / 16.0, y / 16.0, std::max(1, width / 16), 13);
          c = base.mix(base.lighter(0.2), m * 0.5);
          if (m > 0.72 && m < 0.75) c = c.mix(Rgb{220, 170, 60}, 0.6);
          break;
        }
        case Texture::Grain: {
          const double n = noise(x, y, 14);
          c = base.mix(n > 0.5 ? light : dark, std::abs(n - 0.5) * 0.2);
          break;
        }
        case Texture::Snow: {
          const double m = smoothNoise(x / 16.0, y / 16.0, std::max(1, width / 16), 15);
          c = base.mix(Rgb{255, 255, 255}, m * 0.3);
          if (noise(x, y, 16) > 0.985) c = Rgb{255, 255, 255}.darker(0.02);
          break;
        }
        case Texture::Hexagons: {
          // Facets: three tones by the nearest of three lattice directions.
          const double u = x / 24.0 * 2 * M_PI, v = y / 24.0 * 2 * M_PI;
          const double a = std::cos(u), b = std::cos(u / 2 + v), e = std::cos(u / 2 - v);
          const double m = std::max({a, b, e});
          c = m == a ? base.lighter(0.18) : m == b ? base : base.darker(0.18);
          if (m < 0.55) c = base.darker(0.35);
          break;
        }
      }
      tile.pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = c.argb(255);
    }
  }
  return tile;
}

PixelBlock TexturePainter::opaque(const Tile& tile) {
  PixelBlock block{tile.width, tile.height, {}};
  block.pixels.reserve(tile.pixels.size());
  for (std::uint32_t p : tile.pixels) {
    std::uint32_t rgb = p & 0xFFFFFF;
    if (rgb == kMagenta) rgb = 0xFE00FF;
    block.pixels.push_back(rgb);
  }
  return block;
}

PixelBlock TexturePainter::alphaMask(const Tile& tile, const Rgb& base) {
  PixelBlock block{tile.width, tile.height * 2, {}};
  block.pixels.assign(static_cast<size_t>(block.width) * static_cast<size_t>(block.height), 0);
  for (int y = 0; y < tile.height; ++y) {
    for (int x = 0; x < tile.width; ++x) {
      std::uint32_t p = tile.pixels[static_cast<size_t>(y) * static_cast<size_t>(tile.width) + static_cast<size_t>(x)] & 0xFFFFFF;
      const double dr = ((p >> 16) & 0xFF) - base.r, dg = ((p >> 8) & 0xFF) - base.g, db = (p & 0xFF) - base.b;
      const double distance = std::min(1.0, std::sqrt(dr * dr + dg * dg + db * db) / 48.0);
      // What does not stand out of the base lets the background through.
      const auto m = static_cast<std::uint32_t>(std::lround(255 * (1 - distance)));
      if (p == kMagenta) p = 0xFE00FF;
      block.at(x, y) = p;
      block.at(x, y + tile.height) = (m << 16) | (m << 8) | m;
    }
  }
  return block;
}

}  // namespace tavra::skingen
