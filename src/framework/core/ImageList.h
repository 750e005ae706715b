#pragma once
// A list of equally sized images with transparency (16 × 16 by default), drawn by index. Images
// are kept as 32-bit bitmaps with premultiplied alpha; 24-bit images added "masked" lose their
// mask colour, and a strip wider than one image is split into several.
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Control.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace tavra {

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner, int width = 16, int height = 16);

  int width() const { return width_; }
  int height() const { return height_; }
  // A new size empties the list.
  void setSize(int width, int height);
  int count() const { return static_cast<int>(images_.size()); }

  // Adds an image (a 32-bit bitmap keeps its straight alpha; a 24-bit one is opaque); returns
  // the index of the first image added, -1 when nothing was.
  int add(const Bitmap& image);
  // Adds a 24-bit image whose pixels of `maskColor` are transparent.
  int addMasked(const Bitmap& image, Color maskColor);
  void clear();

  // The stored image (32-bit, premultiplied alpha).
  const Bitmap& image(int index) const { return images_.at(static_cast<size_t>(index)); }

  enum class DrawStyle { Normal, Disabled };
  // Draws image `index` with its top-left at (x, y); a bad index draws nothing.
  void draw(Canvas& canvas, int x, int y, int index, DrawStyle style = DrawStyle::Normal) const;

  TNotifyEvent OnChange;

 private:
  int addPieces(const Bitmap& image, const Color* maskColor);
  void changed();

  int width_ = 16;
  int height_ = 16;
  std::vector<Bitmap> images_;
};

}  // namespace tavra
