#pragma once
// A vertical scroll bar inside a windowed control, in the control's non-client area at its
// right edge, as the platform's WS_VSCROLL bar: two arrows, a track whose parts above and below
// the thumb page, and a thumb to drag. Held arrows and page parts repeat. The bar scrolls
// nothing itself: it sends WM_VSCROLL requests (SB_LINEUP … SB_ENDSCROLL) to the control's
// window, and the control moves its content and sets the new position.
#include <functional>

#include "base/Geometry.h"
#include "framework/ControlMessages.h"
#include "gfx/Canvas.h"

namespace tavra {

class TWinControl;

class VerticalScrollBar {
 public:
  enum class Visibility { WhenNeeded, Always };
  enum class Part { None, LineUp, PageUp, Thumb, PageDown, LineDown };

  VerticalScrollBar(TWinControl& control, Visibility visibility);
  ~VerticalScrollBar();
  VerticalScrollBar(const VerticalScrollBar&) = delete;
  VerticalScrollBar& operator=(const VerticalScrollBar&) = delete;

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
  // The bar takes its column at the right of the control.
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
  void paint(Canvas& windowCanvas) const;

  static constexpr std::uintptr_t kRepeatTimer = 0xFFF0;

  // Whole wheel notches of a WM_MOUSEWHEEL (positive away from the user); parts of a notch
  // from fine-grained wheels add up until they make one.
  int takeWheelNotches(WParam wParam);

 private:
  int wheelRemainder_ = 0;
  struct Track {
    int top = 0;      // window y of the track (below the up arrow)
    int length = 0;   // track length
    int thumbTop = 0;
    int thumbLength = 0;  // 0: no thumb
  };
  Track track(int position) const;
  int arrowHeight() const;
  void request(unsigned code);
  void press(Part part, Point windowPoint);
  void mouseMoved(Point windowPoint);
  void release();
  void repeat();
  bool pagePartReachedCursor() const;
  void invalidate();
  Point toWindow(Point clientPoint) const;

  TWinControl& control_;
  Visibility visibility_;
  int maximum_ = 0;
  int page_ = 0;
  int position_ = 0;
  Part pressed_ = Part::None;     // the part held down
  bool pressedInside_ = false;    // the pointer is still over the held part
  bool dragging_ = false;
  int trackPosition_ = 0;
  int dragOffset_ = 0;            // pointer y minus thumb top when the drag began
  Point pointer_;                 // window coordinates, while a press lasts
};

}  // namespace tavra
