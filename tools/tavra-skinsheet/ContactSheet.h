#pragma once
// A contact sheet: pictures scaled down into a grid, a fixed number per row, each with its
// caption underneath, on a neutral grey ground.
#include <string>

#include "gfx/Bitmap.h"

namespace tavra {

class ContactSheet {
 public:
  ContactSheet(int columns, int cellWidth, int cellHeight, int count);

  // Puts `picture`, scaled to the cell, into cell `index` (row by row) with `caption` below it.
  void put(int index, const Bitmap& picture, const std::string& caption);
  const Bitmap& bitmap() const { return sheet_; }

 private:
  static constexpr int kGap = 8;
  static constexpr int kCaptionHeight = 18;
  int columns_, cellWidth_, cellHeight_;
  Bitmap sheet_;
};

}  // namespace tavra
