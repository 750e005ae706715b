// Painting: order, clipping by children and regions, update regions.
#include <map>

#include "WindowSystemFixture.h"

namespace tavra::test {
namespace {

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);
constexpr Color kGreen = rgb(0, 255, 0);

TEST_F(WindowSystemTest, ChildrenClipTheirParentAndPaintOverIt) {
  for (std::uint32_t parentStyle : {0u, static_cast<std::uint32_t>(WS_CLIPCHILDREN)}) {
    auto top = make({100, 100, 300, 250}, kRed, nullptr, parentStyle);
    auto child = make({20, 20, 70, 60}, kBlue, top.get());
    child->show();
    top->show();
    EXPECT_EQ(screenAt(100 + 30, 100 + 30), kBlue) << parentStyle;
    EXPECT_EQ(screenAt(100 + 5, 100 + 5), kRed);
    EXPECT_EQ(screenAt(100 + 70, 100 + 60), kRed) << "right and bottom edges are outside";
    // The parent's own paint never reaches under a child when it clips children.
    if (parentStyle & WS_CLIPCHILDREN) {
      auto dc = ws_->getDC(*top);
      EXPECT_FALSE(dc->canvas().clipRegion().contains({30, 30}));
      EXPECT_TRUE(dc->canvas().clipRegion().contains({5, 5}));
    }
  }
}

TEST_F(WindowSystemTest, ChildIsClippedToItsParentsClientArea) {
  auto top = make({0, 0, 100, 100}, kRed);
  auto child = make({60, 60, 160, 160}, kBlue, top.get());
  child->show();
  top->show();
  EXPECT_EQ(screenAt(80, 80), kBlue);
  EXPECT_NE(screenAt(120, 120), kBlue);
}

TEST_F(WindowSystemTest, WindowRegionHolesAreNeitherPaintedNorHit) {
  auto top = make({100, 100, 200, 200}, kGreen);
  Region shape(Rect{0, 0, 100, 100});
  shape.subtract(Rect{40, 40, 60, 60});
  top->setWindowRegion(shape);
  top->show();
  Color desktop = systemColorValue(static_cast<int>(SysColor::Desktop));
  EXPECT_EQ(screenAt(150, 150), desktop);
  EXPECT_EQ(screenAt(110, 110), kGreen);
  EXPECT_EQ(ws_->windowAt({150, 150}), nullptr);
  EXPECT_EQ(ws_->windowAt({110, 110}), top.get());
  // Drawing through a device context cannot reach the hole either.
  auto dc = ws_->getDC(*top);
  dc->canvas().fillRect({0, 0, 100, 100}, kRed);
  dc.reset();
  EXPECT_EQ(screenAt(150, 150), desktop);
  EXPECT_EQ(screenAt(110, 110), kRed);
}

TEST_F(WindowSystemTest, OnlyTheUpdateRegionRepaints) {
  auto top = make({0, 0, 200, 100}, kRed);
  top->show();
  ws_->processMessages();
  int before = paintCount[top->handle()];
  paintColor[top->handle()] = kBlue;
  top->invalidateRect({10, 10, 30, 20});
  ws_->processMessages();
  EXPECT_EQ(paintCount[top->handle()], before + 1);
  EXPECT_EQ(lastPaintRect[top->handle()], (Rect{10, 10, 30, 20}));
  EXPECT_EQ(screenAt(15, 15), kBlue);
  EXPECT_EQ(screenAt(35, 15), kRed) << "outside the update region nothing changed";
  // Nothing invalid: nothing painted.
  ws_->processMessages();
  EXPECT_EQ(paintCount[top->handle()], before + 1);
}

TEST_F(WindowSystemTest, FramePaintComesBeforeEraseAndPaint) {
  WindowParams p;
  p.className = "Framed";
  p.bounds = {10, 10, 200, 150};
  p.style = WS_CAPTION | WS_SYSMENU;
  std::vector<MessageId> order;
  p.proc = [&](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_NCPAINT || m == WM_ERASEBKGND || m == WM_PAINT) order.push_back(m);
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto w = ws_->createWindow(p);
  w->show();
  ws_->processMessages();
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0], static_cast<MessageId>(WM_NCPAINT));
  EXPECT_EQ(order[1], static_cast<MessageId>(WM_ERASEBKGND));
  EXPECT_EQ(order[2], static_cast<MessageId>(WM_PAINT));
  // The caption bar's height is the system's, client below it.
  EXPECT_EQ(w->clientRect().top, 3 + 19);
}

TEST_F(WindowSystemTest, HiddenChildUncoversItsParent) {
  auto top = make({0, 0, 100, 100}, kRed);
  auto child = make({10, 10, 50, 50}, kBlue, top.get());
  child->show();
  top->show();
  EXPECT_EQ(screenAt(20, 20), kBlue);
  child->hide();
  EXPECT_EQ(screenAt(20, 20), kRed);
}

TEST_F(WindowSystemTest, OpacityBlendsWithTheDesktop) {
  auto top = make({0, 0, 50, 50}, rgb(255, 255, 255));
  top->setOpacity(0);
  top->show();
  Color desktop = systemColorValue(static_cast<int>(SysColor::Desktop));
  EXPECT_EQ(screenAt(10, 10), desktop);
  top->setOpacity(255);
  EXPECT_EQ(screenAt(10, 10), rgb(255, 255, 255));
  top->setOpacity(128);
  Color mixed = screenAt(10, 10);
  EXPECT_GT(redOf(mixed), redOf(desktop));
  EXPECT_LT(redOf(mixed), 255);
}

}  // namespace
}  // namespace tavra::test
