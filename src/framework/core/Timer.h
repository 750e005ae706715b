#pragma once
// A timer component: OnTimer every Interval milliseconds while Enabled (never more often than
// the window system's 10 ms resolution). Ticks come through the event loop, also inside modal
// loops.
#include <memory>

#include "framework/core/Control.h"
#include "winsys/Window.h"

namespace tavra {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool enabled() const { return enabled_; }
  void setEnabled(bool e);
  int interval() const { return interval_; }
  void setInterval(int ms);
  void setOnTimer(TNotifyEvent handler);

  TNotifyEvent OnTimer;

 private:
  void update();
  std::unique_ptr<Window> window_;
  bool enabled_ = true;
  int interval_ = 1000;
};

}  // namespace tavra
