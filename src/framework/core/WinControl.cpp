#include "framework/core/WinControl.h"

#include <algorithm>
#include <unordered_set>

#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "winsys/Keys.h"

namespace tavra {
namespace {

bool isMouseMessage(MessageId m) { return m >= WM_MOUSEMOVE && m <= WM_MBUTTONDBLCLK; }

// A key that the form took as a dialog key (Tab, Enter, Escape) makes no character: the one the
// window system sends right after the key is dropped.
char32_t gSwallowedChar = 0;

void collectTabOrder(const TWinControl& c, std::vector<TWinControl*>& out) {
  for (TWinControl* child : c.tabList()) {
    out.push_back(child);
    collectTabOrder(*child, out);
  }
}

}  // namespace

namespace {

// Every live windowed control, so a window's owner pointer is trusted only when it names one.
std::unordered_set<const void*>& liveControls() {
  static std::unordered_set<const void*> live;
  return live;
}

}  // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { liveControls().insert(this); }

TWinControl* TWinControl::fromWindow(const Window* w) {
  if (!w || !liveControls().count(w->owner())) return nullptr;
  auto* c = static_cast<TWinControl*>(w->owner());
  return c->window_.get() == w ? c : nullptr;
}

TWinControl::~TWinControl() {
  liveControls().erase(this);
  setState(csDestroying);
  for (TControl* c : std::vector(controls_)) c->parent_ = nullptr;
  controls_.clear();
  tabList_.clear();
  destroyWindow();
}

Window& TWinControl::handle() {
  if (!window_) createWindow();
  return *window_;
}

void TWinControl::CreateParams(WindowParams& p) {
  p.className = ClassName();
  p.text = caption();
  p.style = WS_CHILD | WS_CLIPSIBLINGS;
  if (controlStyle_ & csAcceptsControls) p.style |= WS_CLIPCHILDREN;
  if (tabStop_) p.style |= WS_TABSTOP;
  if (!enabled()) p.style |= WS_DISABLED;
  if (controlStyle_ & csDoubleClicks) p.classStyle |= CS_DBLCLKS;
  p.bounds = boundsRect();
  p.background = color();
}

void TWinControl::createWindow() {
  if (window_) return;
  bool topLevel = !parent() && createsTopLevelWindow();
  if (!topLevel && (!parent() || !parent()->handleAllocated())) return;
  WindowParams p;
  CreateParams(p);
  if (!topLevel) p.parent = parent()->window();
  p.owner = this;
  p.proc = [this](Window& w, MessageId msg, WParam wp, LParam lp) { return windowProc(w, msg, wp, lp); };
  window_ = WindowSystem::instance().createWindow(p);
  creatingWindow_ = nullptr;
  // A frame makes the client area smaller than the bounds: aligned children follow it.
  if (clientRect().size() != boundsRect().size()) AlignControls();
  // Children parented before this window existed get theirs now, in z-order.
  for (TControl* c : controls_) {
    if (auto* wc = dynamic_cast<TWinControl*>(c)) wc->createWindow();
  }
  if (visible() && !isTopLevelForm()) window_->showNoActivate();
}

void TWinControl::destroyWindow() {
  if (!window_) return;
  for (TControl* c : controls_) {
    if (auto* wc = dynamic_cast<TWinControl*>(c)) wc->destroyWindow();
  }
  // The procedure must not reach this object while it is being torn down.
  window_->setProc(nullptr);
  window_.reset();
}

void TWinControl::insertControl(TControl& c) {
  controls_.push_back(&c);
  if (auto* wc = dynamic_cast<TWinControl*>(&c)) {
    tabList_.push_back(wc);
    if (handleAllocated()) wc->createWindow();
  }
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WParam>(&c), 1);
}

void TWinControl::removeControl(TControl& c) {
  if (captureControl_ == &c) captureControl_ = nullptr;
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &c), controls_.end());
  if (auto* wc = dynamic_cast<TWinControl*>(&c)) {
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), wc), tabList_.end());
    if (!isDestroying()) wc->destroyWindow();
  }
  if (!isDestroying()) Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WParam>(&c), 0);
}

bool TWinControl::isTopLevelForm() const { return dynamic_cast<const TCustomForm*>(this) != nullptr && !parent(); }

bool TWinControl::createsTopLevelWindow() const { return dynamic_cast<const TCustomForm*>(this) != nullptr; }

TControl* TWinControl::controlAtPos(Point p, bool allowDisabled, bool windowedToo) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (c->isWindowed() && !windowedToo) continue;
    if (!c->visible() || (!c->enabled() && !allowDisabled)) continue;
    if (!c->boundsRect().contains(p)) continue;
    Point local = p - c->boundsRect().topLeft();
    if (c->Perform(CM_HITTEST, 0, makeLParam(local.x, local.y)) == 0) continue;
    return c;
  }
  return nullptr;
}

int TWinControl::tabOrder() const {
  if (!parent()) return -1;
  const auto& list = parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::setTabOrder(int order) {
  if (!parent()) return;
  auto& list = parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  if (it == list.end()) return;
  list.erase(it);
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::setTabStop(bool t) {
  if (t == tabStop_) return;
  tabStop_ = t;
  if (window_) {
    std::uint32_t s = window_->style();
    window_->setStyle(t ? (s | WS_TABSTOP) : (s & ~static_cast<std::uint32_t>(WS_TABSTOP)));
  }
}

bool TWinControl::focused() const { return window_ && WindowSystem::instance().focus() == window_.get(); }

bool TWinControl::canFocus() const {
  if (!window_) return false;
  for (const TControl* c = this; c; c = c->parent()) {
    if (!c->visible() || !c->enabled()) return false;
  }
  return true;
}

void TWinControl::setFocus() {
  if (!window_) return;
  if (TCustomForm* f = parentForm()) f->setActiveControlQuiet(this);
  WindowSystem::instance().setFocus(window_.get());
}

TWinControl* TWinControl::findNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const {
  std::vector<TWinControl*> order;
  collectTabOrder(*this, order);
  if (order.empty()) return nullptr;
  int n = static_cast<int>(order.size());
  auto it = std::find(order.begin(), order.end(), current);
  int start = it == order.end() ? (forward ? n - 1 : 0) : static_cast<int>(it - order.begin());
  for (int step = 1; step <= n; ++step) {
    int i = ((forward ? start + step : start - step) % n + n) % n;
    TWinControl* c = order[static_cast<size_t>(i)];
    if (c == current) continue;
    if (checkTabStop && !c->tabStop()) continue;
    if (checkParent && current && c->parent() != current->parent()) continue;
    if (c->canFocus()) return c;
  }
  return nullptr;
}

void TWinControl::selectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = findNextControl(current, forward, checkTabStop, !checkTabStop)) next->setFocus();
}

Rect TWinControl::clientRect() const {
  if (window_) return Rect::fromSize(0, 0, window_->clientSize().width, window_->clientSize().height);
  return TControl::clientRect();
}

void TWinControl::Invalidate() {
  if (window_) window_->invalidate(controlStyle_ & csOpaque ? Erase::No : Erase::Yes);
}

void TWinControl::boundsChanged(const Rect& oldBounds) {
  if (window_ && !isTopLevelForm()) window_->setBounds(boundsRect());
  if (oldBounds.size() != boundsRect().size()) {
    // Children anchored to the right or bottom edge follow it.
    int dw = boundsRect().width() - oldBounds.width();
    int dh = boundsRect().height() - oldBounds.height();
    if (!isLoading() && !oldBounds.isEmpty()) {
      for (TControl* c : controls_) {
        if (c->align() != TAlign::alNone) continue;
        unsigned a = c->anchors();
        Rect r = c->boundsRect();
        if (a & akRight) {
          if (a & akLeft) r.right += dw;
          else r = r.offsetBy(dw, 0);
        }
        if (a & akBottom) {
          if (a & akTop) r.bottom += dh;
          else r = r.offsetBy(0, dh);
        }
        if (r != c->boundsRect()) c->setBoundsRect(r);
      }
    }
    AlignControls();
  }
}

void TWinControl::visibilityChanged() {
  if (!window_ || isTopLevelForm()) return;
  if (visible()) window_->showNoActivate();
  else window_->hide();
}

void TWinControl::AlignControls() {
  if (aligning_) return;
  aligning_ = true;
  Rect r = clientRect();
  AdjustClientRect(r);
  auto place = [&](TAlign which) {
    std::vector<TControl*> list;
    for (TControl* c : controls_) {
      if (c->align() == which && c->visible()) list.push_back(c);
    }
    std::stable_sort(list.begin(), list.end(), [which](TControl* a, TControl* b) {
      switch (which) {
        case TAlign::alTop: return a->top() < b->top();
        case TAlign::alBottom: return a->top() + a->height() > b->top() + b->height();
        case TAlign::alLeft: return a->left() < b->left();
        case TAlign::alRight: return a->left() + a->width() > b->left() + b->width();
        default: return false;
      }
    });
    for (TControl* c : list) {
      switch (which) {
        case TAlign::alTop:
          c->setBounds(r.left, r.top, r.width(), c->height());
          r.top += c->height();
          break;
        case TAlign::alBottom:
          c->setBounds(r.left, r.bottom - c->height(), r.width(), c->height());
          r.bottom -= c->height();
          break;
        case TAlign::alLeft:
          c->setBounds(r.left, r.top, c->width(), r.height());
          r.left += c->width();
          break;
        case TAlign::alRight:
          c->setBounds(r.right - c->width(), r.top, c->width(), r.height());
          r.right -= c->width();
          break;
        case TAlign::alClient:
          c->setBounds(r.left, r.top, r.width(), r.height());
          break;
        default:
          break;
      }
    }
  };
  place(TAlign::alTop);
  place(TAlign::alBottom);
  place(TAlign::alLeft);
  place(TAlign::alRight);
  place(TAlign::alClient);
  aligning_ = false;
}

LResult TWinControl::DefaultHandler(TMessage& m) {
  // While the window is being created it is not ours yet; the message names it.
  Window* w = window_ ? window_.get() : creatingWindow_;
  if (!w) return 0;
  return WindowSystem::instance().defWindowProc(*w, m.Msg, m.WParam_, m.LParam_);
}

LResult TWinControl::windowProc(Window& w, MessageId msg, WParam wParam, LParam lParam) {
  if (!window_) creatingWindow_ = &w;
  TMessage m{msg, wParam, lParam, 0};
  try {
    WndProc(m);
  } catch (const std::exception& e) {
    if (TApplication::exists()) Application().HandleException(e);
  }
  return m.Result;
}

bool TWinControl::dispatchToWindowless(TMessage& m) {
  if (!isMouseMessage(m.Msg)) return false;
  Point p{xFromLParam(m.LParam_), yFromLParam(m.LParam_)};
  TControl* target = captureControl_;
  if (!target) target = controlAtPos(p);
  if (!target) return false;
  if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
    if (target->controlStyle() & csCaptureMouse) captureControl_ = target;
  }
  Point local = p - target->boundsRect().topLeft();
  TMessage forwarded{m.Msg, m.WParam_, makeLParam(local.x, local.y), 0};
  target->WndProc(forwarded);
  m.Result = forwarded.Result;
  bool buttonUp = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP;
  if (buttonUp && !(m.WParam_ & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) captureControl_ = nullptr;
  return true;
}

bool TWinControl::setCursorForClient(TMessage& m) {
  // Only the window under the pointer decides, and only over its client area.
  if (!window_ || m.WParam_ != window_->handle() || xFromLParam(m.LParam_) != HTCLIENT) return false;
  WindowSystem& ws = WindowSystem::instance();
  TCursor c = cursor();
  if (TControl* child = controlAtPos(window_->screenToClient(ws.cursorPos())); child && child->cursor() != crDefault) c = child->cursor();
  if (c == crDefault) return false;
  ws.setCursor(cursorShapeFor(c));
  m.Result = 1;
  return true;
}

void TWinControl::EraseBackground(Canvas& canvas) {
  if (controlStyle_ & csOpaque) return;
  canvas.fillRect(clientRect(), color());
}

void TWinControl::paintHandler(TMessage& m) {
  (void)m;
  PaintScope scope = WindowSystem::instance().beginPaint(*window_);
  Canvas& c = scope.canvas();
  c.setFont(font());
  PaintWindow(c);
  PaintWindowlessChildren(c);
}

void TWinControl::PaintControls(Canvas& canvas, TControl* first) {
  bool started = first == nullptr;
  Rect clip = canvas.clipBox();
  for (TControl* c : std::vector(controls_)) {
    if (!started) {
      started = c == first;
      if (!started) continue;
    }
    if (c->isWindowed() || !c->visible() || !c->boundsRect().intersects(clip)) continue;
    Canvas::StateSaver saver(canvas);
    canvas.translate(c->left(), c->top());
    canvas.intersectClip(Rect::fromSize(0, 0, c->width(), c->height()));
    canvas.setFont(c->font());
    c->Perform(WM_PAINT, reinterpret_cast<WParam>(&canvas), 0);
  }
}

bool TWinControl::KeyDown(unsigned& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
  return key == 0;
}

void TWinControl::KeyUp(unsigned& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(*this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
  if (OnKeyPress) OnKeyPress(*this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(*this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(*this);
}

bool TWinControl::DoKeyPress(TMessage& m) {
  char32_t ch = static_cast<char32_t>(m.WParam_);
  char32_t swallowed = gSwallowedChar;
  gSwallowedChar = 0;
  if (swallowed != 0 && ch == swallowed) return false;
  TCustomForm* form = parentForm();
  if (form && form != this && form->keyPreview()) form->KeyPress(ch);
  if (ch != 0) KeyPress(ch);
  m.WParam_ = ch;
  return ch != 0;
}

bool TWinControl::DoKeyDown(TMessage& m) {
  unsigned key = static_cast<unsigned>(m.WParam_);
  gSwallowedChar = 0;
  TShiftState shift = shiftFromKeys(0);
  unsigned mods = WindowSystem::instance().modifiers();
  if (mods & kModShift) shift |= ssShift;
  if (mods & kModControl) shift |= ssCtrl;
  TCustomForm* form = parentForm();
  if (form && form != this && form->keyPreview()) form->KeyDown(key, shift);
  if (key != 0) KeyDown(key, shift);
  m.WParam_ = key;
  if (key == 0) return false;
  // Keys that move between controls go to the form unless this control wants them.
  LResult wants = DialogCode();
  bool dialogKey = (key == VK_TAB && !(wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS))) ||
                   ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) && !(wants & (DLGC_WANTARROWS | DLGC_WANTALLKEYS))) ||
                   ((key == VK_RETURN || key == VK_ESCAPE) && !(wants & DLGC_WANTALLKEYS));
  if (dialogKey && form && form->Perform(CM_DIALOGKEY, key, 0) != 0) {
    if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE) gSwallowedChar = key;
    return false;
  }
  return true;
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      paintHandler(m);
      return;
    case WM_ERASEBKGND:
      if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_)) EraseBackground(*canvas);
      m.Result = 1;
      return;
    case WM_PRINTCLIENT:
      if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_)) {
        PaintWindow(*canvas);
        PaintWindowlessChildren(*canvas);
      }
      return;
    case WM_SETFOCUS:
      if (TCustomForm* f = parentForm()) f->setActiveControlQuiet(this);
      DoEnter();
      Perform(CM_ENTER, 0, 0);
      m.Result = DefaultHandler(m);
      return;
    case WM_KILLFOCUS:
      DoExit();
      Perform(CM_EXIT, 0, 0);
      m.Result = DefaultHandler(m);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!DoKeyDown(m)) return;
      m.Result = DefaultHandler(m);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      unsigned key = static_cast<unsigned>(m.WParam_);
      KeyUp(key, 0);
      m.Result = DefaultHandler(m);
      return;
    }
    case WM_CHAR:
      if (!DoKeyPress(m)) return;
      m.Result = DefaultHandler(m);
      return;
    case WM_GETDLGCODE:
      m.Result = DialogCode();
      return;
    case WM_SIZE:
      AlignControls();
      m.Result = DefaultHandler(m);
      return;
    case WM_SETCURSOR:
      if (setCursorForClient(m)) return;
      m.Result = DefaultHandler(m);
      return;
    case WM_CAPTURECHANGED:
      captureControl_ = nullptr;
      m.Result = DefaultHandler(m);
      return;
    case CM_ENABLEDCHANGED:
      if (window_) window_->setEnabled(enabled());
      Invalidate();
      return;
    case CM_TEXTCHANGED:
      if (window_ && window_->text() != caption()) window_->setText(caption());
      TControl::WndProc(m);
      return;
    case CM_COLORCHANGED:
      if (window_) window_->setBackground(color());
      Invalidate();
      return;
    case CM_FONTCHANGED:
      TControl::WndProc(m);
      Invalidate();
      return;
    default:
      break;
  }
  if (isMouseMessage(m.Msg)) {
    if (dispatchToWindowless(m)) return;
    if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && takesFocusOnClick() && !focused() && canFocus()) setFocus();
    TControl::WndProc(m);
    return;
  }
  if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x100) {
    TControl::WndProc(m);
    return;
  }
  m.Result = DefaultHandler(m);
}

}  // namespace tavra
