// The menu loop itself: starting it for a menu bar or a popup menu, running it until a choice
// or a cancel, the input filter that takes every mouse and key event meanwhile, and the choice.
#include "framework/menus/MenuTracker.h"

#include <exception>

#include "base/Text.h"
#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "framework/menus/MenuBar.h"
#include "winsys/Keys.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

MenuTracker* gActive = nullptr;

}  // namespace

MenuTracker* MenuTracker::active() { return gActive; }

void MenuTracker::trackBar(MenuBar& bar, int index, Start start) {
  std::vector<TMenuItem*> items = bar.items();
  if (gActive || index < 0 || index >= static_cast<int>(items.size())) return;
  MenuTracker t(&bar, nullptr);
  t.barIndex_ = index;
  t.keyboard_ = start != Start::Mouse;
  t.pressedOnBar_ = start == Start::Mouse;
  t.lastMouse_ = WindowSystem::instance().cursorPos();
  if (start == Start::Keyboard) {
    t.updateBar();
  } else if (start == Start::Accelerator && !items[static_cast<size_t>(index)]->hasSubmenu()) {
    t.choose(items[static_cast<size_t>(index)]);
  } else {
    t.openBarItem(start == Start::Accelerator);
  }
  t.run();
}

void MenuTracker::trackPopup(TMenuItem& root, Point screen) {
  if (gActive || root.visibleItems().empty()) return;
  MenuTracker t(nullptr, &root);
  t.lastMouse_ = WindowSystem::instance().cursorPos();
  t.openPopup(root, Rect::fromSize(screen.x, screen.y, 0, 0), Placement::AtPoint, false);
  t.run();
}

bool MenuTracker::ownerShowing() const {
  if (!bar_) return true;
  Window* w = bar_->form().window();
  return w && w->isShowing();
}

void MenuTracker::run() {
  WindowSystem& ws = WindowSystem::instance();
  gActive = this;
  WindowHandle owner = bar_ && bar_->form().window() ? bar_->form().window()->handle() : 0;
  if (Window* w = ws.find(owner)) w->send(WM_ENTERMENULOOP, 0, 0);
  if (TApplication::exists()) Application().CancelHint();
  altHeld_ = (ws.modifiers() & kModAlt) != 0;
  int filterId = ws.addInputFilter([this](const InputEvent& ev) { return filter(ev); });
  struct Cleanup {
    MenuTracker& t;
    WindowSystem& ws;
    int filterId;
    ~Cleanup() {
      ws.removeInputFilter(filterId);
      t.stopScrolling();
      while (!t.levels_.empty()) t.levels_.pop_back();
      if (t.bar_) t.bar_->setState(-1, false, false);
      gActive = nullptr;
      if (TApplication::exists()) Application().setHint("");
    }
  };
  {
    Cleanup cleanup{*this, ws, filterId};
    // The loop also ends when nothing more can happen (a virtual clock without input).
    ws.runLoop([this] { return done_ || !ownerShowing(); });
  }
  if (Window* w = ws.find(owner)) w->send(WM_EXITMENULOOP, 0, 0);
  if (chosen_ && chosen_->enabled()) chosen_->Click();
}

// --- Input -----------------------------------------------------------------------------------

bool MenuTracker::filter(const InputEvent& ev) {
  using K = InputEvent::Kind;
  try {
    switch (ev.kind) {
      case K::MouseMove: mouseMove(ev.screen); return true;
      case K::MouseDown: mouseDown(ev.screen); return true;
      case K::MouseUp: mouseUp(ev.screen); return true;
      case K::MouseWheel: wheel(ev.screen, ev.wheelDelta); return true;
      case K::KeyDown:
        // A held Alt reported again (a key repeat, or the display re-reporting held keys when a
        // menu window appears) is not a new press: Alt+Space must not close its own menu.
        if (ev.key == VK_MENU && altHeld_) return true;
        if (ev.key == VK_MENU) altHeld_ = true;
        keyDown(ev.key);
        return true;
      case K::KeyUp:
        // Alt pressed and released inside the loop leaves it.
        if (ev.key == VK_MENU) {
          altHeld_ = false;
          if (altDown_) finish(nullptr);
        }
        return true;
      case K::Text:
        for (char32_t c : utf8ToCodePoints(ev.text)) {
          if (c >= 32) typed(c);
        }
        return true;
      default:
        return false;
    }
  } catch (const std::exception& e) {
    if (TApplication::exists()) Application().HandleException(e);
    return true;
  }
}

void MenuTracker::choose(TMenuItem* item) { finish(item); }

void MenuTracker::finish(TMenuItem* chosen) {
  chosen_ = chosen;
  done_ = true;
}

}  // namespace tavra
