// The skinned tree view's selected row: in the skin's selection colours (a selected menu item's
// fill and text), in the system's highlight colours without a skin or when the skin gives none.
#include <gtest/gtest.h>

#include "driver/harness/HeadlessDriver.h"
#include "driver/fixtures/FixtureSkin.h"
#include "framework/core/Form.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/controls/sTreeView.h"

namespace tavra::test {
namespace {

constexpr Color kSelection = rgb(200, 40, 120);
constexpr Color kSelectionText = rgb(250, 240, 10);

TsStoredSkin skinWithMenuItem(const std::string& name, Color hot, Color hotText) {
  TsStoredSkin skin = fixtureSkin();
  skin.Name = name;
  TsSkinGeneral& s = skin.GeneralData.emplace_back();
  s.SectionName = "MENUITEM";
  s.Color = clWhite;
  s.HotColor = hot;
  s.FontColor = "0 -1 -1 -1 -1";
  s.HotFontColor = std::to_string(hotText) + " -1 -1 -1 -1";
  return skin;
}

class TreeSelectionTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager* sm = nullptr;
  TsTreeView* tree = nullptr;

  void SetUp() override {
    sm = &driver.app().make<TsSkinManager>();
    sm->internalSkins().add() = skinWithMenuItem("Selection", kSelection, kSelectionText);
    sm->internalSkins().add() = skinWithMenuItem("White menu", clWhite, clBlack);
    TForm& form = driver.app().CreateForm<TForm>();
    form.setBounds(0, 0, 300, 200);
    tree = &form.make<TsTreeView>();
    tree->setParent(&form);
    tree->setBounds(10, 10, 200, 150);
    tree->items().Add(nullptr, "Введение");
    tree->items().Add(nullptr, "Заключение");
    // The skin comes after the controls, as at the program's start.
    sm->setSkinName("Selection");
    form.Show();
    tree->setFocus();
    tree->setSelected(tree->items().getFirstNode());
    driver.advance(50);
  }

  // The fill of the selected row's label: the first pixel of the row that is not the tree's colour.
  Color fillOfSelectedRow() {
    const Bitmap screen = driver.screenshot();
    const Point at = tree->clientToScreen({0, 0});
    const int y = at.y + tree->itemHeight() / 2;
    for (int x = at.x + 19; x < at.x + 80; ++x) {
      if (screen.colorAt(x, y) != resolveColor(tree->color())) return screen.colorAt(x, y);
    }
    return clNone;
  }
  template <typename Pred>
  bool rowHas(Pred pred) {
    const Bitmap screen = driver.screenshot();
    const Point at = tree->clientToScreen({0, 0});
    for (int y = at.y; y < at.y + tree->itemHeight(); ++y) {
      for (int x = at.x; x < at.x + 150; ++x) {
        if (pred(screen.colorAt(x, y))) return true;
      }
    }
    return false;
  }
  bool rowShows(Color c) {
    return rowHas([c](Color p) { return p == c; });
  }
};

TEST_F(TreeSelectionTest, TheSelectedRowTakesTheSkinsSelectionColours) {
  ASSERT_TRUE(tree->focused());
  EXPECT_EQ(tree->selectionColor(), kSelection);
  EXPECT_EQ(tree->selectionTextColor(), kSelectionText);
  EXPECT_EQ(fillOfSelectedRow(), kSelection);
  // The yellow text's strokes: green high, blue low, unlike the magenta fill or a white text.
  EXPECT_TRUE(rowHas([](Color c) { return greenOf(c) > 150 && blueOf(c) < 80; })) << "the text in the selection's text colour";
  EXPECT_FALSE(rowShows(resolveColor(clHighlight)));
}

TEST_F(TreeSelectionTest, WithoutASkinOrItsSelectionColoursTheSystemHighlightShows) {
  sm->setSkinName("White menu");
  driver.advance(50);
  EXPECT_EQ(tree->selectionColor(), clHighlight);
  EXPECT_EQ(fillOfSelectedRow(), resolveColor(clHighlight));
  sm->setSkinName("Selection");
  driver.advance(50);
  EXPECT_EQ(fillOfSelectedRow(), kSelection);
  sm->setActive(false);
  driver.advance(50);
  EXPECT_EQ(tree->selectionColor(), clHighlight);
  EXPECT_EQ(tree->selectionTextColor(), clHighlightText);
  EXPECT_EQ(fillOfSelectedRow(), resolveColor(clHighlight));
}

}  // namespace
}  // namespace tavra::test
