#pragma once
// The pair of arrow buttons a single-row tab control shows when its tabs do not fit: the left
// one scrolls the tabs one to the right, the right one one to the left. Its window has the
// platform's class name for it, "msctls_updown32".
#include <functional>

#include "framework/core/CustomControl.h"

namespace tavra {

class TTabScroller : public TCustomControl {
 public:
  explicit TTabScroller(TComponent* owner);

  // Runs with −1 (left arrow) or +1 (right arrow) on every press.
  std::function<void(int step)> OnScroll;
  bool canScrollBack = false;
  bool canScrollForward = false;

  void WndProc(TMessage& msg) override;

 protected:
  void CreateParams(WindowParams& params) override;
  void Paint() override;

 private:
  int pressed_ = 0;  // −1, +1 while an arrow is held
};

}  // namespace tavra
