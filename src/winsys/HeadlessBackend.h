#pragma once
// A display that exists only in memory: a 1024 × 768 desktop, input injected by tests or tools,
// screenshots composed from the windows' own bitmaps. Its clock is virtual (tests move it) or
// real.
#include <deque>
#include <functional>
#include <memory>

#include "winsys/DisplayBackend.h"

namespace tavra {

class HeadlessBackend final : public DisplayBackend {
 public:
  enum class ClockKind { Virtual, Real };
  explicit HeadlessBackend(ClockKind clock = ClockKind::Virtual);

  Size desktopSize() const override { return {1024, 768}; }
  bool supportsOpacity() const override { return true; }
  bool supportsPerPixelAlpha() const override { return perPixelAlpha_; }
  // Stands for a display without per-pixel alpha windows, so that their fallbacks can be tried.
  void setPerPixelAlphaSupported(bool supported) { perPixelAlpha_ = supported; }

  void windowShown(Window&) override {}
  void windowHidden(Window&) override {}
  void windowMovedOrResized(Window&) override {}
  void windowOpacityChanged(Window&) override {}
  void windowRaised(Window&) override {}
  void windowDestroyed(Window&) override {}
  void present(Window&, const Bitmap&, const Region&) override { ++presentCount_; }

  std::optional<InputEvent> pollEvent() override;
  bool wait(std::optional<TimeMs> deadline) override;
  Clock& clock() override { return *clock_; }
  Point cursorPosition() const override { return cursor_; }
  void setCursorShape(CursorShape shape) override { cursorShape_ = shape; }
  void setClipboardText(const std::string& text) override { clipboard_ = text; }
  std::string clipboardText() const override { return clipboard_; }

  // Queues input as if the user had produced it.
  void inject(const InputEvent& ev);
  // Called when a loop has nothing to do: a test script answers message boxes or moves time
  // here. It returns whether it did something; without it a virtual clock jumps to the next
  // timer.
  void setIdleScript(std::function<bool()> script) { idleScript_ = std::move(script); }
  VirtualClock* virtualClock() { return virtual_; }
  int presentCount() const { return presentCount_; }
  // The pointer shape the window system asked for last.
  CursorShape cursorShape() const { return cursorShape_; }

 private:
  std::unique_ptr<Clock> clock_;
  VirtualClock* virtual_ = nullptr;
  std::deque<InputEvent> queue_;
  std::function<bool()> idleScript_;
  Point cursor_{-1, -1};
  CursorShape cursorShape_ = CursorShape::Arrow;
  std::string clipboard_;
  int presentCount_ = 0;
  bool perPixelAlpha_ = true;
};

}  // namespace tavra
