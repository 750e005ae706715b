// Windows that answer HTTRANSPARENT to hit tests: a child hands the mouse to its parent, a
// top-level window (a glow over a button) to the windows below it.
#include "WindowSystemFixture.h"

namespace tavra::test {
namespace {

class HitTransparentTest : public WindowSystemTest {
 protected:
  // A top-level window over `bounds` that answers every hit test with HTTRANSPARENT.
  std::unique_ptr<Window> glass(Rect bounds) {
    WindowParams p;
    p.className = "Glass";
    p.bounds = bounds;
    p.style = WS_POPUP;
    p.proc = [this](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
      log.push_back({w.handle(), m, wp, lp});
      if (m == WM_NCHITTEST) return HTTRANSPARENT;
      return w.system().defWindowProc(w, m, wp, lp);
    };
    auto w = ws_->createWindow(p);
    w->show();
    return w;
  }
  void click(Point p) {
    inject(InputEvent::Kind::MouseMove, p);
    inject(InputEvent::Kind::MouseDown, p);
    inject(InputEvent::Kind::MouseUp, p);
  }
};

TEST_F(HitTransparentTest, ATopLevelWindowLetsTheMouseThroughToTheWindowsBelow) {
  auto bottom = make({0, 0, 200, 200}, clWhite);
  auto middle = make({50, 50, 150, 150}, clWhite);
  bottom->show();
  middle->show();
  auto upper = glass({40, 40, 160, 160});
  auto top = glass({0, 0, 100, 100});

  click({60, 60});  // under both glasses, over the middle window
  EXPECT_EQ(countOf(*middle, WM_LBUTTONDOWN), 1);
  EXPECT_EQ(countOf(*middle, WM_LBUTTONUP), 1);
  EXPECT_EQ(countOf(*bottom, WM_LBUTTONDOWN), 0);
  EXPECT_EQ(countOf(*top, WM_LBUTTONDOWN) + countOf(*upper, WM_LBUTTONDOWN), 0);

  click({20, 20});  // under one glass, beside the middle window
  EXPECT_EQ(countOf(*bottom, WM_LBUTTONDOWN), 1);

  bottom->hide();
  click({20, 20});  // nothing below the glass: nobody gets it
  EXPECT_EQ(countOf(*bottom, WM_LBUTTONDOWN), 1);
  EXPECT_EQ(countOf(*top, WM_LBUTTONDOWN), 0);
}

TEST_F(HitTransparentTest, AChildHandsTheMouseToItsParent) {
  auto parent = make({0, 0, 200, 200}, clWhite);
  WindowParams p;
  p.bounds = {10, 10, 60, 60};
  p.parent = parent.get();
  p.style = WS_CHILD | WS_VISIBLE;
  p.proc = [](Window& w, MessageId m, WParam wp, LParam lp) -> LResult {
    if (m == WM_NCHITTEST) return HTTRANSPARENT;
    return w.system().defWindowProc(w, m, wp, lp);
  };
  auto child = ws_->createWindow(p);
  parent->show();
  click({20, 20});
  EXPECT_EQ(countOf(*parent, WM_LBUTTONDOWN), 1);
}

}  // namespace
}  // namespace tavra::test
