#include "framework/controls/RadioButton.h"

#include "framework/core/Draw3D.h"
#include "winsys/Keys.h"

namespace tavra {

TRadioButton::TRadioButton(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csParentBackground;
  setBoundsQuiet(Rect::fromSize(0, 0, 113, 17));
}

void TRadioButton::setChecked(bool c) {
  if (c == checked_) return;
  checked_ = c;
  setTabStop(c);
  Invalidate();
  if (!c) return;
  if (TWinControl* p = parent()) {
    for (TControl* sibling : std::vector(p->controls())) {
      if (auto* other = dynamic_cast<TRadioButton*>(sibling); other && other != this) other->setChecked(false);
    }
  }
  Click();
}

void TRadioButton::moveToSibling(bool forward) {
  TWinControl* p = parent();
  if (!p) return;
  std::vector<TRadioButton*> group;
  for (TWinControl* c : p->tabList()) {
    if (auto* r = dynamic_cast<TRadioButton*>(c); r && r->visible() && r->enabled()) group.push_back(r);
  }
  auto it = std::find(group.begin(), group.end(), this);
  if (it == group.end() || group.size() < 2) return;
  size_t i = static_cast<size_t>(it - group.begin());
  size_t next = forward ? (i + 1) % group.size() : (i + group.size() - 1) % group.size();
  TRadioButton* target = group[next];
  target->setFocus();
  target->setChecked(true);
}

Rect TRadioButton::textRect(Canvas& c) const {
  int left = kMarkSize + 5;
  Rect r{left, 0, left, 0};
  c.drawText(caption().empty() ? " " : caption(), r, DT_SINGLELINE | DT_CALCRECT);
  int top = (height() - r.height()) / 2;
  return Rect::fromSize(left - 1, top - 1, r.width() + 2, r.height() + 2);
}

void TRadioButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (enabled()) {
        mouseDown_ = true;
        pressed_ = true;
        Invalidate();
      }
      break;
    case WM_MOUSEMOVE:
      if (mouseDown_) {
        bool inside = clientRect().contains(Point{xFromLParam(m.LParam_), yFromLParam(m.LParam_)});
        if (inside != pressed_) {
          pressed_ = inside;
          Invalidate();
        }
      }
      break;
    case WM_LBUTTONUP:
      if (mouseDown_) {
        mouseDown_ = false;
        bool inside = pressed_;
        pressed_ = false;
        Invalidate();
        if (inside) setChecked(true);
      }
      TWinControl::WndProc(m);
      return;
    case WM_KEYDOWN:
      if (!DoKeyDown(m)) return;
      switch (m.WParam_) {
        case VK_SPACE:
          pressed_ = true;
          Invalidate();
          return;
        case VK_LEFT:
        case VK_UP:
          moveToSibling(false);
          return;
        case VK_RIGHT:
        case VK_DOWN:
          moveToSibling(true);
          return;
        default:
          return;
      }
    case WM_KEYUP:
      if (m.WParam_ == VK_SPACE && pressed_) {
        pressed_ = false;
        Invalidate();
        setChecked(true);
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (m.Msg == WM_KILLFOCUS) pressed_ = false;
      Invalidate();
      break;
    default:
      break;
  }
  // Clicks are the checking above, not the control's mouse-up click.
  if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
    unsigned saved = controlStyle_;
    controlStyle_ &= ~static_cast<unsigned>(csClickEvents);
    TCustomControl::WndProc(m);
    controlStyle_ = saved;
    return;
  }
  TCustomControl::WndProc(m);
}

//  ( • ) Caption      the mark: a 12-pixel circle, shadow ring outside, window colour
//                     inside (face colour while pressed), a 4 × 4 dot when checked
void TRadioButton::Paint() {
  Canvas& c = *canvas();
  Rect client = clientRect();
  c.fillRect(client, color());
  int top = (client.height() - kMarkSize) / 2;
  Rect mark = Rect::fromSize(0, top, kMarkSize, kMarkSize);
  c.fillEllipse(mark, systemColor(SysColor::BtnShadow));
  c.fillEllipse(mark.inflatedBy(-1, -1), systemColor(SysColor::DarkShadow3D));
  c.fillEllipse(mark.inflatedBy(-2, -2), (pressed_ || !enabled()) ? clBtnFace : clWindow);
  if (checked_) c.fillRect(Rect::fromSize(mark.left + 4, mark.top + 4, 4, 4), enabled() ? clWindowText : clGrayText);
  c.setFont(font());
  Rect text = textRect(c);
  c.setBackgroundMode(BackgroundMode::Transparent);
  Rect inner = text.inflatedBy(-1, -1);
  if (enabled()) {
    c.setTextColor(font().color);
    c.drawText(caption(), inner, DT_SINGLELINE);
  } else {
    DrawDisabledText(c, caption(), inner, DT_SINGLELINE);
  }
  if (focused()) DrawFocusRect(c, text);
}

}  // namespace tavra
