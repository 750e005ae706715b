#pragma once
// A small sample window painted from a loaded skin: the window frame with its caption bar and
// close button, a menu line, a button, a pressed-looking hot button, an edit and a check box.
#include "gfx/Bitmap.h"
#include "skin/data/SkinModel.h"

namespace tavra {

class CoverPreviewPainter {
 public:
  static constexpr int kWidth = 160;
  static constexpr int kHeight = 115;

  explicit CoverPreviewPainter(const SkinModel& model) : model_(model) {}
  // The preview, 24-bit, kWidth × kHeight.
  Bitmap paint() const;

 private:
  void section(Bitmap& target, const char* name, const Rect& r, int state) const;
  void text(Bitmap& target, const char* sectionName, const std::string& s, const Rect& r, unsigned flags, bool hot, bool bold) const;
  void mask(Bitmap& target, const char* sectionName, const char* key, Point at, int state) const;

  const SkinModel& model_;
};

}  // namespace tavra
