#pragma once
// The pictures of a skin as they are being made: the master bitmap and the image files of the
// package. Each `add…` call stores a picture and answers with the option value that names it,
// in one of the engine's mask forms.
#include <map>
#include <string>

#include "ImageWriters.h"
#include "MasterAtlas.h"

namespace tavra::skingen {

class SkinAssets {
 public:
  // "^" border mask in the master bitmap; `maskType` 1 when `block` holds an opacity row.
  std::string border(const PixelBlock& block, int frames, int maskType, int corner, int stretchMode);
  std::string border(const PixelBlock& block, int frames, int maskType, int wl, int wt, int wr, int wb, int stretchMode);
  // "@" glyph in the master bitmap.
  std::string glyph(const PixelBlock& block, int frames, int maskType);
  // "~" texture in the master bitmap.
  std::string texture(const PixelBlock& block, int fillMode, int maskType);
  // "#" region of the master bitmap, border widths by the given width.
  std::string region(const std::string& label, const PixelBlock& block, int frames, int maskType, int borderWidth, int stretchMode);
  // "!" image of its own: `fileName` (upper case extension) holding `bytes`.
  std::string ownImage(const std::string& fileName, Bytes bytes, int frames, int maskType, int imgType);
  std::string ownImage(const std::string& fileName, Bytes bytes, int frames, int maskType, int imgType, int wl, int wt, int wr, int wb);
  // A file named by its name alone: a JPEG background or texture, or a plain BMP border.
  std::string file(const std::string& fileName, Bytes bytes);

  const std::map<std::string, Bytes>& files() const { return files_; }
  PixelBlock master() const { return atlas_.bitmap(); }

 private:
  MasterAtlas atlas_;
  std::map<std::string, Bytes> files_;
};

}  // namespace tavra::skingen
