#include "framework/core/Control.h"

#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "framework/core/WinControl.h"
#include "winsys/Keys.h"

namespace tavra {

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  setState(csDestroying);
  if (TApplication::exists()) Application().controlDestroyed(this);
  if (parent_) parent_->removeControl(*this);
  parent_ = nullptr;
}

void TControl::setParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) {
    if (visible_ && !isWindowed()) Invalidate();
    parent_->removeControl(*this);
  }
  parent_ = parent;
  if (!parent_) return;
  parent_->insertControl(*this);
  if (parentFont_) font_ = parent_->font();
  if (parentColor_) color_ = parent_->color();
  if (parentShowHint_) showHint_ = parent_->showHint();
  if (align_ != TAlign::alNone) parent_->AlignControls();
  if (!isWindowed()) Invalidate();
}

TCustomForm* TControl::parentForm() const {
  const TControl* c = this;
  while (c->parent_) c = c->parent_;
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

void TControl::setBounds(int left, int top, int width, int height) {
  Rect r = Rect::fromSize(left, top, std::max(width, 0), std::max(height, 0));
  if (r == bounds_) return;
  Rect old = bounds_;
  bounds_ = r;
  boundsChanged(old);
  if (old.size() != r.size()) {
    Resize();
    if (align_ != TAlign::alNone && parent_) parent_->AlignControls();
  }
}

void TControl::boundsChanged(const Rect& oldBounds) {
  if (!parent_ || !visible_) return;
  if (Window* w = parent_->window()) {
    const Erase erase = controlStyle_ & csOpaque ? Erase::No : Erase::Yes;
    w->invalidateRect(oldBounds, erase);
    w->invalidateRect(bounds_, erase);
  }
}

Point TControl::clientOrigin() const {
  if (isWindowed()) {
    if (Window* w = static_cast<const TWinControl*>(this)->window()) return w->clientToScreen({0, 0});
  }
  if (!parent_) return bounds_.topLeft();
  return parent_->clientOrigin() + bounds_.topLeft();
}

void TControl::setAlign(TAlign a) {
  if (a == align_) return;
  align_ = a;
  if (parent_) parent_->AlignControls();
}

void TControl::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  if (!isWindowed() && parent_) {
    if (Window* w = parent_->window()) w->invalidateRect(bounds_, Erase::Yes);
  }
  visibilityChanged();
  Perform(CM_VISIBLECHANGED, v ? 1 : 0, 0);
  if (align_ != TAlign::alNone && parent_) parent_->AlignControls();
}

bool TControl::showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

void TControl::setEnabled(bool e) {
  if (e == enabled_) return;
  enabled_ = e;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::setCaption(const std::string& c) {
  if (c == caption_) return;
  caption_ = c;
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::setFont(const Font& f) {
  parentFont_ = false;
  if (f == font_) return;
  font_ = f;
  Perform(CM_FONTCHANGED, 0, 0);
  notifyChildrenParentChanged(CM_PARENTFONTCHANGED);
}

void TControl::setParentFont(bool p) {
  if (p == parentFont_) return;
  parentFont_ = p;
  if (p && parent_) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::setColor(Color c) {
  parentColor_ = false;
  if (c == color_) return;
  color_ = c;
  Perform(CM_COLORCHANGED, 0, 0);
  notifyChildrenParentChanged(CM_PARENTCOLORCHANGED);
}

void TControl::setParentColor(bool p) {
  if (p == parentColor_) return;
  parentColor_ = p;
  if (p && parent_) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::setCursor(TCursor c) {
  if (c == cursor_) return;
  cursor_ = c;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::setShowHint(bool s) {
  parentShowHint_ = false;
  if (s == showHint_) return;
  showHint_ = s;
  notifyChildrenParentChanged(CM_PARENTSHOWHINTCHANGED);
}

void TControl::setParentShowHint(bool p) {
  if (p == parentShowHint_) return;
  parentShowHint_ = p;
  if (p && parent_) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::notifyChildrenParentChanged(MessageId msg) {
  auto* self = dynamic_cast<TWinControl*>(this);
  if (!self) return;
  for (TControl* c : std::vector(self->controls())) c->Perform(msg, 0, 0);
}

bool TControl::mouseCaptured() const {
  if (!parent_) return false;
  if (isWindowed()) {
    auto* w = static_cast<const TWinControl*>(this)->window();
    return w && WindowSystem::instance().capture() == w;
  }
  return parent_->captureControl_ == this;
}

LResult TControl::Perform(MessageId msg, WParam wParam, LParam lParam) {
  TMessage m{msg, wParam, lParam, 0};
  WndProc(m);
  return m.Result;
}

TShiftState TControl::shiftFromKeys(WParam keys) {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (WindowSystem::exists() && (WindowSystem::instance().modifiers() & kModAlt)) s |= ssAlt;
  return s;
}

void TControl::handleMouse(TMessage& m) {
  int x = xFromLParam(m.LParam_), y = yFromLParam(m.LParam_);
  TShiftState shift = shiftFromKeys(m.WParam_);
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
      clicking_ = (controlStyle_ & csClickEvents) != 0;
      MouseDown(TMouseButton::mbLeft, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      clicking_ = false;
      if (controlStyle_ & csClickEvents) DblClick();
      MouseDown(TMouseButton::mbLeft, shift | ssDouble, x, y);
      break;
    case WM_LBUTTONUP: {
      bool click = clicking_ && clientRect().contains(Point{x, y});
      clicking_ = false;
      if (click) Click();
      MouseUp(TMouseButton::mbLeft, shift, x, y);
      break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      MouseDown(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(TMouseButton::mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      MouseDown(TMouseButton::mbMiddle, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(TMouseButton::mbMiddle, shift, x, y);
      break;
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
    default:
      break;
  }
}

void TControl::WndProc(TMessage& m) {
  // Controls that take no double clicks see the second press as a plain press.
  if (!(controlStyle_ & csDoubleClicks)) {
    if (m.Msg == WM_LBUTTONDBLCLK || m.Msg == WM_RBUTTONDBLCLK || m.Msg == WM_MBUTTONDBLCLK) m.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
  }
  switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      handleMouse(m);
      break;
    case CM_MOUSEENTER:
      if (m.LParam_ == 0 && OnMouseEnter) OnMouseEnter(*this);
      if (parent_) parent_->Perform(CM_MOUSEENTER, 0, m.LParam_ ? m.LParam_ : reinterpret_cast<LParam>(this));
      break;
    case CM_MOUSELEAVE:
      if (m.LParam_ == 0 && OnMouseLeave) OnMouseLeave(*this);
      if (parent_) parent_->Perform(CM_MOUSELEAVE, 0, m.LParam_ ? m.LParam_ : reinterpret_cast<LParam>(this));
      break;
    case CM_CURSORCHANGED:
      // The pointer may be over the control now: it changes shape without waiting for a move.
      if (WindowSystem::exists()) WindowSystem::instance().updateCursor();
      break;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      AdjustSize();
      Invalidate();
      break;
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    case CM_PARENTFONTCHANGED:
      if (parentFont_ && parent_ && !(parent_->font() == font_)) {
        font_ = parent_->font();
        Perform(CM_FONTCHANGED, 0, 0);
        notifyChildrenParentChanged(CM_PARENTFONTCHANGED);
      }
      break;
    case CM_PARENTCOLORCHANGED:
      if (parentColor_ && parent_ && parent_->color() != color_) {
        color_ = parent_->color();
        Perform(CM_COLORCHANGED, 0, 0);
        notifyChildrenParentChanged(CM_PARENTCOLORCHANGED);
      }
      break;
    case CM_PARENTSHOWHINTCHANGED:
      if (parentShowHint_ && parent_ && parent_->showHint() != showHint_) {
        showHint_ = parent_->showHint();
        notifyChildrenParentChanged(CM_PARENTSHOWHINTCHANGED);
      }
      break;
    case CM_HITTEST:
      m.Result = HTCLIENT;
      break;
    default:
      break;
  }
}

void TControl::Invalidate() {
  if (!parent_ || !visible_) return;
  if (Window* w = parent_->window()) w->invalidateRect(bounds_, controlStyle_ & csOpaque ? Erase::No : Erase::Yes);
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it != list.end()) {
    list.erase(it);
    list.push_back(this);
  }
  if (isWindowed()) {
    if (Window* w = static_cast<TWinControl*>(this)->window()) w->bringToFront();
  } else {
    Invalidate();
  }
}

void TControl::Click() {
  if (OnClick) OnClick(*this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(*this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, shift, x, y);
}

void TControl::Resize() {
  if (OnResize) OnResize(*this);
}

void TControl::Loaded() {
  TComponent::Loaded();
  AdjustSize();
}

}  // namespace tavra
