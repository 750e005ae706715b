#include "framework/core/HintController.h"

#include "framework/core/Application.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

// The hint goes below the pointer, clear of the arrow.
constexpr int kBelowCursor = 20;

TControl* hintControlOf(TControl* c) {
  while (c && !c->showHint()) c = c->parent();
  return c;
}

}  // namespace

HintController::HintController(TApplication& app) : app_(app) {
  WindowParams p;
  p.className = "THintTimer";
  p.proc = [this](Window& w, MessageId msg, WParam wp, LParam lp) -> LResult {
    if (msg != WM_TIMER) return w.system().defWindowProc(w, msg, wp, lp);
    w.system().killTimer(w, wp);
    try {
      if (wp == kShowTimer) show();
      else if (wp == kHideTimer) hide();
    } catch (const std::exception& e) {
      app_.HandleException(e);
    }
    return 0;
  };
  timers_ = WindowSystem::instance().createWindow(p);
}

HintController::~HintController() {
  if (timers_) {
    stopTimers();
    timers_->setProc(nullptr);
  }
}

void HintController::stopTimers() {
  WindowSystem& ws = WindowSystem::instance();
  ws.killTimer(*timers_, kShowTimer);
  ws.killTimer(*timers_, kHideTimer);
}

void HintController::hide() {
  WindowSystem::instance().killTimer(*timers_, kHideTimer);
  if (window_ && window_->visible()) window_->ReleaseHandle();
}

void HintController::cancel() {
  stopTimers();
  hide();
  control_ = nullptr;
}

void HintController::mouseControlChanged(TControl* control) {
  TControl* target = hintControlOf(control);
  if (target == control_) return;
  bool wasShowing = showing();
  stopTimers();
  hide();
  control_ = target;
  if (!control_ || !app_.ShowHint || GetShortHint(control_->hint()).empty()) return;
  WindowSystem::instance().setTimer(*timers_, kShowTimer, wasShowing ? app_.HintShortPause : app_.HintPause);
}

void HintController::activateAt(Point screen) {
  WindowSystem& ws = WindowSystem::instance();
  TControl* under = nullptr;
  if (Window* w = ws.windowAt(screen)) {
    if (TWinControl* wc = TWinControl::fromWindow(w)) {
      TControl* child = wc->controlAtPos(w->screenToClient(screen), true);
      under = child ? child : wc;
    }
  }
  stopTimers();
  hide();
  control_ = hintControlOf(under);
  show();
}

void HintController::controlDestroyed(TControl* control) {
  if (control == control_) cancel();
}

void HintController::setWindowFactory(WindowFactory factory) {
  hide();
  factory_ = std::move(factory);
  window_.reset();
}

void HintController::show() {
  if (!control_ || !app_.ShowHint || !control_->showing()) return;
  WindowSystem& ws = WindowSystem::instance();
  Point cursor = ws.cursorPos();
  THintInfo info;
  info.HintControl = control_;
  info.HintPos = cursor + Point{0, kBelowCursor};
  info.HintMaxWidth = ws.desktopSize().width;
  info.HintColor = app_.HintColor;
  info.CursorRect = control_->clientRect();
  info.CursorPos = control_->screenToClient(cursor);
  info.HideTimeout = app_.HintHidePause;
  info.HintStr = GetShortHint(control_->hint());
  bool canShow = control_->Perform(CM_HINTSHOW, 0, reinterpret_cast<LParam>(&info)) == 0;
  if (canShow && app_.OnShowHint) app_.OnShowHint(info.HintStr, canShow, info);
  if (!canShow || info.HintStr.empty()) return;
  if (!window_) window_ = factory_ ? factory_(&app_) : std::make_unique<THintWindow>(&app_);
  if (!window_) return;
  window_->setColor(info.HintColor);
  Rect r = window_->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  window_->ActivateHintData(r.offsetBy(info.HintPos), info.HintStr, info.HintData);
  if (info.HideTimeout > 0) ws.setTimer(*timers_, kHideTimer, info.HideTimeout);
}

}  // namespace tavra
