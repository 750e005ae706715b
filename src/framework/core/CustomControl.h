#pragma once
// Controls that paint themselves on a canvas: TCustomControl (windowed) and TGraphicControl
// (windowless, painted by its parent). Both draw at (0, 0) of their own client area.
#include "framework/core/WinControl.h"
#include "gfx/Canvas.h"

namespace tavra {

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
  // The canvas of the paint in progress (null outside painting).
  Canvas* canvas() const { return canvas_; }
  std::function<void(TComponent& sender, Canvas& canvas)> OnPaint;

 protected:
  virtual void Paint() {}
  void PaintWindow(Canvas& canvas) override;

 private:
  Canvas* canvas_ = nullptr;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
  Canvas* canvas() const { return canvas_; }
  void WndProc(TMessage& msg) override;

 protected:
  virtual void Paint() {}

 private:
  Canvas* canvas_ = nullptr;
};

}  // namespace tavra
