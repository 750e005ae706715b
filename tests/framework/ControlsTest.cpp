// Controls: mouse enter and leave, clicks on windowless controls, focus and tab order, labels.
#include <string>
#include <vector>

#include "FrameworkFixture.h"
#include "framework/controls/Button.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/SpeedButton.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

class ProbeForm : public TForm {
 public:
  explicit ProbeForm(TComponent* owner) : TForm(owner) {
    setBounds(100, 100, 400, 300);
    panel = &make<TPanel>();
    panel->setName("panel");
    panel->setParent(this);
    panel->setBounds(10, 10, 200, 100);
    label = &make<TLabel>();
    label->setName("label");
    label->setParent(panel);
    label->setBounds(10, 10, 50, 20);
    label->setAutoSize(false);
    for (int i = 0; i < 3; ++i) {
      TButton& b = make<TButton>();
      b.setName("b" + std::to_string(i));
      b.setParent(this);
      b.setBounds(10 + i * 90, 200, 80, 25);
      buttons.push_back(&b);
    }
    speed = &make<TSpeedButton>();
    speed->setName("speed");
    speed->setParent(this);
    speed->setBounds(300, 10, 40, 40);
  }
  TPanel* panel = nullptr;
  TLabel* label = nullptr;
  TSpeedButton* speed = nullptr;
  std::vector<TButton*> buttons;
};

TEST_F(FrameworkTest, EnterAndLeaveReachWindowedAndWindowlessControls) {
  ProbeForm& f = makeForm<ProbeForm>();
  f.Show();
  std::vector<std::string> events;
  for (TControl* c : std::vector<TControl*>{f.panel, f.label, f.speed}) {
    c->OnMouseEnter = [&events, c](TComponent&) { events.push_back("enter " + c->name()); };
    c->OnMouseLeave = [&events, c](TComponent&) { events.push_back("leave " + c->name()); };
  }
  driver.moveTo(f.panel->clientToScreen({150, 80}));  // the panel itself
  driver.moveTo(f.label->clientToScreen({5, 5}));     // a windowless child of the panel
  driver.moveTo(f.panel->clientToScreen({150, 80}));
  driver.moveTo(f.speed->clientToScreen({5, 5}));
  driver.moveTo({5, 5});                              // outside the form
  EXPECT_EQ(events, (std::vector<std::string>{"enter panel", "leave panel", "enter label", "leave label", "enter panel",
                                              "leave panel", "enter speed", "leave speed"}));
}

TEST_F(FrameworkTest, ParentsHearWhichChildTheMouseEntered) {
  ProbeForm& f = makeForm<ProbeForm>();
  f.Show();
  std::vector<LParam> heard;
  class Spy : public TPanel {
   public:
    using TPanel::TPanel;
  };
  f.panel->OnMouseEnter = nullptr;
  // The panel's own enter event fires only for itself; a child's entry reaches it with the child.
  int ownEnters = 0;
  f.panel->OnMouseEnter = [&](TComponent&) { ++ownEnters; };
  driver.moveTo(f.label->clientToScreen({5, 5}));
  EXPECT_EQ(ownEnters, 0);
  EXPECT_EQ(driver.app().mouseControl(), f.label);
  driver.moveTo(f.panel->clientToScreen({150, 80}));
  EXPECT_EQ(ownEnters, 1);
}

TEST_F(FrameworkTest, WindowlessControlsGetClicksInTheirOwnCoordinates) {
  ProbeForm& f = makeForm<ProbeForm>();
  f.Show();
  int clicks = 0;
  Point where{-1, -1};
  f.label->OnClick = [&](TComponent&) { ++clicks; };
  f.label->OnMouseDown = [&](TComponent&, TMouseButton, TShiftState, int x, int y) { where = {x, y}; };
  driver.clickAt(*f.label, {7, 4});
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(where, (Point{7, 4}));
  // Pressed on the label, released outside it: no click.
  driver.mouseDown(f.label->clientToScreen({7, 4}));
  driver.mouseUp(f.panel->clientToScreen({150, 80}));
  EXPECT_EQ(clicks, 1);
}

TEST_F(FrameworkTest, TabMovesTheFocusInTabOrder) {
  ProbeForm& f = makeForm<ProbeForm>();
  f.buttons[2]->setTabOrder(0);  // order now: b2, b0, b1
  f.Show();
  EXPECT_TRUE(f.buttons[2]->focused()) << "the first in tab order takes the focus";
  driver.pressKey(VK_TAB);
  EXPECT_TRUE(f.buttons[0]->focused());
  driver.pressKey(VK_TAB);
  EXPECT_TRUE(f.buttons[1]->focused());
  driver.pressKey(VK_TAB);
  EXPECT_TRUE(f.buttons[2]->focused()) << "it wraps around";
  driver.pressKey(VK_TAB, kModShift);
  EXPECT_TRUE(f.buttons[1]->focused());
  // Disabled and hidden controls are skipped.
  f.buttons[2]->setEnabled(false);
  driver.pressKey(VK_TAB);
  EXPECT_TRUE(f.buttons[0]->focused());
}

TEST_F(FrameworkTest, ButtonsClickWithMouseAndSpace) {
  ProbeForm& f = makeForm<ProbeForm>();
  f.Show();
  int clicks = 0;
  f.buttons[1]->OnClick = [&](TComponent&) { ++clicks; };
  driver.click(*f.buttons[1]);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(f.buttons[1]->focused());
  driver.pressKey(VK_SPACE);
  EXPECT_EQ(clicks, 2);
  f.buttons[1]->setEnabled(false);
  driver.click(*f.buttons[1]);
  EXPECT_EQ(clicks, 2);
}

TEST_F(FrameworkTest, SpeedButtonsInAGroupStayDownOneAtATime) {
  ProbeForm& f = makeForm<ProbeForm>();
  TSpeedButton& other = f.make<TSpeedButton>();
  other.setParent(&f);
  other.setBounds(300, 60, 40, 40);
  f.speed->setGroupIndex(1);
  other.setGroupIndex(1);
  f.Show();
  driver.click(*f.speed);
  EXPECT_TRUE(f.speed->down());
  driver.click(other);
  EXPECT_TRUE(other.down());
  EXPECT_FALSE(f.speed->down());
  driver.click(other);
  EXPECT_TRUE(other.down()) << "without AllowAllUp the last one stays down";
}

TEST_F(FrameworkTest, AutoSizedLabelFollowsItsCaption) {
  ProbeForm& f = makeForm<ProbeForm>();
  f.label->setAutoSize(true);
  f.label->setCaption("Короткая");
  int shortWidth = f.label->width();
  f.label->setCaption("Короткая и гораздо более длинная");
  EXPECT_GT(f.label->width(), shortWidth);
  f.label->setAlignment(TAlignment::taRightJustify);
  int right = f.label->left() + f.label->width();
  f.label->setCaption("Короткая");
  EXPECT_EQ(f.label->left() + f.label->width(), right) << "a right-aligned label keeps its right edge";
  f.label->setCaption("");
  EXPECT_GT(f.label->height(), 0) << "an empty label keeps a line's height";
}

TEST_F(FrameworkTest, ALabelTakesItsParentsColourUntilGivenItsOwn) {
  ProbeForm& f = makeForm<ProbeForm>();
  f.panel->setColor(rgb(10, 120, 90));
  EXPECT_EQ(f.label->color(), rgb(10, 120, 90)) << "follows a change of the parent's colour";
  f.label->setColor(rgb(200, 0, 0));
  f.panel->setColor(rgb(1, 2, 3));
  EXPECT_EQ(f.label->color(), rgb(200, 0, 0)) << "its own colour stays";
}

}  // namespace
}  // namespace tavra::test
