#pragma once
// The pictures of one mask before they go into the skin: `frames` frames side by side, each
// drawn with cairo into two layers of the same size: the paint (what the mask shows, with
// antialiased alpha) and the shape (where the control is: pixels outside it show the parent).
// Rendered either keyed (one row of frames, magenta outside the shape, paint composed over a
// matte colour per frame) or as an alpha mask (a row of pictures over a row of opacities).
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "Rgb.h"
#include "SkinDescription.h"

namespace tavra::skingen {

// Pixels 0x00RRGGBB, rows top to bottom; 0xFF00FF is the transparent magenta.
struct PixelBlock {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
};

inline constexpr std::uint32_t kMagenta = 0xFF00FF;

class MaskImage {
 public:
  MaskImage(int frameWidth, int frameHeight, int frames);

  int frameWidth() const { return frameWidth_; }
  int frameHeight() const { return frameHeight_; }
  int frames() const { return frames_; }

  // Draws frame `index`: `paint` receives the paint layer, `shape` the shape layer, each a cairo
  // context whose origin is the frame's top-left corner.
  void drawFrame(int index, const std::function<void(cairo_t* paint, cairo_t* shape)>& draw);

  // The frame turned for tabs on other sides: 0 as drawn, 1 flipped upside down, 2 turned a
  // quarter to the left, 3 a quarter to the right (frames must be square for 2 and 3).
  MaskImage turned(int how) const;

  PixelBlock keyed(std::span<const Rgb> mattes) const;
  PixelBlock alpha() const;
  PixelBlock render(MaskKind kind, std::span<const Rgb> mattes) const { return kind == MaskKind::Keyed ? keyed(mattes) : alpha(); }
  // 32-bit pixels with straight alpha (0xAARRGGBB), for PNG files that carry their alpha.
  std::vector<std::uint32_t> straightArgb() const;

 private:
  struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
  };
  using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

  std::uint32_t paintAt(int x, int y) const;
  std::uint8_t shapeAt(int x, int y) const;

  int frameWidth_, frameHeight_, frames_;
  Surface paint_, shape_;
};

}  // namespace tavra::skingen
