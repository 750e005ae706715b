#pragma once
// A window system on the headless display with the virtual clock, and windows whose procedures
// are test lambdas.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "winsys/HeadlessBackend.h"
#include "winsys/WindowSystem.h"

namespace tavra::test {

class WindowSystemTest : public ::testing::Test {
 protected:
  WindowSystemTest() {
    auto backend = std::make_unique<HeadlessBackend>();
    backend_ = backend.get();
    ws_ = std::make_unique<WindowSystem>(std::move(backend));
  }

  // A window that paints its client area with `fill` and records the messages it gets.
  std::unique_ptr<Window> make(Rect bounds, Color fill, Window* parent = nullptr, std::uint32_t style = 0) {
    WindowParams p;
    p.className = "Test";
    p.bounds = bounds;
    p.parent = parent;
    p.style = style | (parent ? WS_CHILD : WS_POPUP);
    p.background = fill;
    p.classStyle = CS_DBLCLKS;
    p.proc = [this](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
      log.push_back({w.handle(), m, wp, lp});
      if (m == WM_PAINT) {
        PaintScope ps = w.system().beginPaint(w);
        lastPaintRect[w.handle()] = ps.paintRect;
        paintCount[w.handle()]++;
        ps.canvas().fillRect(Rect::fromSize(0, 0, w.clientSize().width, w.clientSize().height), paintColor.count(w.handle()) ? paintColor[w.handle()] : w.background());
        return 0;
      }
      return w.system().defWindowProc(w, m, wp, lp);
    };
    return ws_->createWindow(p);
  }

  Color screenAt(int x, int y) {
    ws_->processMessages();
    return ws_->captureScreen({x, y, x + 1, y + 1}).colorAt(0, 0);
  }

  void advance(TimeMs ms) {
    TimeMs target = ws_->now() + ms;
    ws_->processMessages();
    while (true) {
      auto next = ws_->nextTimerDeadline();
      if (!next || *next > target) break;
      backend_->virtualClock()->setNow(*next);
      ws_->fireDueTimers();
      ws_->processMessages();
    }
    backend_->virtualClock()->setNow(target);
  }

  void inject(InputEvent::Kind kind, Point p) {
    backend_->inject(InputEvent::mouse(kind, p));
    ws_->processMessages();
  }

  struct Logged {
    WindowHandle window;
    MessageId msg;
    WParam wParam;
    LParam lParam;
  };
  std::vector<MessageId> messagesOf(const Window& w) const {
    std::vector<MessageId> out;
    for (const Logged& l : log) {
      if (l.window == w.handle()) out.push_back(l.msg);
    }
    return out;
  }
  int countOf(const Window& w, MessageId m) const {
    int n = 0;
    for (const Logged& l : log) n += (l.window == w.handle() && l.msg == m) ? 1 : 0;
    return n;
  }

  HeadlessBackend* backend_ = nullptr;
  std::unique_ptr<WindowSystem> ws_;
  std::vector<Logged> log;
  std::map<WindowHandle, Rect> lastPaintRect;
  std::map<WindowHandle, int> paintCount;
  std::map<WindowHandle, Color> paintColor;
};

}  // namespace tavra::test
