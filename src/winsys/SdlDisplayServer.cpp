#include "winsys/SdlDisplayServer.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <set>
#include <utility>
#include <vector>

// Last: the X11 headers define macros (None, Bool, Status) that clash with ordinary names.
#include <SDL_syswm.h>
#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/extensions/XInput2.h>
#include <X11/extensions/shape.h>
// The display structure itself: whether requests wait in the output buffer.
#include <X11/Xlibint.h>
#endif

namespace tavra {

namespace {
std::atomic<int> gIgnoredErrors{0};
}  // namespace

int SdlDisplayServer::ignoredErrorCount() { return gIgnoredErrors.load(); }

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

// An error names a request that failed on the server, most often one that names a window the
// program has just destroyed (a raise, focus or property request still on its way). Such an error
// costs nothing; Xlib's own handler would end the process. Each kind is reported once.
int reportDisplayError(Display* display, XErrorEvent* error) {
  static std::mutex guard;
  static std::set<std::pair<int, int>> reported;
  ++gIgnoredErrors;
  std::lock_guard lock(guard);
  if (!reported.insert({error->error_code, error->request_code}).second) return 0;
  char text[160] = {};
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "tavra: the display refused a request (%s; request %d.%d, resource 0x%lx); going on\n", text,
               error->request_code, error->minor_code, error->resourceid);
  return 0;
}

// Without its display the program cannot go on; Xlib expects this handler not to return.
int reportLostDisplay(Display*) {
  std::fputs("tavra: the connection to the display was lost; the program ends.\n", stderr);
  std::fflush(stderr);
  std::_Exit(1);
}

::Window x11WindowOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}

}  // namespace
#endif

SdlDisplayServer::~SdlDisplayServer() { disconnect(); }

void SdlDisplayServer::connect(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  x11Display_ = info.info.x11.display;
  // SDL installs a handler of its own at start-up that ends in Xlib's; ours replaces it, and SDL's
  // temporary handlers put ours back when they are done.
  XSetErrorHandler(&reportDisplayError);
  XSetIOErrorHandler(&reportLostDisplay);
  int event = 0;
  int error = 0;
  if (!XQueryExtension(info.info.x11.display, "XInputExtension", &inputExtension_, &event, &error)) inputExtension_ = -1;
  shapeExtension_ = XShapeQueryExtension(info.info.x11.display, &event, &error);
#else
  (void)window;
#endif
}

void SdlDisplayServer::disconnect() {
  if (watching_) SDL_DelEventWatch(&SdlDisplayServer::rewriteExtensionEvent, this);
  watching_ = false;
  x11Display_ = nullptr;
}

int SdlDisplayServer::connectionFd() const {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (x11Display_) return ConnectionNumber(static_cast<Display*>(x11Display_));
#endif
  return -1;
}

bool SdlDisplayServer::flushAndCheckQueued() const {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (x11Display_) {
    auto* display = static_cast<Display*>(x11Display_);
    // Flushing also reads the connection; only requests still in the buffer are worth it.
    if (display->bufptr != display->buffer) XFlush(display);
  }
#endif
  return hasQueuedEvents();
}

bool SdlDisplayServer::hasQueuedEvents() const {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (x11Display_) return XEventsQueued(static_cast<Display*>(x11Display_), QueuedAlready) > 0;
#endif
  return false;
}

void SdlDisplayServer::focusWindow(SDL_Window* window) const {
#if defined(SDL_VIDEO_DRIVER_X11)
  ::Window xwindow = x11WindowOf(window);
  if (!x11Display_ || !xwindow) return;
  auto* display = static_cast<Display*>(x11Display_);
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, xwindow, &attributes) || attributes.map_state != IsViewable) return;
  ::Window current = 0;
  int revert = 0;
  XGetInputFocus(display, &current, &revert);
  if (current == xwindow) return;
  if (!hasWindowManager()) {
    // Reverting to the parent (the root) keeps the keyboard somewhere if this window goes.
    XSetInputFocus(display, xwindow, RevertToParent, CurrentTime);
  } else {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = xwindow;
    e.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = 1;  // a request of the application itself
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureNotifyMask | SubstructureRedirectMask, &e);
  }
  XFlush(display);
#else
  (void)window;
#endif
}

void SdlDisplayServer::setWindowClass(SDL_Window* window, const std::string& name, const std::string& className) const {
#if defined(SDL_VIDEO_DRIVER_X11)
  ::Window xwindow = x11WindowOf(window);
  if (!x11Display_ || !xwindow || name.empty() || className.empty()) return;
  XClassHint hint;
  std::string nameCopy = name;
  std::string classCopy = className;
  hint.res_name = nameCopy.data();
  hint.res_class = classCopy.data();
  XSetClassHint(static_cast<Display*>(x11Display_), xwindow, &hint);
#else
  (void)window;
  (void)name;
  (void)className;
#endif
}

void SdlDisplayServer::setWindowRole(SDL_Window* window, const std::string& role) const {
#if defined(SDL_VIDEO_DRIVER_X11)
  ::Window xwindow = x11WindowOf(window);
  if (!x11Display_ || !xwindow || role.empty()) return;
  auto* display = static_cast<Display*>(x11Display_);
  Atom property = XInternAtom(display, "WM_WINDOW_ROLE", False);
  XChangeProperty(display, xwindow, property, XA_STRING, 8, PropModeReplace, reinterpret_cast<const unsigned char*>(role.data()),
                  static_cast<int>(role.size()));
#else
  (void)window;
  (void)role;
#endif
}

void SdlDisplayServer::markAsSplash(SDL_Window* window) const {
#if defined(SDL_VIDEO_DRIVER_X11)
  ::Window xwindow = x11WindowOf(window);
  if (!x11Display_ || !xwindow) return;
  auto* display = static_cast<Display*>(x11Display_);
  Atom type = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
  Atom splash = XInternAtom(display, "_NET_WM_WINDOW_TYPE_SPLASH", False);
  XChangeProperty(display, xwindow, type, XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&splash), 1);
#else
  (void)window;
#endif
}

#if defined(SDL_VIDEO_DRIVER_X11)
namespace {

// The atoms of a window's _NET_WM_STATE property.
std::vector<Atom> netWmState(Display* display, ::Window xwindow, Atom state) {
  std::vector<Atom> atoms;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  constexpr long kMostStates = 64;
  if (XGetWindowProperty(display, xwindow, state, 0, kMostStates, False, XA_ATOM, &type, &format, &count, &remaining, &data) == Success &&
      type == XA_ATOM && format == 32 && data) {
    const auto* list = reinterpret_cast<const unsigned long*>(data);
    atoms.assign(list, list + count);
  }
  if (data) XFree(data);
  return atoms;
}

// Whether a window manager has taken the window in (it is shown or minimised, not withdrawn).
bool managed(Display* display, ::Window xwindow) {
  Atom wmState = XInternAtom(display, "WM_STATE", True);
  if (wmState == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  bool found = XGetWindowProperty(display, xwindow, wmState, 0, 2, False, AnyPropertyType, &type, &format, &count, &remaining, &data) == Success &&
               type != None && count > 0 && data && reinterpret_cast<const unsigned long*>(data)[0] != WithdrawnState;
  if (data) XFree(data);
  return found;
}

}  // namespace
#endif

void SdlDisplayServer::setTaskbarPresence(SDL_Window* window, bool listed, SDL_Window* transientFor) const {
#if defined(SDL_VIDEO_DRIVER_X11)
  ::Window xwindow = x11WindowOf(window);
  if (!x11Display_ || !xwindow) return;
  auto* display = static_cast<Display*>(x11Display_);
  ::Window owner = transientFor ? x11WindowOf(transientFor) : 0;
  if (owner && owner != xwindow) {
    XSetTransientForHint(display, xwindow, owner);
  } else {
    XDeleteProperty(display, xwindow, XA_WM_TRANSIENT_FOR);
  }
  Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  Atom skips[2] = {XInternAtom(display, "_NET_WM_STATE_SKIP_TASKBAR", False), XInternAtom(display, "_NET_WM_STATE_SKIP_PAGER", False)};
  if (hasWindowManager() && managed(display, xwindow)) {
    // A managed window's state belongs to the window manager: it is asked.
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = xwindow;
    e.xclient.message_type = state;
    e.xclient.format = 32;
    e.xclient.data.l[0] = listed ? 0 : 1;  // remove or add
    e.xclient.data.l[1] = static_cast<long>(skips[0]);
    e.xclient.data.l[2] = static_cast<long>(skips[1]);
    e.xclient.data.l[3] = 1;  // a request of the application itself
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureNotifyMask | SubstructureRedirectMask, &e);
  } else {
    std::vector<Atom> atoms = netWmState(display, xwindow, state);
    std::erase_if(atoms, [&](Atom a) { return a == skips[0] || a == skips[1]; });
    if (!listed) atoms.insert(atoms.end(), std::begin(skips), std::end(skips));
    std::vector<unsigned long> data(atoms.begin(), atoms.end());
    XChangeProperty(display, xwindow, state, XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(data.data()),
                    static_cast<int>(data.size()));
  }
  XFlush(display);
#else
  (void)window;
  (void)listed;
  (void)transientFor;
#endif
}

PointerState SdlDisplayServer::pointer() const {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (x11Display_) {
    auto* display = static_cast<Display*>(x11Display_);
    ::Window root = 0;
    ::Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned mask = 0;
    if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y, &mask)) {
      return {{rootX, rootY}, (mask & (Button1Mask | Button2Mask | Button3Mask)) != 0};
    }
  }
#endif
  int x = 0;
  int y = 0;
  std::uint32_t buttons = SDL_GetGlobalMouseState(&x, &y);
  return {{x, y}, buttons != 0};
}

bool SdlDisplayServer::hasWindowManager() const {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (x11Display_) {
    // A window manager following the desktop conventions names its check window on the root.
    auto* display = static_cast<Display*>(x11Display_);
    Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    int rc = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format, &count, &remaining, &data);
    bool found = rc == Success && type == XA_WINDOW && count == 1;
    if (data) XFree(data);
    return found;
  }
#endif
  return true;
}

bool SdlDisplayServer::setShape(SDL_Window* window, const std::optional<Region>& region) const {
#if defined(SDL_VIDEO_DRIVER_X11)
  ::Window xwindow = x11WindowOf(window);
  if (!x11Display_ || !shapeExtension_ || !xwindow) return false;
  auto* display = static_cast<Display*>(x11Display_);
  if (!region) {
    XShapeCombineMask(display, xwindow, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    // X rectangles are 16-bit; windows are far smaller.
    auto clamp16 = [](int v) { return static_cast<short>(std::clamp(v, -32768, 32767)); };
    std::vector<XRectangle> rects;
    for (const Rect& r : region->rects()) {
      rects.push_back({clamp16(r.left), clamp16(r.top), static_cast<unsigned short>(std::clamp(r.width(), 0, 65535)),
                       static_cast<unsigned short>(std::clamp(r.height(), 0, 65535))});
    }
    XShapeCombineRectangles(display, xwindow, ShapeBounding, 0, 0, rects.data(), static_cast<int>(rects.size()), ShapeSet, Unsorted);
  }
  XFlush(display);
  return true;
#else
  (void)window;
  (void)region;
  return false;
#endif
}

bool SdlDisplayServer::watchNativeEvents() {
  if (!x11Display_) return false;
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  if (!watching_) SDL_AddEventWatch(&SdlDisplayServer::rewriteExtensionEvent, this);
  watching_ = true;
  return true;
}

// SDL takes pointer moves from the X input extension where it selected them. Their data lives
// only while SDL hands the event on, so moves and buttons are rewritten into the core events they
// stand for before the event is queued.
int SdlDisplayServer::rewriteExtensionEvent(void* userdata, SDL_Event* ev) {
#if defined(SDL_VIDEO_DRIVER_X11)
  auto* self = static_cast<SdlDisplayServer*>(userdata);
  if (ev->type != SDL_SYSWMEVENT || !ev->syswm.msg || ev->syswm.msg->subsystem != SDL_SYSWM_X11) return 0;
  XEvent& x = ev->syswm.msg->msg.x11.event;
  if (x.type != GenericEvent || x.xcookie.extension != self->inputExtension_ || !x.xcookie.data) return 0;
  auto core = [&](int type, double rootX, double rootY) {
    XEvent out{};
    int xRoot = static_cast<int>(std::lround(rootX));
    int yRoot = static_cast<int>(std::lround(rootY));
    if (type == MotionNotify) {
      out.xmotion.type = type;
      out.xmotion.display = x.xcookie.display;
      out.xmotion.x_root = xRoot;
      out.xmotion.y_root = yRoot;
    } else if (type == EnterNotify) {
      out.xcrossing.type = type;
      out.xcrossing.display = x.xcookie.display;
      out.xcrossing.x_root = xRoot;
      out.xcrossing.y_root = yRoot;
    } else {
      out.xbutton.type = type;
      out.xbutton.display = x.xcookie.display;
      out.xbutton.x_root = xRoot;
      out.xbutton.y_root = yRoot;
    }
    x = out;
  };
  switch (x.xcookie.evtype) {
    case XI_Motion: {
      const auto* d = static_cast<const XIDeviceEvent*>(x.xcookie.data);
      core(MotionNotify, d->root_x, d->root_y);
      break;
    }
    case XI_ButtonPress:
    case XI_ButtonRelease: {
      const auto* d = static_cast<const XIDeviceEvent*>(x.xcookie.data);
      core(x.xcookie.evtype == XI_ButtonPress ? ButtonPress : ButtonRelease, d->root_x, d->root_y);
      break;
    }
    case XI_Enter: {
      const auto* d = static_cast<const XIEnterEvent*>(x.xcookie.data);
      core(EnterNotify, d->root_x, d->root_y);
      break;
    }
    default:
      break;
  }
#else
  (void)userdata;
  (void)ev;
#endif
  return 0;
}

std::optional<NativePointerEvent> SdlDisplayServer::nativePointerEvent(const SDL_Event& ev) const {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (ev.type != SDL_SYSWMEVENT || !ev.syswm.msg || ev.syswm.msg->subsystem != SDL_SYSWM_X11) return std::nullopt;
  const XEvent& x = ev.syswm.msg->msg.x11.event;
  switch (x.type) {
    case MotionNotify:
      return NativePointerEvent{NativePointerEvent::Kind::Move, {x.xmotion.x_root, x.xmotion.y_root}};
    case EnterNotify:
      return NativePointerEvent{NativePointerEvent::Kind::Move, {x.xcrossing.x_root, x.xcrossing.y_root}};
    case ButtonPress:
    case ButtonRelease:
      return NativePointerEvent{NativePointerEvent::Kind::Button, {x.xbutton.x_root, x.xbutton.y_root}};
    default:
      return std::nullopt;
  }
#else
  (void)ev;
  return std::nullopt;
#endif
}

}  // namespace tavra
