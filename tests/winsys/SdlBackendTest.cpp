#include "winsys/SdlBackend.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <functional>
#include <vector>

#include "winsys/ClassicFrame.h"
#include "winsys/Keys.h"
#include "winsys/Messages.h"
#include "winsys/SdlTestDisplay.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

using test::programAvailable;
using test::runProgram;
using test::Screenshot;
using test::TestDisplay;
using SteadyClock = std::chrono::steady_clock;

// How long a test waits for the display to do something before it gives up.
constexpr auto kPatience = std::chrono::seconds(5);
constexpr std::uint32_t kRed = 0xFF0000;

// Whether exactly `r` is red on the screen: its corner pixels are, the pixels just outside are not.
bool showsRedAt(const Screenshot& shot, const Rect& r) {
  const int l = r.left, t = r.top, x2 = r.right - 1, y2 = r.bottom - 1;
  for (Point p : {Point{l, t}, Point{x2, t}, Point{l, y2}, Point{x2, y2}}) {
    if (shot.at(p.x, p.y) != kRed) return false;
  }
  for (Point p : {Point{l - 1, t}, Point{l, t - 1}, Point{x2 + 1, y2}, Point{x2, y2 + 1}}) {
    if (shot.at(p.x, p.y) == kRed) return false;
  }
  return true;
}

bool noRedAt(const Screenshot& shot, const Rect& r) {
  for (Point p : {r.topLeft(), Point{r.right - 1, r.bottom - 1}, Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}}) {
    if (shot.at(p.x, p.y) == kRed) return false;
  }
  return true;
}

class SdlBackendTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { display_ = TestDisplay::start(&whyNoDisplay_); }
  static void TearDownTestSuite() { display_.reset(); }

  void SetUp() override {
    if (!display_) GTEST_SKIP() << "no virtual display: " << whyNoDisplay_;
    std::string error;
    auto backend = SdlBackend::create(&error);
    ASSERT_NE(backend, nullptr) << error;
    backend_ = backend.get();
    system_ = std::make_unique<WindowSystem>(std::move(backend));
  }

  void TearDown() override {
    windows_.clear();
    system_.reset();
  }

  // A red top-level window, frameless unless a style says otherwise, not shown yet.
  Window& makeWindow(const Rect& bounds, const std::string& text, std::uint32_t exStyle = 0, std::uint32_t style = WS_POPUP) {
    WindowParams p;
    p.className = "TestWindow";
    p.text = text;
    p.style = style;
    p.exStyle = exStyle;
    p.bounds = bounds;
    p.background = rgb(255, 0, 0);
    windows_.push_back(system_->createWindow(p));
    return *windows_.back();
  }

  // Runs the window system and reads the screen back until `check` holds or patience runs out.
  bool screenShows(const std::function<bool(const Screenshot&)>& check) {
    auto until = SteadyClock::now() + kPatience;
    do {
      system_->processMessages();
      std::optional<Screenshot> shot = display_->capture();
      if (shot && check(*shot)) return true;
    } while (SteadyClock::now() < until);
    return false;
  }

  // Runs the window system until `done` holds or patience runs out.
  bool runUntil(const std::function<bool()>& done) {
    auto until = SteadyClock::now() + kPatience;
    while (SteadyClock::now() < until) {
      system_->processMessages();
      if (done()) return true;
      backend_->wait(backend_->clock().now() + 50);
    }
    return false;
  }

  void pushWindowEvent(const Window& w, SDL_WindowEventID event) {
    SDL_Event ev{};
    ev.type = SDL_WINDOWEVENT;
    ev.window.event = static_cast<Uint8>(event);
    ev.window.windowID = backend_->sdlWindowId(w);
    ASSERT_EQ(SDL_PushEvent(&ev), 1);
  }

  // The next event from the backend that `match` accepts; the ones before it are passed over
  // and collected in `passed` when given.
  std::optional<InputEvent> nextEvent(const std::function<bool(const InputEvent&)>& match, std::vector<InputEvent>* passed = nullptr) {
    auto until = SteadyClock::now() + kPatience;
    while (SteadyClock::now() < until) {
      while (std::optional<InputEvent> ev = backend_->pollEvent()) {
        if (match(*ev)) return ev;
        if (passed) passed->push_back(*ev);
      }
      backend_->wait(backend_->clock().now() + 100);
    }
    return std::nullopt;
  }

  // Every event already queued.
  std::vector<InputEvent> drain() {
    std::vector<InputEvent> out;
    while (std::optional<InputEvent> ev = backend_->pollEvent()) out.push_back(*ev);
    return out;
  }

  static int xdotool(std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    return runProgram(args);
  }

  // A red window shown at `bounds` and seen on the screen, with the pointer inside it.
  Window& showWindowUnderPointer(const Rect& bounds, Point pointer) {
    Window& w = makeWindow(bounds, "Ввод");
    w.show();
    EXPECT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, bounds); }));
    EXPECT_EQ(xdotool({"mousemove", std::to_string(pointer.x), std::to_string(pointer.y)}), 0);
    auto moved = nextEvent([&](const InputEvent& e) { return e.kind == InputEvent::Kind::MouseMove && e.screen == pointer; });
    EXPECT_TRUE(moved) << "no move to the pointer's place";
    drain();
    return w;
  }

  // The X window showing an SDL window, as xprop and xwininfo take it.
  static std::string x11WindowId(std::uint32_t sdlId);
  // The X window that has the keyboard now, in the same form ("" for none).
  static std::string focusedX11Window();
  // Takes the keyboard away from every window, as closing the focused one does without a manager.
  static void dropKeyboardFocus(std::uint32_t anySdlId);
  // Sends the display a request that names a window that does not exist and waits for the answer.
  static void requestOnAMissingWindow(std::uint32_t anySdlId);

  static void requirePrograms(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      if (!programAvailable(name)) GTEST_SKIP() << name << " is not installed";
    }
  }

  static inline std::unique_ptr<TestDisplay> display_;
  static inline std::string whyNoDisplay_;
  SdlBackend* backend_ = nullptr;
  std::unique_ptr<WindowSystem> system_;
  std::vector<std::unique_ptr<Window>> windows_;
};

TEST_F(SdlBackendTest, ShowsWindowsWhereTheyAreAndFollowsMovesResizesAndHiding) {
  requirePrograms({"import"});
  const Rect first = Rect::fromSize(100, 50, 120, 80);
  Window& w = makeWindow(first, "Красное окно");
  w.show();
  EXPECT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, first); })) << "shown window";

  const Rect moved = Rect::fromSize(300, 200, 120, 80);
  w.setBounds(moved);
  EXPECT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, moved) && noRedAt(s, first); })) << "moved window";

  const Rect resized = Rect::fromSize(300, 200, 200, 150);
  w.setBounds(resized);
  EXPECT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, resized); })) << "resized window";

  w.hide();
  EXPECT_TRUE(screenShows([&](const Screenshot& s) { return noRedAt(s, resized); })) << "hidden window";

  w.show();
  EXPECT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, resized); })) << "shown again";
}

TEST_F(SdlBackendTest, KeyboardFocusStaysWithTheActiveWindowAsPopupsAndDialogsComeAndGo) {
  // No window manager runs on the test display: nobody but the program moves the focus.
  Window& main = makeWindow(Rect::fromSize(50, 50, 300, 200), "Главное окно");
  main.show();
  std::string mainId = x11WindowId(backend_->sdlWindowId(main));
  ASSERT_TRUE(runUntil([&] { return focusedX11Window() == mainId; })) << "a shown window has the keyboard";

  // SDL hands the keyboard to every window it maps; a menu never keeps it.
  Window& menu = makeWindow(Rect::fromSize(60, 80, 120, 100), "", WS_EX_NOACTIVATE);
  menu.showNoActivate();
  system_->processMessages();
  EXPECT_TRUE(runUntil([&] { return focusedX11Window() == mainId; })) << "while the menu is open";
  menu.hide();
  EXPECT_TRUE(runUntil([&] { return focusedX11Window() == mainId; })) << "after the menu closed";

  Window& box = makeWindow(Rect::fromSize(120, 120, 200, 100), "Tavra", 0, WS_POPUP | WS_CAPTION);
  box.show();
  std::string boxId = x11WindowId(backend_->sdlWindowId(box));
  EXPECT_TRUE(runUntil([&] { return focusedX11Window() == boxId; })) << "the box takes the keyboard";
  windows_.pop_back();  // the box is destroyed
  EXPECT_TRUE(runUntil([&] { return focusedX11Window() == mainId; })) << "after the box closed";
  EXPECT_EQ(system_->activeWindow(), &main);

  // Wherever the keyboard went meanwhile, a click on a window of ours brings it back.
  dropKeyboardFocus(backend_->sdlWindowId(main));
  ASSERT_NE(focusedX11Window(), mainId);
  system_->dispatchInput(InputEvent::mouse(InputEvent::Kind::MouseDown, {100, 100}));
  system_->dispatchInput(InputEvent::mouse(InputEvent::Kind::MouseUp, {100, 100}));
  EXPECT_TRUE(runUntil([&] { return focusedX11Window() == mainId; })) << "after a click";
}

TEST_F(SdlBackendTest, DisplayErrorsAreReportedOnceAndTheProgramGoesOn) {
  Window& w = makeWindow(Rect::fromSize(50, 50, 100, 100), "Окно");
  w.show();
  system_->processMessages();
  int before = SdlDisplayServer::ignoredErrorCount();
  testing::internal::CaptureStderr();
  // Xlib's own handler would end the process at the first of these.
  requestOnAMissingWindow(backend_->sdlWindowId(w));
  requestOnAMissingWindow(backend_->sdlWindowId(w));
  std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(SdlDisplayServer::ignoredErrorCount(), before + 2);
  // Each kind of error is reported once per process.
  size_t first = said.find("the display refused a request");
  if (before == 0) {
    EXPECT_NE(first, std::string::npos) << said;
  }
  if (first != std::string::npos) {
    EXPECT_EQ(said.find("the display refused a request", first + 1), std::string::npos) << said;
  }
  // The window system still works.
  w.setBounds(Rect::fromSize(60, 60, 100, 100));
  system_->processMessages();
  EXPECT_TRUE(w.isShowing());
}

TEST_F(SdlBackendTest, WindowRegionShapesTheWindow) {
  requirePrograms({"import"});
  const Rect bounds = Rect::fromSize(100, 100, 100, 80);
  Window& w = makeWindow(bounds, "Фигурное окно");
  w.show();
  ASSERT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, bounds); }));
  // Everything but a 20 × 20 notch at the top-left corner, where the window's pixels stay red.
  w.setWindowRegion(Region(Rect::fromSize(0, 0, 100, 80)).subtracted(Region(Rect::fromSize(0, 0, 20, 20))));
  EXPECT_TRUE(screenShows([&](const Screenshot& s) {
    return s.at(105, 105) != kRed && s.at(119, 119) != kRed && s.at(120, 100) == kRed && s.at(100, 120) == kRed && s.at(199, 179) == kRed;
  }));
  w.setWindowRegion(std::nullopt);
  EXPECT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, bounds) && s.at(105, 105) == kRed; }));
}

TEST_F(SdlBackendTest, PresentsOnlyTheChangedRectangles) {
  requirePrograms({"import"});
  const Rect bounds = Rect::fromSize(100, 100, 100, 100);
  Window& w = makeWindow(bounds, "Части");
  w.show();
  ASSERT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, bounds); }));
  system_->processMessages();
  // Blue everywhere in the bitmap, but only a 10 × 10 square reported as changed.
  w.backing().fill(0xFF0000FF);
  backend_->present(w, w.backing(), Region(Rect::fromSize(20, 30, 10, 10)));
  auto shot = display_->capture();
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->at(120, 130), 0x0000FFu);
  EXPECT_EQ(shot->at(129, 139), 0x0000FFu);
  EXPECT_EQ(shot->at(119, 130), kRed);
  EXPECT_EQ(shot->at(130, 139), kRed);
  EXPECT_EQ(shot->at(150, 150), kRed);
}

TEST_F(SdlBackendTest, StylesDecideTitleKindAndOpacity) {
  requirePrograms({"xprop", "xwininfo"});
  Window& normal = makeWindow(Rect::fromSize(50, 50, 100, 60), "Обычное окно");
  Window& hint = makeWindow(Rect::fromSize(200, 50, 100, 20), "Подсказка", WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);
  normal.show();
  hint.showNoActivate();
  normal.setOpacity(128);
  system_->processMessages();
  EXPECT_TRUE(backend_->supportsOpacity());
  EXPECT_FALSE(backend_->supportsPerPixelAlpha());

  std::string normalId = x11WindowId(backend_->sdlWindowId(normal));
  std::string hintId = x11WindowId(backend_->sdlWindowId(hint));
  ASSERT_FALSE(normalId.empty());
  ASSERT_FALSE(hintId.empty());
  auto query = [](std::vector<std::string> argv) {
    std::string out;
    runProgram(argv, &out, {"LC_ALL=C.UTF-8"});
    return out;
  };
  EXPECT_NE(query({"xprop", "-id", normalId, "_NET_WM_NAME"}).find("\"Обычное окно\""), std::string::npos);
  // 128 of 255 as the 32-bit opacity property: 0x80…, give or take SDL's float rounding.
  std::string opacity = query({"xprop", "-id", normalId, "_NET_WM_WINDOW_OPACITY"});
  size_t eq = opacity.find("= ");
  ASSERT_NE(eq, std::string::npos) << opacity;
  EXPECT_EQ(std::stoul(opacity.substr(eq + 2)) >> 24, 0x80u) << opacity;
  // The window manager leaves hints alone: they are placed as they are and never take focus.
  EXPECT_NE(query({"xwininfo", "-id", hintId}).find("Override Redirect State: yes"), std::string::npos);
  EXPECT_NE(query({"xwininfo", "-id", normalId}).find("Override Redirect State: no"), std::string::npos);
}

// The desktop sees one program: every window has its name and class, one window carries the
// taskbar entry titled after the program, the others belong to it; splash, hints and menus have
// the kinds that keep window managers from framing or listing them.
TEST_F(SdlBackendTest, OneTaskbarEntryCarriedByTheMainWindowOrTheWindowShownInstead) {
  requirePrograms({"xprop"});
  system_->setDesktopIdentity({.name = "tavra", .className = "Tavra", .title = "Tavra"});
  Window& splash = makeWindow(Rect::fromSize(300, 300, 60, 40), "");
  Window& main = makeWindow(Rect::fromSize(10, 10, 200, 150), "Учебник", 0, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  Window& testing = makeWindow(Rect::fromSize(250, 10, 200, 150), "Тестирование", 0, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  Window& about = makeWindow(Rect::fromSize(10, 200, 150, 100), "О программе", 0, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME);
  Window& hint = makeWindow(Rect::fromSize(200, 300, 80, 20), "", WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW);
  WindowParams menuParams;
  menuParams.className = "#32768";
  menuParams.style = WS_POPUP;
  menuParams.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  menuParams.bounds = Rect::fromSize(400, 300, 80, 60);
  windows_.push_back(system_->createWindow(menuParams));
  Window& menu = *windows_.back();
  system_->setSplashWindow(&splash);
  system_->setTaskbarWindows({&main, &testing});

  auto property = [&](const Window& w, const char* name) {
    std::string out;
    runProgram({"xprop", "-id", x11WindowId(backend_->sdlWindowId(w)), name}, &out, {"LC_ALL=C.UTF-8"});
    return out;
  };
  auto listed = [&](const Window& w) { return property(w, "_NET_WM_STATE").find("_NET_WM_STATE_SKIP_TASKBAR") == std::string::npos; };
  auto ownerOf = [&](const Window& w) {
    std::string out = property(w, "WM_TRANSIENT_FOR");
    size_t id = out.find("window id # ");
    return id == std::string::npos ? 0ul : std::stoul(out.substr(id + 12), nullptr, 0);
  };

  splash.show();
  system_->processMessages();
  EXPECT_NE(property(splash, "_NET_WM_WINDOW_TYPE").find("_NET_WM_WINDOW_TYPE_SPLASH"), std::string::npos);
  EXPECT_FALSE(listed(splash));
  splash.hide();
  main.show();
  about.show();
  hint.showNoActivate();
  menu.showNoActivate();
  testing.show();
  system_->processMessages();

  for (Window* w : {&splash, &main, &testing, &about, &hint, &menu}) {
    EXPECT_NE(property(*w, "WM_CLASS").find("\"tavra\", \"Tavra\""), std::string::npos) << w->text();
    EXPECT_NE(property(*w, "WM_WINDOW_ROLE").find("\"" + w->className() + "\""), std::string::npos) << w->text();
  }
  const unsigned long mainId = std::stoul(x11WindowId(backend_->sdlWindowId(main)));
  EXPECT_TRUE(listed(main));
  EXPECT_NE(property(main, "_NET_WM_NAME").find("\"Tavra\""), std::string::npos);
  EXPECT_EQ(ownerOf(main), 0ul);
  for (Window* w : {&testing, &about, &splash}) {
    EXPECT_FALSE(listed(*w)) << w->text();
    EXPECT_EQ(ownerOf(*w), mainId) << w->text();
  }
  EXPECT_FALSE(listed(hint));
  EXPECT_FALSE(listed(menu));
  EXPECT_NE(property(testing, "_NET_WM_NAME").find("\"Тестирование\""), std::string::npos);
  EXPECT_NE(property(hint, "_NET_WM_WINDOW_TYPE").find("_NET_WM_WINDOW_TYPE_TOOLTIP"), std::string::npos);
  EXPECT_NE(property(menu, "_NET_WM_WINDOW_TYPE").find("_NET_WM_WINDOW_TYPE_POPUP_MENU"), std::string::npos);

  // The main window hidden, the window shown in its place carries the entry, and the windows
  // beside it belong to it now (a window manager would hide them with a hidden owner).
  main.hide();
  system_->processMessages();
  EXPECT_TRUE(listed(testing));
  EXPECT_NE(property(testing, "_NET_WM_NAME").find("\"Tavra\""), std::string::npos);
  EXPECT_EQ(ownerOf(testing), 0ul);
  EXPECT_FALSE(listed(about));
  EXPECT_EQ(ownerOf(about), std::stoul(x11WindowId(backend_->sdlWindowId(testing))));
  EXPECT_FALSE(listed(main));
  // And gives it back when the main window returns.
  main.show();
  testing.hide();
  system_->processMessages();
  EXPECT_TRUE(listed(main));
  EXPECT_FALSE(listed(testing));
  EXPECT_EQ(ownerOf(testing), mainId);
  EXPECT_NE(property(testing, "_NET_WM_NAME").find("\"Тестирование\""), std::string::npos);
}

// A window manager's own move (Alt+drag, or another client moving the window) reaches the
// window system; the program's own moves coming back late never move a window back.
TEST_F(SdlBackendTest, MovesMadeOutsideTheProgramAreReportedAndItsOwnAreNot) {
  requirePrograms({"xdotool", "import"});
  Window& w = makeWindow(Rect::fromSize(100, 100, 120, 80), "Перемещение", 0, WS_CAPTION | WS_SYSMENU);
  w.show();
  system_->processMessages();
  ASSERT_EQ(xdotool({"windowmove", x11WindowId(backend_->sdlWindowId(w)), "300", "200"}), 0);
  EXPECT_TRUE(runUntil([&] { return w.bounds().topLeft() == Point{300, 200}; })) << w.bounds().left << ", " << w.bounds().top;
  EXPECT_EQ(w.bounds().size(), (Size{120, 80}));
  const Rect client = w.clientRect().offsetBy(300, 200);
  EXPECT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, client); }));

  // Three moves in a row by the program: whatever the display reports of the first two comes
  // back late and must not undo the third.
  w.setBounds(Rect::fromSize(110, 110, 120, 80));
  w.setBounds(Rect::fromSize(120, 120, 120, 80));
  w.setBounds(Rect::fromSize(130, 130, 120, 80));
  SDL_Event ev{};
  ev.type = SDL_WINDOWEVENT;
  ev.window.event = SDL_WINDOWEVENT_MOVED;
  ev.window.windowID = backend_->sdlWindowId(w);
  ev.window.data1 = 110;
  ev.window.data2 = 110;
  ASSERT_EQ(SDL_PushEvent(&ev), 1);
  for (int round = 0; round < 20; ++round) {
    system_->processMessages();
    backend_->wait(backend_->clock().now() + 25);
  }
  EXPECT_EQ(w.bounds().topLeft(), (Point{130, 130}));
}

TEST_F(SdlBackendTest, ReportsMouseInScreenCoordinates) {
  requirePrograms({"import", "xdotool"});
  showWindowUnderPointer(Rect::fromSize(100, 50, 200, 150), {150, 90});

  struct ButtonCase {
    const char* xButton;
    MouseButton button;
  };
  for (const ButtonCase& c : {ButtonCase{"1", MouseButton::Left}, ButtonCase{"2", MouseButton::Middle}, ButtonCase{"3", MouseButton::Right}}) {
    SCOPED_TRACE(c.xButton);
    ASSERT_EQ(xdotool({"click", c.xButton}), 0);
    auto down = nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::MouseDown; });
    ASSERT_TRUE(down);
    EXPECT_EQ(down->button, c.button);
    EXPECT_EQ(down->screen, (Point{150, 90}));
    auto up = nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::MouseUp; });
    ASSERT_TRUE(up);
    EXPECT_EQ(up->button, c.button);
    EXPECT_EQ(up->screen, (Point{150, 90}));
  }

  struct WheelCase {
    const char* xButton;
    int delta;
  };
  for (const WheelCase& c : {WheelCase{"4", 120}, WheelCase{"5", -120}}) {
    SCOPED_TRACE(c.xButton);
    ASSERT_EQ(xdotool({"click", c.xButton}), 0);
    auto wheel = nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::MouseWheel; });
    ASSERT_TRUE(wheel);
    EXPECT_EQ(wheel->wheelDelta, c.delta);
    EXPECT_EQ(wheel->screen, (Point{150, 90}));
  }

  ASSERT_EQ(xdotool({"mousemove", "260", "170"}), 0);
  auto move = nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::MouseMove && e.screen == Point{260, 170}; });
  EXPECT_TRUE(move);
  EXPECT_EQ(backend_->cursorPosition(), (Point{260, 170}));
}

TEST_F(SdlBackendTest, CursorShapesAreTheDisplaysOwnMadeOncePerShape) {
  makeWindow({100, 100, 300, 300}, "Указатель").show();
  system_->processMessages();
  std::vector<SDL_Cursor*> shown;
  for (std::size_t i = 0; i < kCursorShapeCount; ++i) {
    backend_->setCursorShape(static_cast<CursorShape>(i));
    shown.push_back(SDL_GetCursor());
    EXPECT_NE(shown.back(), nullptr) << cursorShapeName(static_cast<CursorShape>(i));
  }
  for (std::size_t i = 1; i < shown.size(); ++i) EXPECT_NE(shown[i], shown[i - 1]) << "each shape is its own cursor";
  backend_->setCursorShape(CursorShape::Arrow);
  EXPECT_EQ(SDL_GetCursor(), shown[0]) << "a shape shown again reuses its cursor";
  // A shape already shown is not set again: a cursor set behind the backend's back stays.
  SDL_Cursor* other = SDL_GetDefaultCursor();
  SDL_SetCursor(other);
  backend_->setCursorShape(CursorShape::Arrow);
  EXPECT_EQ(SDL_GetCursor(), other);
  backend_->setCursorShape(CursorShape::IBeam);
  EXPECT_EQ(SDL_GetCursor(), shown[static_cast<std::size_t>(CursorShape::IBeam)]);
}

TEST_F(SdlBackendTest, PointerLeavesTheDesktopOnlyWhenOutsideEveryWindow) {
  requirePrograms({"import", "xdotool"});
  showWindowUnderPointer(Rect::fromSize(100, 50, 100, 100), {150, 90});
  const Rect right = Rect::fromSize(200, 50, 100, 100);
  Window& neighbour = makeWindow(right, "Сосед");
  neighbour.show();
  ASSERT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, Rect::fromSize(100, 50, 200, 100)); }));
  drain();

  ASSERT_EQ(xdotool({"mousemove", "250", "90"}), 0);
  std::vector<InputEvent> passed;
  auto inNeighbour = nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::MouseMove && e.screen == Point{250, 90}; }, &passed);
  ASSERT_TRUE(inNeighbour);
  for (const InputEvent& e : drain()) passed.push_back(e);
  for (const InputEvent& e : passed) EXPECT_NE(e.kind, InputEvent::Kind::MouseLeftDesktop);

  ASSERT_EQ(xdotool({"mousemove", "700", "600"}), 0);
  EXPECT_TRUE(nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::MouseLeftDesktop; }));
}

TEST_F(SdlBackendTest, ReportsKeysWithModifiersAndTypedText) {
  requirePrograms({"import", "xdotool"});
  showWindowUnderPointer(Rect::fromSize(100, 50, 200, 150), {150, 90});

  struct KeyCase {
    const char* xKey;
    unsigned key;
    unsigned modifiers;
  };
  for (const KeyCase& c : {KeyCase{"a", VK_A, 0}, KeyCase{"F5", VK_F1 + 4, 0}, KeyCase{"Left", VK_LEFT, 0}, KeyCase{"Return", VK_RETURN, 0},
                           KeyCase{"ctrl+c", VK_C, kModControl}, KeyCase{"shift+Tab", VK_TAB, kModShift}, KeyCase{"alt+x", VK_X, kModAlt}}) {
    SCOPED_TRACE(c.xKey);
    ASSERT_EQ(xdotool({"key", c.xKey}), 0);
    auto down = nextEvent([&](const InputEvent& e) { return e.kind == InputEvent::Kind::KeyDown && e.key == c.key; });
    ASSERT_TRUE(down);
    EXPECT_EQ(down->modifiers, c.modifiers);
    EXPECT_TRUE(nextEvent([&](const InputEvent& e) { return e.kind == InputEvent::Kind::KeyUp && e.key == c.key; }));
  }
  drain();

  // xdotool types characters missing from the keyboard map by binding a spare key for a moment:
  // the program has to be reading its input meanwhile, as it is when it runs.
  std::string typed;
  auto readText = [&] {
    backend_->wait(backend_->clock().now() + 10);
    while (std::optional<InputEvent> ev = backend_->pollEvent()) {
      if (ev->kind == InputEvent::Kind::Text) typed += ev->text;
    }
  };
  // xdotool reads its argument in the locale's encoding.
  ASSERT_EQ(test::runProgramWhile({"xdotool", "type", "--delay", "100", "Ёж"}, readText, {"LC_ALL=C.UTF-8"}), 0);
  auto until = SteadyClock::now() + kPatience;
  while (typed != "Ёж" && SteadyClock::now() < until) readText();
  EXPECT_EQ(typed, "Ёж");
}

TEST_F(SdlBackendTest, AKeyHeldWhileAMenuAppearsIsPressedAndReleasedOnce) {
  // Without a window manager SDL gives the keyboard to the menu it maps, the backend gives it
  // back, and SDL reports the held Alt released and pressed again on the way: the program must
  // see one press and one release, or Alt+Space closes its own system menu.
  requirePrograms({"import", "xdotool"});
  Window& main = showWindowUnderPointer(Rect::fromSize(100, 50, 200, 150), {150, 90});
  const std::string mainId = x11WindowId(backend_->sdlWindowId(main));
  ASSERT_TRUE(runUntil([&] { return focusedX11Window() == mainId; }));
  ASSERT_EQ(xdotool({"keydown", "alt"}), 0);
  ASSERT_TRUE(nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::KeyDown && e.key == VK_MENU; }));

  Window& menu = makeWindow(Rect::fromSize(120, 70, 120, 100), "", WS_EX_NOACTIVATE);
  menu.showNoActivate();
  // Read the backend directly: the window system would take the events itself.
  std::vector<InputEvent> seen;
  for (int round = 0; round < 20; ++round) {
    for (InputEvent& e : drain()) seen.push_back(e);
    backend_->wait(backend_->clock().now() + 20);
  }
  ASSERT_EQ(focusedX11Window(), mainId);
  ASSERT_EQ(xdotool({"keyup", "alt"}), 0);
  auto up = nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::KeyUp && e.key == VK_MENU; }, &seen);
  EXPECT_TRUE(up) << "the real release arrives";
  for (const InputEvent& e : seen) {
    const bool altKey = (e.kind == InputEvent::Kind::KeyDown || e.kind == InputEvent::Kind::KeyUp) && e.key == VK_MENU;
    EXPECT_FALSE(altKey) << "Alt reported " << (e.kind == InputEvent::Kind::KeyDown ? "pressed" : "released") << " while held";
  }
  menu.hide();
  drain();
}

TEST_F(SdlBackendTest, DraggingTheCaptionMovesTheWindowWithThePointer) {
  requirePrograms({"import", "xdotool"});
  const Rect start = Rect::fromSize(100, 100, 300, 200);
  Window& w = makeWindow(start, "Перетаскивание", 0, WS_CAPTION | WS_SYSMENU);
  w.show();
  const Rect client = w.clientRect().offsetBy(start.topLeft());
  ASSERT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, client); }));
  const Rect caption = ClassicFrame::geometry(w).caption;
  ASSERT_FALSE(caption.isEmpty());
  const Point grab = start.topLeft() + Point{caption.left + 40, (caption.top + caption.bottom) / 2};
  auto moveTo = [&](Point p) {
    ASSERT_EQ(xdotool({"mousemove", std::to_string(p.x), std::to_string(p.y)}), 0);
    ASSERT_TRUE(runUntil([&] { return system_->cursorPos() == p; })) << p.x << ", " << p.y;
  };

  moveTo(grab);
  ASSERT_EQ(xdotool({"mousedown", "1"}), 0);
  ASSERT_TRUE(runUntil([&] { return system_->isButtonDown(MouseButton::Left); }));
  // Steps, each taken while the window is still moving from the one before.
  for (int step = 1; step <= 8; ++step) moveTo(grab + Point{10 * step, 6 * step});
  ASSERT_EQ(xdotool({"mouseup", "1"}), 0);
  ASSERT_TRUE(runUntil([&] { return !system_->isButtonDown(MouseButton::Left); }));

  const Point moved = start.topLeft() + Point{80, 48};
  EXPECT_EQ(w.bounds().topLeft(), moved);
  int x = 0;
  int y = 0;
  SDL_GetWindowPosition(SDL_GetWindowFromID(backend_->sdlWindowId(w)), &x, &y);
  EXPECT_EQ((Point{x, y}), moved);
  EXPECT_TRUE(screenShows([&](const Screenshot& s) { return showsRedAt(s, client.offsetBy(80, 48)); }));
}

TEST_F(SdlBackendTest, WindowManagerMinimiseAndRestoreReachTheWindow) {
  Window& w = makeWindow(Rect::fromSize(100, 50, 100, 100), "Свернуть");
  w.show();
  system_->processMessages();

  pushWindowEvent(w, SDL_WINDOWEVENT_MINIMIZED);
  system_->processMessages();
  EXPECT_TRUE(w.isMinimized());
  EXPECT_FALSE(w.isShowing());
  // No window manager runs on the test display: the window is hidden rather than left where
  // nobody could restore it from.
  EXPECT_FALSE(SDL_GetWindowFlags(SDL_GetWindowFromID(backend_->sdlWindowId(w))) & SDL_WINDOW_SHOWN);

  pushWindowEvent(w, SDL_WINDOWEVENT_RESTORED);
  system_->processMessages();
  EXPECT_FALSE(w.isMinimized());
  EXPECT_TRUE(w.isShowing());
  EXPECT_TRUE(SDL_GetWindowFlags(SDL_GetWindowFromID(backend_->sdlWindowId(w))) & SDL_WINDOW_SHOWN);

  // SDL reports every unmapped window as minimised, hidden ones included: hidden is not minimised.
  w.hide();
  pushWindowEvent(w, SDL_WINDOWEVENT_MINIMIZED);
  system_->processMessages();
  EXPECT_FALSE(w.isMinimized());
  // Restoring a window that was never minimised does nothing.
  pushWindowEvent(w, SDL_WINDOWEVENT_RESTORED);
  system_->processMessages();
  EXPECT_FALSE(w.isVisible());
}

TEST_F(SdlBackendTest, CloseOfOneWindowIsNoQuit) {
  Window& w = makeWindow(Rect::fromSize(100, 50, 100, 100), "Закрыть");
  w.show();
  system_->processMessages();
  ASSERT_NE(backend_->sdlWindowId(w), 0u);
  drain();

  // What SDL reports when the window manager closes the only window.
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  close.window.windowID = backend_->sdlWindowId(w);
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  ASSERT_EQ(SDL_PushEvent(&close), 1);
  ASSERT_EQ(SDL_PushEvent(&quit), 1);
  auto request = nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::CloseRequest; });
  ASSERT_TRUE(request);
  EXPECT_EQ(request->window, w.handle());
  for (const InputEvent& e : drain()) EXPECT_NE(e.kind, InputEvent::Kind::Quit);

  // A quit of its own (the session ends) is one.
  ASSERT_EQ(SDL_PushEvent(&quit), 1);
  EXPECT_TRUE(nextEvent([](const InputEvent& e) { return e.kind == InputEvent::Kind::Quit; }));
}

TEST_F(SdlBackendTest, ReportsDesktopAndSharesTheClipboard) {
  EXPECT_EQ(backend_->desktopSize(), (Size{1024, 768}));
  backend_->setClipboardText("Ёж, ∂u/∂t");
  EXPECT_EQ(backend_->clipboardText(), "Ёж, ∂u/∂t");
}

TEST(SdlBackendWithoutDisplay, SaysThatNoDisplayIsAvailable) {
  // Restores the variables the check looks at when the test ends.
  struct SavedVariable {
    const char* name;
    std::optional<std::string> value;
    explicit SavedVariable(const char* n) : name(n) {
      if (const char* v = getenv(n)) value = v;
      unsetenv(n);
    }
    ~SavedVariable() {
      if (value) setenv(name, value->c_str(), 1);
    }
  };
  SavedVariable display("DISPLAY"), wayland("WAYLAND_DISPLAY"), driver("SDL_VIDEODRIVER");
  std::string error;
  EXPECT_EQ(createSdlBackend(&error), nullptr);
  EXPECT_NE(error.find("No display"), std::string::npos) << error;
  EXPECT_NE(error.find("DISPLAY"), std::string::npos) << error;
}

}  // namespace
}  // namespace tavra

// Last: the X11 headers define macros (None, Bool, Status) that clash with ordinary names.
#include <SDL_syswm.h>

namespace tavra {
namespace {

std::string SdlBackendTest::x11WindowId(std::uint32_t sdlId) {
  SDL_Window* window = SDL_GetWindowFromID(sdlId);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return {};
  return std::to_string(info.info.x11.window);
}

std::string SdlBackendTest::focusedX11Window() {
  std::string out;
  if (runProgram({"xdotool", "getwindowfocus"}, &out) != 0) return {};
  while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
  return out;
}

void SdlBackendTest::dropKeyboardFocus(std::uint32_t anySdlId) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  SDL_Window* window = SDL_GetWindowFromID(anySdlId);
  ASSERT_TRUE(window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11);
  XSetInputFocus(info.info.x11.display, None, RevertToNone, CurrentTime);
  XSync(info.info.x11.display, False);
}

void SdlBackendTest::requestOnAMissingWindow(std::uint32_t anySdlId) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  SDL_Window* window = SDL_GetWindowFromID(anySdlId);
  ASSERT_TRUE(window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11);
  Display* display = info.info.x11.display;
  // An id of our own connection that names no window: the server answers BadWindow.
  ::Window missing = info.info.x11.window + 0x7FFF;
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = missing;
  e.xclient.format = 32;
  XSendEvent(display, missing, False, NoEventMask, &e);
  XSync(display, False);
}

}  // namespace
}  // namespace tavra
