// The SDL backend's presenting: copies the changed parts of a window's backing bitmap to its SDL
// window's surface and puts them on the screen.
#include "winsys/SdlBackend.h"

#include <SDL.h>

#include <cstring>
#include <vector>

namespace tavra {
namespace {

// Copies rectangles of a 0xAARRGGBB bitmap into a surface of any pixel format.
void copyToSurface(const Bitmap& backing, const std::vector<Rect>& rects, SDL_Surface& surface) {
  auto* base = static_cast<std::uint8_t*>(surface.pixels);
  std::uint32_t format = surface.format->format;
  int bytesPerPixel = surface.format->BytesPerPixel;
  // XRGB8888 (SDL's RGB888) has the same memory layout; its high byte is ignored.
  bool sameLayout = format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888;
  for (const Rect& r : rects) {
    const Pixel* src = backing.row(r.top) + r.left;
    std::uint8_t* dst = base + static_cast<std::ptrdiff_t>(r.top) * surface.pitch + static_cast<std::ptrdiff_t>(r.left) * bytesPerPixel;
    if (sameLayout) {
      size_t bytes = static_cast<size_t>(r.width()) * 4;
      for (int y = 0; y < r.height(); ++y) {
        std::memcpy(dst, src, bytes);
        src += backing.width();
        dst += surface.pitch;
      }
    } else {
      SDL_ConvertPixels(r.width(), r.height(), SDL_PIXELFORMAT_ARGB8888, src, backing.stride(), format, dst, surface.pitch);
    }
  }
}

}  // namespace

void SdlBackend::present(Window& w, const Bitmap& backing, const Region& changed) {
  NativeWindow* nw = native(w);
  if (!nw) return;
  syncTitleAndShape(*nw, w);
  SDL_Surface* surface = SDL_GetWindowSurface(nw->window.get());
  if (!surface) return;
  Rect area = backing.bounds().intersected(Rect::fromSize(0, 0, surface->w, surface->h));
  std::vector<Rect> rects;
  if (nw->needsFullCopy) {
    rects.push_back(area);
  } else {
    for (const Rect& r : changed.rects()) {
      Rect part = r.intersected(area);
      if (!part.isEmpty()) rects.push_back(part);
    }
  }
  if (rects.empty() || area.isEmpty()) return;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
  copyToSurface(backing, rects, *surface);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  std::vector<SDL_Rect> sdlRects;
  sdlRects.reserve(rects.size());
  for (const Rect& r : rects) sdlRects.push_back({r.left, r.top, r.width(), r.height()});
  if (SDL_UpdateWindowSurfaceRects(nw->window.get(), sdlRects.data(), static_cast<int>(sdlRects.size())) == 0) {
    nw->needsFullCopy = false;
  }
}

}  // namespace tavra
