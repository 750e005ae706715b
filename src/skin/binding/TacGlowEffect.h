#pragma once
// A glow around a hovered control: a borderless, never-activated, mouse-transparent top-level
// window with per-pixel alpha, showing the section's GLOW0 mask drawn as a border around the
// control's visible part (centre left clear).
#include <memory>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavra {

class SkinModel;
class Window;

class TacGlowEffect {
 public:
  // `control` and `visible` are screen rectangles; `margin` the section's GlowMargin.
  TacGlowEffect(const SkinModel& model, int maskIndex, const Rect& control, const Rect& visible, int margin, bool topmost);
  ~TacGlowEffect();
  TacGlowEffect(const TacGlowEffect&) = delete;
  TacGlowEffect& operator=(const TacGlowEffect&) = delete;

  Window* window() const { return window_.get(); }
  const Bitmap& image() const { return image_; }

 private:
  std::unique_ptr<Window> window_;
  Bitmap image_;
};

}  // namespace tavra
