#include "ContactSheet.h"

#include "gfx/Canvas.h"

namespace tavra {

ContactSheet::ContactSheet(int columns, int cellWidth, int cellHeight, int count)
    : columns_(columns), cellWidth_(cellWidth), cellHeight_(cellHeight) {
  const int rows = (count + columns - 1) / columns;
  sheet_ = Bitmap(kGap + columns * (cellWidth + kGap), kGap + rows * (cellHeight + kCaptionHeight + kGap), PixelFormat::Bits24);
  sheet_.fill(pixelFromColor(rgb(96, 96, 96)));
}

void ContactSheet::put(int index, const Bitmap& picture, const std::string& caption) {
  const int x = kGap + (index % columns_) * (cellWidth_ + kGap);
  const int y = kGap + (index / columns_) * (cellHeight_ + kCaptionHeight + kGap);
  Canvas canvas(sheet_);
  if (!picture.isEmpty()) canvas.stretchBitmap(Rect{x, y, x + cellWidth_, y + cellHeight_}, picture, picture.bounds());
  Font font;
  font.name = "Tahoma";
  font.height = 12;
  font.color = rgb(255, 255, 255);
  canvas.setFont(font);
  canvas.setBackgroundMode(BackgroundMode::Transparent);
  canvas.drawText(caption, Rect{x, y + cellHeight_ + 2, x + cellWidth_, y + cellHeight_ + kCaptionHeight},
                  DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace tavra
