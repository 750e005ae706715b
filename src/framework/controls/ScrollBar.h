#pragma once
// A scroll bar inside a windowed control, in the control's non-client area, as the platform's
// WS_VSCROLL bar (a column at the right edge) or WS_HSCROLL bar (a row at the bottom edge):
// two arrows, a track whose parts before and after the thumb page, and a thumb to drag. Held
// arrows and page parts repeat. The bar scrolls nothing itself: it sends WM_VSCROLL or
// WM_HSCROLL requests (SB_LINEUP … SB_ENDSCROLL; SB_LINELEFT is SB_LINEUP and so on) to the
// control's window, and the control moves its content and sets the new position.
// Both bars of one control: the vertical one ends above the horizontal one, which ends left of
// the vertical one; the square where they meet is the control's to paint (cornerRect).
#include <functional>

#include "base/Geometry.h"
#include "framework/core/ControlMessages.h"
#include "gfx/Canvas.h"

namespace tavra {

class TWinControl;

class ScrollBar {
 public:
  enum class Visibility { WhenNeeded, Always };
  enum class Orientation { Vertical, Horizontal };
  // Back: towards position 0 (up or left); Forward: towards the end (down or right).
  enum class Part { None, LineBack, PageBack, Thumb, PageForward, LineForward };

  ScrollBar(TWinControl& control, Orientation orientation, Visibility visibility);
  ~ScrollBar();
  ScrollBar(const ScrollBar&) = delete;
  ScrollBar& operator=(const ScrollBar&) = delete;

  Orientation orientation() const { return orientation_; }

  // Positions 0 to `maximum` seen through a page of `page` positions; the position stays within
  // 0 to maxPosition().
  void setRange(int maximum, int page);
  void setPosition(int position);
  int position() const { return position_; }
  int maximum() const { return maximum_; }
  int page() const { return page_; }
  int maxPosition() const;
  // There is more than a page to see.
  bool scrollable() const;
  // The bar takes its column at the right of the control (a row at the bottom if horizontal).
  bool shown() const;
  // Where the thumb is while it is dragged; the position otherwise.
  int trackPosition() const { return dragging_ ? trackPosition_ : position_; }

  // Geometry in window coordinates, for painting and hit testing alike.
  Rect barRect() const;
  Rect partRect(Part part) const;
  Part partAt(Point windowPoint) const;
  Part pressedPart() const { return pressed_; }

  // Handles the messages the bar owns: the frame size, hit test and frame paint it extends,
  // presses on the bar, the mouse while a press lasts and its repeat timer. Returns true when
  // the message was taken; `callDefault` runs the control's default handling of a message.
  bool handleMessage(TMessage& m, const std::function<void(TMessage&)>& callDefault);
  // Paints the bar: by the process's painter when one is set and takes it, else plainly.
  void paint(Canvas& windowCanvas) const;
  // The plain look: two arrow buttons, the patterned track and a raised thumb.
  void paintPlain(Canvas& windowCanvas) const;

  // Paints a bar in another look (a skin's) onto a canvas in its window coordinates; false
  // leaves the bar to the plain look. One painter serves every bar of the process; a layer above
  // the framework installs it, so that controls keep no knowledge of who paints their bars.
  using Painter = std::function<bool(Canvas& windowCanvas, const ScrollBar& bar)>;
  static void setPainter(Painter painter);

  static constexpr std::uintptr_t kRepeatTimer = 0xFFF0;
  static constexpr std::uintptr_t kHorizontalRepeatTimer = 0xFFF1;

  // The square right of the horizontal bar and below the vertical one, in window coordinates,
  // when both are shown (empty otherwise).
  static Rect cornerRect(const ScrollBar& vertical, const ScrollBar& horizontal);
  // Paints that square in the look of the bars: by the process's corner painter when one is set
  // and takes it, else in the button face the plain bars are drawn on.
  static void paintCorner(Canvas& windowCanvas, const ScrollBar& vertical, const ScrollBar& horizontal);
  using CornerPainter = std::function<bool(Canvas& windowCanvas, const Rect& corner)>;
  static void setCornerPainter(CornerPainter painter);

  // Whole wheel notches of a WM_MOUSEWHEEL (positive away from the user); parts of a notch
  // from fine-grained wheels add up until they make one.
  int takeWheelNotches(WParam wParam);

 private:
  int wheelRemainder_ = 0;
  // Along the bar: window y for a vertical bar, window x for a horizontal one.
  struct Track {
    int start = 0;    // where the track begins (after the back arrow)
    int length = 0;   // track length
    int thumbStart = 0;
    int thumbLength = 0;  // 0: no thumb
  };
  Track track(int position) const;
  int thickness() const;
  int arrowLength() const;
  int along(Point windowPoint) const { return orientation_ == Orientation::Vertical ? windowPoint.y : windowPoint.x; }
  int barStart() const;
  int barLength() const;
  // The piece of the bar from `from` to `to` along it, across its whole thickness.
  Rect span(int from, int to) const;
  LResult hitCode() const { return orientation_ == Orientation::Vertical ? HTVSCROLL : HTHSCROLL; }
  std::uintptr_t repeatTimer() const { return orientation_ == Orientation::Vertical ? kRepeatTimer : kHorizontalRepeatTimer; }
  void request(unsigned code);
  void press(Part part, Point windowPoint);
  void mouseMoved(Point windowPoint);
  void release();
  void repeat();
  bool pagePartReachedCursor() const;
  void invalidate();
  Point toWindow(Point clientPoint) const;

  TWinControl& control_;
  Orientation orientation_;
  Visibility visibility_;
  int maximum_ = 0;
  int page_ = 0;
  int position_ = 0;
  Part pressed_ = Part::None;     // the part held down
  bool pressedInside_ = false;    // the pointer is still over the held part
  bool dragging_ = false;
  int trackPosition_ = 0;
  int dragOffset_ = 0;            // pointer minus thumb start, along the bar, when the drag began
  Point pointer_;                 // window coordinates, while a press lasts
};

}  // namespace tavra
