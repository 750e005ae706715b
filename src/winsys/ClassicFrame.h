#pragma once
// The plain frame every window gets by default: borders by style, a caption bar with its text
// and the close, maximise and minimise buttons. One geometry function serves hit testing and
// painting.
#include <cstdint>

#include "base/Geometry.h"
#include "gfx/Canvas.h"
#include "winsys/Messages.h"

namespace tavra {

class Window;

// The class of the bars that stand for minimised windows when nothing else keeps them: their
// frame shows a restore button where the minimise button is.
inline constexpr const char* kMinimizedBarClass = "#32772";

struct FrameGeometry {
  int border = 0;        // frame thickness on each side
  int edge = 0;          // client edge inside the frame
  Rect caption;          // window coordinates, empty without a caption
  Rect closeButton;
  Rect maxButton;
  Rect minButton;
  bool sizing = false;   // a sizeable border
};

namespace ClassicFrame {

// The frame of a window with these styles and outer size (no window needed).
FrameGeometry geometry(std::uint32_t style, std::uint32_t exStyle, int width);
FrameGeometry geometry(const Window& w);
Rect clientRect(std::uint32_t style, std::uint32_t exStyle, const Rect& r);
// The client rectangle of a window rectangle `r` given in window coordinates.
Rect clientRect(const Window& w, const Rect& r);
LResult hitTest(const Window& w, Point windowPoint);
void paint(const Window& w, Canvas& canvas, bool active, LResult pressedButton);

}  // namespace ClassicFrame
}  // namespace tavra
