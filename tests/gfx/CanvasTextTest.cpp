#include <gtest/gtest.h>

#include "PixelTestUtil.h"
#include "gfx/Canvas.h"
#include "gfx/TextEngine.h"

namespace tavra {
namespace {
using test::inkBounds;
using test::whiteBitmap;

class CanvasText : public ::testing::Test {
 protected:
  CanvasText() : bitmap_(whiteBitmap(300, 120)), canvas_(bitmap_) {
    canvas_.setFont(Font{.name = "Tahoma", .height = 11, .color = clBlack});
    canvas_.setBackgroundMode(BackgroundMode::Transparent);
  }
  Rect measure(std::string_view text, unsigned flags, Rect r = {0, 0, 0, 0}) {
    canvas_.drawText(text, r, flags | DT_CALCRECT);
    return r;
  }
  // Ink of `text` drawn alone in `r` on a white bitmap.
  Rect inkOf(std::string_view text, const Rect& r, unsigned flags) {
    bitmap_.fill(0xFFFFFFFF);
    canvas_.drawText(text, r, flags);
    return inkBounds(bitmap_, clWhite);
  }

  Bitmap bitmap_;
  Canvas canvas_;
};

TEST_F(CanvasText, MetricsAgreeWithExtents) {
  const TextMetrics m = canvas_.textMetrics();
  EXPECT_EQ(m.height, m.ascent + m.descent);
  EXPECT_GE(m.height, 11);
  EXPECT_LE(m.height, 16);
  EXPECT_GT(m.averageCharWidth, 2);
  EXPECT_EQ(canvas_.textExtent("Привет").height, m.height);
  EXPECT_EQ(canvas_.textExtent("").width, 0);
  EXPECT_EQ(canvas_.textExtent("Файл").width, measure("Файл", DT_SINGLELINE).width());
}

TEST_F(CanvasText, CalcRectWidthGrowsWithTheText) {
  const int lineHeight = canvas_.textMetrics().height;
  Rect previous = measure("W", DT_SINGLELINE);
  EXPECT_EQ(previous.height(), lineHeight);
  for (std::string_view text : {"Wo", "Wor", "Word", "Word word", "Word word word"}) {
    Rect r = measure(text, DT_SINGLELINE);
    EXPECT_GT(r.width(), previous.width()) << text;
    EXPECT_EQ(r.height(), lineHeight);
    previous = r;
  }
  Rect offset = measure("Word", DT_SINGLELINE, {10, 20, 10, 20});
  EXPECT_EQ(offset.topLeft(), (Point{10, 20}));
}

TEST_F(CanvasText, WordBreakMakesMoreLinesWithinTheWidth) {
  const int lineHeight = canvas_.textMetrics().height;
  const std::string_view text = "one two three four five six seven";
  const Rect oneLine = measure(text, DT_WORDBREAK, {0, 0, 1000, 0});
  EXPECT_EQ(oneLine.height(), lineHeight);
  Rect narrow{0, 0, oneLine.width() / 3, 0};
  const int returned = canvas_.drawText(text, narrow, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_GE(narrow.height(), 3 * lineHeight);
  EXPECT_EQ(returned, narrow.height());
  EXPECT_LE(narrow.width(), oneLine.width() / 3);
  // A word longer than the width is broken between characters.
  Rect tiny{0, 0, measure("abc", DT_SINGLELINE).width(), 0};
  canvas_.drawText("abcabcabc", tiny, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(tiny.height(), 3 * lineHeight);
}

TEST_F(CanvasText, LineBreaksUnlessSingleLine) {
  const int lineHeight = canvas_.textMetrics().height;
  EXPECT_EQ(measure("a\r\nb\nc", 0).height(), 3 * lineHeight);
  EXPECT_EQ(measure("a\r\nb\nc", DT_SINGLELINE).height(), lineHeight);
  EXPECT_EQ(measure("", 0).height(), 0);
}

TEST_F(CanvasText, AlignmentMovesTheInk) {
  const Rect r{0, 0, 300, 40};
  const Rect left = inkOf("Тавра", r, DT_SINGLELINE);
  const Rect centre = inkOf("Тавра", r, DT_SINGLELINE | DT_CENTER);
  const Rect right = inkOf("Тавра", r, DT_SINGLELINE | DT_RIGHT);
  EXPECT_LT(left.left, 3);
  EXPECT_NEAR((centre.left + centre.right) / 2, 150, 3);
  EXPECT_GT(right.right, 296);
  EXPECT_EQ(left.width(), centre.width());
  EXPECT_NEAR(left.width(), right.width(), 1);  // a glyph's overhang past the rect is clipped
  EXPECT_EQ(left.top, centre.top);
}

TEST_F(CanvasText, VerticalCentreAndBottom) {
  const Rect r{0, 0, 300, 100};
  const int lineHeight = canvas_.textMetrics().height;
  const Rect top = inkOf("Hg", r, DT_SINGLELINE);
  const Rect middle = inkOf("Hg", r, DT_SINGLELINE | DT_VCENTER);
  const Rect bottom = inkOf("Hg", r, DT_SINGLELINE | DT_BOTTOM);
  EXPECT_EQ(middle.top - top.top, (100 - lineHeight) / 2);
  EXPECT_EQ(bottom.top - top.top, 100 - lineHeight);
  Rect copy = r;
  EXPECT_EQ(canvas_.drawText("Hg", copy, DT_SINGLELINE | DT_VCENTER), (100 - lineHeight) / 2 + lineHeight);
}

TEST_F(CanvasText, PrefixCharacters) {
  const int file = measure("File", DT_SINGLELINE).width();
  EXPECT_EQ(measure("&File", DT_SINGLELINE).width(), file);
  EXPECT_EQ(measure("&File", DT_SINGLELINE | DT_HIDEPREFIX).width(), file);
  EXPECT_GT(measure("&File", DT_SINGLELINE | DT_NOPREFIX).width(), file);
  EXPECT_EQ(measure("A&&B", DT_SINGLELINE).width(), measure("A&B", DT_SINGLELINE | DT_NOPREFIX).width());

  // The prefix underlines 'F': ink reaches below the baseline only there.
  const Rect r{0, 0, 300, 40};
  const Rect plain = inkOf("File", r, DT_SINGLELINE);
  const Rect underlined = inkOf("&File", r, DT_SINGLELINE);
  EXPECT_GT(underlined.bottom, plain.bottom);
  EXPECT_EQ(underlined.left, plain.left);
  EXPECT_EQ(inkOf("&File", r, DT_SINGLELINE | DT_HIDEPREFIX), plain);
}

TEST_F(CanvasText, EndEllipsisFitsTheRect) {
  const std::string_view text = "A rather long caption that cannot fit";
  const int full = measure(text, DT_SINGLELINE).width();
  const int width = full / 2;
  const Rect shortened = measure(text, DT_SINGLELINE | DT_END_ELLIPSIS, {0, 0, width, 0});
  EXPECT_LE(shortened.width(), width);
  EXPECT_GT(shortened.width(), width / 2);
  const Rect ink = inkOf(text, {10, 0, 10 + width, 30}, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  EXPECT_LE(ink.right, 10 + width);
  // Text that fits is left as it is.
  EXPECT_EQ(measure("Fits", DT_SINGLELINE | DT_END_ELLIPSIS, {0, 0, 200, 0}).width(), measure("Fits", DT_SINGLELINE).width());
}

TEST_F(CanvasText, ClipsToTheRectUnlessNoClip) {
  const Rect narrow{0, 0, 20, 30};
  const Rect clipped = inkOf("Wide words here", narrow, DT_SINGLELINE);
  EXPECT_LE(clipped.right, 20);
  const Rect unclipped = inkOf("Wide words here", narrow, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(unclipped.right, 40);
}

TEST_F(CanvasText, OriginAndCanvasClipApplyToText) {
  canvas_.setOrigin({100, 50});
  const Rect moved = inkOf("Text", {0, 0, 100, 30}, DT_SINGLELINE);
  EXPECT_GE(moved.left, 100);
  EXPECT_GE(moved.top, 50);
  canvas_.intersectClip({0, 0, 0, 0});
  EXPECT_TRUE(inkOf("Text", {0, 0, 100, 30}, DT_SINGLELINE).isEmpty());
}

TEST_F(CanvasText, OpaqueModeFillsTheTextBox) {
  canvas_.setBackgroundMode(BackgroundMode::Opaque);
  canvas_.setBackgroundColor(rgb(0, 0, 255));
  const Size size = canvas_.textExtent("Box");
  canvas_.textOut(5, 7, "Box");
  EXPECT_EQ(inkBounds(bitmap_, clWhite), Rect::fromSize(5, 7, size.width, size.height));
  EXPECT_EQ(bitmap_.colorAt(5, 7), rgb(0, 0, 255));
}

TEST_F(CanvasText, TextColourAndSystemColours) {
  canvas_.setTextColor(rgb(255, 0, 0));
  canvas_.textOut(0, 0, "IIII");
  int reddish = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      Color c = bitmap_.colorAt(x, y);
      if (c != clWhite) {
        EXPECT_EQ(redOf(c), 255);
        ++reddish;
      }
    }
  }
  EXPECT_GT(reddish, 10);
}

TEST_F(CanvasText, TabsExpandToEightAverageCharacters) {
  const int tabStop = 8 * canvas_.textMetrics().averageCharWidth;
  EXPECT_GE(measure("a\tb", DT_SINGLELINE | DT_EXPANDTABS).width(), tabStop);
  EXPECT_LT(measure("a\tb", DT_SINGLELINE).width(), tabStop);
}

TEST_F(CanvasText, StylesChangeWidths) {
  const int regular = canvas_.textWidth("Bold text");
  Font bold = canvas_.font();
  bold.style = fsBold;
  canvas_.setFont(bold);
  EXPECT_GT(canvas_.textWidth("Bold text"), regular);
  Font big = canvas_.font();
  big.height = 22;
  canvas_.setFont(big);
  EXPECT_GT(canvas_.textMetrics().height, 20);
}

TEST_F(CanvasText, RightToLeftReadingDrawsInTheRect) {
  const Rect ink = inkOf("abc", {0, 0, 200, 30}, DT_SINGLELINE | DT_RIGHT | DT_RTLREADING);
  EXPECT_FALSE(ink.isEmpty());
  EXPECT_GT(ink.right, 190);
}

TEST_F(CanvasText, DrawsOnThirtyTwoBitBitmaps) {
  Bitmap b(60, 20, PixelFormat::Bits32);
  b.fill(0xFFFFFFFF);
  Canvas c(b);
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.textOut(0, 0, "Text");
  EXPECT_FALSE(inkBounds(b, clWhite).isEmpty());
  EXPECT_EQ(alphaOf(b.pixel(59, 19)), 0xFF);
}

TEST_F(CanvasText, InvalidUtf8AndNulsAreShownSafely) {
  const std::string bad = std::string("ab\xFF\xC3 cd") + '\0' + "ef \xE2\x82 gh";
  const Rect r = measure(bad, DT_WORDBREAK, {0, 0, 20, 0});
  EXPECT_GT(r.height(), canvas_.textMetrics().height);
  EXPECT_GT(canvas_.textExtent(bad).width, canvas_.textExtent("abcdefgh").width);
  EXPECT_FALSE(inkOf(bad, {0, 0, 300, 100}, DT_WORDBREAK | DT_END_ELLIPSIS).isEmpty());
}

TEST(TextForPango, InvalidSequencesAreReplacedAndNulsDropped) {
  struct Case {
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"plain Ёж", "plain Ёж"},
      {"a\xFF" "b", "a\xEF\xBF\xBD" "b"},
      {std::string("a\0b", 3), "ab"},
      {"\xE2\x82", "\xEF\xBF\xBD\xEF\xBF\xBD"},
  };
  for (const Case& c : cases) {
    std::string storage;
    EXPECT_EQ(validUtf8(c.in, storage), c.out);
  }
  const std::string valid = "Тавра";
  std::string storage;
  EXPECT_EQ(validUtf8(valid, storage).data(), valid.data());  // valid text is not copied
}

TEST(FontTable, FacesMapToInstalledFamilies) {
  struct Case {
    const char* face;
    const char* family;
  };
  for (const Case& c : {Case{"MS Sans Serif", "Liberation Sans"}, Case{"Tahoma", "Liberation Sans"}, Case{"arial", "Liberation Sans"},
                        Case{"Verdana", "DejaVu Sans"}, Case{"Times New Roman", "Liberation Serif"},
                        Case{"Monotype Corsiva", "Z003"}, Case{"Courier New", "Liberation Mono"}, Case{"Wingdings 9", "Liberation Sans"}}) {
    EXPECT_EQ(mapFontFace(c.face), c.family) << c.face;
  }
  EXPECT_EQ(systemFont().height, 11);
  EXPECT_EQ(systemFont().name, "Tahoma");
  EXPECT_TRUE(captionFont().bold());
  EXPECT_EQ(pointsToPixels(8), 11);
  EXPECT_EQ(pointsToPixels(10), 13);
}

}  // namespace
}  // namespace tavra
