#include "driver/harness/HeadlessDriver.h"

#include <algorithm>

#include "framework/core/Form.h"
#include "framework/menus/MenuTracker.h"
#include "framework/core/WinControl.h"
#include "gfx/ImageCodec.h"
#include "winsys/ClassicFrame.h"

namespace tavra {

HeadlessDriver::HeadlessDriver() {
  auto backend = std::make_unique<HeadlessBackend>(HeadlessBackend::ClockKind::Virtual);
  backend_ = backend.get();
  ws_ = std::make_unique<WindowSystem>(std::move(backend));
  app_ = std::make_unique<TApplication>();
  app_->addMessageBoxObserver([this](const MessageBoxInfo& info) {
    RecordedBox box{info.caption, info.text, info.icon, info.windowClass};
    boxes.push_back(box);
    ws_->processMessages();
    if (whileBoxOpen_) whileBoxOpen_(box);
    if (info.form) info.form->setModalResult(mrOk);
  });
  backend_->setIdleScript([this] { return menuIdle(); });
}

bool HeadlessDriver::menuIdle() {
  MenuTracker* menu = MenuTracker::active();
  if (!menu) return false;
  if (!menuSteps_.empty()) {
    std::function<void()> step = std::move(menuSteps_.front());
    menuSteps_.pop_front();
    step();
    return true;
  }
  menu->cancel();
  return true;
}

HeadlessDriver::~HeadlessDriver() {
  app_.reset();
  ws_.reset();
}

void HeadlessDriver::settle() { ws_->processMessages(); }

void HeadlessDriver::advance(TimeMs ms) {
  VirtualClock* clock = backend_->virtualClock();
  TimeMs target = ws_->now() + ms;
  settle();
  while (!ws_->quitRequested()) {
    auto next = ws_->nextTimerDeadline();
    if (!next || *next > target) break;
    clock->setNow(*next);
    ws_->fireDueTimers();
    settle();
  }
  clock->setNow(target);
  settle();
}

bool HeadlessDriver::advanceUntil(const std::function<bool()>& condition, TimeMs limit, TimeMs step) {
  for (TimeMs spent = 0; spent <= limit; spent += step) {
    if (condition()) return true;
    advance(step);
  }
  return condition();
}

void HeadlessDriver::moveTo(Point screen) {
  backend_->inject(InputEvent::mouse(InputEvent::Kind::MouseMove, screen));
  settle();
}

void HeadlessDriver::mouseDown(Point screen, MouseButton button) {
  backend_->inject(InputEvent::mouse(InputEvent::Kind::MouseDown, screen, button));
  settle();
}

void HeadlessDriver::mouseUp(Point screen, MouseButton button) {
  backend_->inject(InputEvent::mouse(InputEvent::Kind::MouseUp, screen, button));
  settle();
}

void HeadlessDriver::click(Point screen, MouseButton button) {
  moveTo(screen);
  mouseDown(screen, button);
  mouseUp(screen, button);
}

void HeadlessDriver::doubleClick(Point screen) {
  click(screen);
  backend_->virtualClock()->advance(50);
  click(screen);
}

Point HeadlessDriver::centreOf(const TControl& c) const {
  return c.clientToScreen({c.clientWidth() / 2, c.clientHeight() / 2});
}

void HeadlessDriver::click(const TControl& c) { click(centreOf(c)); }

void HeadlessDriver::clickAt(const TControl& c, Point client) { click(c.clientToScreen(client)); }

void HeadlessDriver::doubleClick(const TControl& c) { doubleClick(centreOf(c)); }

void HeadlessDriver::pressKey(unsigned vk, unsigned modifiers) {
  backend_->inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, vk, modifiers));
  backend_->inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, vk, modifiers));
  settle();
}

void HeadlessDriver::typeText(const std::string& utf8) {
  backend_->inject(InputEvent::typed(utf8));
  settle();
}

void HeadlessDriver::clickCloseBox(const TControl& form) {
  const auto* wc = dynamic_cast<const TWinControl*>(&form);
  if (!wc || !wc->window()) return;
  Window& w = *wc->window();
  // Wherever the frame (the window system's or a skin's) puts it: the point of the caption that
  // answers HTCLOSE, looked for from the top right.
  const Point origin = w.screenOrigin();
  auto answersClose = [&](Point p) { return w.send(WM_NCHITTEST, 0, makeLParam(origin.x + p.x, origin.y + p.y)) == HTCLOSE; };
  FrameGeometry g = ClassicFrame::geometry(w);
  Point inside{(g.closeButton.left + g.closeButton.right) / 2, (g.closeButton.top + g.closeButton.bottom) / 2};
  if (g.closeButton.isEmpty() || !answersClose(inside)) {
    const int width = w.bounds().width();
    const int rows = std::min(w.clientRect().top, w.bounds().height());
    bool found = false;
    for (int y = 0; y < rows && !found; ++y) {
      for (int x = width - 1; x >= width / 2 && !found; --x) {
        if (!answersClose({x, y})) continue;
        // The middle of the run of points that answer.
        int left = x;
        while (left > 0 && answersClose({left - 1, y})) --left;
        int bottom = y;
        while (bottom + 1 < rows && answersClose({x, bottom + 1})) ++bottom;
        inside = {(left + x) / 2, (y + bottom) / 2};
        found = true;
      }
    }
    if (!found) return;
  }
  click(origin + inside);
}

Bitmap HeadlessDriver::screenshot() {
  settle();
  Size d = backend_->desktopSize();
  return ws_->captureScreen(Rect::fromSize(0, 0, d.width, d.height));
}

bool HeadlessDriver::saveScreenshot(const std::string& path) { return savePng(screenshot(), path); }

}  // namespace tavra
