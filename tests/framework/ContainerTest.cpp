// Group boxes, memos and line lists.
#include "FormFixture.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Memo.h"
#include "framework/controls/Panel.h"
#include "framework/core/Strings.h"

namespace tavra::test {
namespace {

TEST(StringList, LinesTextAndBounds) {
  TStringList list;
  int changes = 0;
  list.OnChange = [&] { ++changes; };
  list.setText("a\r\nb\nc\rd");
  EXPECT_EQ(list.lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
  list.setString(1, "B");
  list.Insert(0, "0");
  list.Delete(4);
  EXPECT_EQ(list.lines(), (std::vector<std::string>{"0", "a", "B", "c"}));
  EXPECT_EQ(list.IndexOf("B"), 2);
  EXPECT_EQ(list.IndexOf("x"), -1);
  EXPECT_EQ(changes, 4);
  EXPECT_THROW(list[4], Exception);
  EXPECT_THROW(list.setString(-1, "x"), Exception);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  list.setText("");
  EXPECT_EQ(list.Count(), 0);
}

class ContainerTest : public FormTest {};

TEST_F(ContainerTest, GroupBoxChildrenFillTheAreaBelowTheCaption) {
  TGroupBox& box = add<TGroupBox>(Rect::fromSize(10, 10, 305, 137));
  box.setCaption("Ввод данных");
  TPanel& inner = add<TPanel>(Rect::fromSize(0, 0, 10, 10), &box);
  inner.setAlign(TAlign::alClient);
  settle();
  int h = box.captionHeight();
  EXPECT_EQ(inner.boundsRect(), (Rect{2, h + 2, 303, 135}));
}

TEST_F(ContainerTest, GroupBoxClickAndFrame) {
  TGroupBox& box = add<TGroupBox>(Rect::fromSize(10, 10, 200, 100));
  int clicks = 0;
  box.OnClick = [&](TComponent&) { ++clicks; };
  click(box, {100, 50});
  EXPECT_EQ(clicks, 1);
  int frameTop = box.captionHeight() / 2 - 1;
  EXPECT_EQ(screenAt(box.clientToScreen({100, frameTop})), resolveColor(systemColor(SysColor::BtnShadow)));
  EXPECT_EQ(screenAt(box.clientToScreen({100, frameTop + 1})), resolveColor(systemColor(SysColor::BtnHighlight)));
}

TEST_F(ContainerTest, MemoShowsItsLines) {
  TMemo& memo = add<TMemo>(Rect::fromSize(10, 10, 100, 60));
  int changes = 0;
  memo.OnChange = [&](TComponent&) { ++changes; };
  for (int i = 0; i < 10; ++i) memo.Lines().Add("-1");
  memo.Lines().setString(2, "2");
  EXPECT_EQ(memo.Lines().Count(), 10);
  EXPECT_EQ(memo.Lines()[2], "2");
  EXPECT_EQ(changes, 11);
  memo.setTopLine(50);
  EXPECT_EQ(memo.topLine(), 9);
  memo.Lines().Clear();
  EXPECT_EQ(memo.topLine(), 0);
}

}  // namespace
}  // namespace tavra::test
