#include "winsys/HeadlessBackend.h"

#include <chrono>
#include <thread>

namespace tavra {

HeadlessBackend::HeadlessBackend(ClockKind clock) {
  if (clock == ClockKind::Virtual) {
    auto v = std::make_unique<VirtualClock>();
    virtual_ = v.get();
    clock_ = std::move(v);
  } else {
    clock_ = std::make_unique<RealClock>();
  }
}

std::optional<InputEvent> HeadlessBackend::pollEvent() {
  if (queue_.empty()) return std::nullopt;
  InputEvent ev = queue_.front();
  queue_.pop_front();
  return ev;
}

void HeadlessBackend::inject(const InputEvent& ev) {
  if (ev.kind == InputEvent::Kind::MouseMove || ev.kind == InputEvent::Kind::MouseDown || ev.kind == InputEvent::Kind::MouseUp) {
    cursor_ = ev.screen;
  }
  queue_.push_back(ev);
}

bool HeadlessBackend::wait(std::optional<TimeMs> deadline) {
  if (!queue_.empty()) return true;
  if (idleScript_ && idleScript_()) return true;
  if (virtual_) {
    if (!deadline) return false;
    virtual_->setNow(*deadline);
    return true;
  }
  TimeMs now = clock_->now();
  TimeMs until = deadline ? *deadline : now + 50;
  if (until > now) std::this_thread::sleep_for(std::chrono::milliseconds(until - now));
  return true;
}

}  // namespace tavra
