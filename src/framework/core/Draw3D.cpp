#include "framework/core/Draw3D.h"

namespace tavra {

void Frame3D(Canvas& c, Rect& r, Color topColor, Color bottomColor, int width) {
  for (int i = 0; i < width; ++i) {
    r = {r.left, r.top, r.right - 1, r.bottom - 1};
    c.fillRect({r.left, r.top, r.right, r.top + 1}, topColor);
    c.fillRect({r.left, r.top, r.left + 1, r.bottom}, topColor);
    c.fillRect({r.right, r.top, r.right + 1, r.bottom + 1}, bottomColor);
    c.fillRect({r.left, r.bottom, r.right + 1, r.bottom + 1}, bottomColor);
    r = {r.left + 1, r.top + 1, r.right, r.bottom};
  }
}

void DrawButtonFace(Canvas& c, const Rect& rect, ButtonLook look, bool isDefault) {
  Rect r = rect;
  if (isDefault) {
    c.frameRect(r, systemColor(SysColor::WindowFrame));
    r = r.inflatedBy(-1, -1);
  }
  switch (look) {
    case ButtonLook::Raised:
      Frame3D(c, r, systemColor(SysColor::BtnHighlight), systemColor(SysColor::DarkShadow3D), 1);
      Frame3D(c, r, systemColor(SysColor::Light3D), systemColor(SysColor::BtnShadow), 1);
      break;
    case ButtonLook::Pressed:
      c.frameRect(r, systemColor(SysColor::BtnShadow));
      r = r.inflatedBy(-1, -1);
      break;
    case ButtonLook::Flat:
      break;
  }
  c.fillRect(r, clBtnFace);
}

void DrawFocusRect(Canvas& c, const Rect& r) {
  Color ink = systemColor(SysColor::WindowText);
  for (int x = r.left; x < r.right; x += 2) {
    c.fillRect(Rect::fromSize(x, r.top, 1, 1), ink);
    c.fillRect(Rect::fromSize(x, r.bottom - 1, 1, 1), ink);
  }
  for (int y = r.top; y < r.bottom; y += 2) {
    c.fillRect(Rect::fromSize(r.left, y, 1, 1), ink);
    c.fillRect(Rect::fromSize(r.right - 1, y, 1, 1), ink);
  }
}

void DrawDisabledText(Canvas& c, const std::string& text, Rect r, unsigned flags) {
  Canvas::StateSaver saver(c);
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.setTextColor(systemColor(SysColor::BtnHighlight));
  c.drawText(text, r.offsetBy(1, 1), flags);
  c.setTextColor(systemColor(SysColor::BtnShadow));
  c.drawText(text, r, flags);
}

}  // namespace tavra
