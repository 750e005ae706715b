#include "SkinAssets.h"

#include <cstdio>
#include <stdexcept>

namespace tavra::skingen {
namespace {

std::string four(int v) {
  if (v < 0 || v > 9999) throw std::runtime_error("a mask coordinate outside 0..9999");
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%04d", v);
  return buffer;
}

std::string digit(int v) {
  if (v < 0 || v > 9) throw std::runtime_error("a mask count outside 0..9");
  return std::to_string(v);
}

std::string rect(const AtlasRect& r, char separator) {
  const std::string s(1, separator);
  return s + four(r.left) + s + four(r.top) + s + four(r.right) + s + four(r.bottom);
}

}  // namespace

std::string SkinAssets::border(const PixelBlock& block, int frames, int maskType, int corner, int stretchMode) {
  return border(block, frames, maskType, corner, corner, corner, corner, stretchMode);
}

std::string SkinAssets::border(const PixelBlock& block, int frames, int maskType, int wl, int wt, int wr, int wb, int stretchMode) {
  const AtlasRect r = atlas_.place(block);
  return rect(r, '^') + "^" + four(wl) + "^" + four(wt) + "^" + four(wr) + "^" + four(wb) + "^" + digit(frames) + "^" +
         digit(maskType) + "^" + digit(stretchMode) + "^0";
}

std::string SkinAssets::glyph(const PixelBlock& block, int frames, int maskType) {
  const AtlasRect r = atlas_.place(block);
  return rect(r, '@') + "@" + digit(frames) + "@" + digit(maskType);
}

std::string SkinAssets::texture(const PixelBlock& block, int fillMode, int maskType) {
  const AtlasRect r = atlas_.place(block);
  char mode[4];
  std::snprintf(mode, sizeof mode, "%02d", fillMode);
  return rect(r, '~') + "~" + mode + "~" + digit(maskType);
}

std::string SkinAssets::region(const std::string& label, const PixelBlock& block, int frames, int maskType, int borderWidth, int stretchMode) {
  const AtlasRect r = atlas_.place(block);
  return label + "# (" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ") (" + std::to_string(frames) + ", " + std::to_string(maskType) + ", " +
         std::to_string(borderWidth) + ", " + std::to_string(stretchMode) + ")";
}

std::string SkinAssets::ownImage(const std::string& fileName, Bytes bytes, int frames, int maskType, int imgType) {
  files_[fileName] = std::move(bytes);
  return "!" + fileName + "!" + std::to_string(frames) + "!" + std::to_string(maskType) + "!" + std::to_string(imgType);
}

std::string SkinAssets::ownImage(const std::string& fileName, Bytes bytes, int frames, int maskType, int imgType, int wl, int wt, int wr, int wb) {
  return ownImage(fileName, std::move(bytes), frames, maskType, imgType) + "!" + four(wl) + "!" + four(wt) + "!" + four(wr) + "!" + four(wb);
}

std::string SkinAssets::file(const std::string& fileName, Bytes bytes) {
  files_[fileName] = std::move(bytes);
  return fileName;
}

}  // namespace tavra::skingen
