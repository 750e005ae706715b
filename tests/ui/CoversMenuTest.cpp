// The covers menu of the main window: its 51 items with their previews and the names they set,
// and choosing a cover through the open menu as a student does.
#include <gtest/gtest.h>

#include <string>

#include "MainWindowFixture.h"
#include "driver/program/CoversScenario.h"
#include "framework/menus/MenuTracker.h"
#include "framework/menus/PopupMenuWindow.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/menus/TsSkinableMenus.h"
#include "viewer/CoverNames.h"
#include "viewer/CoverPreviews.h"
#include "winsys/WindowSystem.h"

namespace tavra::test {
namespace {

// The main window's manager pointed at the skin folder the build writes beside the program, as
// the program's own start-up points it at the folder beside itself.
class CoversMenuTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    main().sm->setSkinDirectory(std::string(TAVRA_BIN_DIR) + "/skins");
  }
};

bool samePixels(const Bitmap& a, const Bitmap& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.colorAt(x, y) != b.colorAt(x, y)) return false;
    }
  }
  return true;
}

TEST_F(CoversMenuTest, EachCoverSetsItsNameExactly) {
  MainWindow& f = main();
  ASSERT_EQ(f.covers.size(), kCoverNames.size());
  ASSERT_EQ(f.N6->count(), 51);
  for (size_t i = 0; i < kCoverNames.size(); ++i) {
    TMenuItem& item = *f.covers[i];
    const std::string k = std::to_string(i + 1);
    SCOPED_TRACE("cover " + k);
    EXPECT_EQ(f.N6->items(static_cast<int>(i)), &item);
    EXPECT_EQ(item.name(), "N" + k + "1");
    EXPECT_EQ(item.caption(), k);
    EXPECT_EQ(item.bitmap().size(), (Size{160, 115}));
    item.Click();
    EXPECT_EQ(f.sm->skinName(), kCoverNames[i]);
    EXPECT_TRUE(f.sm->IsPacked()) << "found as the package of that name, not an internal skin";
  }
  // The telling names: a lower-case l, and blanks inside and at the end.
  EXPECT_EQ(kCoverNames[4], "Bluelce");
  EXPECT_EQ(kCoverNames[28], "Office 12Style ");
}

TEST_F(CoversMenuTest, PreviewsDifferFromCoverToCover) {
  const Bitmap acryl = pictures::coverPreview(0);
  const Bitmap wood = pictures::coverPreview(48);
  const Bitmap xpSilver = pictures::coverPreview(50);
  ASSERT_EQ(acryl.size(), (Size{160, 115}));
  EXPECT_FALSE(samePixels(acryl, wood));
  EXPECT_FALSE(samePixels(wood, xpSilver));
  EXPECT_TRUE(pictures::coverPreview(51).isEmpty());
  EXPECT_TRUE(pictures::coverPreview(-1).isEmpty());
}

TEST_F(CoversMenuTest, ChoosingWoodInTheMenuRepaintsTheProgramInIt) {
  MainWindow& f = main();
  const Rect window = f.window()->bounds();
  const Bitmap before = driver.ws().captureScreen(window);
  int itemHeight = 0;
  bool scrolls = false;
  chooseCover(driver, 48, [&] {
    PopupMenuWindow& covers = *MenuTracker::active()->level(1);
    itemHeight = covers.itemRect(48).height();
    scrolls = covers.scrolls();
  });
  driver.settle();
  auto* skinner = dynamic_cast<TsSkinableMenus*>(f.sm->menuSkinner());
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(itemHeight, 115 + 2 * skinner->Margin);
  EXPECT_TRUE(scrolls) << "51 covers are far taller than the screen";
  EXPECT_EQ(f.sm->skinName(), "Wood");
  const Bitmap after = driver.ws().captureScreen(window);
  EXPECT_FALSE(samePixels(before, after));
  // Nothing is left from the old skin: painting everything again changes no pixel.
  f.window()->invalidateTree();
  driver.settle();
  EXPECT_TRUE(samePixels(after, driver.ws().captureScreen(window)));
}

TEST_F(CoversMenuTest, NamesSpeltOtherwiseThanTheInternalSkinsResolveToTheirPackages) {
  MainWindow& f = main();
  for (int index : {4, 28}) {
    chooseCover(driver, index);
    driver.settle();
    EXPECT_EQ(f.sm->skinName(), kCoverNames[static_cast<size_t>(index)]);
    EXPECT_TRUE(f.sm->IsPacked());
    EXPECT_NE(f.sm->skinName(), "Acryl (internal)");
  }
}

}  // namespace
}  // namespace tavra::test
