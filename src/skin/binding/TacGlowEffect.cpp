#include "skin/binding/TacGlowEffect.h"

#include <algorithm>

#include "skin/data/SkinModel.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SkinPixels.h"
#include "winsys/WindowSystem.h"

namespace tavra {

TacGlowEffect::TacGlowEffect(const SkinModel& model, int maskIndex, const Rect& control, const Rect& visible, int margin,
                             bool topmost) {
  const MaskFrame frame = maskFrame(model, maskIndex, 0);
  if (!frame.valid()) return;
  // The border reaches out of the control by its widths (cut to the frame) less the margin; a
  // margin below 0 would only make the picture larger than its mask, so it counts as 0.
  const BorderWidths border = frameBorderWidths(frame);
  margin = std::max(margin, 0);
  const long long inset = 2LL * margin;
  const long long fullWidth = static_cast<long long>(control.width()) + border.left + border.right - inset;
  const long long fullHeight = static_cast<long long>(control.height()) + border.top + border.bottom - inset;
  if (fullWidth <= 0 || fullHeight <= 0 || fullWidth > Bitmap::kMaxDimension || fullHeight > Bitmap::kMaxDimension) return;
  const int width = static_cast<int>(fullWidth);
  const int height = static_cast<int>(fullHeight);
  image_ = NewBitmap32(width, height);
  DrawBorderMask(image_, image_.bounds(), CentreFill::No, CornersFromParent::No, 0, model, maskIndex, {});
  // Drawn over black, each pixel is its colour premultiplied by its strength: the alpha is the
  // strongest channel, so the glow fades out where the mask fades out.
  for (int y = 0; y < image_.height(); ++y) {
    Pixel* row = image_.row(y);
    for (int x = 0; x < image_.width(); ++x) {
      const Pixel v = row[x] & 0x00FFFFFFu;
      const Pixel a = std::max({(v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF});
      row[x] = v | (a << 24);
    }
  }
  Rect shown = image_.bounds();
  Point at{control.left + margin - border.left, control.top + margin - border.top};
  if (visible != control) {
    // Only the part around what is visible of the control.
    const Rect cut{std::max(0, visible.left - control.left), std::max(0, visible.top - control.top),
                   width - std::max(0, control.right - visible.right), height - std::max(0, control.bottom - visible.bottom)};
    shown = cut.intersected(image_.bounds());
    image_ = image_.copy(shown);
    at = at + shown.topLeft();
  }
  if (image_.isEmpty()) return;
  WindowParams p;
  p.className = "TacGlowEffect";
  p.style = WS_POPUP;
  p.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | (topmost ? WS_EX_TOPMOST : 0u);
  p.bounds = Rect::fromSize(at.x, at.y, image_.width(), image_.height());
  p.proc = [this](Window& w, MessageId msg, WParam wParam, LParam lParam) -> LResult {
    switch (msg) {
      case WM_NCHITTEST: return HTTRANSPARENT;
      case WM_ERASEBKGND: return 1;
      case WM_PAINT: {
        PaintScope scope = w.system().beginPaint(w);
        scope.canvas().drawBitmap({0, 0}, image_);
        return 0;
      }
      default: return w.system().defWindowProc(w, msg, wParam, lParam);
    }
  };
  window_ = WindowSystem::instance().createWindow(p);
  window_->setPerPixelAlpha(true);
  window_->showNoActivate();
}

TacGlowEffect::~TacGlowEffect() {
  if (window_) window_->setProc(nullptr);
}

}  // namespace tavra
