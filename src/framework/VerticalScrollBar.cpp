#include "framework/VerticalScrollBar.h"

#include <algorithm>

#include "framework/Draw3D.h"
#include "framework/WinControl.h"
#include "winsys/SystemMetrics.h"

namespace tavra {
namespace {

constexpr int kMinThumb = 8;
constexpr int kFirstRepeatMs = 350;
constexpr int kRepeatMs = 50;

// The track's face: a one-pixel checker of the scroll bar colour and white, as the classic
// look dithers it. Built once, tiled over the track.
const Bitmap& trackPattern() {
  static const Bitmap pattern = [] {
    Bitmap b(8, 8);
    Pixel light = pixelFromColor(resolveColor(systemColor(SysColor::BtnHighlight)));
    Pixel face = pixelFromColor(resolveColor(systemColor(SysColor::ScrollBar)));
    for (int y = 0; y < 8; ++y) {
      Pixel* row = b.row(y);
      for (int x = 0; x < 8; ++x) row[x] = ((x + y) & 1) ? light : face;
    }
    return b;
  }();
  return pattern;
}

// An arrow button: a raised face (flat while held) with a 7 × 4 triangle in its middle.
void drawArrow(Canvas& c, const Rect& r, bool up, bool held, bool enabled) {
  if (r.isEmpty()) return;
  DrawButtonFace(c, r, held ? ButtonLook::Pressed : ButtonLook::Raised, false);
  int cx = r.left + (r.width() - 7) / 2 + (held ? 1 : 0);
  int cy = r.top + (r.height() - 4) / 2 + (held ? 1 : 0);
  auto triangle = [&](int dx, int dy, Color ink) {
    for (int i = 0; i < 4; ++i) {
      int row = up ? i : 3 - i;
      c.fillRect(Rect::fromSize(cx + dx + 3 - i, cy + dy + row, 1 + 2 * i, 1), ink);
    }
  };
  if (!enabled) triangle(1, 1, systemColor(SysColor::BtnHighlight));
  triangle(0, 0, enabled ? systemColor(SysColor::BtnText) : systemColor(SysColor::GrayText));
}

}  // namespace

VerticalScrollBar::VerticalScrollBar(TWinControl& control, Visibility visibility) : control_(control), visibility_(visibility) {}

VerticalScrollBar::~VerticalScrollBar() {
  if (Window* w = control_.window()) WindowSystem::instance().killTimer(*w, kRepeatTimer);
}

int VerticalScrollBar::maxPosition() const { return std::max(0, maximum_ - page_ + 1); }

bool VerticalScrollBar::scrollable() const { return page_ > 0 && maximum_ + 1 > page_; }

bool VerticalScrollBar::shown() const { return visibility_ == Visibility::Always || scrollable(); }

void VerticalScrollBar::setRange(int maximum, int page) {
  maximum = std::max(maximum, 0);
  page = std::max(page, 0);
  if (maximum == maximum_ && page == page_) return;
  bool wasShown = shown();
  maximum_ = maximum;
  page_ = page;
  position_ = std::clamp(position_, 0, maxPosition());
  if (Window* w = control_.window()) {
    if (wasShown != shown()) w->recalcFrame();
    else invalidate();
  }
}

void VerticalScrollBar::setPosition(int position) {
  position = std::clamp(position, 0, maxPosition());
  if (position == position_) return;
  position_ = position;
  invalidate();
}

void VerticalScrollBar::invalidate() {
  if (Window* w = control_.window(); w && shown()) w->invalidateFrame();
}

Rect VerticalScrollBar::barRect() const {
  Window* w = control_.window();
  if (!w || !shown()) return {};
  Rect client = w->clientRect();
  return {client.right, client.top, client.right + systemMetric(Metric::VScrollWidth), client.bottom};
}

int VerticalScrollBar::arrowHeight() const {
  Rect bar = barRect();
  return std::min(systemMetric(Metric::VScrollWidth), bar.height() / 2);
}

VerticalScrollBar::Track VerticalScrollBar::track(int position) const {
  Rect bar = barRect();
  Track t;
  int arrow = arrowHeight();
  t.top = bar.top + arrow;
  t.length = std::max(0, bar.height() - 2 * arrow);
  if (!scrollable() || t.length <= 0) return t;
  long long span = static_cast<long long>(maximum_) + 1;
  int thumb = static_cast<int>(std::max<long long>(kMinThumb, t.length * static_cast<long long>(page_) / span));
  if (thumb >= t.length) return t;  // no room to move: no thumb
  t.thumbLength = thumb;
  int room = t.length - thumb;
  int maxPos = std::max(1, maxPosition());
  t.thumbTop = t.top + static_cast<int>(static_cast<long long>(room) * std::clamp(position, 0, maxPos) / maxPos);
  return t;
}

Rect VerticalScrollBar::partRect(Part part) const {
  Rect bar = barRect();
  if (bar.isEmpty()) return {};
  int arrow = arrowHeight();
  Track t = track(trackPosition());
  switch (part) {
    case Part::LineUp: return {bar.left, bar.top, bar.right, bar.top + arrow};
    case Part::LineDown: return {bar.left, bar.bottom - arrow, bar.right, bar.bottom};
    case Part::Thumb:
      if (t.thumbLength == 0) return {};
      return {bar.left, t.thumbTop, bar.right, t.thumbTop + t.thumbLength};
    case Part::PageUp:
      if (t.thumbLength == 0) return {};
      return {bar.left, t.top, bar.right, t.thumbTop};
    case Part::PageDown:
      if (t.thumbLength == 0) return {};
      return {bar.left, t.thumbTop + t.thumbLength, bar.right, t.top + t.length};
    case Part::None: return {};
  }
  return {};
}

VerticalScrollBar::Part VerticalScrollBar::partAt(Point p) const {
  for (Part part : {Part::LineUp, Part::LineDown, Part::Thumb, Part::PageUp, Part::PageDown}) {
    if (partRect(part).contains(p)) return part;
  }
  return Part::None;
}

Point VerticalScrollBar::toWindow(Point clientPoint) const {
  Window* w = control_.window();
  return w ? clientPoint + w->clientRect().topLeft() : clientPoint;
}

void VerticalScrollBar::request(unsigned code) {
  if (Window* w = control_.window()) w->send(WM_VSCROLL, makeWParam(code, static_cast<unsigned>(trackPosition()) & 0xFFFF), 0);
}

void VerticalScrollBar::press(Part part, Point p) {
  Window* w = control_.window();
  if (!w || part == Part::None || !scrollable() || !control_.enabled()) return;
  pressed_ = part;
  pressedInside_ = true;
  pointer_ = p;
  WindowSystem::instance().setCapture(w);
  if (part == Part::Thumb) {
    dragging_ = true;
    trackPosition_ = position_;
    dragOffset_ = p.y - track(position_).thumbTop;
    invalidate();
    return;
  }
  invalidate();
  repeat();
  if (pressed_ != Part::None && control_.window()) WindowSystem::instance().setTimer(*w, kRepeatTimer, kFirstRepeatMs);
}

bool VerticalScrollBar::pagePartReachedCursor() const {
  Track t = track(position_);
  if (t.thumbLength == 0) return true;
  if (pressed_ == Part::PageUp) return pointer_.y >= t.thumbTop;
  if (pressed_ == Part::PageDown) return pointer_.y < t.thumbTop + t.thumbLength;
  return false;
}

void VerticalScrollBar::repeat() {
  if (!pressedInside_) return;
  switch (pressed_) {
    case Part::LineUp: request(SB_LINEUP); break;
    case Part::LineDown: request(SB_LINEDOWN); break;
    case Part::PageUp:
      if (!pagePartReachedCursor()) request(SB_PAGEUP);
      break;
    case Part::PageDown:
      if (!pagePartReachedCursor()) request(SB_PAGEDOWN);
      break;
    default: break;
  }
}

void VerticalScrollBar::mouseMoved(Point p) {
  pointer_ = p;
  if (dragging_) {
    Track t = track(0);
    int room = t.length - t.thumbLength;
    int y = p.y - dragOffset_ - t.top;
    int pos = room <= 0 ? 0 : static_cast<int>((static_cast<long long>(std::clamp(y, 0, room)) * maxPosition() + room / 2) / room);
    if (pos != trackPosition_) {
      trackPosition_ = pos;
      request(SB_THUMBTRACK);
      invalidate();
    }
    return;
  }
  bool inside = partRect(pressed_).contains(p) || (pressed_ == Part::PageUp || pressed_ == Part::PageDown ? barRect().contains(p) : false);
  if (inside != pressedInside_) {
    pressedInside_ = inside;
    invalidate();
  }
}

void VerticalScrollBar::release() {
  if (pressed_ == Part::None) return;
  Window* w = control_.window();
  if (w) WindowSystem::instance().killTimer(*w, kRepeatTimer);
  bool wasDragging = dragging_;
  pressed_ = Part::None;
  if (wasDragging) request(SB_THUMBPOSITION);
  dragging_ = false;
  request(SB_ENDSCROLL);
  if (w && WindowSystem::instance().capture() == w) WindowSystem::instance().releaseCapture();
  invalidate();
}

bool VerticalScrollBar::handleMessage(TMessage& m, const std::function<void(TMessage&)>& callDefault) {
  switch (m.Msg) {
    case WM_NCCALCSIZE: {
      callDefault(m);
      if (shown()) {
        auto* r = reinterpret_cast<Rect*>(m.LParam_);
        r->right = std::max(r->left, r->right - systemMetric(Metric::VScrollWidth));
      }
      return true;
    }
    case WM_NCHITTEST: {
      Window* w = control_.window();
      if (!w || !shown()) return false;
      Point p = Point{xFromLParam(m.LParam_), yFromLParam(m.LParam_)} - w->screenOrigin();
      if (!barRect().contains(p)) return false;
      m.Result = HTVSCROLL;
      return true;
    }
    case WM_NCPAINT: {
      callDefault(m);
      Window* w = control_.window();
      if (w && shown()) {
        auto dc = WindowSystem::instance().getWindowDC(*w);
        dc->canvas().intersectClip(barRect());
        paint(dc->canvas());
      }
      return true;
    }
    case WM_PRINT:
      callDefault(m);
      if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_); canvas && (m.LParam_ & PRF_NONCLIENT) && shown()) {
        Canvas::StateSaver saver(*canvas);
        canvas->intersectClip(barRect());
        paint(*canvas);
      }
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      if (static_cast<LResult>(m.WParam_) != HTVSCROLL) return false;
      Window* w = control_.window();
      if (!w) return false;
      Point p = Point{xFromLParam(m.LParam_), yFromLParam(m.LParam_)} - w->screenOrigin();
      press(partAt(p), p);
      return true;
    }
    case WM_MOUSEMOVE:
      if (pressed_ == Part::None) return false;
      mouseMoved(toWindow({xFromLParam(m.LParam_), yFromLParam(m.LParam_)}));
      return true;
    case WM_LBUTTONUP:
      if (pressed_ == Part::None) return false;
      release();
      return true;
    case WM_TIMER:
      if (m.WParam_ != kRepeatTimer) return false;
      if (Window* w = control_.window(); w && pressed_ != Part::None) WindowSystem::instance().setTimer(*w, kRepeatTimer, kRepeatMs);
      repeat();
      return true;
    case WM_CAPTURECHANGED:
      // Capture taken away while a press lasts ends the press.
      if (pressed_ != Part::None) release();
      return false;
    default:
      return false;
  }
}

void VerticalScrollBar::paint(Canvas& c) const {
  if (!shown()) return;
  Rect bar = barRect();
  bool enabled = scrollable() && control_.enabled();
  bool upHeld = pressed_ == Part::LineUp && pressedInside_;
  bool downHeld = pressed_ == Part::LineDown && pressedInside_;
  drawArrow(c, partRect(Part::LineUp), true, upHeld, enabled);
  drawArrow(c, partRect(Part::LineDown), false, downHeld, enabled);
  Track t = track(trackPosition());
  Rect trackRect{bar.left, t.top, bar.right, t.top + t.length};
  if (trackRect.isEmpty()) return;
  {
    Canvas::StateSaver saver(c);
    c.intersectClip(trackRect);
    const Bitmap& pattern = trackPattern();
    for (int y = trackRect.top - (trackRect.top & 7); y < trackRect.bottom; y += pattern.height()) {
      for (int x = trackRect.left - (trackRect.left & 7); x < trackRect.right; x += pattern.width()) c.drawBitmap({x, y}, pattern);
    }
  }
  if ((pressed_ == Part::PageUp || pressed_ == Part::PageDown) && pressedInside_) {
    c.fillRect(partRect(pressed_), systemColor(SysColor::DarkShadow3D));
  }
  if (t.thumbLength > 0 && enabled) {
    DrawButtonFace(c, Rect{bar.left, t.thumbTop, bar.right, t.thumbTop + t.thumbLength}, ButtonLook::Raised, false);
  }
}

int VerticalScrollBar::takeWheelNotches(WParam wParam) {
  wheelRemainder_ += static_cast<std::int16_t>(hiWord(wParam));
  int notches = wheelRemainder_ / 120;
  wheelRemainder_ %= 120;
  return notches;
}

}  // namespace tavra
