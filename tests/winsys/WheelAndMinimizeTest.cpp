// Where the wheel goes, and where minimised windows go when the display keeps no place for them.
#include <gtest/gtest.h>

#include <vector>

#include "winsys/ClassicFrame.h"
#include "winsys/SystemMetrics.h"
#include "winsys/WindowSystemFixture.h"

namespace tavra::test {
namespace {

InputEvent wheelAt(Point screen, int delta) {
  InputEvent ev = InputEvent::mouse(InputEvent::Kind::MouseWheel, screen);
  ev.wheelDelta = delta;
  return ev;
}

}  // namespace

TEST_F(WindowSystemTest, WheelTurnsWhatIsUnderThePointerAndClimbsToParentsThatScroll) {
  auto top = make(Rect::fromSize(100, 100, 400, 300), clWhite);
  auto focused = make(Rect::fromSize(0, 0, 100, 100), clWhite, top.get(), WS_VISIBLE);
  auto under = make(Rect::fromSize(200, 0, 100, 100), clWhite, top.get(), WS_VISIBLE);
  auto inner = make(Rect::fromSize(10, 10, 30, 30), clWhite, under.get(), WS_VISIBLE);
  top->show();
  ws_->setFocus(focused.get());
  ws_->processMessages();

  struct Case {
    const char* what;
    Point screen;
    std::vector<Window*> receivers;  // in order: unhandled, the wheel climbs to the parents
  };
  const Case cases[] = {
      {"over a window that is not the focus", {350, 150}, {under.get(), top.get()}},
      {"over a child of it", {320, 120}, {inner.get(), under.get(), top.get()}},
      {"over the focused window", {150, 150}, {focused.get(), top.get()}},
      {"over nothing of ours", {900, 700}, {focused.get(), top.get()}},
  };
  for (const Case& c : cases) {
    log.clear();
    backend_->inject(wheelAt(c.screen, -120));
    ws_->processMessages();
    std::vector<WindowHandle> got;
    for (const Logged& l : log) {
      if (l.msg == WM_MOUSEWHEEL) got.push_back(l.window);
    }
    std::vector<WindowHandle> expected;
    for (Window* w : c.receivers) expected.push_back(w->handle());
    EXPECT_EQ(got, expected) << c.what;
    EXPECT_EQ(ws_->focus(), focused.get()) << c.what << ": the wheel never moves the focus";
  }
}

TEST_F(WindowSystemTest, MinimisedWindowsBecomeBarsAtTheBottomLeftThatRestoreThem) {
  auto first = make(Rect::fromSize(100, 100, 300, 200), clWhite, nullptr, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  auto second = make(Rect::fromSize(200, 150, 300, 200), clWhite, nullptr, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  first->setText("Первое окно");
  first->show();
  second->show();
  ws_->processMessages();

  first->send(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  second->send(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ws_->processMessages();
  Window* firstBar = ws_->minimizedBarOf(*first);
  Window* secondBar = ws_->minimizedBarOf(*second);
  ASSERT_NE(firstBar, nullptr);
  ASSERT_NE(secondBar, nullptr);
  int height = 2 * systemMetric(Metric::DialogFrame) + systemMetric(Metric::CaptionHeight);
  EXPECT_EQ(firstBar->bounds(), Rect::fromSize(0, 768 - height, 160, height));
  EXPECT_EQ(secondBar->bounds(), Rect::fromSize(160, 768 - height, 160, height));
  EXPECT_TRUE(firstBar->isShowing());
  EXPECT_EQ(firstBar->text(), "Первое окно");
  EXPECT_FALSE(first->isShowing());
  EXPECT_EQ(ws_->windowAt({80, 768 - height / 2}), firstBar);

  // A click on the caption brings the window back; the other bar closes up to the left.
  inject(InputEvent::Kind::MouseDown, {40, 768 - height / 2});
  inject(InputEvent::Kind::MouseUp, {40, 768 - height / 2});
  EXPECT_FALSE(first->isMinimized());
  EXPECT_TRUE(first->isShowing());
  EXPECT_EQ(ws_->activeWindow(), first.get());
  EXPECT_EQ(ws_->minimizedBarOf(*first), nullptr);
  ASSERT_NE(ws_->minimizedBarOf(*second), nullptr);
  EXPECT_EQ(ws_->minimizedBarOf(*second)->bounds().left, 0);

  // The bar's close button closes the window (the default close hides it) and the bar goes.
  Window& bar = *ws_->minimizedBarOf(*second);
  Rect close = ClassicFrame::geometry(bar).closeButton.offsetBy(bar.bounds().left, bar.bounds().top);
  Point centre{(close.left + close.right) / 2, (close.top + close.bottom) / 2};
  inject(InputEvent::Kind::MouseDown, centre);
  inject(InputEvent::Kind::MouseUp, centre);
  EXPECT_FALSE(second->isVisible());
  EXPECT_EQ(ws_->minimizedBarOf(*second), nullptr);

  // A destroyed window takes its bar with it.
  first->send(WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_NE(ws_->minimizedBarOf(*first), nullptr);
  WindowHandle barHandle = ws_->minimizedBarOf(*first)->handle();
  first.reset();
  EXPECT_EQ(ws_->find(barHandle), nullptr);
}

}  // namespace tavra::test

namespace tavra::test {

TEST_F(WindowSystemTest, SideButtonsArriveAsXButtonMessagesNamingTheButton) {
  auto top = make(Rect::fromSize(100, 100, 200, 200), clWhite);
  top->show();
  ws_->processMessages();
  for (auto [button, which] : {std::pair{MouseButton::X1, XBUTTON1}, std::pair{MouseButton::X2, XBUTTON2}}) {
    log.clear();
    backend_->inject(InputEvent::mouse(InputEvent::Kind::MouseDown, {150, 150}, button));
    backend_->inject(InputEvent::mouse(InputEvent::Kind::MouseUp, {150, 150}, button));
    ws_->processMessages();
    std::vector<std::pair<MessageId, unsigned>> got;
    for (const Logged& l : log) {
      if (l.msg == WM_XBUTTONDOWN || l.msg == WM_XBUTTONUP) got.push_back({l.msg, hiWord(l.wParam)});
    }
    EXPECT_EQ(got, (std::vector<std::pair<MessageId, unsigned>>{{WM_XBUTTONDOWN, which}, {WM_XBUTTONUP, which}}));
    EXPECT_EQ(ws_->capture(), nullptr) << "the press's capture ends with it";
  }
}

}  // namespace tavra::test
