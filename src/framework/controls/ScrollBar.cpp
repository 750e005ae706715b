#include "framework/controls/ScrollBar.h"

#include <algorithm>
#include <utility>

#include "framework/core/Draw3D.h"
#include "framework/core/WinControl.h"
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

enum class ArrowDirection { Up, Down, Left, Right };

// An arrow button: a raised face (flat while held) with a triangle in its middle, 7 × 4 pointing
// up or down, 4 × 7 pointing left or right.
void drawArrow(Canvas& c, const Rect& r, ArrowDirection direction, bool held, bool enabled) {
  if (r.isEmpty()) return;
  DrawButtonFace(c, r, held ? ButtonLook::Pressed : ButtonLook::Raised, false);
  bool vertical = direction == ArrowDirection::Up || direction == ArrowDirection::Down;
  int cx = r.left + (r.width() - (vertical ? 7 : 4)) / 2 + (held ? 1 : 0);
  int cy = r.top + (r.height() - (vertical ? 4 : 7)) / 2 + (held ? 1 : 0);
  auto triangle = [&](int dx, int dy, Color ink) {
    for (int i = 0; i < 4; ++i) {
      switch (direction) {
        case ArrowDirection::Up: c.fillRect(Rect::fromSize(cx + dx + 3 - i, cy + dy + i, 1 + 2 * i, 1), ink); break;
        case ArrowDirection::Down: c.fillRect(Rect::fromSize(cx + dx + 3 - i, cy + dy + 3 - i, 1 + 2 * i, 1), ink); break;
        case ArrowDirection::Left: c.fillRect(Rect::fromSize(cx + dx + i, cy + dy + 3 - i, 1, 1 + 2 * i), ink); break;
        case ArrowDirection::Right: c.fillRect(Rect::fromSize(cx + dx + 3 - i, cy + dy + 3 - i, 1, 1 + 2 * i), ink); break;
      }
    }
  };
  if (!enabled) triangle(1, 1, systemColor(SysColor::BtnHighlight));
  triangle(0, 0, enabled ? systemColor(SysColor::BtnText) : systemColor(SysColor::GrayText));
}

}  // namespace

ScrollBar::ScrollBar(TWinControl& control, Orientation orientation, Visibility visibility)
    : control_(control), orientation_(orientation), visibility_(visibility) {}

ScrollBar::~ScrollBar() {
  if (Window* w = control_.window()) WindowSystem::instance().killTimer(*w, repeatTimer());
}

int ScrollBar::maxPosition() const { return std::max(0, maximum_ - page_ + 1); }

bool ScrollBar::scrollable() const { return page_ > 0 && maximum_ + 1 > page_; }

bool ScrollBar::shown() const { return visibility_ == Visibility::Always || scrollable(); }

void ScrollBar::setRange(int maximum, int page) {
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

void ScrollBar::setPosition(int position) {
  position = std::clamp(position, 0, maxPosition());
  if (position == position_) return;
  position_ = position;
  invalidate();
}

void ScrollBar::invalidate() {
  if (Window* w = control_.window(); w && shown()) w->invalidateFrame();
}

int ScrollBar::thickness() const {
  return systemMetric(orientation_ == Orientation::Vertical ? Metric::VScrollWidth : Metric::HScrollHeight);
}

Rect ScrollBar::barRect() const {
  Window* w = control_.window();
  if (!w || !shown()) return {};
  Rect client = w->clientRect();
  if (orientation_ == Orientation::Vertical) return {client.right, client.top, client.right + thickness(), client.bottom};
  return {client.left, client.bottom, client.right, client.bottom + thickness()};
}

Rect ScrollBar::cornerRect(const ScrollBar& vertical, const ScrollBar& horizontal) {
  Rect v = vertical.barRect();
  Rect h = horizontal.barRect();
  if (v.isEmpty() || h.isEmpty()) return {};
  return {v.left, h.top, v.right, h.bottom};
}

int ScrollBar::barStart() const {
  Rect bar = barRect();
  return orientation_ == Orientation::Vertical ? bar.top : bar.left;
}

int ScrollBar::barLength() const {
  Rect bar = barRect();
  return orientation_ == Orientation::Vertical ? bar.height() : bar.width();
}

Rect ScrollBar::span(int from, int to) const {
  Rect bar = barRect();
  if (orientation_ == Orientation::Vertical) return {bar.left, from, bar.right, to};
  return {from, bar.top, to, bar.bottom};
}

int ScrollBar::arrowLength() const { return std::min(thickness(), barLength() / 2); }

ScrollBar::Track ScrollBar::track(int position) const {
  Track t;
  int arrow = arrowLength();
  t.start = barStart() + arrow;
  t.length = std::max(0, barLength() - 2 * arrow);
  if (!scrollable() || t.length <= 0) return t;
  long long range = static_cast<long long>(maximum_) + 1;
  int thumb = static_cast<int>(std::max<long long>(kMinThumb, t.length * static_cast<long long>(page_) / range));
  if (thumb >= t.length) return t;  // no room to move: no thumb
  t.thumbLength = thumb;
  int room = t.length - thumb;
  int maxPos = std::max(1, maxPosition());
  t.thumbStart = t.start + static_cast<int>(static_cast<long long>(room) * std::clamp(position, 0, maxPos) / maxPos);
  return t;
}

Rect ScrollBar::partRect(Part part) const {
  if (barRect().isEmpty()) return {};
  int start = barStart();
  int end = start + barLength();
  int arrow = arrowLength();
  Track t = track(trackPosition());
  switch (part) {
    case Part::LineBack: return span(start, start + arrow);
    case Part::LineForward: return span(end - arrow, end);
    case Part::Thumb:
      if (t.thumbLength == 0) return {};
      return span(t.thumbStart, t.thumbStart + t.thumbLength);
    case Part::PageBack:
      if (t.thumbLength == 0) return {};
      return span(t.start, t.thumbStart);
    case Part::PageForward:
      if (t.thumbLength == 0) return {};
      return span(t.thumbStart + t.thumbLength, t.start + t.length);
    case Part::None: return {};
  }
  return {};
}

ScrollBar::Part ScrollBar::partAt(Point p) const {
  for (Part part : {Part::LineBack, Part::LineForward, Part::Thumb, Part::PageBack, Part::PageForward}) {
    if (partRect(part).contains(p)) return part;
  }
  return Part::None;
}

Point ScrollBar::toWindow(Point clientPoint) const {
  Window* w = control_.window();
  return w ? clientPoint + w->clientRect().topLeft() : clientPoint;
}

void ScrollBar::request(unsigned code) {
  if (Window* w = control_.window()) w->send(orientation_ == Orientation::Vertical ? WM_VSCROLL : WM_HSCROLL, makeWParam(code, static_cast<unsigned>(trackPosition()) & 0xFFFF), 0);
}

void ScrollBar::press(Part part, Point p) {
  Window* w = control_.window();
  if (!w || part == Part::None || !scrollable() || !control_.enabled()) return;
  pressed_ = part;
  pressedInside_ = true;
  pointer_ = p;
  WindowSystem::instance().setCapture(w);
  if (part == Part::Thumb) {
    dragging_ = true;
    trackPosition_ = position_;
    dragOffset_ = along(p) - track(position_).thumbStart;
    invalidate();
    return;
  }
  invalidate();
  repeat();
  if (pressed_ != Part::None && control_.window()) WindowSystem::instance().setTimer(*w, repeatTimer(), kFirstRepeatMs);
}

bool ScrollBar::pagePartReachedCursor() const {
  Track t = track(position_);
  if (t.thumbLength == 0) return true;
  if (pressed_ == Part::PageBack) return along(pointer_) >= t.thumbStart;
  if (pressed_ == Part::PageForward) return along(pointer_) < t.thumbStart + t.thumbLength;
  return false;
}

void ScrollBar::repeat() {
  if (!pressedInside_) return;
  switch (pressed_) {
    case Part::LineBack: request(SB_LINEUP); break;
    case Part::LineForward: request(SB_LINEDOWN); break;
    case Part::PageBack:
      if (!pagePartReachedCursor()) request(SB_PAGEUP);
      break;
    case Part::PageForward:
      if (!pagePartReachedCursor()) request(SB_PAGEDOWN);
      break;
    default: break;
  }
}

void ScrollBar::mouseMoved(Point p) {
  pointer_ = p;
  if (dragging_) {
    Track t = track(0);
    int room = t.length - t.thumbLength;
    int offset = along(p) - dragOffset_ - t.start;
    int pos = room <= 0 ? 0 : static_cast<int>((static_cast<long long>(std::clamp(offset, 0, room)) * maxPosition() + room / 2) / room);
    if (pos != trackPosition_) {
      trackPosition_ = pos;
      request(SB_THUMBTRACK);
      invalidate();
    }
    return;
  }
  bool inside = partRect(pressed_).contains(p) || (pressed_ == Part::PageBack || pressed_ == Part::PageForward ? barRect().contains(p) : false);
  if (inside != pressedInside_) {
    pressedInside_ = inside;
    invalidate();
  }
}

void ScrollBar::release() {
  if (pressed_ == Part::None) return;
  Window* w = control_.window();
  if (w) WindowSystem::instance().killTimer(*w, repeatTimer());
  bool wasDragging = dragging_;
  pressed_ = Part::None;
  if (wasDragging) request(SB_THUMBPOSITION);
  dragging_ = false;
  request(SB_ENDSCROLL);
  if (w && WindowSystem::instance().capture() == w) WindowSystem::instance().releaseCapture();
  invalidate();
}

bool ScrollBar::handleMessage(TMessage& m, const std::function<void(TMessage&)>& callDefault) {
  switch (m.Msg) {
    case WM_NCCALCSIZE: {
      callDefault(m);
      if (shown()) {
        auto* r = reinterpret_cast<Rect*>(m.LParam_);
        if (orientation_ == Orientation::Vertical) r->right = std::max(r->left, r->right - thickness());
        else r->bottom = std::max(r->top, r->bottom - thickness());
      }
      return true;
    }
    case WM_NCHITTEST: {
      Window* w = control_.window();
      if (!w || !shown()) return false;
      Point p = Point{xFromLParam(m.LParam_), yFromLParam(m.LParam_)} - w->screenOrigin();
      if (!barRect().contains(p)) return false;
      m.Result = hitCode();
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
      if (static_cast<LResult>(m.WParam_) != hitCode()) return false;
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
      if (m.WParam_ != repeatTimer()) return false;
      if (Window* w = control_.window(); w && pressed_ != Part::None) WindowSystem::instance().setTimer(*w, repeatTimer(), kRepeatMs);
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

namespace {
ScrollBar::Painter& installedPainter() {
  static ScrollBar::Painter painter;
  return painter;
}
ScrollBar::CornerPainter& installedCornerPainter() {
  static ScrollBar::CornerPainter painter;
  return painter;
}
}  // namespace

void ScrollBar::setPainter(Painter painter) { installedPainter() = std::move(painter); }
void ScrollBar::setCornerPainter(CornerPainter painter) { installedCornerPainter() = std::move(painter); }

void ScrollBar::paintCorner(Canvas& c, const ScrollBar& vertical, const ScrollBar& horizontal) {
  const Rect corner = cornerRect(vertical, horizontal);
  if (corner.isEmpty()) return;
  if (const CornerPainter& painter = installedCornerPainter(); painter && painter(c, corner)) return;
  c.fillRect(corner, clBtnFace);
}

void ScrollBar::paint(Canvas& c) const {
  if (!shown()) return;
  if (const Painter& painter = installedPainter(); painter && painter(c, *this)) return;
  paintPlain(c);
}

void ScrollBar::paintPlain(Canvas& c) const {
  if (!shown()) return;
  bool enabled = scrollable() && control_.enabled();
  bool backHeld = pressed_ == Part::LineBack && pressedInside_;
  bool forwardHeld = pressed_ == Part::LineForward && pressedInside_;
  bool vertical = orientation_ == Orientation::Vertical;
  drawArrow(c, partRect(Part::LineBack), vertical ? ArrowDirection::Up : ArrowDirection::Left, backHeld, enabled);
  drawArrow(c, partRect(Part::LineForward), vertical ? ArrowDirection::Down : ArrowDirection::Right, forwardHeld, enabled);
  Track t = track(trackPosition());
  Rect trackRect = span(t.start, t.start + t.length);
  if (trackRect.isEmpty()) return;
  {
    Canvas::StateSaver saver(c);
    c.intersectClip(trackRect);
    const Bitmap& pattern = trackPattern();
    for (int y = trackRect.top - (trackRect.top & 7); y < trackRect.bottom; y += pattern.height()) {
      for (int x = trackRect.left - (trackRect.left & 7); x < trackRect.right; x += pattern.width()) c.drawBitmap({x, y}, pattern);
    }
  }
  if ((pressed_ == Part::PageBack || pressed_ == Part::PageForward) && pressedInside_) {
    c.fillRect(partRect(pressed_), systemColor(SysColor::DarkShadow3D));
  }
  if (t.thumbLength > 0 && enabled) {
    DrawButtonFace(c, span(t.thumbStart, t.thumbStart + t.thumbLength), ButtonLook::Raised, false);
  }
}

int ScrollBar::takeWheelNotches(WParam wParam) {
  wheelRemainder_ += static_cast<std::int16_t>(hiWord(wParam));
  int notches = wheelRemainder_ / 120;
  wheelRemainder_ %= 120;
  return notches;
}

}  // namespace tavra
