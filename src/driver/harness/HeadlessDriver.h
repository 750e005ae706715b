#pragma once
// Runs the program, or any forms, on the headless display with the virtual clock, for tests
// and for reviewers' screenshots: clicks and types at controls, moves time, records every
// message box (caption, text, icon) and answers it, records every URL the program asks the desktop
// to open (no opener is started), and saves pictures of the desktop.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Application.h"
#include "framework/core/Control.h"
#include "winsys/HeadlessBackend.h"
#include "winsys/Shell.h"
#include "winsys/WindowSystem.h"

namespace tavra {

struct RecordedBox {
  std::string caption;
  std::string text;
  MessageBoxIcon icon = MessageBoxIcon::None;
  std::string windowClass;
};

class HeadlessDriver {
 public:
  HeadlessDriver();
  ~HeadlessDriver();
  HeadlessDriver(const HeadlessDriver&) = delete;
  HeadlessDriver& operator=(const HeadlessDriver&) = delete;

  WindowSystem& ws() { return *ws_; }
  TApplication& app() { return *app_; }
  HeadlessBackend& backend() { return *backend_; }
  TimeMs now() { return ws_->now(); }

  bool ended() { return ws_->quitRequested(); }

  // Handles everything pending at the current time.
  void settle();
  // Moves the virtual clock forward, firing every timer in order as its time comes.
  void advance(TimeMs ms);
  // Advances in steps of `step` until `condition` holds or `limit` has passed; returns whether it
  // held.
  bool advanceUntil(const std::function<bool()>& condition, TimeMs limit, TimeMs step = 10);

  // Input, in screen coordinates or at a control (its centre, or a point of its client area).
  void moveTo(Point screen);
  void click(Point screen, MouseButton button = MouseButton::Left);
  void doubleClick(Point screen);
  void mouseDown(Point screen, MouseButton button = MouseButton::Left);
  void mouseUp(Point screen, MouseButton button = MouseButton::Left);
  void click(const TControl& control);
  void clickAt(const TControl& control, Point client);
  void doubleClick(const TControl& control);
  Point centreOf(const TControl& control) const;
  void pressKey(unsigned virtualKey, unsigned modifiers = 0);
  void typeText(const std::string& utf8);
  // Clicks the close box of a form's frame.
  void clickCloseBox(const TControl& form);

  // Message boxes: every box shown is recorded; by default it is answered at once with "OK".
  // A handler set here runs while the box is open (time may be advanced in it); the box is
  // answered when it returns.
  std::vector<RecordedBox> boxes;
  void setWhileBoxOpen(std::function<void(const RecordedBox&)> handler) { whileBoxOpen_ = std::move(handler); }

  // The desktop's "open" action: while the driver lives, every URL the program asks to open (a web
  // label's page or address, a page's outside link) is recorded here and reported as opened; no
  // browser or mail composer starts. A test's own handler, installed after the driver, takes
  // precedence while it lives.
  std::vector<std::string> openedUrls;

  // Menus: while a menu is open its loop takes the input. The steps queued here run one at a
  // time whenever the open menu waits for input (a step clicks, types, looks or takes a
  // picture); when none is left the menu is closed, so a test never stays inside it.
  void whenMenuOpen(std::function<void()> step) { menuSteps_.push_back(std::move(step)); }
  size_t pendingMenuSteps() const { return menuSteps_.size(); }

  // Pictures.
  Bitmap screenshot();
  bool saveScreenshot(const std::string& path);

 private:
  std::unique_ptr<WindowSystem> ws_;
  HeadlessBackend* backend_ = nullptr;
  std::unique_ptr<TApplication> app_;
  std::function<void(const RecordedBox&)> whileBoxOpen_;
  std::deque<std::function<void()>> menuSteps_;
  ScopedShellOpenHandler shellOpens_{[this](const std::string& url) {
    openedUrls.push_back(url);
    return true;
  }};
  bool menuIdle();
};

}  // namespace tavra
