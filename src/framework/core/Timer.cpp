#include "framework/core/Timer.h"

#include "framework/core/Application.h"
#include "winsys/WindowSystem.h"

namespace tavra {

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  WindowParams p;
  p.className = "TPUtilWindow";
  p.proc = [this](Window& w, MessageId msg, WParam wp, LParam lp) -> LResult {
    if (msg == WM_TIMER) {
      try {
        if (enabled_ && OnTimer) OnTimer(*this);
      } catch (const std::exception& e) {
        if (TApplication::exists()) Application().HandleException(e);
      }
      return 0;
    }
    return w.system().defWindowProc(w, msg, wp, lp);
  };
  window_ = WindowSystem::instance().createWindow(p);
}

TTimer::~TTimer() {
  if (window_) {
    WindowSystem::instance().killTimer(*window_, 1);
    window_->setProc(nullptr);
  }
}

void TTimer::setEnabled(bool e) {
  if (e == enabled_) return;
  enabled_ = e;
  update();
}

void TTimer::setInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  update();
}

void TTimer::setOnTimer(TNotifyEvent handler) {
  OnTimer = std::move(handler);
  update();
}

// Runs when enabled, with an interval and a handler; every change restarts the count.
void TTimer::update() {
  WindowSystem& ws = WindowSystem::instance();
  ws.killTimer(*window_, 1);
  if (enabled_ && interval_ > 0 && OnTimer) ws.setTimer(*window_, 1, interval_);
}

}  // namespace tavra
