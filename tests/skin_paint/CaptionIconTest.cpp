// The icon at the left of a skinned caption: the form's own icon, else the application's, drawn
// at the icon rectangle in the icon size; without either the caption shows through.
#include <gtest/gtest.h>

#include "FrameFixture.h"
#include "gfx/Canvas.h"
#include "gfx/ProgramIcon.h"

namespace tavra::test {
namespace {

using namespace frame_colors;

// A 3-pixel frame and a 19-pixel caption: a 16-pixel icon at (3, (19 + 3 − 16) div 2).
constexpr Rect kIconRect{3, 3, 19, 19};
constexpr Point kOrigin{100, 100};

Icon solidIcon(Color c) {
  return Icon([c](int size) {
    Bitmap b(size, size, PixelFormat::Bits32);
    b.fill(pixelFromColor(c));
    return b;
  });
}

// What the caption shows at the icon rectangle: the active caption with `icon` blended over it.
Bitmap expectedIcon(const Icon& icon) {
  Bitmap b(kIconRect.width(), kIconRect.height());
  b.fill(pixelFromColor(kTitleActive));
  if (!icon.isEmpty()) {
    Canvas c(b);
    const Bitmap& picture = icon.at(kIconRect.width());
    c.alphaBlend(b.bounds(), picture, picture.bounds(), 255, AlphaSource::PerPixel);
  }
  return b;
}

struct IconCase {
  const char* name;
  Icon formIcon;
  Icon applicationIcon;
  Icon shown;
};

class CaptionIconTest : public FrameFixture, public ::testing::WithParamInterface<IconCase> {};

TEST_P(CaptionIconTest, TheCaptionShowsTheIconThatApplies) {
  const IconCase& c = GetParam();
  useSkin();
  driver.app().setIcon(c.applicationIcon);
  TForm& form = driver.app().CreateForm<TForm>();
  form.setIcon(c.formIcon);
  form.setBorderStyle(TFormBorderStyle::bsSingle);
  form.setBorderIcons(biSystemMenu | biMinimize);
  form.setCaption("Frame");
  form.setBounds(kOrigin.x, kOrigin.y, 500, 300);
  form.Show();
  driver.settle();
  const FrameMetrics& m = providerOf(form)->metrics();
  ASSERT_TRUE(m.iconShown);
  ASSERT_EQ(m.iconSize, (Size{kIconRect.width(), kIconRect.height()})) << "the icon size of a 19-pixel caption";
  const Bitmap shown = driver.screenshot().copy(kIconRect.offsetBy(kOrigin));
  EXPECT_TRUE(shown == expectedIcon(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Icons, CaptionIconTest,
    ::testing::Values(IconCase{"TheApplicationsIcon", Icon(), programIcon(), programIcon()},
                      IconCase{"TheFormsOwnIconBeforeTheApplications", solidIcon(rgb(0, 160, 0)), programIcon(), solidIcon(rgb(0, 160, 0))},
                      IconCase{"NoIconLeavesTheCaption", Icon(), Icon(), Icon()}),
    [](const ::testing::TestParamInfo<IconCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavra::test
