#pragma once
// Milliseconds since an arbitrary start: real, or virtual in tests (a test advances it and
// timers fire in order, instantly).
#include <cstdint>

namespace tavra {

using TimeMs = std::int64_t;

class Clock {
 public:
  virtual ~Clock() = default;
  virtual TimeMs now() const = 0;
  virtual bool isVirtual() const = 0;
};

class RealClock final : public Clock {
 public:
  RealClock();
  TimeMs now() const override;
  bool isVirtual() const override { return false; }

 private:
  std::int64_t startNs_ = 0;
};

class VirtualClock final : public Clock {
 public:
  TimeMs now() const override { return now_; }
  bool isVirtual() const override { return true; }
  void setNow(TimeMs t) {
    if (t > now_) now_ = t;
  }
  void advance(TimeMs ms) { now_ += ms; }

 private:
  TimeMs now_ = 1000;
};

}  // namespace tavra
