// The caption buttons of a skinned frame: which exist, their pictures, their places and the band
// in which they answer the mouse; the frame's metrics.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "skin/frames/CaptionButtons.h"
#include "skin/frames/FrameMetrics.h"

namespace tavra::test {
namespace {

// GLOBALINFO with three-frame caption button pictures `width` × `height` in the master bitmap.
struct ButtonSkin {
  TinySkin skin{256, 64};
  explicit ButtonSkin(int width = 20, int height = 18, bool smallClose = true) {
    skin.section("GLOBALINFO");
    int top = 0;
    auto picture = [&](const char* key, int w, int h) {
      skin.mask({.section = "GLOBALINFO", .property = key, .rect = Rect::fromSize(0, top, 3 * w, h), .imageCount = 3,
                 .type = TacImgType::itisaGlyph});
      top += h;
    };
    picture("BICONCLOSE", width, height);
    picture("BICONMIN", width, height);
    picture("BICONMAX", width, height);
    if (smallClose) picture("SICONCLOSE", 13, 11);
    skin.finish();
  }
};

const CaptionButtonTraits kMainWindow{.hadSystemMenu = true, .largeSet = true, .iconMinimize = true};
const CaptionButtonTraits kResultWindow{.hadSystemMenu = true, .largeSet = false};

TEST(CaptionButtons, TheMainWindowHasCloseAndMinimiseFromTheLargeSetTheResultWindowOneSmallClose) {
  ButtonSkin s;
  CaptionButtonSet main;
  main.decide(kMainWindow);
  main.findPictures(s.skin.model, true, kMainWindow);
  EXPECT_TRUE(main.buttons[cbClose].exists);
  EXPECT_TRUE(main.buttons[cbMin].exists);
  EXPECT_FALSE(main.buttons[cbMax].exists);
  EXPECT_FALSE(main.buttons[cbHelp].exists);
  EXPECT_EQ(main.buttons[cbClose].MaskIndex, s.skin.model.FindMaskExact("GLOBALINFO", "BICONCLOSE"));
  EXPECT_EQ(main.buttons[cbMin].MaskIndex, s.skin.model.FindMaskExact("GLOBALINFO", "BICONMIN"));

  CaptionButtonSet result;
  result.decide(kResultWindow);
  result.findPictures(s.skin.model, false, kResultWindow);
  EXPECT_TRUE(result.buttons[cbClose].exists);
  EXPECT_FALSE(result.buttons[cbMin].exists || result.buttons[cbMax].exists || result.buttons[cbHelp].exists);
  EXPECT_FALSE(result.buttons[cbClose].LargeSet);
  EXPECT_EQ(result.buttons[cbClose].MaskIndex, s.skin.model.FindMaskExact("GLOBALINFO", "SICONCLOSE"));

  // Without a small close picture the large set serves every button.
  ButtonSkin noSmall(20, 18, false);
  result.findPictures(noSmall.skin.model, false, kResultWindow);
  EXPECT_TRUE(result.buttons[cbClose].LargeSet);
  EXPECT_EQ(result.buttons[cbClose].MaskIndex, noSmall.skin.model.FindMaskExact("GLOBALINFO", "BICONCLOSE"));

  // Without the system menu there are no buttons at all.
  CaptionButtonSet none;
  none.decide({.hadSystemMenu = false, .largeSet = true, .iconMinimize = true});
  for (const CaptionButton& b : none.buttons) EXPECT_FALSE(b.exists);
}

TEST(CaptionButtons, ThePlacesOfTheWorkedExample) {
  ButtonSkin s(20, 18);
  s.skin.model.SkinData.BIRight = 2;
  s.skin.model.SkinData.BISpace = 1;
  CaptionButtonSet set;
  set.decide(kMainWindow);
  set.findPictures(s.skin.model, true, kMainWindow);
  const int total = set.layout(&s.skin.model, {.windowWidth = 500, .frameWidth = 3, .frameHeight = 3, .captionHeight = 19,
                                               .largeSet = true, .biSpace = 1, .biRight = 2});
  EXPECT_EQ(set.buttons[cbClose].rect.left, 474);
  EXPECT_EQ(set.buttons[cbClose].rect.right, 494);
  EXPECT_EQ(set.buttons[cbMin].rect.left, 453);
  EXPECT_EQ(set.buttons[cbMin].rect.right, 473);
  EXPECT_EQ(total, 2 + (20 + 1) * 2);
  EXPECT_EQ(set.buttonAtX(474), cbClose);
  EXPECT_EQ(set.buttonAtX(472), cbMin);
  EXPECT_EQ(set.buttonAtX(473), -1) << "the BISPACE gap";
  EXPECT_EQ(set.buttonAtX(494), -1) << "the BIRIGHT margin";
}

TEST(CaptionButtons, VerticalPlaceByBiVAlign) {
  struct Case {
    const char* name;
    int vAlign;
    bool maximized;
    int height;
    int top;
  };
  // Caption 19, frame 3: (19 + 3 − h) div 2, plus 2 for buttons lower than 16.
  const Case cases[] = {
      {"centred", 0, false, 18, 2},
      {"centred, -1", -1, false, 18, 2},
      {"centred, low button", 0, false, 14, 6},
      {"top of a normal window", 1, false, 18, 0},
      {"top of a maximised window", 1, true, 18, 2},
      {"any other keeps its place", 5, false, 18, 0},
  };
  for (const Case& c : cases) {
    ButtonSkin s(20, c.height);
    CaptionButtonSet set;
    set.decide(kMainWindow);
    set.findPictures(s.skin.model, true, kMainWindow);
    const CaptionLayout l{.windowWidth = 300, .frameWidth = 3, .frameHeight = 3, .captionHeight = 19, .largeSet = true,
                          .maximized = c.maximized, .biVAlign = c.vAlign};
    set.layout(&s.skin.model, l);
    EXPECT_EQ(set.buttons[cbClose].rect.top, c.top) << c.name;
    EXPECT_EQ(set.buttons[cbClose].rect.height(), c.height) << c.name;
  }
}

TEST(CaptionButtons, TheHitBand) {
  const CaptionLayout centred{.frameHeight = 3, .captionHeight = 19, .largeSet = true};
  EXPECT_EQ(CaptionButtonSet::hitBand(centred, 18), std::make_pair(2, 20));
  CaptionLayout top = centred;
  top.biVAlign = 1;
  EXPECT_EQ(CaptionButtonSet::hitBand(top, 18), std::make_pair(1, 18));
  top.largeSet = false;
  EXPECT_EQ(CaptionButtonSet::hitBand(top, 18), std::make_pair(2, 20)) << "the small set is centred whatever BIVALIGN";
}

TEST(CaptionButtons, WithoutPicturesButtonsAre21By21) {
  TinySkin bare;
  bare.section("GLOBALINFO");
  bare.finish();
  CaptionButtonSet set;
  set.decide(kMainWindow);
  set.findPictures(bare.model, true, kMainWindow);
  set.layout(&bare.model, {.windowWidth = 300, .frameWidth = 3, .frameHeight = 3, .captionHeight = 19, .largeSet = true});
  EXPECT_EQ(set.buttons[cbClose].MaskIndex, -1);
  EXPECT_EQ(set.buttons[cbClose].rect, Rect::fromSize(297 - 21, 0, 21, 21));
  EXPECT_EQ(set.buttons[cbMin].rect, Rect::fromSize(297 - 42, 0, 21, 21));
}

TEST(FrameMetrics, ByBorderStyle) {
  using B = TFormBorderStyle;
  struct Case {
    B border;
    int caption, frame;
    bool largeSet;
    int icon;
  };
  const Case cases[] = {
      {B::bsSingle, 19, 3, true, 16},  {B::bsSizeable, 19, 4, true, 16}, {B::bsDialog, 19, 3, false, 16},
      {B::bsToolWindow, 15, 3, false, 8}, {B::bsNone, 0, 0, false, 0},
  };
  for (const Case& c : cases) {
    FrameTraits traits;
    traits.borderStyle = c.border;
    traits.captionStyle = c.border != B::bsNone;
    const FrameMetrics m = computeFrameMetrics(traits);
    EXPECT_EQ(m.captionHeight, c.caption) << static_cast<int>(c.border);
    EXPECT_EQ(m.frameWidth, c.frame) << static_cast<int>(c.border);
    EXPECT_EQ(m.frameHeight, c.frame) << static_cast<int>(c.border);
    EXPECT_EQ(m.largeSet, c.largeSet) << static_cast<int>(c.border);
    EXPECT_EQ(m.iconShown, c.largeSet) << static_cast<int>(c.border);
    EXPECT_EQ(m.iconSize.width, c.icon) << static_cast<int>(c.border);
  }
  FrameTraits withMenu;
  withMenu.borderStyle = B::bsSingle;
  withMenu.mainMenu = true;
  EXPECT_EQ(computeFrameMetrics(withMenu).menuLineHeight, 18);
  EXPECT_EQ(iconSizeForCaption(8), 0);
  EXPECT_EQ(iconSizeForCaption(16), 8);
  EXPECT_EQ(iconSizeForCaption(27), 16);
  EXPECT_EQ(iconSizeForCaption(28), 32);
}

}  // namespace
}  // namespace tavra::test
