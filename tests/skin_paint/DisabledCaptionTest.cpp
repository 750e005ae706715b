// Disabled captions: muted, and still legible on every face, strongly coloured faces included.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"
#include "skin/builtin/BuiltInSkins.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/primitives/Contrast.h"
#include "skin/binding/DisabledCaption.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sSpeedButton.h"

namespace tavra::test {
namespace {

TEST(DisabledCaption, ContrastRatioSpansOneToTwentyOne) {
  EXPECT_DOUBLE_EQ(ContrastRatio(clBlack, clBlack), 1.0);
  EXPECT_NEAR(ContrastRatio(clBlack, clWhite), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(rgb(119, 119, 119), clWhite), 4.48, 0.01);
  EXPECT_DOUBLE_EQ(ContrastRatio(rgb(10, 200, 30), rgb(250, 0, 90)), ContrastRatio(rgb(250, 0, 90), rgb(10, 200, 30)));
}

TEST(DisabledCaption, InkIsTheDisabledColourWhereItReadsElseTheMostMutedLegibleOne) {
  struct Case {
    const char* what;
    Color font, window, face;
  };
  const Case cases[] = {
      {"dark text on a pale face, pale window", rgb(0, 0, 0), rgb(255, 255, 255), rgb(236, 236, 236)},
      {"dark green on a strong green face", rgb(29, 58, 16), rgb(238, 246, 228), rgb(120, 190, 95)},
      {"dark text on a pink face", rgb(74, 16, 48), rgb(255, 244, 248), rgb(255, 180, 212)},
      {"light text on a dark face, dark window", rgb(230, 230, 230), rgb(30, 34, 40), rgb(60, 64, 70)},
      {"text the colour of the face", rgb(120, 190, 95), rgb(238, 246, 228), rgb(120, 190, 95)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Color disabled = BlendColors(c.font, c.window, 0.4);
    const Color ink = DisabledCaptionInk(c.font, disabled, c.face);
    EXPECT_GE(ContrastRatio(ink, c.face), kDisabledCaptionContrast);
    if (ContrastRatio(disabled, c.face) >= kDisabledCaptionContrast) {
      EXPECT_EQ(ink, disabled);
    } else if (ContrastRatio(c.font, c.face) >= kDisabledCaptionContrast) {
      // Muted: it stands out less than the enabled text would.
      EXPECT_LE(ContrastRatio(ink, c.face), ContrastRatio(c.font, c.face));
    }
  }
  // Where the disabled colour fails, the ink is the font colour faded towards the face.
  const Color frog = DisabledCaptionInk(rgb(29, 58, 16), BlendColors(rgb(29, 58, 16), rgb(238, 246, 228), 0.4), rgb(120, 190, 95));
  EXPECT_LT(ContrastRatio(BlendColors(rgb(29, 58, 16), rgb(238, 246, 228), 0.4), rgb(120, 190, 95)), kDisabledCaptionContrast);
  EXPECT_NE(frog, rgb(29, 58, 16));
  EXPECT_GT(greenOf(frog), 58);
}

// The strongest contrast between the captioned and the bare look, over the pixels where they
// differ: the core of the caption's strokes against the face behind them.
double captionContrast(const Bitmap& captioned, const Bitmap& bare) {
  double best = 1.0;
  for (int y = 0; y < captioned.height(); ++y) {
    for (int x = 0; x < captioned.width(); ++x) {
      if (captioned.colorAt(x, y) != bare.colorAt(x, y)) best = std::max(best, ContrastRatio(captioned.colorAt(x, y), bare.colorAt(x, y)));
    }
  }
  return best;
}

TEST(DisabledCaption, EveryProgramSkinKeepsDisabledCaptionsLegible) {
  HeadlessDriver driver;
  TsSkinManager& sm = driver.app().make<TsSkinManager>();
  sm.setInternalSkins(builtInSkins());
  sm.AllowGlowing = false;
  TForm& form = driver.app().CreateForm<TForm>();
  form.setBounds(0, 0, 400, 200);
  form.Show();
  TsBitBtn& button = form.make<TsBitBtn>();
  button.setParent(&form);
  button.setBounds(20, 20, 153, 33);
  TsSpeedButton& speed = form.make<TsSpeedButton>();
  speed.setParent(&form);
  speed.setBounds(200, 20, 90, 40);
  TsGroupBox& group = form.make<TsGroupBox>();
  group.setParent(&form);
  group.setBounds(20, 80, 300, 100);
  button.setEnabled(false);
  speed.setEnabled(false);
  group.setEnabled(false);
  auto look = [&](const TControl& c) {
    const Bitmap screen = driver.screenshot();
    const Point at = c.clientToScreen({0, 0});
    return screen.copy(Rect::fromSize(at.x, at.y, c.width(), c.height()));
  };
  for (const TsStoredSkin& skin : sm.internalSkins().items()) {
    SCOPED_TRACE(skin.Name);
    sm.setSkinName(skin.Name);
    button.setCaption("");
    speed.setCaption("");
    group.setCaption("");
    driver.advance(200);
    const Bitmap bareButton = look(button);
    const Bitmap bareSpeed = look(speed);
    const Bitmap bareGroup = look(group);
    button.setCaption("Посмотреть результат");
    speed.setCaption("задания");
    group.setCaption("Ввод данных");
    driver.advance(200);
    // On the screen: what antialiasing and a shaded face leave of the ink's contrast.
    EXPECT_GE(captionContrast(look(button), bareButton), 3.0) << "bit button";
    EXPECT_GE(captionContrast(look(speed), bareSpeed), 3.0) << "speed button";
    EXPECT_GE(captionContrast(look(group), bareGroup), 3.0) << "group box";
  }
}

}  // namespace
}  // namespace tavra::test
