#include "framework/controls/RadioGroup.h"

#include "FormFixture.h"

namespace tavra::test {
namespace {

class RadioGroupTest : public FormTest {
 protected:
  RadioGroupTest() : group(add<TRadioGroup>(Rect::fromSize(10, 10, 425, 43))) {
    group.setCaption("Варианты ответов");
    group.Items().Assign({"A", "B", "C", "D", "E"});
    group.setColumns(5);
    group.OnClick = [this](TComponent&) { clicks.push_back(group.ItemIndex()); };
    settle();
  }
  TRadioGroup& group;
  std::vector<int> clicks;
};

TEST_F(RadioGroupTest, ButtonsInColumnsBelowTheCaption) {
  ASSERT_EQ(group.buttonCount(), 5);
  int textHeight = group.captionHeight();
  int spare = 43 - textHeight - 5;
  int width = (425 - 10) / 5;
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(group.Buttons(i).caption(), std::string(1, static_cast<char>('A' + i)));
    EXPECT_EQ(group.Buttons(i).boundsRect(), Rect::fromSize(8 + i * width, textHeight + 1, width, spare)) << i;
  }
  group.setColumns(2);  // three rows in the first column, two in the second
  int rowHeight = spare / 3;
  int top = textHeight + 1 + (spare % 3) / 2;
  EXPECT_EQ(group.Buttons(2).boundsRect(), Rect::fromSize(8, top + 2 * rowHeight, (425 - 10) / 2, rowHeight));
  EXPECT_EQ(group.Buttons(3).boundsRect().left, 8 + (425 - 10) / 2);
  EXPECT_EQ(group.Buttons(3).boundsRect().top, top);
}

TEST_F(RadioGroupTest, ItemIndexFromCodeClicksForAnItemAndNotForNone) {
  group.setItemIndex(2);
  EXPECT_EQ(clicks, std::vector<int>{2});
  EXPECT_TRUE(group.Buttons(2).checked());
  group.setItemIndex(2);
  EXPECT_EQ(clicks, std::vector<int>{2}) << "no change, no click";
  group.setItemIndex(4);
  EXPECT_FALSE(group.Buttons(2).checked());
  group.setItemIndex(-1);
  EXPECT_EQ(clicks, (std::vector<int>{2, 4}));
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(group.Buttons(i).checked());
  group.setItemIndex(9);
  EXPECT_EQ(group.ItemIndex(), 4) << "clamped to the last item";
}

TEST_F(RadioGroupTest, UserClickChecksAndClicks) {
  TRadioButton& c = group.Buttons(2);
  click(c, {4, c.height() / 2});
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_EQ(clicks, std::vector<int>{2});
  click(c, {4, c.height() / 2});
  EXPECT_EQ(clicks, std::vector<int>{2}) << "the checked item again changes nothing";
  // Pressed inside, released outside: no choice.
  TRadioButton& d = group.Buttons(3);
  mouse(InputEvent::Kind::MouseDown, d, {4, 4});
  mouse(InputEvent::Kind::MouseMove, d, {4, 200});
  mouse(InputEvent::Kind::MouseUp, d, {4, 200});
  EXPECT_EQ(group.ItemIndex(), 2);
}

TEST_F(RadioGroupTest, ArrowKeysMoveAndCheck) {
  group.setItemIndex(0);
  clicks.clear();
  group.Buttons(0).setFocus();
  key(VK_RIGHT);
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_TRUE(group.Buttons(1).focused());
  key(VK_LEFT);
  key(VK_LEFT);
  EXPECT_EQ(group.ItemIndex(), 4) << "moving wraps around the group";
  EXPECT_EQ(clicks, (std::vector<int>{1, 0, 4}));
}

TEST_F(RadioGroupTest, FewerItemsFewerButtons) {
  group.setItemIndex(4);
  group.Items().Delete(4);
  EXPECT_EQ(group.buttonCount(), 4);
  EXPECT_EQ(group.ItemIndex(), -1);
  group.Items().setString(0, "Z");
  EXPECT_EQ(group.Buttons(0).caption(), "Z");
}

TEST_F(RadioGroupTest, DisablingTheGroupDisablesItsButtons) {
  group.setEnabled(false);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(group.Buttons(i).enabled());
  click(group.Buttons(1), {4, 4});
  EXPECT_EQ(group.ItemIndex(), -1);
}

}  // namespace
}  // namespace tavra::test
