// The windowed control's window: making it from the control's parameters, tearing it down,
// finding the control a window belongs to, and keeping the window's bounds and visibility.
#include "framework/core/WinControl.h"

#include <unordered_set>
#include <vector>

#include "framework/core/Form.h"

namespace tavra {
namespace {

// Every live windowed control, so a window's owner pointer is trusted only when it names one.
std::unordered_set<const void*>& liveControls() {
  static std::unordered_set<const void*> live;
  return live;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { liveControls().insert(this); }

TWinControl* TWinControl::fromWindow(const Window* w) {
  if (!w || !liveControls().count(w->owner())) return nullptr;
  auto* c = static_cast<TWinControl*>(w->owner());
  return c->window_.get() == w ? c : nullptr;
}

TWinControl::~TWinControl() {
  liveControls().erase(this);
  setState(csDestroying);
  for (TControl* c : std::vector(controls_)) c->parent_ = nullptr;
  controls_.clear();
  tabList_.clear();
  destroyWindow();
}

Window& TWinControl::handle() {
  if (!window_) createWindow();
  return *window_;
}

void TWinControl::CreateParams(WindowParams& p) {
  p.className = ClassName();
  p.text = caption();
  p.style = WS_CHILD | WS_CLIPSIBLINGS;
  if (controlStyle_ & csAcceptsControls) p.style |= WS_CLIPCHILDREN;
  if (tabStop_) p.style |= WS_TABSTOP;
  if (!enabled()) p.style |= WS_DISABLED;
  if (controlStyle_ & csDoubleClicks) p.classStyle |= CS_DBLCLKS;
  p.bounds = boundsRect();
  p.background = color();
}

void TWinControl::createWindow() {
  if (window_) return;
  bool topLevel = !parent() && createsTopLevelWindow();
  if (!topLevel && (!parent() || !parent()->handleAllocated())) return;
  WindowParams p;
  CreateParams(p);
  if (!topLevel) p.parent = parent()->window();
  p.owner = this;
  p.proc = [this](Window& w, MessageId msg, WParam wp, LParam lp) { return windowProc(w, msg, wp, lp); };
  window_ = WindowSystem::instance().createWindow(p);
  creatingWindow_ = nullptr;
  // A frame makes the client area smaller than the bounds: aligned children follow it.
  if (clientRect().size() != boundsRect().size()) AlignControls();
  // Children parented before this window existed get theirs now, in z-order.
  for (TControl* c : controls_) {
    if (auto* wc = dynamic_cast<TWinControl*>(c)) wc->createWindow();
  }
  if (visible() && !isTopLevelForm()) window_->showNoActivate();
}

void TWinControl::destroyWindow() {
  if (!window_) return;
  for (TControl* c : controls_) {
    if (auto* wc = dynamic_cast<TWinControl*>(c)) wc->destroyWindow();
  }
  // The procedure must not reach this object while it is being torn down.
  window_->setProc(nullptr);
  window_.reset();
}

bool TWinControl::isTopLevelForm() const { return dynamic_cast<const TCustomForm*>(this) != nullptr && !parent(); }

bool TWinControl::createsTopLevelWindow() const { return dynamic_cast<const TCustomForm*>(this) != nullptr; }

Rect TWinControl::clientRect() const {
  if (window_) return Rect::fromSize(0, 0, window_->clientSize().width, window_->clientSize().height);
  return TControl::clientRect();
}

void TWinControl::Invalidate() {
  if (window_) window_->invalidate(controlStyle_ & csOpaque ? Erase::No : Erase::Yes);
}

void TWinControl::visibilityChanged() {
  if (!window_ || isTopLevelForm()) return;
  if (visible()) window_->showNoActivate();
  else window_->hide();
}

}  // namespace tavra
