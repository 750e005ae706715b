#pragma once
// Skins the pair of scroll arrows a tab control shows when its row of tabs does not fit: it
// takes over the arrows' window procedure and paints each half as a button of its section
// ("UPDOWNBTN") over the tab control's composed look, normal, hot under the mouse or pressed,
// with the skin's left and right scroll glyphs (greyed where the row cannot scroll further).
// Every other message goes on to the arrows themselves; freeing the adapter gives the window
// its own procedure back.
#include <string>

#include "gfx/Canvas.h"
#include "winsys/Window.h"

namespace tavra {

class TTabScroller;
class TsCommonData;

class SpinButtonAdapter {
 public:
  // `binding` is the tab control's: its manager paints, its cache lies under the arrows.
  SpinButtonAdapter(TTabScroller& arrows, const TsCommonData& binding, std::string section);
  ~SpinButtonAdapter();
  SpinButtonAdapter(const SpinButtonAdapter&) = delete;
  SpinButtonAdapter& operator=(const SpinButtonAdapter&) = delete;

  TTabScroller& arrows() const { return arrows_; }
  // Whether the arrows' current window is the one taken over (a recreated window is not).
  bool attached() const;
  const std::string& section() const { return section_; }
  // −1 the left arrow, +1 the right one, 0 none.
  int hotArrow() const { return hot_; }
  int pressedArrow() const { return pressed_; }
  // The mouse has left the arrows.
  void mouseLeft();
  // Paints both arrows into a canvas whose origin is the arrows' top-left.
  void paint(Canvas& canvas) const;

 private:
  LResult handle(Window& window, MessageId msg, WParam wParam, LParam lParam);
  void setHot(int arrow);
  int arrowAt(int x) const;

  TTabScroller& arrows_;
  const TsCommonData& binding_;
  std::string section_;
  WindowHandle handle_ = 0;
  WindowProc previous_;
  int hot_ = 0;
  int pressed_ = 0;
};

}  // namespace tavra
