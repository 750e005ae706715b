// A minimised form without a window manager: the bar that stands for it at the bottom of the
// screen is the form's minimised caption painted from the skin (frame, caption section, icon,
// caption buttons of a minimised window), and the skin's buttons on it hover and act.
#include <gtest/gtest.h>

#include "FrameFixture.h"
#include "gfx/Canvas.h"
#include "gfx/ProgramIcon.h"

namespace tavra::test {
namespace {

using namespace frame_colors;

class FrameMinimizedBarTest : public FrameFixture {
 protected:
  // The main window's frame, minimised with its minimise button; the bar that stands for it.
  Window& minimise(TForm& form) {
    const CaptionButton& min = providerOf(form)->captionButtons().buttons[cbMin];
    driver.click(form.window()->screenOrigin() + min.rect.topLeft() + Point{4, 4});
    EXPECT_TRUE(form.window()->isMinimized());
    Window* bar = driver.ws().minimizedBarOf(*form.window());
    EXPECT_NE(bar, nullptr);
    return *bar;
  }
  Point centreOn(const Window& bar, const Rect& r) { return bar.screenOrigin() + Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
};

TEST_F(FrameMinimizedBarTest, TheBarIsTheSkinsMinimisedCaption) {
  useSkin();
  driver.app().setIcon(programIcon());
  TForm& form = showForm();
  Window& bar = minimise(form);
  TsSkinProvider& p = *providerOf(form);
  EXPECT_FALSE(p.formActive()) << "a minimised window is not the active one";
  const CaptionButtonSet& b = p.captionButtons();
  ASSERT_TRUE(b.buttons[cbClose].exists && b.buttons[cbMax].exists && b.buttons[cbMin].exists);
  const int width = bar.bounds().width();
  const int height = bar.bounds().height();
  EXPECT_EQ(b.buttons[cbClose].rect.right, width - 3) << "the buttons are laid out in the bar's width";

  const Bitmap shot = driver.screenshot();
  const Color desktop = systemColorValue(static_cast<int>(SysColor::Desktop));
  struct Expected {
    const char* what;
    Point at;  // in the bar
    Color color;
  };
  const Expected cases[] = {
      {"the caption section, inactive", {width / 2, 3 + 19 - 1}, kTitleInactive},
      {"the bottom frame", {width / 2, height - 1}, kBorder},
      {"the close button, half blended on an inactive caption", centreOn(bar, b.buttons[cbClose].rect) - bar.screenOrigin(), rgb(192, 64, 64)},
      {"the magenta corner cut away", {0, 0}, desktop},
  };
  for (const Expected& e : cases) {
    const Point s = bar.screenOrigin() + e.at;
    EXPECT_EQ(shot.colorAt(s.x, s.y), e.color) << e.what;
  }
  // The application's icon at the icon rectangle.
  Bitmap icon(16, 16);
  icon.fill(pixelFromColor(kTitleInactive));
  Canvas(icon).alphaBlend(icon.bounds(), programIconPicture(16), Rect{0, 0, 16, 16}, 255, AlphaSource::PerPixel);
  EXPECT_TRUE(shot.copy(Rect::fromSize(3, 3, 16, 16).offsetBy(bar.screenOrigin())) == icon);
}

TEST_F(FrameMinimizedBarTest, TheBarsButtonsHoverRestoreAndClose) {
  useSkin();
  TForm& form = showForm();
  Window* bar = &minimise(form);
  TsSkinProvider& p = *providerOf(form);
  const Point close = centreOn(*bar, p.captionButtons().buttons[cbClose].rect);
  driver.moveTo(close);
  EXPECT_EQ(p.hotItem(), HTCLOSE);
  EXPECT_EQ(screenAt(close), kCloseHot);

  // The minimise button of a minimised window restores it; its frame is the full one again.
  driver.click(centreOn(*bar, p.captionButtons().buttons[cbMin].rect));
  EXPECT_FALSE(form.window()->isMinimized());
  EXPECT_EQ(driver.ws().minimizedBarOf(*form.window()), nullptr);
  EXPECT_FALSE(p.captionButtons().buttons[cbMax].exists);
  EXPECT_EQ(p.captionButtons().buttons[cbClose].rect.right, 497);
  EXPECT_EQ(screenAt({100 + 250, 100 + 21}), kTitleActive);

  bar = &minimise(form);
  driver.click(centreOn(*bar, p.captionButtons().buttons[cbClose].rect));
  EXPECT_FALSE(form.visible()) << "the bar's close button closes the form";
}

}  // namespace
}  // namespace tavra::test
