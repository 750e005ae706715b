#pragma once
// A window of the tree: top-level windows have screen bounds, child windows bounds in their
// parent's client coordinates. Each has a replaceable window procedure; the window system
// delivers messages to it. Windows are owned by whoever created them (the framework's controls);
// destroying one detaches it and tells the window system.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "winsys/CursorShape.h"
#include "winsys/Messages.h"

namespace tavra {

class Window;
class WindowSystem;

using WindowHandle = std::uint64_t;
// Whether invalidated client pixels get the erase-background step before the paint.
enum class Erase { No, Yes };
// Whether a change of the window's shape repaints what it uncovers and the window itself.
enum class Redraw { No, Yes };
using WindowProc = std::function<LResult(Window& window, MessageId msg, WParam wParam, LParam lParam)>;

struct WindowParams {
  std::string className;
  std::string text;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::uint32_t classStyle = 0;
  Rect bounds;                    // window rectangle: screen (top-level) or parent client coordinates
  Window* parent = nullptr;       // child windows only
  WindowProc proc;                // defWindowProc when empty
  void* owner = nullptr;          // the object that created the window (a framework control)
  Color background = clBtnFace;   // what the default erase fills the client area with
  CursorShape cursor = CursorShape::Arrow;  // the class cursor: the default pointer over the client area
};

class Window {
 public:
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  WindowHandle handle() const { return handle_; }
  WindowSystem& system() const { return system_; }
  const std::string& className() const { return className_; }
  void* owner() const { return owner_; }
  void setOwner(void* owner) { owner_ = owner; }

  // Message delivery.
  LResult send(MessageId msg, WParam wParam = 0, LParam lParam = 0);
  void post(MessageId msg, WParam wParam = 0, LParam lParam = 0);
  // Replaces the window procedure and returns the previous one (to chain to).
  WindowProc setProc(WindowProc proc);
  const WindowProc& proc() const { return proc_; }

  // Tree.
  Window* parent() const { return parent_; }
  bool isTopLevel() const { return parent_ == nullptr; }
  Window& topLevel();
  const std::vector<Window*>& children() const { return children_; }  // bottom to top
  bool isAncestorOf(const Window& w) const;

  // Styles.
  std::uint32_t style() const { return style_; }
  std::uint32_t exStyle() const { return exStyle_; }
  std::uint32_t classStyle() const { return classStyle_; }
  void setStyle(std::uint32_t style);     // recomputes the frame; no repaint
  void setExStyle(std::uint32_t exStyle);
  bool hasStyle(std::uint32_t bits) const { return (style_ & bits) == bits; }

  // Text (caption).
  const std::string& text() const { return text_; }
  void setText(const std::string& text);  // sends WM_SETTEXT

  // Geometry. `bounds` is the window rectangle in the parent's client coordinates (screen for
  // top-level windows); the client rectangle is in window coordinates (the window's top-left is
  // 0, 0), as computed by WM_NCCALCSIZE.
  Rect bounds() const { return bounds_; }
  Rect clientRect() const { return clientRect_; }
  Size clientSize() const { return clientRect_.size(); }
  void setBounds(const Rect& r);  // sends WM_WINDOWPOSCHANGING/CHANGED, WM_MOVE, WM_SIZE
  void setClientSize(Size s);
  void recalcFrame();             // asks WM_NCCALCSIZE again (after a style change)
  Point screenOrigin() const;     // screen position of the window's top-left
  Point clientToScreen(Point p) const;
  Point screenToClient(Point p) const;
  // Offset of this window's top-left within its top-level window's backing bitmap.
  Point offsetInTopLevel() const;

  // Visibility and state.
  bool isVisible() const { return (style_ & WS_VISIBLE) != 0; }
  bool isShowing() const;  // visible with every ancestor visible, not minimised
  void show();             // visible and raised; activates a top-level window
  void showNoActivate();
  void hide();
  bool isEnabled() const { return (style_ & WS_DISABLED) == 0; }
  bool isEnabledWithAncestors() const;
  void setEnabled(bool enabled);
  bool isMinimized() const { return minimized_; }
  void bringToFront();

  // Region: pixels outside it are neither painted nor hit (window coordinates).
  const std::optional<Region>& windowRegion() const { return region_; }
  void setWindowRegion(std::optional<Region> region, Redraw redraw = Redraw::Yes);

  // Layered windows: whole-window opacity (255 opaque) and per-pixel alpha of the backing bitmap.
  std::uint8_t opacity() const { return opacity_; }
  void setOpacity(std::uint8_t opacity);
  bool perPixelAlpha() const { return perPixelAlpha_; }
  void setPerPixelAlpha(bool on);

  CursorShape classCursor() const { return classCursor_; }
  Color background() const { return background_; }
  void setBackground(Color c) { background_ = c; }

  // Painting.
  void invalidate(Erase erase = Erase::Yes);
  void invalidateRect(const Rect& clientRect, Erase erase = Erase::Yes);
  void invalidateRegion(const Region& clientRegion, Erase erase = Erase::Yes);
  void invalidateFrame();  // the non-client area
  void invalidateTree();   // frame and client of this window and of every descendant
  void validate();
  void update();           // paints now what is invalid
  bool redrawEnabled() const { return redraw_; }
  void setRedraw(bool on) { redraw_ = on; }
  const Region& updateRegion() const { return update_; }  // window coordinates

  // The top-level window's backing bitmap (created when first needed).
  Bitmap& backing();

 private:
  friend class WindowSystem;
  Window(WindowSystem& system, WindowHandle handle, const WindowParams& p);

  WindowSystem& system_;
  WindowHandle handle_ = 0;
  std::string className_;
  std::string text_;
  std::uint32_t style_ = 0;
  std::uint32_t exStyle_ = 0;
  std::uint32_t classStyle_ = 0;
  Rect bounds_;
  Rect clientRect_;
  Window* parent_ = nullptr;
  std::vector<Window*> children_;
  WindowProc proc_;
  void* owner_ = nullptr;
  Color background_ = clBtnFace;
  CursorShape classCursor_ = CursorShape::Arrow;
  std::optional<Region> region_;
  std::uint8_t opacity_ = 255;
  bool perPixelAlpha_ = false;
  bool minimized_ = false;
  bool redraw_ = true;
  bool destroying_ = false;

  // Pending paint state.
  Region update_;           // window coordinates, client and non-client
  bool erasePending_ = false;
  bool eraseFailed_ = false;  // the erase before the paint left the background as it was
  bool framePending_ = false;

  std::unique_ptr<Bitmap> backing_;  // top-level windows only
};

}  // namespace tavra
