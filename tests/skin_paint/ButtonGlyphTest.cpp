// Glyphs of skinned buttons on tiny bitmaps (frames of a strip, Blend, 32-bit composition,
// disabled looks), the layout of glyph and caption, and the arithmetic of fade steps.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "framework/core/ImageList.h"
#include "gfx/AlphaConversion.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/ButtonFades.h"
#include "skin/controls/SkinButtonGlyph.h"
#include "skin/controls/SkinButtonLayout.h"

namespace tavra::test {
namespace {

// A strip of `frames` 4 × 4 pictures, picture i filled with colours[i]; each picture's
// bottom-left pixel is clFuchsia, its transparent colour.
Bitmap strip(std::initializer_list<Color> colours) {
  const int frames = static_cast<int>(colours.size());
  Bitmap b(4 * frames, 4);
  int i = 0;
  for (Color c : colours) {
    b.fillRect(Rect::fromSize(4 * i, 0, 4, 4), pixelFromColor(c));
    b.setPixel(4 * i, 3, pixelFromColor(clFuchsia));
    ++i;
  }
  return b;
}

TEST(ButtonGlyphTest, TheFrameShownByStateAndFrameCount) {
  struct Case {
    int frames;
    bool enabled;
    bool hot;
    int frame;
  };
  const Case cases[] = {
      {1, true, true, 0},  {1, false, false, 0}, {3, true, false, 0}, {3, true, true, 0},
      {3, false, true, 1}, {5, true, true, 4},   {5, true, false, 0}, {5, false, true, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(glyphFrameIndex(c.frames, c.enabled, c.hot), c.frame) << c.frames << " " << c.enabled << " " << c.hot;
  }
}

TEST(ButtonGlyphTest, AThreeFrameStripShowsItsFirstPictureWhileHotAndTheSecondWhenDisabled) {
  const Color red = rgb(200, 0, 0), green = rgb(0, 200, 0), blue = rgb(0, 0, 200), under = rgb(10, 20, 30);
  const Bitmap glyph = strip({red, green, blue});
  for (bool enabled : {true, false}) {
    Bitmap target = filled(6, 6, under);
    SkinGlyph g{.glyph = &glyph, .numGlyphs = 3, .enabled = enabled, .hot = true};
    DrawSkinGlyph(target, {1, 1}, g);
    EXPECT_EQ(target.colorAt(2, 2), enabled ? red : green);
    EXPECT_EQ(target.colorAt(1, 4), under) << "the transparent colour leaves what lies under it";
    EXPECT_EQ(target.colorAt(0, 0), under);
  }
}

TEST(ButtonGlyphTest, BlendFiftyMixesAGlyphHalfIntoAKnownBackgroundUntilTheButtonIsHot) {
  const Bitmap glyph = strip({rgb(200, 100, 0)});
  struct Case {
    bool hot;
    int blend;
    Color expected;
  };
  const Case cases[] = {{false, 50, rgb(100, 50, 50)}, {true, 50, rgb(200, 100, 0)}, {false, 0, rgb(200, 100, 0)}};
  for (const Case& c : cases) {
    Bitmap target = filled(4, 4, rgb(0, 0, 100));
    SkinGlyph g{.glyph = &glyph, .hot = c.hot, .blend = c.blend};
    DrawSkinGlyph(target, {0, 0}, g);
    EXPECT_EQ(target.colorAt(2, 1), c.expected) << c.hot << " " << c.blend;
    EXPECT_EQ(target.colorAt(0, 3), rgb(0, 0, 100));
  }
}

TEST(ButtonGlyphTest, ADisabledOneFrameGlyphIsDrawnAtHalfOrGrey) {
  const Bitmap glyph = strip({rgb(200, 100, 0)});
  struct Case {
    unsigned kinds;
    Color expected;
  };
  const Case cases[] = {{dgBlended, rgb(100, 50, 50)}, {dgGrayed, rgb(100, 100, 100)}, {dgGrayed | dgBlended, rgb(50, 50, 100)},
                        {0, rgb(200, 100, 0)}};
  for (const Case& c : cases) {
    Bitmap target = filled(4, 4, rgb(0, 0, 100));
    SkinGlyph g{.glyph = &glyph, .enabled = false, .disabledKind = c.kinds};
    DrawSkinGlyph(target, {0, 0}, g);
    EXPECT_EQ(target.colorAt(2, 1), c.expected) << c.kinds;
  }
}

TEST(ButtonGlyphTest, AThirtyTwoBitGlyphIsAlphaCompositedOrWithBlendDrawnAsAnOpaqueOne) {
  // Red at half strength (premultiplied, as glyphs are kept), a transparent bottom-left pixel.
  Bitmap glyph(2, 2, PixelFormat::Bits32);
  glyph.fill(premultiplyPixel(0x80FF0000u));
  glyph.setPixel(0, 1, 0);
  const Color under = rgb(55, 0, 0);
  {
    Bitmap target = filled(2, 2, under);
    DrawSkinGlyph(target, {0, 0}, SkinGlyph{.glyph = &glyph});
    // ((255 − 55) × 128 + 55 × 256) shr 8
    EXPECT_EQ(target.colorAt(1, 0), rgb(155, 0, 0));
    EXPECT_EQ(target.colorAt(0, 1), under);
  }
  {
    Bitmap target = filled(2, 2, under);
    DrawSkinGlyph(target, {0, 0}, SkinGlyph{.glyph = &glyph, .blend = 30});
    EXPECT_EQ(target.colorAt(1, 0), rgb(195, 0, 0)) << "70 % of red over the background";
    EXPECT_EQ(target.colorAt(0, 1), under);
  }
  {
    Bitmap target = filled(2, 2, under);
    DrawSkinGlyph(target, {0, 0}, SkinGlyph{.glyph = &glyph, .hot = true, .blend = 30});
    EXPECT_EQ(target.colorAt(1, 0), rgb(255, 0, 0)) << "opaque while hot";
  }
}

TEST(ButtonGlyphTest, AReflectedGlyphFadesBelowItself) {
  Bitmap glyph(2, 4, PixelFormat::Bits32);
  glyph.fill(0xFFFFFFFFu);
  Bitmap target = filled(2, 8, clBlack);
  DrawSkinGlyph(target, {0, 0}, SkinGlyph{.glyph = &glyph, .reflected = true});
  const int glyphRed = redOf(target.colorAt(0, 3));
  EXPECT_GT(glyphRed, 250);
  const int first = redOf(target.colorAt(0, 4));
  const int second = redOf(target.colorAt(0, 5));
  EXPECT_LT(first, glyphRed);
  EXPECT_GT(first, second);
  EXPECT_GT(second, 0);
  EXPECT_EQ(target.colorAt(0, 6), clBlack) << "the reflection is half as high as the glyph";
}

TEST(ButtonGlyphTest, AnImageListGlyphIsGreyAndTransparentWhileNotHotWhenAsked) {
  TImageList list(nullptr, 2, 2);
  Bitmap red(2, 2, PixelFormat::Bits32);
  red.fill(0xFFFF0000u);
  ASSERT_EQ(list.add(red), 0);
  struct Case {
    bool hot;
    bool grayed;
    int blend;
    Color expected;
  };
  // Composed over black: (channel × alpha) shr 8, alpha 255, or 127 at 50 % Blend.
  const Case cases[] = {
      {false, false, 0, rgb(254, 0, 0)},
      {false, true, 0, rgb(84, 84, 84)},  // grey (255 + 0 + 0) div 3 = 85
      {true, true, 0, rgb(254, 0, 0)},
      {false, false, 50, rgb(126, 0, 0)},
      {true, false, 50, rgb(254, 0, 0)},
  };
  for (const Case& c : cases) {
    Bitmap target = filled(2, 2, clBlack);
    DrawSkinGlyph(target, {0, 0}, SkinGlyph{.images = &list, .imageIndex = 0, .hot = c.hot, .blend = c.blend, .grayed = c.grayed});
    EXPECT_EQ(target.colorAt(1, 1), c.expected) << c.hot << " " << c.grayed << " " << c.blend;
  }
  Bitmap target = filled(2, 2, clBlack);
  DrawSkinGlyph(target, {0, 0}, SkinGlyph{.images = &list, .imageIndex = 1});
  EXPECT_TRUE(allOf(target, target.bounds(), clBlack)) << "an index outside the list draws nothing";
}

TEST(ButtonLayoutTest, GlyphAndCaptionGoTogetherByAlignmentAndLayout) {
  Bitmap b(100, 30);
  Canvas canvas(b);
  canvas.setFont(Font{"Tahoma", 11, fsNone, clBlack, FontCharset::Default});
  const Rect client{0, 0, 100, 30};
  struct Case {
    TButtonLayout layout;
    TAlignment alignment;
    Point glyph;
  };
  const Case cases[] = {
      {TButtonLayout::blGlyphLeft, TAlignment::taCenter, {42, 7}},        {TButtonLayout::blGlyphLeft, TAlignment::taLeftJustify, {4, 7}},
      {TButtonLayout::blGlyphLeft, TAlignment::taRightJustify, {80, 7}},  {TButtonLayout::blGlyphRight, TAlignment::taRightJustify, {80, 7}},
      {TButtonLayout::blGlyphRight, TAlignment::taLeftJustify, {4, 7}},   {TButtonLayout::blGlyphTop, TAlignment::taCenter, {42, 7}},
  };
  for (const Case& c : cases) {
    SkinButtonContent content;
    content.glyph = {16, 16};
    content.layout = c.layout;
    content.alignment = c.alignment;
    EXPECT_EQ(placeButtonContent(canvas, client, content).glyph, c.glyph) << static_cast<int>(c.layout) << " " << static_cast<int>(c.alignment);
  }
  // The caption's alignment and wrapping become its text format.
  for (const auto& [alignment, flag] : {std::pair{TAlignment::taLeftJustify, DT_LEFT}, std::pair{TAlignment::taCenter, DT_CENTER},
                                        std::pair{TAlignment::taRightJustify, DT_RIGHT}}) {
    for (bool wrap : {false, true}) {
      SkinButtonContent content;
      content.caption = "ab";
      content.textAlignment = alignment;
      content.wordWrap = wrap;
      const unsigned format = placeButtonContent(canvas, client, content).textFormat;
      EXPECT_EQ(format & (DT_CENTER | DT_RIGHT), static_cast<unsigned>(flag));
      EXPECT_EQ((format & DT_WORDBREAK) != 0, wrap);
      EXPECT_EQ((format & DT_SINGLELINE) != 0, !wrap);
    }
  }
  // With a caption the glyph and the text sit side by side `spacing` apart, and a caption too wide
  // for the room left gives up the spacing rather than overlap the glyph.
  for (const char* caption : {"ab", "a caption far too wide for a hundred pixels"}) {
    SkinButtonContent content;
    content.glyph = {16, 16};
    content.caption = caption;
    const SkinButtonPlacement p = placeButtonContent(canvas, client, content);
    EXPECT_GE(p.text.left, p.glyph.x + 16) << caption;
    EXPECT_GE(p.glyph.x, 0) << caption;
  }
}

TEST(ButtonFadeMathTest, TheStartWeightFallsToZeroAtTheLastStep) {
  EXPECT_EQ(fadeStartWeight(1, 5), 204);
  EXPECT_EQ(fadeStartWeight(4, 5), 51);
  EXPECT_EQ(fadeStartWeight(5, 5), 0);
  EXPECT_EQ(fadeStartWeight(1, 2), 127);
  EXPECT_EQ(fadeStartWeight(1, 0), 0);
}

TEST(ButtonFadeMathTest, AStepBlendsStartAndCacheAndTheLastIsTheCacheExactly) {
  const Bitmap start = filled(3, 2, rgb(255, 0, 100));
  const Bitmap cache = filled(3, 2, rgb(0, 255, 255));
  Bitmap frame;
  blendFadeStep(start, cache, 204, frame);
  // (255 × 204 + 0 × 51 + 127) shr 8 = 203, (255 × 51 + 127) shr 8 = 51, (100 × 204 + 255 × 51 + 127) shr 8 = 130
  EXPECT_TRUE(allOf(frame, frame.bounds(), rgb(203, 51, 130)));
  blendFadeStep(start, cache, 0, frame);
  EXPECT_TRUE(allOf(frame, frame.bounds(), rgb(0, 255, 255)));
}

TEST(ButtonFadeMathTest, AButtonFollowsTheManagersEventsUnlessItNamesItsOwn) {
  TsSkinManager manager(nullptr);
  manager.AnimEffects.Buttons.Events = beMouseEnter | beMouseDown | beMouseUp;
  struct Case {
    TacAnimatEvents events;
    TacAnimatEvent event;
    bool animates;
  };
  const Case cases[] = {
      {aeGlobalDef, aeMouseEnter, true}, {aeGlobalDef, aeMouseLeave, false}, {aeMouseLeave, aeMouseLeave, true},
      {aeMouseLeave, aeMouseEnter, false}, {0, aeMouseDown, false},           {aeGlobalDef | aeMouseLeave, aeMouseLeave, true},
  };
  for (const Case& c : cases) EXPECT_EQ(eventAnimates(c.events, c.event, &manager), c.animates) << c.events << " " << c.event;
  EXPECT_FALSE(eventAnimates(aeGlobalDef, aeMouseEnter, nullptr));
}

}  // namespace
}  // namespace tavra::test
