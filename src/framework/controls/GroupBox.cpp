#include "framework/controls/GroupBox.h"

#include "framework/core/Draw3D.h"

namespace tavra {

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csReplicatable |
                  csParentBackground;
  setBoundsQuiet(Rect::fromSize(0, 0, 185, 105));
}

int TCustomGroupBox::captionHeight() const {
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(font());
  return c.textExtent("0").height;
}

void TCustomGroupBox::AdjustClientRect(Rect& r) const {
  r.top += captionHeight();
  r = r.inflatedBy(-2, -2);
}

Rect TCustomGroupBox::captionRect(Canvas& c) const {
  if (caption().empty()) return {};
  Rect r{8, 0, 8, 0};
  c.drawText(caption(), r, DT_SINGLELINE | DT_CALCRECT);
  return r;
}

//   caption ┐
//   ┌─ Text ───────┐   the frame is two rings one pixel apart: shadow, then highlight
//   │              │   offset by (1, 1), starting half the caption height down; the
//   └──────────────┘   caption is drawn over it on the face colour.
void TCustomGroupBox::Paint() {
  Canvas& c = *canvas();
  Rect client = clientRect();
  c.fillRect(client, color());
  c.setFont(font());
  int h = c.textExtent("0").height;
  Rect frame{0, h / 2 - 1, client.width(), client.height()};
  c.frameRect(frame.offsetBy(1, 1), systemColor(SysColor::BtnHighlight));
  c.frameRect({frame.left, frame.top, frame.right - 1, frame.bottom - 1}, systemColor(SysColor::BtnShadow));
  Rect text = captionRect(c);
  if (text.isEmpty()) return;
  c.fillRect(text, color());
  c.setBackgroundMode(BackgroundMode::Transparent);
  if (enabled()) {
    c.setTextColor(font().color);
    c.drawText(caption(), text, DT_SINGLELINE);
  } else {
    DrawDisabledText(c, caption(), text, DT_SINGLELINE);
  }
}

}  // namespace tavra
