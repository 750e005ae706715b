#include "framework/controls/SpeedButton.h"

#include "framework/core/Draw3D.h"
#include "framework/core/WinControl.h"

namespace tavra {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  setBoundsQuiet(Rect::fromSize(0, 0, 23, 22));
  controlStyle_ = csCaptureMouse | csDoubleClicks;
}

void TSpeedButton::setGlyph(Bitmap b) {
  glyph_.setGlyph(std::move(b));
  Invalidate();
}

void TSpeedButton::setNumGlyphs(int n) {
  glyph_.setNumGlyphs(n);
  Invalidate();
}

void TSpeedButton::setLayout(TButtonLayout l) {
  if (l == layout_) return;
  layout_ = l;
  Invalidate();
}

void TSpeedButton::setMargin(int m) {
  if (m == margin_) return;
  margin_ = m;
  Invalidate();
}

void TSpeedButton::setSpacing(int s) {
  if (s == spacing_) return;
  spacing_ = s;
  Invalidate();
}

void TSpeedButton::setFlat(bool f) {
  if (f == flat_) return;
  flat_ = f;
  Invalidate();
}

void TSpeedButton::setDown(bool d) {
  if (groupIndex_ == 0) d = false;
  if (d == down_) return;
  if (down_ && !allowAllUp_) {
    // The last button of a group that allows no all-up state stays down.
    bool othersDown = false;
    if (parent()) {
      for (TControl* c : parent()->controls()) {
        auto* b = dynamic_cast<TSpeedButton*>(c);
        if (b && b != this && b->groupIndex_ == groupIndex_ && b->down_) othersDown = true;
      }
    }
    if (!othersDown && !d) return;
  }
  down_ = d;
  if (d) releaseGroup();
  Invalidate();
}

void TSpeedButton::releaseGroup() {
  if (!parent() || groupIndex_ == 0) return;
  for (TControl* c : parent()->controls()) {
    auto* b = dynamic_cast<TSpeedButton*>(c);
    if (b && b != this && b->groupIndex_ == groupIndex_ && b->down_) {
      b->down_ = false;
      b->Invalidate();
    }
  }
}

TButtonState TSpeedButton::state() const {
  if (!enabled()) return TButtonState::bsDisabled;
  if (pressedLook_) return TButtonState::bsDown;
  if (down_) return TButtonState::bsExclusive;
  return TButtonState::bsUp;
}

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      if (m.LParam_ == 0 && enabled()) {
        mouseInControl_ = true;
        if (flat_) Invalidate();
      }
      break;
    case CM_MOUSELEAVE:
      if (m.LParam_ == 0) {
        mouseInControl_ = false;
        if (flat_) Invalidate();
      }
      break;
    case CM_ENABLEDCHANGED:
      if (!enabled()) {
        pressing_ = false;
        pressedLook_ = false;
        mouseInControl_ = false;
      }
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(m);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !enabled()) return;
  pressing_ = true;
  pressedLook_ = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!pressing_) return;
  bool inside = clientRect().contains(Point{x, y});
  if (inside != pressedLook_) {
    pressedLook_ = inside;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  bool wasPressing = pressing_ && button == TMouseButton::mbLeft;
  pressing_ = false;
  pressedLook_ = false;
  if (wasPressing) {
    Invalidate();
    if (clientRect().contains(Point{x, y})) {
      if (groupIndex_ != 0) setDown(allowAllUp_ ? !down_ : true);
      Click();
    }
  }
  TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::Paint() {
  Canvas& c = *canvas();
  Rect r = clientRect();
  TButtonState s = state();
  bool sunk = s == TButtonState::bsDown || s == TButtonState::bsExclusive;
  if (!flat_) {
    DrawButtonFace(c, r, sunk ? ButtonLook::Pressed : ButtonLook::Raised, false);
  } else {
    c.fillRect(r, color());
    if (sunk || (mouseInControl_ && enabled())) {
      Rect frame = r;
      Frame3D(c, frame, sunk ? systemColor(SysColor::BtnShadow) : systemColor(SysColor::BtnHighlight),
              sunk ? systemColor(SysColor::BtnHighlight) : systemColor(SysColor::BtnShadow), 1);
    }
  }
  c.setFont(font());
  c.setTextColor(font().color);
  Point offset = sunk ? Point{1, 1} : Point{0, 0};
  glyph_.draw(c, r.inflatedBy(-1, -1), offset, caption(), layout_, margin_, spacing_, s, 0);
}

}  // namespace tavra
