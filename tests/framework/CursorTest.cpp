// Control cursors: an edit's I-beam, a windowless child's cursor over its parent's, crDefault
// passing to the window's own default, and a change shown while the pointer rests.
#include "FormFixture.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"

namespace tavra::test {
namespace {

class CursorTest : public FormTest {
 protected:
  void moveTo(const TControl& c, Point client) { mouse(InputEvent::Kind::MouseMove, c, client); }
  CursorShape shape() const { return backend_->cursorShape(); }
};

TEST_F(CursorTest, AnEditShowsTheIBeamAndTheFormAroundItTheArrow) {
  TEdit& edit = add<TEdit>(Rect::fromSize(10, 10, 145, 21));
  EXPECT_EQ(edit.cursor(), crIBeam);
  moveTo(edit, {5, 5});
  EXPECT_EQ(shape(), CursorShape::IBeam);
  moveTo(*form_, {300, 200});
  EXPECT_EQ(shape(), CursorShape::Arrow) << "moving off the edit restores the arrow";
}

TEST_F(CursorTest, AWindowlessChildsCursorWinsOverItsParents) {
  TPanel& panel = add<TPanel>(Rect::fromSize(10, 10, 200, 150));
  panel.setCursor(crHourGlass);
  TLabel& label = add<TLabel>(Rect::fromSize(20, 20, 80, 20), &panel);
  label.setAutoSize(false);
  label.setBounds(20, 20, 80, 20);
  label.setCaption("link");
  struct Case {
    TCursor labelCursor;
    CursorShape overLabel;
  };
  const Case cases[] = {
      {crHandPoint, CursorShape::HandPoint},
      {crSizeAll, CursorShape::SizeAll},
      {crDefault, CursorShape::Wait},  // no cursor of its own: the panel's shows
  };
  for (const Case& c : cases) {
    label.setCursor(c.labelCursor);
    moveTo(label, {5, 5});
    EXPECT_EQ(shape(), c.overLabel) << c.labelCursor;
    moveTo(panel, {150, 120});
    EXPECT_EQ(shape(), CursorShape::Wait) << "beside the label the panel's cursor shows";
  }
  panel.setCursor(crDefault);
  moveTo(panel, {151, 120});
  EXPECT_EQ(shape(), CursorShape::Arrow) << "crDefault everywhere leaves the window's class cursor";
}

TEST_F(CursorTest, ChangingTheCursorUnderTheRestingPointerShowsAtOnce) {
  TPanel& panel = add<TPanel>(Rect::fromSize(10, 10, 200, 150));
  moveTo(panel, {50, 50});
  ASSERT_EQ(shape(), CursorShape::Arrow);
  panel.setCursor(crHourGlass);
  EXPECT_EQ(shape(), CursorShape::Wait);
  panel.setCursor(crDefault);
  EXPECT_EQ(shape(), CursorShape::Arrow);
}

TEST_F(CursorTest, AButtonHeldInTheEditKeepsTheIBeamOutsideIt) {
  TEdit& edit = add<TEdit>(Rect::fromSize(10, 10, 145, 21));
  moveTo(edit, {5, 5});
  mouse(InputEvent::Kind::MouseDown, edit, {5, 5});
  moveTo(*form_, {300, 200});
  EXPECT_EQ(shape(), CursorShape::IBeam);
  mouse(InputEvent::Kind::MouseUp, *form_, {300, 200});
  moveTo(*form_, {301, 200});
  EXPECT_EQ(shape(), CursorShape::Arrow);
}

}  // namespace
}  // namespace tavra::test
