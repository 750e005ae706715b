// The effect label: shadow sizes on auto-size, the whole effect drawing over known backgrounds,
// plain drawing without a shadow, the disabled emboss, the text colour by kind and the shadow
// parameters by mode.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "gfx/PixelTestUtil.h"
#include "skin/data/SkinModelRepair.h"
#include "skin/primitives/ShadowBlur.h"
#include "skin/labels/sLabel.h"
#include "skin_paint/LabelTestSupport.h"

namespace tavra::test {
namespace {

constexpr unsigned kFlags = DT_EXPANDTABS;  // a left-aligned, single-line, prefix-taking label
const Font kVerdana{"Verdana", 24, fsBold | fsItalic, clBlack, FontCharset::Russian};
const Font kSmall{"MS Sans Serif", 13, fsBold, clBlack, FontCharset::Russian};

Size measured(const std::string& text, const Font& font) {
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(font);
  Rect r{0, 0, 0, 0};
  c.drawText(text, r, kFlags | DT_CALCRECT);
  return r.size();
}

// A gradient, so that every pixel behind a label is known and most differ.
Bitmap gradient(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.setPixel(x, y, pixelFromColor(rgb((x * 5) & 0xFF, (y * 9) & 0xFF, 40 + (x + y) % 50)));
  }
  return b;
}

class LabelFXTest : public LabelTest {
 protected:
  std::unique_ptr<TsLabelFX> makeLabel(const Font& font, Color shadow, int blur, int distance, const std::string& caption) {
    auto l = std::make_unique<TsLabelFX>(nullptr);
    l->setFont(font);
    l->shadow().setMode(TsShadowMode::smCustom);
    l->shadow().setColor(shadow);
    l->shadow().setBlurCount(blur);
    l->shadow().setDistance(distance);
    l->kind().setKindType(TsKindType::ktCustom);
    l->kind().setColor(clWhite);
    l->setCaption(caption);
    return l;
  }
};

TEST_F(LabelFXTest, AutoSizeMakesRoomForTheShadowAndInsetsTheText) {
  struct Case {
    int distance;
    int blur;
    int grow;
    int textIn;  // the text's left and top offset
    int topLeft;
    int bottomRight;
  };
  for (Case k : {Case{1, 4, 8, 3, -3, 5}, Case{5, 2, 7, 0, 0, 7}}) {
    SCOPED_TRACE(testing::Message() << "distance " << k.distance << ", blur " << k.blur);
    auto label = makeLabel(kVerdana, clBlack, k.blur, k.distance, "Загрузка");
    Size plain = measured("Загрузка", kVerdana);
    EXPECT_EQ(label->width(), plain.width + k.grow);
    EXPECT_EQ(label->height(), plain.height + k.grow);
    EXPECT_EQ(label->topLeftExtent(), k.topLeft);
    EXPECT_EQ(label->bottomRightExtent(), k.bottomRight);
    // A black shadow over black leaves black, so what remains is the text alone: white, at the
    // inset rectangle.
    Bitmap black = solid(label->width(), label->height(), clBlack);
    Bitmap shown = paintOver(*label, black);
    Rect textRect{k.textIn, k.textIn, label->width() - k.bottomRight, label->height() - k.bottomRight};
    EXPECT_TRUE(shown == drawTextOver(black, "Загрузка", kVerdana, clWhite, textRect, kFlags));
  }
}

TEST_F(LabelFXTest, TransparentLabelMixesItsShadowIntoWhatLiesBehind) {
  auto label = makeLabel(kSmall, rgb(0, 0, 255), 2, 1, "Hi");
  const int w = label->width(), h = label->height();
  Rect inset{1, 1, w - 3, h - 3};  // extents -1 and 3
  Bitmap behind = gradient(w, h);
  Bitmap shown = paintOver(*label, behind);

  // The mask: the text in white on black where the shadow falls, one pixel right and down.
  Bitmap mask = drawTextOver(solid(w, h, clBlack), "Hi", kSmall, clWhite, inset.offsetBy(1, 1), kFlags);
  std::vector<std::uint8_t> weights(shadowBufferEntries(w, h), 0);
  blurShadowMask(mask, weights, 2);
  ASSERT_GE(label->blurBufferSize(), weights.size());
  EXPECT_TRUE(std::equal(weights.begin(), weights.end(), label->blurBuffer()));

  Bitmap expected = behind;
  composeShadowOver(expected, weights, rgb(0, 0, 255));
  expected = drawTextOver(expected, "Hi", kSmall, clWhite, inset, kFlags);
  EXPECT_TRUE(shown == expected);
  // The shadow is there: blue rose where the weights are high.
  int bluer = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) bluer += blueOf(shown.colorAt(x, y)) > blueOf(behind.colorAt(x, y)) + 60;
  }
  EXPECT_GT(bluer, 10);
}

TEST_F(LabelFXTest, OpaqueLabelMixesItsShadowIntoItsColor) {
  auto label = makeLabel(kSmall, rgb(0, 0, 255), 3, 2, "Hi");
  label->setTransparent(false);
  label->setColor(rgb(250, 240, 0));
  const int w = label->width(), h = label->height();
  Rect inset{1, 1, w - 5, h - 5};  // extents -1 and 5
  Bitmap shown = paintOver(*label, gradient(w, h));

  Bitmap mask = drawTextOver(solid(w, h, clBlack), "Hi", kSmall, clWhite, inset.offsetBy(2, 2), kFlags);
  std::vector<std::uint8_t> weights(shadowBufferEntries(w, h), 0);
  blurShadowMask(mask, weights, 3);
  Bitmap expected(w, h);
  composeShadowOnColor(expected, weights, rgb(0, 0, 255), rgb(250, 240, 0));
  expected = drawTextOver(expected, "Hi", kSmall, clWhite, inset, kFlags);
  EXPECT_TRUE(shown == expected);
  // Nothing of what lay behind shows: a corner far from the text is the colour, darkened by the
  // mix's shift: 250·255 >> 8 = 249, 240·255 >> 8 = 239.
  EXPECT_EQ(shown.colorAt(w - 1, 0), rgb(249, 239, 0));
}

TEST_F(LabelFXTest, NoBlurOrNoShadowColourDrawsPlainly) {
  struct Case {
    const char* name;
    Color shadow;
    int blur;
  };
  for (Case k : {Case{"blur count 0", clBlack, 0}, Case{"shadow colour none", clNone, 4}}) {
    SCOPED_TRACE(k.name);
    auto label = makeLabel(kVerdana, k.shadow, k.blur, 1, "Загрузка");
    Size plain = measured("Загрузка", kVerdana);
    EXPECT_EQ(label->width(), plain.width);
    EXPECT_EQ(label->height(), plain.height);
    Bitmap behind = gradient(label->width(), label->height());
    EXPECT_TRUE(paintOver(*label, behind) == drawTextOver(behind, "Загрузка", kVerdana, clWhite, Rect{0, 0, plain.width, plain.height}, kFlags));
    EXPECT_EQ(label->blurBufferSize(), 0u) << "no shadow, no buffer";
  }
}

TEST_F(LabelFXTest, DisabledLabelIsEmbossedWithoutShadow) {
  auto label = std::make_unique<TsLabelFX>(nullptr);
  label->setFont(kVerdana);
  label->shadow().setMode(TsShadowMode::smCustom);
  label->setEnabled(false);
  label->setCaption("Тест");
  Size plain = measured("Тест", kVerdana);
  EXPECT_EQ(label->boundsRect().size(), plain) << "no room for a shadow";
  Bitmap face = solid(plain.width, plain.height, rgb(212, 208, 200));
  Bitmap shown = paintOver(*label, face);
  Rect r{0, 0, plain.width, plain.height};
  Bitmap expected = drawTextOver(face, "Тест", kVerdana, systemColor(SysColor::BtnHighlight), r.offsetBy(1, 1), kFlags);
  expected = drawTextOver(expected, "Тест", kVerdana, systemColor(SysColor::BtnShadow), r, kFlags);
  EXPECT_TRUE(shown == expected);
  EXPECT_GT(countColor(shown, clWhite), 0);
  EXPECT_GT(countColor(shown, rgb(128, 128, 128)), 0);
}

TEST_F(LabelFXTest, EmptyCaptionKeepsOneLineOfHeight) {
  auto label = makeLabel(kVerdana, clBlack, 4, 1, "Загрузка");
  label->setCaption("");
  EXPECT_EQ(label->height(), measured(" ", kVerdana).height + 8);
  EXPECT_EQ(label->width(), measured(" ", kVerdana).width + 8);
}

TEST_F(LabelFXTest, BufferIsReusedAndOnlyGrows) {
  auto label = makeLabel(kSmall, clBlack, 2, 1, "Hello");
  auto paint = [&] { paintOver(*label, solid(label->width(), label->height(), clWhite)); };
  auto needed = [&] { return 2 * shadowBufferEntries(label->width(), label->height()); };
  paint();
  size_t first = label->blurBufferSize();
  EXPECT_EQ(first, needed());
  const std::uint8_t* memory = label->blurBuffer();
  paint();
  EXPECT_EQ(label->blurBufferSize(), first);
  EXPECT_EQ(label->blurBuffer(), memory) << "the same memory is used again";
  label->setCaption("Hi");
  paint();
  EXPECT_LT(needed(), first);
  EXPECT_EQ(label->blurBufferSize(), first) << "a smaller label keeps the buffer";
  label->setCaption("Hello, world");
  paint();
  EXPECT_EQ(label->blurBufferSize(), needed());
  EXPECT_GT(label->blurBufferSize(), first);
  EXPECT_EQ(label->mask().size(), label->boundsRect().size());
}

TEST_F(LabelFXTest, TextColourByKind) {
  FakeSkin withContour;
  withContour.sections = {{"GLOBALINFO", {.fontColor = rgb(1, 1, 1), .contourLeft = rgb(0, 128, 0)}}};
  FakeSkin noContour;
  noContour.sections = {{"GLOBALINFO", {.fontColor = rgb(1, 1, 1), .contourLeft = LabelSkinSection::kNone}}};
  FakeSkin inactive = withContour;
  inactive.active = false;
  FakeSkin noGlobalInfo;
  noGlobalInfo.sections = {{"BUTTON", {.contourLeft = rgb(9, 9, 9)}}};
  struct Case {
    const char* name;
    TsKindType kind;
    const FakeSkin* skin;
    Color expected;
  };
  const Color labelColor = rgb(200, 0, 0), kindColor = rgb(0, 0, 200);
  for (Case k : {Case{"standard: the label's Color, not its font's", TsKindType::ktStandard, nullptr, labelColor},
                 Case{"custom: the kind colour", TsKindType::ktCustom, &withContour, kindColor},
                 Case{"skin without a skin: the kind colour", TsKindType::ktSkin, nullptr, kindColor},
                 Case{"skin: GLOBALINFO's TCLEFT", TsKindType::ktSkin, &withContour, rgb(0, 128, 0)},
                 Case{"skin with TCLEFT -1: the kind colour", TsKindType::ktSkin, &noContour, kindColor},
                 Case{"skin not active: the kind colour", TsKindType::ktSkin, &inactive, kindColor},
                 Case{"skin without GLOBALINFO: the kind colour", TsKindType::ktSkin, &noGlobalInfo, kindColor}}) {
    SCOPED_TRACE(k.name);
    std::optional<ScopedSkin> scoped;
    if (k.skin) scoped.emplace(*k.skin);
    auto label = makeLabel(kVerdana, clBlack, 0, 0, "Ш");
    label->setColor(labelColor);
    label->kind().setKindType(k.kind);
    label->kind().setColor(kindColor);
    EXPECT_EQ(label->textColor(), k.expected);
    // Drawn plainly (blur 0), the text's solid middle has exactly that colour.
    Bitmap shown = paintOver(*label, solid(label->width(), label->height(), clWhite));
    EXPECT_GT(countColor(shown, k.expected), 10);
  }
  auto fresh = std::make_unique<TsLabelFX>(nullptr);
  EXPECT_EQ(fresh->kind().kindType(), TsKindType::ktSkin);
  EXPECT_EQ(fresh->textColor(), clWhite) << "white by default without a skin";
}

TEST_F(LabelFXTest, ShadowParametersByMode) {
  FakeSkin skin;
  skin.sections = {{"GLOBALINFO", {}}};
  skin.shadow = {.color = rgb(1, 2, 3), .blur = 6, .offset = 2};
  FakeSkin noShadow = skin;
  noShadow.shadow.blur = -1;
  FakeSkin inactive = skin;
  inactive.active = false;
  FakeSkin huge = skin;  // a model built in code, not repaired by a load
  huge.shadow.blur = 999999;
  huge.shadow.offset = -99999;
  struct Case {
    const char* name;
    TsShadowMode mode;
    const FakeSkin* skin;
    TsLabelFX::ShadowParams expected;
  };
  const TsLabelFX::ShadowParams own{rgb(166, 202, 240), 10, 1};
  for (Case k : {Case{"custom ignores the skin", TsShadowMode::smCustom, &skin, own},
                 Case{"skin1 takes the skin's first shadow", TsShadowMode::smSkin1, &skin, {rgb(1, 2, 3), 6, 2}},
                 Case{"skin1 with SHADOW1BLUR -1: the label's own", TsShadowMode::smSkin1, &noShadow, own},
                 Case{"skin1 bounds absurd values", TsShadowMode::smSkin1, &huge, {rgb(1, 2, 3), kMaxShadowBlur, -kMaxShadowOffset}},
                 Case{"skin1 without an active skin: the label's own", TsShadowMode::smSkin1, &inactive, own},
                 Case{"skin1 without a skin: the label's own", TsShadowMode::smSkin1, nullptr, own}}) {
    SCOPED_TRACE(k.name);
    std::optional<ScopedSkin> scoped;
    if (k.skin) scoped.emplace(*k.skin);
    TsLabelFX label(nullptr);
    label.shadow().setMode(k.mode);
    label.shadow().setColor(own.color);
    label.shadow().setBlurCount(own.blurCount);
    label.shadow().setDistance(own.distance);
    auto p = label.shadowParams();
    EXPECT_EQ(p.color, k.expected.color);
    EXPECT_EQ(p.blurCount, k.expected.blurCount);
    EXPECT_EQ(p.distance, k.expected.distance);
  }
}

TEST_F(LabelFXTest, DefaultsAndNoneMode) {
  TsLabelFX label(nullptr);
  EXPECT_TRUE(label.transparent());
  EXPECT_EQ(label.shadow().mode(), TsShadowMode::smSkin1);
  EXPECT_EQ(label.shadow().color(), clBlack);
  EXPECT_EQ(label.shadow().blurCount(), 4);
  EXPECT_EQ(label.shadow().distance(), 1);
  EXPECT_EQ(label.kind().color(), clWhite);
  // smNone draws as the plain skinned label does: in the font's colour, no growth.
  label.shadow().setMode(TsShadowMode::smNone);
  Font f = kVerdana;
  f.color = rgb(0, 0, 255);
  label.setFont(f);
  label.setCaption("Ш");
  EXPECT_EQ(label.boundsRect().size(), measured("Ш", kVerdana));
  Bitmap shown = paintOver(label, solid(label.width(), label.height(), clWhite));
  EXPECT_GT(countColor(shown, rgb(0, 0, 255)), 10);
}

}  // namespace
}  // namespace tavra::test
