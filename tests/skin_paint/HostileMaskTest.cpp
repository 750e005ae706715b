// Masks a skin file could hold but no painter may trust, built in code: rectangles inverted or
// outside the picture, frame counts and mask types out of range, border widths below 0 or wider
// than the frame, tiny and empty pictures. Every painter that reads a mask must stay inside the
// mask's frame and write only inside its rectangle; where a frame exists, the picture is the one
// the widths cut to the frame give.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <ostream>
#include <string>
#include <vector>

#include "PaintFixtures.h"
#include "driver/harness/HeadlessDriver.h"
#include "skin/binding/BindingPainting.h"
#include "skin/binding/TacGlowEffect.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/MaskCornerRuns.h"
#include "skin/primitives/TextureFill.h"

namespace tavra::test {
namespace {

const Color kRed = rgb(255, 0, 0);
const Color kBlue = rgb(0, 0, 255);
const Color kGround = rgb(7, 7, 7);
const Color kPoison = rgb(1, 2, 3);  // every master pixel outside the frame

// The master: poison everywhere but a 10 × 10 frame at (10, 5), red on its left half and blue on
// its right, with one clFuchsia pixel at its (1, 1), and black opacity rows below it (an alpha
// mask of that frame shows the frame as it is). A smaller master is all red.
void paintMaster(TinySkin& skin) {
  Bitmap& m = skin.model.MasterBitmap;
  if (m.width() < 20 || m.height() < 25) {
    m.fill(pixelFromColor(kRed));
    return;
  }
  m.fill(pixelFromColor(kPoison));
  skin.paint({10, 5, 15, 15}, kRed);
  skin.paint({15, 5, 20, 15}, kBlue);
  skin.put(11, 6, clFuchsia);
  skin.paint({10, 15, 20, 25}, clBlack);
}

// Where a painter draws into the 30 × 30 target.
const Rect kTarget{5, 5, 25, 25};

struct Expected {
  Point at;
  Color color;
};

struct HostileCase {
  std::string name;
  Size master;
  TinySkin::MaskSpec mask;
  Size frame;                    // the frame the painters see; empty: none
  BorderWidths cut;              // the widths cut to that frame
  std::vector<Expected> border;  // pixels of DrawBorderMask (and the shaping variant) over kTarget
  bool drawsFuchsia = false;     // a piece puts the frame's fuchsia pixel at kTarget's (1, 1)
  bool cornerRun = false;        // ... and that piece is the top-left corner
  bool framed() const { return frame.width > 0 && frame.height > 0; }
};

void PrintTo(const HostileCase& c, std::ostream* os) { *os << c.name; }

// A mask the painters must leave alone: no frame, nothing drawn.
HostileCase frameless(std::string name, Size master, TinySkin::MaskSpec mask) {
  return {std::move(name), master, std::move(mask), {}, {}, {}, false, false};
}

TinySkin::MaskSpec maskOf(Rect rect, int wl, int wt, int wr, int wb, int imageCount = 1, int maskType = 0) {
  return {.section = "HOSTILE", .rect = rect, .imageCount = imageCount, .maskType = maskType, .wl = wl, .wt = wt, .wr = wr, .wb = wb};
}

std::vector<HostileCase> hostileCases() {
  const Rect frame{10, 5, 20, 15};
  const Rect alphaFrame{10, 5, 20, 25};
  const Size master{40, 30};
  const Size tenByTen{10, 10};
  // Cut to the frame, WL 8 + WR 8 become 5 + 5: the corners come from the frame's own halves
  // and no top side is left between them.
  const std::vector<Expected> halves = {{{5, 5}, kRed}, {{24, 5}, kBlue}, {{24, 24}, kBlue}, {{14, 5}, kGround}, {{12, 12}, kGround}};
  return {
      {"SidesWiderThanTheFrame", master, maskOf(frame, 8, 3, 8, 3), tenByTen, {5, 3, 5, 3}, halves, true, true},
      {"AlphaSidesWiderThanTheFrame", master, maskOf(alphaFrame, 8, 3, 8, 3, 1, 1), tenByTen, {5, 3, 5, 3}, halves, true, true},
      // WL −3 counts as 0: the top side starts at the rectangle's left, from the frame's column 0.
      {"NegativeLeftWidth", master, maskOf(frame, -3, 3, 3, 3), tenByTen, {0, 3, 3, 3},
       {{{5, 5}, kRed}, {{24, 5}, kBlue}, {{12, 12}, kGround}}, true, false},
      {"AllWidthsNegative", master, maskOf(frame, -5, -5, -5, -5), tenByTen, {}, {{{5, 5}, kGround}, {{24, 24}, kGround}}, false, false},
      // WL and WT 30 become the whole frame: one 10 × 10 corner, nothing else.
      {"WidthsBeyondTheFrame", master, maskOf(frame, 30, 30, 0, 0), tenByTen, {10, 10, 0, 0},
       {{{5, 5}, kRed}, {{14, 14}, kBlue}, {{20, 20}, kGround}}, true, true},
      // The only pixel is the top-left corner; the right and bottom widths are left with nothing.
      {"OnePixelPicture", {1, 1}, maskOf({0, 0, 1, 1}, 1, 1, 1, 1), {1, 1}, {1, 1, 0, 0},
       {{{5, 5}, kRed}, {{24, 24}, kGround}, {{24, 5}, kGround}}, false, false},
      frameless("InvertedRect", master, maskOf({20, 15, 10, 5}, 3, 3, 3, 3)),
      frameless("RectPartlyOutsideThePicture", master, maskOf({35, 5, 45, 15}, 3, 3, 3, 3)),
      frameless("RectAboveAndLeftOfThePicture", master, maskOf({-5, -5, 5, 5}, 3, 3, 3, 3)),
      frameless("RectWiderThanAnInt", master, maskOf({INT_MIN + 1, 5, INT_MAX, 15}, 3, 3, 3, 3)),
      frameless("NoImages", master, maskOf(frame, 3, 3, 3, 3, 0)),
      frameless("NegativeImageCount", master, maskOf(frame, 3, 3, 3, 3, -4)),
      frameless("HugeImageCount", master, maskOf(frame, 3, 3, 3, 3, 32767)),
      frameless("HugeMaskType", master, maskOf(frame, 3, 3, 3, 3, 1, 32767)),
      frameless("EmptyPicture", {0, 0}, maskOf({0, 0, 10, 10}, 3, 3, 3, 3)),
  };
}

// The target after a painter, with what no painter may leave: a pixel written outside `inside`
// or a pixel read outside the frame (the poison colour).
::testing::AssertionResult staysInside(const Bitmap& b, const Rect& inside) {
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      const Color c = b.colorAt(x, y);
      if (c == kPoison) return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") was read outside the frame";
      if (!inside.contains(Point{x, y}) && c != kGround) {
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") outside the rectangle was written";
      }
    }
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult shows(const Bitmap& b, const std::vector<Expected>& expected) {
  for (const Expected& e : expected) {
    if (b.colorAt(e.at.x, e.at.y) != e.color) {
      return ::testing::AssertionFailure() << "pixel (" << e.at.x << ", " << e.at.y << ") is 0x" << std::hex
                                           << b.colorAt(e.at.x, e.at.y) << ", not 0x" << e.color;
    }
  }
  return ::testing::AssertionSuccess();
}

struct HostileSkin : TinySkin {
  int index = -1;
  explicit HostileSkin(const HostileCase& c) : TinySkin(c.master.width, c.master.height) {
    paintMaster(*this);
    section("HOSTILE");
    index = mask(c.mask);
    finish();
  }
};

class HostileMask : public ::testing::TestWithParam<HostileCase> {};

TEST_P(HostileMask, BordersAndShapesTakeTheFrameCutToItsPicture) {
  const HostileCase& c = GetParam();
  HostileSkin skin(c);
  const bool framed = c.framed();
  for (int state : {0, 1, 7, -3}) {
    Bitmap drawn = filled(30, 30, kGround);
    DrawBorderMask(drawn, kTarget, CentreFill::Yes, CornersFromParent::No, state, skin.model, skin.index, {});
    EXPECT_TRUE(staysInside(drawn, kTarget)) << state;
    EXPECT_TRUE(framed ? shows(drawn, c.border) : allOf(drawn, drawn.bounds(), kGround)) << state;

    Bitmap shaped = filled(30, 30, kGround);
    Region shape(shaped.bounds());
    DrawBorderMaskShaping(shaped, kTarget, CentreFill::Yes, state, skin.model, skin.index, shape);
    EXPECT_TRUE(staysInside(shaped, kTarget)) << state;
    EXPECT_TRUE(framed ? shows(shaped, c.border) : allOf(shaped, shaped.bounds(), kGround)) << state;
    EXPECT_EQ(shape.contains({kTarget.left + 1, kTarget.top + 1}), !c.drawsFuchsia) << "a drawn fuchsia pixel is cut out";
  }
}

TEST_P(HostileMask, MaskImagesAndCornerRunsStayInTheFrame) {
  const HostileCase& c = GetParam();
  HostileSkin skin(c);
  const BorderWidths w = frameBorderWidths(maskFrame(skin.model, skin.index, 0));
  EXPECT_EQ((std::array{w.left, w.top, w.right, w.bottom}), (std::array{c.cut.left, c.cut.top, c.cut.right, c.cut.bottom}));
  const Rect image = Rect::fromSize(kTarget.topLeft(), c.frame);
  for (MaskOpacity opacity : {MaskOpacity::Opaque, MaskOpacity::Blended}) {
    Bitmap b = filled(30, 30, kGround);
    DrawMaskImage(b, kTarget.topLeft(), 0, {}, skin.model, skin.index, opacity);
    EXPECT_TRUE(staysInside(b, image));
    if (opacity == MaskOpacity::Opaque && c.framed()) {
      EXPECT_EQ(b.colorAt(5, 5), kRed);
    }
  }
  const Size size{20, 20};
  for (const Rect& run : transparentCornerRuns(skin.model, skin.index, size)) {
    EXPECT_TRUE(Rect::fromSize({0, 0}, size).contains(run)) << run.left << ", " << run.top;
  }
  const std::vector<Rect> runs = transparentCornerRuns(skin.model, skin.index, size);
  EXPECT_EQ(runs.size(), c.cornerRun ? 1u : 0u);
  if (c.cornerRun && !runs.empty()) {
    EXPECT_EQ(runs.front(), (Rect{1, 1, 2, 2}));
  }
}

TEST_P(HostileMask, TexturesTileOnlyWhatLiesInThePicture) {
  const HostileCase& c = GetParam();
  HostileSkin skin(c);
  for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 10}) {
    Bitmap b = filled(30, 30, kGround);
    // A texture is the mask's whole rectangle, and no rectangle here that lies in its picture
    // holds poison.
    FillTexture(b, kTarget, nullptr, mode, skin.model, skin.index);
    EXPECT_TRUE(staysInside(b, kTarget)) << mode;
    Bitmap masked = filled(30, 30, kGround);
    FillMaskedTexture(masked, kTarget, colourView(kGround), mode, skin.model, skin.index);
    EXPECT_TRUE(staysInside(masked, kTarget)) << mode;
  }
}

TEST_P(HostileMask, AGlowIsTheBorderOfItsFrame) {
  const HostileCase& c = GetParam();
  HeadlessDriver driver;
  HostileSkin skin(c);
  const Rect control = Rect::fromSize(100, 100, 40, 30);
  const TacGlowEffect glow(skin.model, skin.index, control, control, 0, false);
  if (!c.framed()) {
    EXPECT_TRUE(glow.image().isEmpty());
    EXPECT_EQ(glow.window(), nullptr);
    return;
  }
  const Bitmap& image = glow.image();
  ASSERT_EQ(image.size(), (Size{40 + c.cut.left + c.cut.right, 30 + c.cut.top + c.cut.bottom}));
  if (c.cut.top > 0) {
    EXPECT_EQ(image.colorAt(0, 0) & 0x00FFFFFFu, kRed);
  }
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) ASSERT_NE(image.colorAt(x, y) & 0x00FFFFFFu, kPoison) << x << ", " << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Masks, HostileMask, ::testing::ValuesIn(hostileCases()),
                         [](const ::testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

TEST(HostileGlow, AMarginBelowZeroCountsAsZeroAndOneWiderThanTheGlowLeavesNone) {
  HeadlessDriver driver;
  const HostileCase c = hostileCases().front();  // borders 5, 3, 5, 3 once cut to the frame
  HostileSkin skin(c);
  const Rect control = Rect::fromSize(100, 100, 40, 30);
  struct Case {
    int margin;
    Size image;
  } cases[] = {{0, {50, 36}}, {2, {46, 32}}, {-50, {50, 36}}, {INT_MIN, {50, 36}}, {40, {}}, {INT_MAX, {}}};
  for (const Case& m : cases) {
    const TacGlowEffect glow(skin.model, skin.index, control, control, m.margin, false);
    EXPECT_EQ(glow.image().size(), m.image) << m.margin;
  }
}

TEST(BorderWidthsFit, OppositeWidthsShareTheSizeAndNeverLeaveIt) {
  struct Case {
    BorderWidths given;
    Size size;
    BorderWidths fitted;
  } cases[] = {
      {{12, 10, 0, 2}, {8, 6}, {8, 6, 0, 0}},       // one side alone wider than the size
      {{0, 0, 12, 0}, {8, 6}, {0, 0, 8, 0}},
      {{-4, -1, 3, 2}, {8, 6}, {0, 0, 3, 2}},       // below 0 counts as 0
      {{3, 3, 3, 3}, {20, 20}, {3, 3, 3, 3}},       // fitting widths stay
  };
  for (const Case& c : cases) {
    const BorderWidths w = fitBorderWidths(c.given, c.size.width, c.size.height);
    EXPECT_EQ(w.left, c.fitted.left);
    EXPECT_EQ(w.top, c.fitted.top);
    EXPECT_EQ(w.right, c.fitted.right);
    EXPECT_EQ(w.bottom, c.fitted.bottom);
  }
}

TEST(DisabledBlend, PixelsTheParentPictureDoesNotReachStayAsPainted) {
  Bitmap control = filled(10, 10, kRed);
  const Bitmap parent = filled(5, 10, kBlue);  // reaches the control's left half only
  ApplyDisabledEffect(control, dkBlended, nullptr, {0, 0}, viewOf(parent));
  EXPECT_TRUE(allOf(control, {0, 0, 5, 10}, rgb(102, 0, 153))) << "the parent 60 %, the control 40 %";
  EXPECT_TRUE(allOf(control, {5, 0, 10, 10}, kRed)) << "not blended with black";
}

}  // namespace
}  // namespace tavra::test
