#include "framework/core/CustomControl.h"

namespace tavra {

void TCustomControl::PaintWindow(Canvas& canvas) {
  Canvas* previous = canvas_;
  canvas_ = &canvas;
  Canvas::StateSaver saver(canvas);
  canvas.setFont(font());
  Paint();
  if (OnPaint) OnPaint(*this, canvas);
  canvas_ = previous;
}

void TGraphicControl::WndProc(TMessage& m) {
  if (m.Msg == WM_PAINT) {
    if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_)) {
      Canvas* previous = canvas_;
      canvas_ = canvas;
      Canvas::StateSaver saver(*canvas);
      canvas->setFont(font());
      Paint();
      canvas_ = previous;
    }
    return;
  }
  TControl::WndProc(m);
}

}  // namespace tavra
