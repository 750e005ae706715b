// Messages, timers, input, focus, capture and frames.
#include <map>

#include "WindowSystemFixture.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

TEST_F(WindowSystemTest, SendReturnsTheHandlersResultBeforeGoingOn) {
  std::vector<std::string> steps;
  WindowParams p;
  p.proc = [&](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_USER) {
      steps.push_back("handled");
      return static_cast<LResult>(wp) * 2;
    }
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto w = ws_->createWindow(p);
  LResult r = w->send(WM_USER, 21);
  steps.push_back("after send");
  EXPECT_EQ(r, 42);
  EXPECT_EQ(steps, (std::vector<std::string>{"handled", "after send"}));
}

TEST_F(WindowSystemTest, PostQueuesInOrderUntilTheLoopRuns) {
  std::vector<WParam> got;
  WindowParams p;
  p.proc = [&](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_USER) got.push_back(wp);
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto w = ws_->createWindow(p);
  w->post(WM_USER, 1);
  w->post(WM_USER, 2);
  EXPECT_TRUE(got.empty());
  EXPECT_TRUE(ws_->hasPosted(w->handle(), WM_USER));
  ws_->processMessages();
  EXPECT_EQ(got, (std::vector<WParam>{1, 2}));
  // A message posted to a window that is gone is dropped.
  WindowHandle h = w->handle();
  w->post(WM_USER, 3);
  w.reset();
  ws_->processMessages();
  EXPECT_EQ(got.size(), 2u);
  EXPECT_EQ(ws_->find(h), nullptr);
}

TEST_F(WindowSystemTest, TimersFireInOrderNeverFasterThanTenMilliseconds) {
  std::vector<std::pair<TimeMs, std::uintptr_t>> ticks;
  WindowParams p;
  p.proc = [&](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_TIMER) ticks.push_back({w.system().now(), wp});
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto w = ws_->createWindow(p);
  TimeMs start = ws_->now();
  ws_->setTimer(*w, 1, 1);   // asks for 1 ms, gets 10
  ws_->setTimer(*w, 2, 25);
  advance(50);
  std::vector<std::pair<TimeMs, std::uintptr_t>> expected = {
      {start + 10, 1}, {start + 20, 1}, {start + 25, 2}, {start + 30, 1}, {start + 40, 1}, {start + 50, 1}, {start + 50, 2}};
  EXPECT_EQ(ticks, expected);
  ws_->killTimer(*w, 1);
  ticks.clear();
  advance(30);
  ASSERT_EQ(ticks.size(), 1u);
  EXPECT_EQ(ticks[0].second, 2u);
}

TEST_F(WindowSystemTest, MouseCaptureFollowsThePressOutsideTheWindow) {
  auto top = make({0, 0, 100, 100}, clWhite);
  top->show();
  inject(InputEvent::Kind::MouseDown, {50, 50});
  EXPECT_EQ(ws_->capture(), top.get());
  log.clear();
  inject(InputEvent::Kind::MouseMove, {300, 300});
  inject(InputEvent::Kind::MouseUp, {300, 300});
  EXPECT_EQ(countOf(*top, WM_MOUSEMOVE), 1);
  EXPECT_EQ(countOf(*top, WM_LBUTTONUP), 1);
  EXPECT_EQ(ws_->capture(), nullptr);
  // Coordinates are the window's client coordinates, also outside it.
  for (const Logged& l : log) {
    if (l.msg == WM_LBUTTONUP) {
      EXPECT_EQ(xFromLParam(l.lParam), 300);
    }
  }
  EXPECT_EQ(log.back().msg, static_cast<MessageId>(WM_CAPTURECHANGED));
  log.clear();
  inject(InputEvent::Kind::MouseMove, {300, 300});
  EXPECT_EQ(countOf(*top, WM_MOUSEMOVE), 0);
}

TEST_F(WindowSystemTest, DoubleClickNeedsTheSameSpotWithinTheSystemTime) {
  struct Case {
    const char* what;
    TimeMs gap;
    Point second;
    bool doubleClick;
  };
  for (const Case& c : {Case{"quick", 200, {50, 50}, true}, Case{"at the limit", 500, {50, 50}, true},
                        Case{"too slow", 501, {50, 50}, false}, Case{"moved too far", 100, {54, 50}, false}}) {
    auto top = make({0, 0, 100, 100}, clWhite);
    top->show();
    backend_->virtualClock()->advance(1000);
    log.clear();
    inject(InputEvent::Kind::MouseDown, {50, 50});
    inject(InputEvent::Kind::MouseUp, {50, 50});
    backend_->virtualClock()->advance(c.gap);
    inject(InputEvent::Kind::MouseDown, c.second);
    inject(InputEvent::Kind::MouseUp, c.second);
    EXPECT_EQ(countOf(*top, WM_LBUTTONDBLCLK), c.doubleClick ? 1 : 0) << c.what;
    EXPECT_EQ(countOf(*top, WM_LBUTTONDOWN), c.doubleClick ? 1 : 2) << c.what;
  }
}

TEST_F(WindowSystemTest, FocusMovesWithKillAndSetFocusAndKeysGoThere) {
  auto top = make({0, 0, 200, 200}, clWhite);
  auto a = make({0, 0, 50, 50}, clWhite, top.get());
  auto b = make({60, 0, 110, 50}, clWhite, top.get());
  a->show();
  b->show();
  top->show();
  ws_->setFocus(a.get());
  log.clear();
  ws_->setFocus(b.get());
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[0].window, a->handle());
  EXPECT_EQ(log[0].msg, static_cast<MessageId>(WM_KILLFOCUS));
  EXPECT_EQ(log[1].window, b->handle());
  EXPECT_EQ(log[1].msg, static_cast<MessageId>(WM_SETFOCUS));
  backend_->inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_BACK));
  backend_->inject(InputEvent::typed("Ж"));
  ws_->processMessages();
  EXPECT_EQ(countOf(*b, WM_KEYDOWN), 1);
  ASSERT_EQ(countOf(*b, WM_CHAR), 2) << "Backspace makes a character, the text event another";
  std::vector<WParam> chars;
  for (const Logged& l : log) {
    if (l.window == b->handle() && l.msg == WM_CHAR) chars.push_back(l.wParam);
  }
  EXPECT_EQ(chars, (std::vector<WParam>{VK_BACK, 0x0416}));
  // A hidden window gives the focus back to its top-level window.
  b->hide();
  EXPECT_EQ(ws_->focus(), top.get());
}

TEST_F(WindowSystemTest, ActivationFollowsClicksAndHiding) {
  auto first = make({0, 0, 100, 100}, clWhite);
  auto second = make({200, 0, 300, 100}, clWhite);
  first->show();
  second->show();
  EXPECT_EQ(ws_->activeWindow(), second.get());
  inject(InputEvent::Kind::MouseDown, {50, 50});
  inject(InputEvent::Kind::MouseUp, {50, 50});
  EXPECT_EQ(ws_->activeWindow(), first.get());
  EXPECT_EQ(ws_->topLevelWindows().back(), first.get());
  first->hide();
  EXPECT_EQ(ws_->activeWindow(), second.get());
}

TEST_F(WindowSystemTest, CreationAndActivationHooksSeeWindowsFirst) {
  std::vector<std::string> seen;
  int id = ws_->addHook({[&](Window& w) { seen.push_back("create " + w.className()); },
                         [&](Window& w) { seen.push_back("activate " + w.className() + (ws_->activeWindow() == &w ? " (already)" : "")); }});
  WindowParams p;
  p.className = "#32768";
  auto w = ws_->createWindow(p);
  w->show();
  EXPECT_EQ(seen, (std::vector<std::string>{"create #32768", "activate #32768"}));
  ws_->removeHook(id);
  auto other = ws_->createWindow(p);
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(WindowSystemTest, CaptionMovesTheWindowAndTheCloseBoxClosesIt) {
  WindowParams p;
  p.className = "Framed";
  p.bounds = {100, 100, 300, 200};
  p.style = WS_CAPTION | WS_SYSMENU;
  int closes = 0;
  p.proc = [&](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_CLOSE) {
      ++closes;
      return 0;
    }
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto w = ws_->createWindow(p);
  w->show();
  inject(InputEvent::Kind::MouseDown, {150, 110});
  inject(InputEvent::Kind::MouseMove, {170, 140});
  inject(InputEvent::Kind::MouseUp, {170, 140});
  EXPECT_EQ(w->bounds(), (Rect{120, 130, 320, 230}));
  // The close box: the right end of the caption bar.
  Point close = w->screenOrigin() + Point{200 - 3 - 2 - 8, 3 + 9};
  inject(InputEvent::Kind::MouseDown, close);
  EXPECT_EQ(ws_->pressedFrameButton(*w), HTCLOSE);
  inject(InputEvent::Kind::MouseUp, close);
  EXPECT_EQ(closes, 1);
  // Pressed, then released elsewhere: nothing.
  inject(InputEvent::Kind::MouseDown, close);
  inject(InputEvent::Kind::MouseMove, {0, 0});
  inject(InputEvent::Kind::MouseUp, {0, 0});
  EXPECT_EQ(closes, 1);
}

// "Move" and "Size" of the system menu: arrows by 8 pixels, the mouse once it moves, Enter or a
// click keeps the place, Esc puts the window back; the keys go to nobody else meanwhile.
TEST_F(WindowSystemTest, SystemMoveAndSizeFollowTheArrowsAndTheMouse) {
  WindowParams p;
  p.bounds = {100, 100, 400, 300};
  p.style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  std::vector<MessageId> seen;
  p.proc = [&](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_KEYDOWN || m == WM_CHAR || m == WM_ENTERSIZEMOVE || m == WM_EXITSIZEMOVE || m == WM_LBUTTONDOWN) seen.push_back(m);
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto w = ws_->createWindow(p);
  w->show();
  ws_->setFocus(w.get());
  auto key = [&](unsigned vk) {
    backend_->inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, vk));
    backend_->inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, vk));
    ws_->processMessages();
  };

  struct Case {
    const char* what;
    WParam command;
    std::vector<unsigned> keys;
    Rect expected;
  };
  const Case cases[] = {
      {"move right twice and up, kept", SC_MOVE, {VK_RIGHT, VK_RIGHT, VK_UP, VK_RETURN}, {116, 92, 416, 292}},
      {"move, then Esc puts it back", SC_MOVE, {VK_LEFT, VK_DOWN, VK_ESCAPE}, {100, 100, 400, 300}},
      {"size: Right picks the right edge, then moves it", SC_SIZE, {VK_RIGHT, VK_RIGHT, VK_LEFT, VK_LEFT, VK_RETURN}, {100, 100, 392, 300}},
      {"size: Up picks the top edge as well", SC_SIZE, {VK_LEFT, VK_UP, VK_LEFT, VK_UP, VK_RETURN}, {92, 92, 400, 300}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    w->setBounds({100, 100, 400, 300});
    seen.clear();
    w->send(WM_SYSCOMMAND, c.command, 0);
    for (unsigned k : c.keys) key(k);
    EXPECT_EQ(w->bounds(), c.expected);
    EXPECT_EQ(seen, (std::vector<MessageId>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
    key(VK_RIGHT);
    EXPECT_EQ(w->bounds(), c.expected) << "over: the arrows are the window's again";
  }

  // The mouse: its first move anchors, the next ones carry the window; a click ends it.
  w->setBounds({100, 100, 400, 300});
  seen.clear();
  w->send(WM_SYSCOMMAND, SC_MOVE, 0);
  inject(InputEvent::Kind::MouseMove, {500, 500});
  inject(InputEvent::Kind::MouseMove, {530, 480});
  EXPECT_EQ(w->bounds(), (Rect{130, 80, 430, 280}));
  key(VK_DOWN);
  EXPECT_EQ(w->bounds(), (Rect{130, 88, 430, 288}));
  inject(InputEvent::Kind::MouseMove, {540, 480});
  inject(InputEvent::Kind::MouseMove, {550, 480});
  EXPECT_EQ(w->bounds(), (Rect{140, 88, 440, 288})) << "after a key the mouse anchors again";
  inject(InputEvent::Kind::MouseDown, {550, 480});
  inject(InputEvent::Kind::MouseUp, {550, 480});
  inject(InputEvent::Kind::MouseMove, {600, 600});
  EXPECT_EQ(w->bounds(), (Rect{140, 88, 440, 288}));
  EXPECT_EQ(seen, (std::vector<MessageId>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE})) << "the ending click is not the window's";

  // A window without a sizing border is not sized.
  w->setStyle(WS_CAPTION | WS_SYSMENU);
  w->send(WM_SYSCOMMAND, SC_SIZE, 0);
  key(VK_RIGHT);
  key(VK_RIGHT);
  EXPECT_EQ(w->bounds(), (Rect{140, 88, 440, 288}));
}

TEST_F(WindowSystemTest, SizeableBorderResizesAndReportsTheNewClientSize) {
  WindowParams p;
  p.bounds = {100, 100, 300, 300};
  p.style = WS_CAPTION | WS_THICKFRAME;
  Size lastSize;
  p.proc = [&](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_SIZE) lastSize = {xFromLParam(lp), yFromLParam(lp)};
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto w = ws_->createWindow(p);
  w->show();
  inject(InputEvent::Kind::MouseDown, {298, 200});  // right border
  inject(InputEvent::Kind::MouseMove, {338, 200});
  inject(InputEvent::Kind::MouseUp, {338, 200});
  EXPECT_EQ(w->bounds(), (Rect{100, 100, 340, 300}));
  EXPECT_EQ(lastSize.width, 240 - 8);
}

}  // namespace
}  // namespace tavra::test

namespace tavra::test {
namespace {

TEST_F(WindowSystemTest, AltF4ClosesTheTopLevelWindowEvenWithoutAFrame) {
  auto top = make({0, 0, 100, 100}, clWhite);
  auto child = make({10, 10, 50, 50}, clWhite, top.get());
  child->show();
  top->show();
  ws_->setFocus(child.get());
  backend_->inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_F4, kModAlt));
  ws_->processMessages();
  EXPECT_EQ(countOf(*top, WM_CLOSE), 1);
  EXPECT_FALSE(top->isVisible()) << "by default a closed window hides";
}

}  // namespace
}  // namespace tavra::test

#include "winsys/Shell.h"

namespace tavra::test {
namespace {

TEST(Shell, OpensTheUrlThroughTheHandlerAndNothingForAnEmptyOne) {
  std::vector<std::string> opened;
  ShellOpenHandler previous = setShellOpenHandler([&](const std::string& url) {
    opened.push_back(url);
    return true;
  });
  EXPECT_TRUE(shellOpen("mailto:author@example.org"));
  EXPECT_FALSE(shellOpen(""));
  EXPECT_EQ(opened, (std::vector<std::string>{"mailto:author@example.org"}));
  setShellOpenHandler(previous);
}

}  // namespace
}  // namespace tavra::test
