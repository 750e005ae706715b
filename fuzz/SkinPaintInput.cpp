#include "SkinPaintInput.h"

#include <algorithm>

namespace tavra::fuzz {

namespace {

Pixel bgrPixel(std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  return pixelFromColor(static_cast<Color>(r) | static_cast<Color>(g) << 8 | static_cast<Color>(b) << 16);
}

}  // namespace

SkinPaintInput SkinPaintInput::parse(std::span<const std::uint8_t> bytes) {
  SkinPaintInput input;
  const auto nul = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  input.options.assign(bytes.begin(), nul);
  std::span<const std::uint8_t> rest = nul == bytes.end() ? std::span<const std::uint8_t>{} : bytes.subspan(nul - bytes.begin() + 1);
  std::size_t at = 0;
  auto next = [&]() -> std::uint8_t { return at < rest.size() ? rest[at++] : 0; };
  const int width = next() % kMaxSide + 1;
  const int height = next() % kMaxSide + 1;
  input.scaleX = next() % kMaxScale + 1;
  input.scaleY = next() % kMaxScale + 1;
  input.picture = Bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint8_t b = next(), g = next(), r = next();
      input.picture.setPixel(x, y, bgrPixel(b, g, r));
    }
  }
  return input;
}

std::vector<std::uint8_t> SkinPaintInput::encode() const {
  std::vector<std::uint8_t> out(options.begin(), options.end());
  out.push_back(0);
  out.push_back(static_cast<std::uint8_t>(picture.width() - 1));
  out.push_back(static_cast<std::uint8_t>(picture.height() - 1));
  out.push_back(static_cast<std::uint8_t>(scaleX - 1));
  out.push_back(static_cast<std::uint8_t>(scaleY - 1));
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Color c = picture.colorAt(x, y);
      out.push_back(static_cast<std::uint8_t>(c >> 16));
      out.push_back(static_cast<std::uint8_t>(c >> 8));
      out.push_back(static_cast<std::uint8_t>(c));
    }
  }
  return out;
}

Bitmap SkinPaintInput::master() const {
  Bitmap out(picture.width() * scaleX, picture.height() * scaleY);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) out.setPixel(x, y, picture.pixel(x / scaleX, y / scaleY));
  }
  return out;
}

std::vector<std::uint8_t> bmpFile(const Bitmap& bitmap) {
  const int rowBytes = (bitmap.width() * 3 + 3) & ~3;
  const auto imageBytes = static_cast<std::uint32_t>(rowBytes * bitmap.height());
  std::vector<std::uint8_t> out = {'B', 'M'};
  auto put = [&](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(54 + imageBytes, 4), put(0, 4), put(54, 4), put(40, 4);
  put(static_cast<std::uint32_t>(bitmap.width()), 4), put(static_cast<std::uint32_t>(bitmap.height()), 4);
  put(1, 2), put(24, 2), put(0, 4), put(imageBytes, 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
  for (int y = bitmap.height() - 1; y >= 0; --y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const Color c = bitmap.colorAt(x, y);
      out.push_back(static_cast<std::uint8_t>(c >> 16));
      out.push_back(static_cast<std::uint8_t>(c >> 8));
      out.push_back(static_cast<std::uint8_t>(c));
    }
    out.insert(out.end(), static_cast<std::size_t>(rowBytes - bitmap.width() * 3), 0);
  }
  return out;
}

Bitmap shrinkToFit(const Bitmap& bitmap, int& factor) {
  const int side = std::max(bitmap.width(), bitmap.height());
  factor = std::clamp((side + SkinPaintInput::kMaxSide - 1) / SkinPaintInput::kMaxSide, 1, SkinPaintInput::kMaxScale);
  const int width = std::clamp(bitmap.width() / factor, 1, SkinPaintInput::kMaxSide);
  const int height = std::clamp(bitmap.height() / factor, 1, SkinPaintInput::kMaxSide);
  Bitmap out(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int sx = std::min(x * factor + factor / 2, bitmap.width() - 1);
      const int sy = std::min(y * factor + factor / 2, bitmap.height() - 1);
      out.setPixel(x, y, pixelFromColor(bitmap.colorAt(sx, sy)));
    }
  }
  return out;
}

}  // namespace tavra::fuzz
