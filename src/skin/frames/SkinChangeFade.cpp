#include "skin/frames/SkinChangeFade.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "gfx/Canvas.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

// Two window-sized pictures are needed on every skin change; their storage is kept between
// fades, so a switch does not take fresh pages from the system each time.
struct FadeStorage {
  Bitmap old;
  Bitmap fresh;
};

FadeStorage& spareStorage() {
  static FadeStorage storage;
  return storage;
}

// Runs of changed pixels closer than this are blended as one.
constexpr int kRunGap = 8;

Pixel blendPixel(Pixel p, Pixel q, unsigned a) {
  const unsigned b = 256u - a;
  // Red and blue together, green apart: two multiplies a pixel.
  const Pixel rb = (((p & 0x00FF00FFu) * b + (q & 0x00FF00FFu) * a) >> 8) & 0x00FF00FFu;
  const Pixel g = (((p & 0x0000FF00u) * b + (q & 0x0000FF00u) * a) >> 8) & 0x0000FF00u;
  return 0xFF000000u | rb | g;
}

// old × (256 − a) / 256 + new × a / 256 over [left, right) of one row, two pixels at a time: the
// red and blue of both in four 16-bit lanes, the greens in two; no lane can carry into the next
// since 255 × 256 fits in 16 bits.
void blendRun(const Pixel* o, const Pixel* nw, Pixel* d, int left, int right, unsigned a) {
  constexpr std::uint64_t kRedBlue = 0x00FF00FF00FF00FFull;
  constexpr std::uint64_t kGreen = 0x0000FF000000FF00ull;
  constexpr std::uint64_t kOpaque = 0xFF000000FF000000ull;
  const std::uint64_t b = 256u - a;
  int x = left;
  for (; x + 1 < right; x += 2) {
    std::uint64_t p, q;
    std::memcpy(&p, o + x, sizeof p);
    std::memcpy(&q, nw + x, sizeof q);
    const std::uint64_t rb = (((p & kRedBlue) * b + (q & kRedBlue) * a) >> 8) & kRedBlue;
    const std::uint64_t g = (((p & kGreen) * b + (q & kGreen) * a) >> 8) & kGreen;
    const std::uint64_t out = kOpaque | rb | g;
    std::memcpy(d + x, &out, sizeof out);
  }
  if (x < right) d[x] = blendPixel(o[x], nw[x], a);
}

// A pixel must be blended unless both looks show the same colour and the backing's pixel is
// already opaque (a blend writes it opaque).
bool differs(Pixel oldPixel, Pixel newPixel) { return ((oldPixel ^ newPixel) & 0x00FFFFFFu) != 0 || alphaOf(oldPixel) != 0xFF; }

}  // namespace

SkinChangeFade::SkinChangeFade(Window& window) : window_(window) {
  FadeStorage& spare = spareStorage();
  old_ = std::move(spare.old);
  new_ = std::move(spare.fresh);
  const Size size = window.bounds().size();
  const Bitmap& backing = window.backing();
  if (backing.size() == size) {
    old_ = backing;
  } else {
    old_.setFormat(PixelFormat::Bits24);
    old_.resize(size.width, size.height);
  }
  new_.setFormat(PixelFormat::Bits24);
  new_.resize(size.width, size.height);
  Canvas canvas(new_);
  window.send(WM_PRINT, reinterpret_cast<WParam>(&canvas), PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT | PRF_CHILDREN);
  canvas.syncPixels();
  findChangedRuns();
}

SkinChangeFade::~SkinChangeFade() {
  FadeStorage& spare = spareStorage();
  spare.old = std::move(old_);
  spare.fresh = std::move(new_);
}

void SkinChangeFade::findChangedRuns() {
  runs_.clear();
  changed_ = {};
  if (old_.size() != new_.size()) return;
  const int width = new_.width();
  for (int y = 0; y < new_.height(); ++y) {
    const Pixel* o = old_.row(y);
    const Pixel* nw = new_.row(y);
    int x = 0;
    while (x < width) {
      while (x < width && !differs(o[x], nw[x])) ++x;
      if (x == width) break;
      const int left = x;
      int right = x + 1;
      for (x = right; x < width && x - right < kRunGap; ++x) {
        if (differs(o[x], nw[x])) right = x + 1;
      }
      x = right;
      runs_.push_back(Run{.y = y, .left = left, .right = right});
      changed_ = changed_.united(Rect{left, y, right, y + 1});
    }
  }
}

void SkinChangeFade::step(int k, int n) {
  Bitmap& backing = window_.backing();
  if (backing.size() != new_.size() || n <= 0) return;
  const unsigned a = static_cast<unsigned>(std::clamp(k, 0, n)) * 256u / static_cast<unsigned>(n);
  for (const Run& run : runs_) blendRun(old_.row(run.y), new_.row(run.y), backing.row(run.y), run.left, run.right, a);
  WindowSystem& ws = WindowSystem::instance();
  if (window_.isShowing() && !changed_.isEmpty()) ws.backend().present(window_, backing, Region(changed_));
}

}  // namespace tavra
