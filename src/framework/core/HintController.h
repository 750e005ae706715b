#pragma once
// The application's hint timing. When the pointer comes to a control whose hint is to be shown
// (the control, or the nearest parent, with ShowHint), the hint appears after the hint pause, or
// after the short pause when another hint was showing; it goes after the hide pause, when the
// pointer moves to another control, or on a click or key press, and then comes back only when
// the pointer reaches another control.
#include <functional>
#include <memory>

#include "framework/core/HintInfo.h"
#include "framework/core/HintWindow.h"
#include "winsys/Window.h"

namespace tavra {

class TApplication;

class HintController {
 public:
  using WindowFactory = std::function<std::unique_ptr<THintWindow>(TComponent* owner)>;

  explicit HintController(TApplication& app);
  ~HintController();
  HintController(const HintController&) = delete;
  HintController& operator=(const HintController&) = delete;

  void mouseControlChanged(TControl* control);
  // A click or key press: the hint goes and stays away until another control is reached.
  void cancel();
  void hide();
  // Shows the hint of the control under a screen point now.
  void activateAt(Point screen);
  void controlDestroyed(TControl* control);
  // The next hint is shown by a window the factory makes (null: the framework's own).
  void setWindowFactory(WindowFactory factory);

  TControl* hintControl() const { return control_; }
  THintWindow* window() const { return window_.get(); }
  bool showing() const { return window_ && window_->shownNow(); }

 private:
  static constexpr std::uintptr_t kShowTimer = 1;
  static constexpr std::uintptr_t kHideTimer = 2;
  void show();
  void stopTimers();

  TApplication& app_;
  std::unique_ptr<Window> timers_;
  std::unique_ptr<THintWindow> window_;
  WindowFactory factory_;
  TControl* control_ = nullptr;
};

}  // namespace tavra
