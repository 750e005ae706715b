#include <gtest/gtest.h>

#include "PixelTestUtil.h"
#include "gfx/Canvas.h"

namespace tavra {
namespace {
using test::picture;
using test::whiteBitmap;
using Rows = std::vector<std::string>;

TEST(CanvasCairo, ContextHasOriginAndClip) {
  Bitmap b = whiteBitmap(6, 4);
  Canvas c(b);
  c.setOrigin({1, 1});
  c.excludeClip({1, 0, 2, 1});  // device (2, 1)
  cairo_t* cr = c.cairo();
  cairo_set_source_rgb(cr, 1, 0, 0);
  cairo_rectangle(cr, 0, 0, 3, 2);
  cairo_fill(cr);
  EXPECT_EQ(picture(b, rgb(255, 0, 0)), (Rows{"......", ".#.#..", ".###..", "......"}));
}

TEST(CanvasCairo, CanvasCallsAfterCairoSeeItsDrawingAndResetItsState) {
  Bitmap b = whiteBitmap(4, 1);
  Canvas c(b);
  cairo_t* cr = c.cairo();
  cairo_set_source_rgb(cr, 0, 0, 1);
  cairo_rectangle(cr, 0, 0, 2, 1);
  cairo_fill(cr);
  cairo_translate(cr, 100, 100);  // a caller's transformation does not outlive the next call
  c.fillRect({1, 0, 2, 1}, rgb(255, 0, 0));
  EXPECT_EQ(b.colorAt(0, 0), rgb(0, 0, 255));
  EXPECT_EQ(b.colorAt(1, 0), rgb(255, 0, 0));
  cr = c.cairo();
  cairo_set_source_rgb(cr, 0, 1, 0);
  cairo_rectangle(cr, 3, 0, 1, 1);
  cairo_fill(cr);
  EXPECT_EQ(b.colorAt(3, 0), rgb(0, 255, 0));
}

TEST(CanvasCairo, EmptyBitmapIsHarmless) {
  Bitmap empty;
  Canvas c(empty);
  c.fillRect({0, 0, 10, 10}, clBlack);
  c.textOut(0, 0, "text");
  Rect r{0, 0, 50, 50};
  EXPECT_GT(c.drawText("text", r, DT_SINGLELINE), 0);
  EXPECT_NE(c.cairo(), nullptr);
  EXPECT_TRUE(c.grab({0, 0, 2, 2}).size() == (Size{2, 2}));
  EXPECT_EQ(c.clipBox(), Rect{});
}

}  // namespace
}  // namespace tavra
