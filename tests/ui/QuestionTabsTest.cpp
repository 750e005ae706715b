// The skinned tab controls of the testing window: the question tabs scroll with skinned spin
// buttons, and a tab of the second half, scrolled into view, is selected by a click and drawn
// selected where it now lies.
#include "SelfTestFixture.h"
#include "framework/controls/TabScroller.h"
#include "skin/tabs/SpinButtonAdapter.h"

namespace tavra::test {
namespace {

TEST_F(SelfTest, QuestionTabsScrollWithSkinnedSpinButtons) {
  TsTabControl& tabs = *form().tc2;
  ASSERT_TRUE(tabs.SkinData.HasSkin());
  ASSERT_TRUE(form().tc1->SkinData.HasSkin());
  TTabScroller* arrows = tabs.scroller();
  ASSERT_NE(arrows, nullptr);
  SpinButtonAdapter* spin = tabs.spinButtons();
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(&spin->arrows(), arrows);
  // What the screen shows over the arrows is the adapter's painting.
  driver.settle();
  Bitmap painted(arrows->width(), arrows->height());
  {
    Canvas c(painted);
    spin->paint(c);
  }
  const Bitmap screen = driver.screenshot();
  const Point origin = arrows->clientToScreen({0, 0});
  for (int y = 0; y < arrows->height(); ++y) {
    for (int x = 0; x < arrows->width(); ++x) {
      ASSERT_EQ(screen.colorAt(origin.x + x, origin.y + y), painted.colorAt(x, y)) << x << "," << y;
    }
  }
  // The right arrow scrolls the row; the left one back.
  driver.clickAt(*arrows, {arrows->width() - 3, arrows->height() / 2});
  EXPECT_EQ(tabs.layout().firstVisible(), 1);
  EXPECT_LT(tabs.itemRect(0).left, 0);
  driver.clickAt(*arrows, {2, arrows->height() / 2});
  EXPECT_EQ(tabs.layout().firstVisible(), 0);
}

TEST_F(SelfTest, ATabOfTheSecondHalfIsSelectedByAClickAndDrawnWhereItLies) {
  fillPersonalData();
  chooseVariant(0);
  TsTabControl& tabs = *form().tc2;
  chooseQuestion(7);  // scrolls with the arrows until tab 8 is in view, then clicks it
  ASSERT_EQ(tabs.TabIndex(), 7);
  EXPECT_GT(tabs.layout().firstVisible(), 0);
  EXPECT_TRUE(driver.boxes.empty());
  driver.settle();
  // The selected tab stands 2 pixels above its neighbours, at its scrolled place.
  const Rect selected = tabs.TabRect(7, TabSelection::Selected);
  const Rect neighbour = tabs.TabRect(6, TabSelection::NotSelected);
  ASSERT_GE(neighbour.left, 0);
  const Bitmap screen = driver.screenshot();
  const Point above = tabs.clientToScreen({(selected.left + selected.right) / 2, selected.top});
  const Point besideAbove = tabs.clientToScreen({(neighbour.left + neighbour.right) / 2, selected.top});
  const Point strip = tabs.clientToScreen({(neighbour.left + neighbour.right) / 2, 0});
  EXPECT_EQ(screen.colorAt(besideAbove.x, besideAbove.y), screen.colorAt(strip.x, strip.y)) << "no tab there";
  EXPECT_NE(screen.colorAt(above.x, above.y), screen.colorAt(strip.x, strip.y)) << "the selected tab's top edge";
}

}  // namespace
}  // namespace tavra::test
