#pragma once
// The hint window: a borderless-looking top-level popup with a thin frame that never takes the
// focus and lets the mouse through. The application measures a hint with CalcHintRect, shows it
// with ActivateHint and lets it paint; Paint is the one place a hint is drawn, so a hint
// window class of the skin engine takes over by overriding it (and CalcHintRect, ActivateHint,
// CreateParams, WndProc).
#include <string>

#include "framework/core/CustomControl.h"

namespace tavra {

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* owner);

  // The window rectangle (at 0, 0) for a hint text wrapped at `maxWidth`.
  virtual Rect CalcHintRect(int maxWidth, const std::string& hint, void* data);
  // Shows the hint at `rect` (screen coordinates), kept on the desktop, above every window,
  // without activating it.
  virtual void ActivateHint(Rect rect, const std::string& hint);
  virtual void ActivateHintData(Rect rect, const std::string& hint, void* data);
  // Hides the window.
  void ReleaseHandle();
  bool shownNow() const;

 protected:
  void CreateParams(WindowParams& params) override;
  bool createsTopLevelWindow() const override { return true; }
  void Paint() override;
};

}  // namespace tavra
