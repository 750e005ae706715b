// Pointer shapes: WM_SETCURSOR on every move, the default answer by hit test and class cursor,
// parents having the first say, and the shape held while the mouse is captured.
#include "WindowSystemFixture.h"

namespace tavra::test {
namespace {

class CursorTest : public WindowSystemTest {
 protected:
  std::unique_ptr<Window> sizeable(CursorShape classCursor = CursorShape::Arrow) {
    WindowParams p;
    p.bounds = {100, 100, 300, 300};
    p.style = WS_CAPTION | WS_THICKFRAME;
    p.cursor = classCursor;
    auto w = ws_->createWindow(p);
    w->show();
    return w;
  }
  void moveTo(Point p) { inject(InputEvent::Kind::MouseMove, p); }
};

TEST_F(CursorTest, BordersShowSizingShapesAndTheClientTheClassCursor) {
  auto w = sizeable(CursorShape::Wait);
  struct Case {
    Point at;
    LResult hit;
    CursorShape shape;
  };
  const Case cases[] = {
      {{101, 200}, HTLEFT, CursorShape::SizeWE},         {{298, 200}, HTRIGHT, CursorShape::SizeWE},
      {{200, 101}, HTTOP, CursorShape::SizeNS},          {{200, 298}, HTBOTTOM, CursorShape::SizeNS},
      {{101, 101}, HTTOPLEFT, CursorShape::SizeNWSE},    {{298, 298}, HTBOTTOMRIGHT, CursorShape::SizeNWSE},
      {{298, 101}, HTTOPRIGHT, CursorShape::SizeNESW},   {{101, 298}, HTBOTTOMLEFT, CursorShape::SizeNESW},
      {{200, 200}, HTCLIENT, CursorShape::Wait},         {{150, 110}, HTCAPTION, CursorShape::Arrow},
  };
  for (const Case& c : cases) {
    ASSERT_EQ(w->send(WM_NCHITTEST, 0, makeLParam(c.at.x, c.at.y)), c.hit) << c.at.x << "," << c.at.y;
    moveTo(c.at);
    EXPECT_EQ(backend_->cursorShape(), c.shape) << "hit " << c.hit;
    EXPECT_EQ(ws_->cursorShape(), c.shape);
  }
  moveTo({600, 600});
  EXPECT_EQ(backend_->cursorShape(), CursorShape::Arrow) << "off every window the arrow comes back";
}

TEST_F(CursorTest, EveryMoveAsksTheWindowUnderThePointerBeforeItHearsOfTheMove) {
  auto top = make({0, 0, 200, 200}, clWhite);
  auto child = make({50, 50, 100, 100}, clWhite, top.get());
  top->show();
  child->show();
  moveTo({60, 60});
  moveTo({61, 61});
  std::vector<MessageId> seen;
  for (const Logged& l : log) {
    if (l.window == child->handle() && (l.msg == WM_SETCURSOR || l.msg == WM_MOUSEMOVE)) seen.push_back(l.msg);
  }
  EXPECT_EQ(seen, (std::vector<MessageId>{WM_SETCURSOR, WM_MOUSEMOVE, WM_SETCURSOR, WM_MOUSEMOVE}));
  auto it = std::find_if(log.begin(), log.end(), [&](const Logged& l) { return l.window == child->handle() && l.msg == WM_SETCURSOR; });
  ASSERT_NE(it, log.end());
  EXPECT_EQ(it->wParam, child->handle());
  EXPECT_EQ(xFromLParam(it->lParam), HTCLIENT);
  EXPECT_EQ(yFromLParam(it->lParam), static_cast<int>(WM_MOUSEMOVE));
  // The default procedure of the child asked its parent first, naming the child.
  auto asked = std::find_if(log.begin(), log.end(), [&](const Logged& l) { return l.window == top->handle() && l.msg == WM_SETCURSOR; });
  ASSERT_NE(asked, log.end());
  EXPECT_EQ(asked->wParam, child->handle());
}

TEST_F(CursorTest, AParentThatAnswersWinsOverTheChildsClassCursor) {
  bool parentClaims = true;
  WindowParams pp;
  pp.bounds = {0, 0, 200, 200};
  pp.style = WS_POPUP;
  pp.proc = [&](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_SETCURSOR && parentClaims) {
      w.system().setCursor(CursorShape::No);
      return 1;
    }
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto top = ws_->createWindow(pp);
  WindowParams cp;
  cp.bounds = {50, 50, 100, 100};
  cp.style = WS_CHILD;
  cp.parent = top.get();
  cp.cursor = CursorShape::IBeam;
  auto child = ws_->createWindow(cp);
  top->show();
  child->show();
  moveTo({60, 60});
  EXPECT_EQ(backend_->cursorShape(), CursorShape::No);
  parentClaims = false;
  moveTo({61, 61});
  EXPECT_EQ(backend_->cursorShape(), CursorShape::IBeam) << "a parent that passes leaves the child's own shape";
  moveTo({20, 20});
  EXPECT_EQ(backend_->cursorShape(), CursorShape::Arrow);
}

TEST_F(CursorTest, CapturedMouseKeepsTheShape) {
  auto w = sizeable(CursorShape::HandPoint);
  // A frame drag: the sizing shape stays while the border follows the pointer.
  moveTo({298, 200});
  inject(InputEvent::Kind::MouseDown, {298, 200});
  int asked = countOf(*w, WM_SETCURSOR);
  moveTo({200, 200});
  EXPECT_EQ(backend_->cursorShape(), CursorShape::SizeWE);
  EXPECT_EQ(countOf(*w, WM_SETCURSOR), asked);
  inject(InputEvent::Kind::MouseUp, {200, 200});
  moveTo({150, 200});
  EXPECT_EQ(backend_->cursorShape(), CursorShape::HandPoint);
  // A client capture: the shape stays when the pointer leaves the window with the button held.
  inject(InputEvent::Kind::MouseDown, {150, 200});
  moveTo({600, 600});
  EXPECT_EQ(backend_->cursorShape(), CursorShape::HandPoint);
  inject(InputEvent::Kind::MouseUp, {600, 600});
  moveTo({601, 600});
  EXPECT_EQ(backend_->cursorShape(), CursorShape::Arrow);
}

TEST_F(CursorTest, UpdateCursorAsksAgainWithoutAMove) {
  CursorShape wanted = CursorShape::Arrow;
  WindowParams p;
  p.bounds = {0, 0, 100, 100};
  p.style = WS_POPUP;
  p.proc = [&](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_SETCURSOR) {
      w.system().setCursor(wanted);
      return 1;
    }
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto w = ws_->createWindow(p);
  w->show();
  moveTo({10, 10});
  wanted = CursorShape::Wait;
  EXPECT_EQ(backend_->cursorShape(), CursorShape::Arrow);
  ws_->updateCursor();
  EXPECT_EQ(backend_->cursorShape(), CursorShape::Wait);
}

}  // namespace
}  // namespace tavra::test
