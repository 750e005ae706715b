// The window system's message delivery (send and post) and the message loops that dispatch
// posted messages, input, painting and timers.
#include "winsys/WindowSystem.h"

#include <algorithm>

namespace tavra {

// --- Messages ----------------------------------------------------------------------------------

LResult WindowSystem::send(Window& w, MessageId msg, WParam wParam, LParam lParam) {
  WindowProc proc = w.proc_;  // a copy: the procedure may replace itself while it runs
  if (!proc) return defWindowProc(w, msg, wParam, lParam);
  return proc(w, msg, wParam, lParam);
}

void WindowSystem::post(Window& w, MessageId msg, WParam wParam, LParam lParam) { post(w.handle(), msg, wParam, lParam); }

void WindowSystem::post(WindowHandle w, MessageId msg, WParam wParam, LParam lParam) { posted_.push_back({w, msg, wParam, lParam}); }

bool WindowSystem::hasPosted(WindowHandle w, MessageId msg) const {
  return std::any_of(posted_.begin(), posted_.end(), [&](const Posted& p) { return p.window == w && p.msg == msg; });
}

void WindowSystem::postQuit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

// --- Loops -------------------------------------------------------------------------------------

bool WindowSystem::dispatchPosted() {
  size_t n = posted_.size();
  bool did = false;
  for (size_t i = 0; i < n && !posted_.empty(); ++i) {
    Posted p = posted_.front();
    posted_.pop_front();
    did = true;
    if (Window* w = find(p.window)) send(*w, p.msg, p.wParam, p.lParam);
  }
  return did;
}

bool WindowSystem::pumpOnce() {
  bool did = dispatchPosted();
  while (auto ev = backend_->pollEvent()) {
    dispatchInput(*ev);
    did = true;
  }
  // Looking through every window costs; it is done only when something was invalidated since
  // the last look that found nothing.
  if (maybeInvalid_) {
    bool anyInvalid = false;
    for (auto& [h, w] : windows_) {
      if ((!w->update_.isEmpty() || w->framePending_) && w->isShowing()) {
        anyInvalid = true;
        break;
      }
    }
    if (anyInvalid) {
      paintPending();
      did = true;
    } else {
      maybeInvalid_ = false;
    }
  }
  if (fireDueTimers()) did = true;
  presentPending();
  return did;
}

void WindowSystem::processMessages() {
  // A handler that keeps invalidating or posting could keep this busy forever; bound it.
  for (int i = 0; i < 10000 && pumpOnce(); ++i) {
  }
}

bool WindowSystem::runLoop(const std::function<bool()>& done) {
  ++loopDepth_;
  bool progressed = true;
  while (!quit_ && !done()) {
    if (pumpOnce()) continue;
    if (idleHandler_) idleHandler_();
    if (quit_ || done()) break;
    if (!posted_.empty()) continue;
    if (!backend_->wait(nextTimerDeadline())) {
      progressed = false;
      break;
    }
  }
  --loopDepth_;
  return progressed;
}

int WindowSystem::run() {
  runLoop([] { return false; });
  presentPending();
  return exitCode_;
}

}  // namespace tavra
