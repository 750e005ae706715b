// The tree view: absolute indices, first focus, collapsing around the selection, keyboard and
// mouse, scrolling, the selection's highlight and pictures, typing ahead.
#include <functional>
#include <string>
#include <vector>

#include "FrameworkFixture.h"
#include "framework/controls/Button.h"
#include "framework/core/ImageList.h"
#include "framework/core/Application.h"
#include "framework/controls/TreeView.h"
#include "framework/core/HintController.h"
#include "framework/controls/TreeViewTip.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

// 16 × 16 squares: 0 red, 1 green, 2 blue.
Bitmap square(Color c) {
  Bitmap b(16, 16);
  b.fill(pixelFromColor(c));
  return b;
}

//  Alpha                 0
//    Alpha one           1
//    Alpha two           2
//      Alpha two a       3
//      Alpha two b       4
//  Beta                  5
//    Beta one            6
//  Gamma Delta Dusk Epsilon Zeta Eta Theta Kappa   7 … 14
class TreeForm : public TForm {
 public:
  explicit TreeForm(TComponent* owner) : TForm(owner) {
    setBounds(50, 50, 400, 300);
    images = &make<TImageList>();
    for (Color c : {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255)}) images->add(square(c));
    tree = &make<TTreeView>();
    tree->setParent(this);
    tree->setBounds(10, 10, 200, 200);
    tree->setImages(images);
    tree->setShowLines(false);
    other = &make<TButton>();
    other->setParent(this);
    other->setBounds(250, 10, 75, 25);
    TTreeNodes& n = tree->items();
    TTreeNode* alpha = n.Add(nullptr, "Alpha");
    n.AddChild(alpha, "Alpha one");
    TTreeNode* two = n.AddChild(alpha, "Alpha two");
    n.AddChild(two, "Alpha two a");
    n.AddChild(two, "Alpha two b");
    TTreeNode* beta = n.Add(nullptr, "Beta");
    n.AddChild(beta, "Beta one");
    for (const char* t : {"Gamma", "Delta", "Dusk", "Epsilon", "Zeta", "Eta", "Theta", "Kappa"}) n.Add(nullptr, t);
    tree->OnChange = [this](TComponent&, TTreeNode* node) { changes.push_back(node ? node->text() : "(none)"); };
  }
  TTreeNode* node(int i) { return tree->items().item(i); }
  TTreeNode* byText(const std::string& t) {
    for (TTreeNode* n : tree->items().flat()) {
      if (n->text() == t) return n;
    }
    return nullptr;
  }
  TImageList* images = nullptr;
  TTreeView* tree = nullptr;
  TButton* other = nullptr;
  std::vector<std::string> changes;
};

class TreeViewTest : public FrameworkTest {
 protected:
  TreeForm& form() {
    if (!form_) form_ = &makeForm<TreeForm>();
    return *form_;
  }
  Point screenOf(const TTreeNode& n, Rect (TCustomTreeView::*part)(const TTreeNode&) const) {
    Rect r = (form().tree->*part)(n);
    return form().tree->clientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  Point barPart(ScrollBar::Part part) {
    Rect r = form().tree->scrollBar().partRect(part);
    return form().tree->window()->screenOrigin() + Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  Color pixel(Point client) {
    Bitmap shot = driver.screenshot();
    Point p = form().tree->clientToScreen(client);
    return shot.colorAt(p.x, p.y);
  }

 private:
  TreeForm* form_ = nullptr;
};

TEST_F(TreeViewTest, AbsoluteIndexIsTheWalkOrderWhateverIsExpanded) {
  TreeForm& f = form();
  const std::vector<std::string> order = {"Alpha", "Alpha one", "Alpha two", "Alpha two a", "Alpha two b", "Beta", "Beta one", "Gamma",
                                          "Delta", "Dusk",  "Epsilon",   "Zeta",      "Eta",         "Theta",       "Kappa"};
  ASSERT_EQ(f.tree->items().count(), 15);
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < 15; ++i) {
      ASSERT_NE(f.node(i), nullptr);
      EXPECT_EQ(f.node(i)->text(), order[static_cast<size_t>(i)]);
      EXPECT_EQ(f.node(i)->absoluteIndex(), i);
    }
    f.tree->FullExpand();
  }
  f.tree->FullCollapse();
  EXPECT_EQ(f.byText("Alpha two b")->absoluteIndex(), 4) << "hidden in a collapsed branch, still index 4";
  EXPECT_FALSE(f.byText("Alpha two b")->isVisible());
  EXPECT_EQ(f.node(4)->parent(), f.node(2));
  EXPECT_EQ(f.node(4)->level(), 2);
  EXPECT_EQ(f.node(2)->count(), 2);
  EXPECT_EQ(f.node(5)->getPrevSibling(), f.node(0));
  EXPECT_EQ(f.tree->items().item(15), nullptr);
  // Inserting before a node moves every later index on by one.
  f.tree->items().Insert(f.node(5), "Inserted");
  EXPECT_EQ(f.node(5)->text(), "Inserted");
  EXPECT_EQ(f.byText("Beta")->absoluteIndex(), 6);
  f.byText("Inserted")->Delete();
  EXPECT_EQ(f.byText("Beta")->absoluteIndex(), 5);
}

TEST_F(TreeViewTest, FirstFocusSelectsTheFirstRowAndReportsIt) {
  TreeForm& f = form();
  EXPECT_EQ(f.tree->selected(), nullptr);
  f.Show();
  ASSERT_TRUE(f.tree->focused()) << "first in tab order";
  EXPECT_EQ(f.tree->selected(), f.node(0));
  EXPECT_EQ(f.changes, (std::vector<std::string>{"Alpha"}));
  f.other->setFocus();
  f.tree->setFocus();
  EXPECT_EQ(f.changes.size(), 1u) << "later focus changes select nothing";
}

TEST_F(TreeViewTest, CollapsingABranchThatHoldsTheSelectionSelectsTheCollapsedNode) {
  TreeForm& f = form();
  f.Show();
  f.tree->FullExpand();
  f.tree->setSelected(f.byText("Alpha two b"));
  f.changes.clear();
  f.byText("Alpha")->Collapse(false);
  EXPECT_EQ(f.tree->selected(), f.byText("Alpha"));
  EXPECT_EQ(f.changes, (std::vector<std::string>{"Alpha"}));
  // Collapsing a branch the selection is not in leaves it alone; so does expanding.
  f.tree->setSelected(f.byText("Beta one"));
  f.changes.clear();
  f.byText("Alpha")->Expand(false);
  f.byText("Alpha two")->Collapse(false);
  EXPECT_EQ(f.tree->selected(), f.byText("Beta one"));
  EXPECT_TRUE(f.changes.empty());
  // The same by the mouse: a click on Beta's button.
  driver.click(screenOf(*f.byText("Beta"), &TCustomTreeView::buttonRect));
  EXPECT_FALSE(f.byText("Beta")->expanded());
  EXPECT_EQ(f.tree->selected(), f.byText("Beta"));
  EXPECT_EQ(f.changes, (std::vector<std::string>{"Beta"}));
}

TEST_F(TreeViewTest, KeyboardMovesTheSelectionAndExpandsAndCollapses) {
  TreeForm& f = form();
  f.Show();
  ASSERT_EQ(f.tree->selected(), f.node(0));
  struct Step {
    unsigned key;
    const char* selected;
    const char* expandedAfter;  // "" for none: every node with children listed expanded
  };
  const Step steps[] = {
      {VK_DOWN, "Beta", ""},
      {VK_UP, "Alpha", ""},
      {VK_UP, "Alpha", ""},                        // at the top it stays
      {VK_RIGHT, "Alpha", "Alpha"},                // expands
      {VK_RIGHT, "Alpha one", "Alpha"},            // then goes to the first child
      {VK_DOWN, "Alpha two", "Alpha"},
      {VK_ADD, "Alpha two", "Alpha,Alpha two"},
      {VK_DOWN, "Alpha two a", "Alpha,Alpha two"},
      {VK_LEFT, "Alpha two", "Alpha,Alpha two"},   // no children: to the parent
      {VK_LEFT, "Alpha two", "Alpha"},             // expanded: collapses
      {VK_BACK, "Alpha", "Alpha"},
      {VK_SUBTRACT, "Alpha", ""},
      {VK_MULTIPLY, "Alpha", "Alpha,Alpha two"},   // the whole branch
      {VK_END, "Kappa", "Alpha,Alpha two"},
      {VK_HOME, "Alpha", "Alpha,Alpha two"},
      {VK_LEFT, "Alpha", "Alpha two"},             // hidden, the sub-branch keeps its state
      {VK_RIGHT, "Alpha", "Alpha,Alpha two"},
  };
  for (const Step& s : steps) {
    driver.pressKey(s.key);
    ASSERT_NE(f.tree->selected(), nullptr);
    EXPECT_EQ(f.tree->selected()->text(), s.selected) << "after key " << s.key;
    std::string expanded;
    for (TTreeNode* n : f.tree->items().flat()) {
      if (n->expanded() && n->hasChildren()) expanded += (expanded.empty() ? "" : ",") + n->text();
    }
    EXPECT_EQ(expanded, s.expandedAfter) << "after key " << s.key;
  }
  // A page moves by the rows in view less one.
  int page = f.tree->visibleCount();
  TTreeNode* expected = f.node(0);
  for (int i = 0; i < page - 1; ++i) expected = expected->getNextVisible();
  driver.pressKey(VK_NEXT);
  EXPECT_EQ(f.tree->selected(), expected);
  driver.pressKey(VK_PRIOR);
  EXPECT_EQ(f.tree->selected(), f.node(0));
}

TEST_F(TreeViewTest, MouseSelectsOnLabelsTogglesOnButtonsAndDoubleClicks) {
  TreeForm& f = form();
  f.Show();
  f.changes.clear();
  driver.click(screenOf(*f.byText("Beta"), &TCustomTreeView::buttonRect));
  EXPECT_TRUE(f.byText("Beta")->expanded());
  EXPECT_EQ(f.tree->selected(), f.node(0)) << "a button does not select";
  driver.click(screenOf(*f.byText("Beta one"), &TCustomTreeView::labelRect));
  EXPECT_EQ(f.tree->selected(), f.byText("Beta one"));
  driver.click(screenOf(*f.byText("Gamma"), &TCustomTreeView::iconRect));
  EXPECT_EQ(f.tree->selected(), f.byText("Gamma"));
  EXPECT_EQ(f.changes, (std::vector<std::string>{"Beta one", "Gamma"}));
  // Right of a label, on the same row: nothing.
  Rect label = f.tree->labelRect(*f.byText("Delta"));
  driver.click(f.tree->clientToScreen({label.right + 20, label.top + 2}));
  EXPECT_EQ(f.tree->selected(), f.byText("Gamma"));
  EXPECT_EQ(f.tree->GetHitTestInfoAt(label.right + 20, label.top + 2), THitTest::htOnRight);
  driver.doubleClick(screenOf(*f.byText("Alpha"), &TCustomTreeView::labelRect));
  EXPECT_TRUE(f.byText("Alpha")->expanded()) << "a double click toggles";
  EXPECT_EQ(f.tree->selected(), f.byText("Alpha"));
}

TEST_F(TreeViewTest, ScrollBarAppearsWhenRowsOutgrowTheViewAndScrolls) {
  TreeForm& f = form();
  f.Show();
  int page = f.tree->visibleCount();
  ASSERT_GT(page, 10) << "the ten collapsed rows fit";
  EXPECT_FALSE(f.tree->scrollBar().shown());
  int fullWidth = f.tree->clientWidth();
  f.tree->FullExpand();  // 15 rows
  ASSERT_TRUE(f.tree->scrollBar().shown());
  EXPECT_EQ(f.tree->clientWidth(), fullWidth - 16) << "the bar takes its column";
  int maxTop = 15 - page;
  // Wheel: three rows a notch, within the range.
  driver.backend().inject([&] {
    InputEvent ev = InputEvent::mouse(InputEvent::Kind::MouseWheel, f.tree->clientToScreen({20, 20}));
    ev.wheelDelta = -120;
    return ev;
  }());
  driver.settle();
  EXPECT_EQ(f.tree->topItem()->absoluteIndex(), std::min(3, maxTop));
  driver.click(barPart(ScrollBar::Part::LineBack));
  EXPECT_EQ(f.tree->topItem()->absoluteIndex(), std::min(3, maxTop) - 1);
  // Dragging the thumb to the bottom shows the last rows.
  Point thumb = barPart(ScrollBar::Part::Thumb);
  driver.mouseDown(thumb);
  driver.moveTo(thumb + Point{0, 400});
  EXPECT_EQ(f.tree->topItem()->absoluteIndex(), maxTop) << "the view follows the thumb while it is dragged";
  driver.mouseUp(thumb + Point{0, 400});
  EXPECT_EQ(f.tree->scrollBar().position(), maxTop);
  // Home selects the first row and scrolls it into view.
  driver.pressKey(VK_HOME);
  EXPECT_EQ(f.tree->topItem(), f.node(0));
  driver.pressKey(VK_END);
  EXPECT_EQ(f.tree->topItem()->absoluteIndex(), maxTop);
  f.tree->FullCollapse();
  EXPECT_FALSE(f.tree->scrollBar().shown());
  EXPECT_EQ(f.tree->clientWidth(), fullWidth);
}

TEST_F(TreeViewTest, TheSelectionIsHighlightedOnlyWhileTheViewHasTheFocus) {
  TreeForm& f = form();
  f.Show();
  f.tree->setSelected(f.byText("Beta"));
  Rect label = f.tree->labelRect(*f.byText("Beta"));
  Point inside{label.left, label.top + label.height() / 2};  // the padding left of the text
  const Color highlight = rgb(10, 36, 106);
  EXPECT_EQ(pixel(inside), highlight);
  f.other->setFocus();
  EXPECT_EQ(pixel(inside), rgb(255, 255, 255)) << "hidden while unfocused";
  f.tree->setHideSelection(false);
  EXPECT_EQ(pixel(inside), rgb(212, 208, 200)) << "grey while unfocused when not hidden";
  f.tree->setFocus();
  EXPECT_EQ(pixel(inside), highlight);
}

TEST_F(TreeViewTest, ASelectedItemWithoutTextShowsNoHighlight) {
  TreeForm& f = form();
  f.Show();
  f.node(0)->setText("");
  f.tree->setSelected(f.node(0));
  ASSERT_TRUE(f.tree->focused());
  const Rect label = f.tree->labelRect(*f.node(0));
  for (int x = label.left; x < label.right; ++x) {
    EXPECT_EQ(pixel({x, label.top + label.height() / 2}), rgb(255, 255, 255)) << "column " << x;
  }
  f.tree->setHideSelection(false);
  f.other->setFocus();
  EXPECT_EQ(pixel({label.left, label.top + label.height() / 2}), rgb(255, 255, 255)) << "nor the grey one";
}

TEST_F(TreeViewTest, APictureShowsItsSelectedIndexWhileSelected) {
  TreeForm& f = form();
  TTreeNode* beta = f.byText("Beta");
  beta->setImageIndex(1);
  beta->setSelectedIndex(0);
  f.byText("Gamma")->setImageIndex(2);
  f.Show();  // selects Alpha (no picture)
  auto centre = [&](TTreeNode* n) {
    Rect r = f.tree->iconRect(*n);
    return Point{r.left + 8, r.top + 8};
  };
  EXPECT_EQ(pixel(centre(beta)), rgb(0, 255, 0));
  EXPECT_EQ(pixel(centre(f.byText("Gamma"))), rgb(0, 0, 255));
  EXPECT_EQ(pixel(centre(f.node(0))), rgb(255, 255, 255)) << "index -1: no picture";
  f.tree->setSelected(beta);
  EXPECT_EQ(pixel(centre(beta)), rgb(255, 0, 0));
}

TEST_F(TreeViewTest, TypingSelectsTheNextRowStartingWithTheText) {
  TreeForm& f = form();
  f.Show();
  driver.typeText("d");
  EXPECT_EQ(f.tree->selected()->text(), "Delta");
  driver.typeText("u");
  EXPECT_EQ(f.tree->selected()->text(), "Dusk") << "\"du\" within the pause";
  driver.advance(1100);
  driver.typeText("d");
  EXPECT_EQ(f.tree->selected()->text(), "Delta") << "a new search starts after the current row and wraps";
  driver.typeText("d");
  EXPECT_EQ(f.tree->selected()->text(), "Dusk") << "the same letter again moves on";
  driver.advance(1100);
  driver.typeText("G");
  EXPECT_EQ(f.tree->selected()->text(), "Gamma") << "letter case does not matter";
}


// --- Tips for cut-off items ----------------------------------------------------------------------

// A narrow view (120 × 150 px, fewer rows than the tree has) with a long title first that it
// cuts off.
class TreeTipTest : public TreeViewTest {
 protected:
  void SetUp() override {
    TreeForm& f = form();
    f.tree->setBounds(10, 10, 120, 150);
    f.tree->setHint("Choose a section");
    f.tree->setShowHint(true);
    longNode = f.tree->items().AddFirst(f.node(0), kLongTitle);
    f.Show();
    // The focus elsewhere: no selection highlight under the text.
    f.other->setFocus();
    driver.settle();
  }
  Point labelPoint(const TTreeNode& n, int dx = 4) {
    Rect r = form().tree->labelRect(n);
    return form().tree->clientToScreen({r.left + dx, (r.top + r.bottom) / 2});
  }
  // Rests the pointer on the long title's label long enough for the tip.
  void restOnLongTitle() {
    driver.moveTo(labelPoint(*longNode));
    driver.advance(Application().HintPause + 20);
  }
  static constexpr const char* kLongTitle = "A section title far too long for the narrow view";
  TTreeNode* longNode = nullptr;
};

TEST_F(TreeTipTest, RestingOnACutOffItemShowsItsWholeTextOverIt) {
  TreeForm& f = form();
  ASSERT_TRUE(f.tree->labelRect(*longNode).right > f.tree->clientWidth()) << "the title is cut off";
  driver.moveTo(labelPoint(*longNode));
  driver.advance(Application().HintPause - 50);
  EXPECT_FALSE(f.tree->tipShowing()) << "not before the hint pause";
  driver.advance(100);
  ASSERT_TRUE(f.tree->tipShowing());
  EXPECT_EQ(f.tree->tipNode(), longNode);
  EXPECT_FALSE(Application().hints().showing()) << "the view's own hint gives way";

  // The tip's client area is the label, in screen coordinates: the text lies on the item's text
  // and runs on past the view's right edge.
  const TreeViewTip& tip = *f.tree->tip();
  Rect label = f.tree->labelRect(*longNode);
  Point origin = f.tree->clientToScreen(label.topLeft());
  EXPECT_EQ(tip.clientToScreen({0, 0}), origin);
  EXPECT_EQ(tip.clientRect().size(), label.size());
  EXPECT_EQ(tip.caption(), kLongTitle);

  // Pixels: the tip's background past the view's edge, with dark text in it.
  Bitmap shot = driver.screenshot();
  Rect treeScreen = Rect::fromSize(f.tree->clientToScreen({0, 0}), f.tree->clientRect().size());
  int inkPast = 0;
  for (int y = origin.y; y < origin.y + label.height(); ++y) {
    for (int x = treeScreen.right + 4; x < origin.x + label.width() - 4; ++x) {
      Color c = shot.colorAt(x, y);
      if (redOf(c) + greenOf(c) + blueOf(c) < 200) ++inkPast;
    }
  }
  EXPECT_GT(inkPast, 20) << "the text continues past the view's edge";
  EXPECT_EQ(shot.colorAt(origin.x + label.width() - 1, origin.y + 1), resolveColor(systemColor(SysColor::InfoBk)));
  // The text sits where the view draws it: the same first dark column in the row.
  auto firstInk = [&](const Bitmap& b, int y) {
    for (int x = origin.x; x < treeScreen.right; ++x) {
      Color c = b.colorAt(x, y);
      if (redOf(c) + greenOf(c) + blueOf(c) < 200) return x;
    }
    return -1;
  };
  int firstInkInTip = -1;
  for (int y = origin.y; y < origin.y + label.height() && firstInkInTip < 0; ++y) firstInkInTip = firstInk(shot, y);
  driver.moveTo(f.tree->clientToScreen({2, 2}));
  driver.settle();
  Bitmap plain = driver.screenshot();
  int firstInkInView = -1;
  for (int y = origin.y; y < origin.y + label.height() && firstInkInView < 0; ++y) firstInkInView = firstInk(plain, y);
  EXPECT_NE(firstInkInView, -1);
  EXPECT_EQ(firstInkInTip, firstInkInView);
}

TEST_F(TreeTipTest, ItemsThatFitAndPlacesBesideLabelsShowNoTip) {
  TreeForm& f = form();
  driver.moveTo(labelPoint(*f.byText("Beta")));
  driver.advance(Application().HintPause * 2);
  EXPECT_FALSE(f.tree->tipShowing());
  EXPECT_EQ(f.tree->tipNode(), nullptr);
  // Over the long title's picture, not its label.
  driver.moveTo(f.tree->clientToScreen(f.tree->iconRect(*longNode).topLeft() + Point{3, 3}));
  driver.advance(Application().HintPause * 2);
  EXPECT_FALSE(f.tree->tipShowing());
}

TEST_F(TreeTipTest, TheTipGoesWhenThePointerLeavesOrTheUserActs) {
  TreeForm& f = form();
  struct Case {
    const char* name;
    std::function<void()> act;
  };
  const Case cases[] = {
      {"pointer to another row", [&] { driver.moveTo(labelPoint(*f.byText("Gamma"))); }},
      {"pointer out of the view", [&] { driver.moveTo(f.other->clientToScreen({5, 5})); }},
      {"click on the item",
       [&] {
         driver.click(labelPoint(*longNode));
         EXPECT_EQ(f.tree->selected(), longNode) << "the click reaches the view";
       }},
      {"key",
       [&] {
         driver.pressKey(VK_DOWN);
         EXPECT_EQ(f.tree->selected(), f.byText("Alpha")) << "the key reaches the view";
       }},
      {"scroll", [&] { f.tree->setTopItem(f.byText("Beta")); }},
      {"rows change", [&] { f.byText("Alpha")->Expand(false); }},
      {"text changes", [&] { longNode->setText("Short"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    f.tree->setTopItem(f.node(0));
    longNode->setText(kLongTitle);
    f.byText("Alpha")->Collapse(false);
    driver.moveTo(f.other->clientToScreen({5, 5}));
    driver.settle();
    restOnLongTitle();
    ASSERT_TRUE(f.tree->tipShowing());
    c.act();
    driver.settle();
    EXPECT_FALSE(f.tree->tipShowing());
    driver.advance(Application().HintPause * 2);
    EXPECT_FALSE(f.tree->tipShowing()) << "and does not come back by itself";
  }
}

TEST_F(TreeTipTest, MovingToAnotherCutOffItemShowsItsTipAfterTheShortPause) {
  TreeForm& f = form();
  TTreeNode* second = f.tree->items().AddFirst(longNode, "Another title that does not fit either");
  restOnLongTitle();
  ASSERT_TRUE(f.tree->tipShowing());
  driver.moveTo(labelPoint(*second));
  EXPECT_FALSE(f.tree->tipShowing());
  driver.advance(Application().HintShortPause + 20);
  EXPECT_TRUE(f.tree->tipShowing());
  EXPECT_EQ(f.tree->tipNode(), second);
  EXPECT_EQ(f.tree->tip()->caption(), "Another title that does not fit either");
}

TEST_F(TreeTipTest, DeletingTheItemBeforeItsTipShowsCancelsIt) {
  TreeForm& f = form();
  driver.moveTo(labelPoint(*longNode));
  driver.advance(Application().HintPause / 2);
  longNode->Delete();
  longNode = nullptr;
  driver.advance(Application().HintPause);
  EXPECT_FALSE(f.tree->tipShowing());
  EXPECT_EQ(f.tree->tipNode(), nullptr);
}

}  // namespace
}  // namespace tavra::test
