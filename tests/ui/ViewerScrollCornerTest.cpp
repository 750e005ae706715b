// The square where the page viewer's two scroll bars meet: painted as the skin paints the bars,
// and in the plain bars' button face without a skin.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "platform/page/WebBrowser.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/controls/SkinScrollBar.h"

namespace tavra::test {
namespace {

class ViewerScrollCornerTest : public MainWindowTest {
 protected:
  // The corner in window coordinates, once the page is shown wide enough for both bars.
  Rect showBothBars() {
    TWebBrowser& wb = *main().wb1;
    EXPECT_TRUE(driver.advanceUntil([&] { return !wb.Busy(); }, 20000, 50));
    wb.setZoom(300);
    EXPECT_TRUE(driver.advanceUntil([&] { return wb.horizontalScrollBar().shown(); }, 5000, 50));
    return ScrollBar::cornerRect(wb.scrollBar(), wb.horizontalScrollBar());
  }
  Bitmap cornerOnScreen(const Rect& corner) {
    const Point at = main().wb1->window()->screenOrigin();
    return driver.screenshot().copy(corner.offsetBy(at.x, at.y));
  }
};

TEST_F(ViewerScrollCornerTest, TheCornerIsTheSkinsTrackAndTheButtonFaceWithoutASkin) {
  TsSkinManager& sm = *main().sm;
  ASSERT_TRUE(sm.active());
  const Rect corner = showBothBars();
  ASSERT_FALSE(corner.isEmpty());
  ASSERT_TRUE(sm.model().IsValidSection(sm.model().CommonIndices.ScrollBar1V));

  Bitmap expected(corner.right, corner.bottom);
  {
    Canvas c(expected);
    ASSERT_TRUE(PaintSkinScrollCorner(c, corner, sm.model()));
  }
  const Bitmap skinned = cornerOnScreen(corner);
  EXPECT_EQ(skinned, expected.copy(corner));
  bool allFace = true;
  for (int y = 0; y < skinned.height(); ++y) {
    for (int x = 0; x < skinned.width(); ++x) allFace = allFace && skinned.colorAt(x, y) == resolveColor(clBtnFace);
  }
  EXPECT_FALSE(allFace) << "the skinned corner is not the plain grey";

  sm.setActive(false);
  driver.advance(100);
  const Rect plainCorner = ScrollBar::cornerRect(main().wb1->scrollBar(), main().wb1->horizontalScrollBar());
  ASSERT_FALSE(plainCorner.isEmpty());
  const Bitmap plain = cornerOnScreen(plainCorner);
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) ASSERT_EQ(plain.colorAt(x, y), resolveColor(clBtnFace)) << x << ", " << y;
  }
}

}  // namespace
}  // namespace tavra::test
