// The scroll bar in a control's frame: the vertical bar's column, the horizontal bar's row, their
// parts, and the requests that presses, held presses and thumb drags send.
#include <vector>

#include "FrameworkFixture.h"
#include "framework/controls/ScrollBar.h"

namespace tavra::test {
namespace {

// A control that scrolls a range of 0 to 99 in pages of 10 and records the requests.
class Scroller : public TCustomControl {
 public:
  explicit Scroller(TComponent* owner, ScrollBar::Orientation orientation = ScrollBar::Orientation::Vertical)
      : TCustomControl(owner), bar(*this, orientation, ScrollBar::Visibility::WhenNeeded) {}
  void WndProc(TMessage& m) override {
    if (bar.handleMessage(m, [this](TMessage& msg) { msg.Result = DefaultHandler(msg); })) return;
    if (m.Msg == (bar.orientation() == ScrollBar::Orientation::Vertical ? WM_VSCROLL : WM_HSCROLL)) {
      unsigned code = loWord(m.WParam_);
      requests.push_back(code);
      int pos = bar.position();
      if (code == SB_LINEUP) pos -= 1;
      if (code == SB_LINEDOWN) pos += 1;
      if (code == SB_PAGEUP) pos -= bar.page();
      if (code == SB_PAGEDOWN) pos += bar.page();
      if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) pos = bar.trackPosition();
      bar.setPosition(pos);
      return;
    }
    TCustomControl::WndProc(m);
  }
  ScrollBar bar;
  std::vector<unsigned> requests;
};

class ScrollForm : public TForm {
 public:
  explicit ScrollForm(TComponent* owner, ScrollBar::Orientation orientation = ScrollBar::Orientation::Vertical) : TForm(owner) {
    setBounds(100, 100, 300, 300);
    scroller = &make<Scroller>(orientation);
    scroller->setParent(this);
    scroller->setBounds(10, 10, 120, 200);
  }
  Scroller* scroller = nullptr;
};

class HorizontalScrollForm : public ScrollForm {
 public:
  explicit HorizontalScrollForm(TComponent* owner) : ScrollForm(owner, ScrollBar::Orientation::Horizontal) {}
};

class ScrollBarTest : public FrameworkTest {
 protected:
  Scroller& s() {
    if (!form_) {
      form_ = &makeForm<ScrollForm>();
      form_->Show();
    }
    return *form_->scroller;
  }
  Point at(ScrollBar::Part part, int dy = 0) {
    Rect r = s().bar.partRect(part);
    return s().window()->screenOrigin() + Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2 + dy};
  }

 private:
  ScrollForm* form_ = nullptr;
};

TEST_F(ScrollBarTest, TheBarTakesItsColumnOnlyWhenThereIsMoreThanAPage) {
  Scroller& c = s();
  EXPECT_FALSE(c.bar.shown());
  EXPECT_EQ(c.clientWidth(), 120);
  c.bar.setRange(99, 10);
  ASSERT_TRUE(c.bar.shown());
  EXPECT_EQ(c.clientWidth(), 104);
  EXPECT_EQ(c.bar.barRect(), (Rect{104, 0, 120, 200}));
  Point p = at(ScrollBar::Part::LineForward);
  EXPECT_EQ(c.window()->send(WM_NCHITTEST, 0, makeLParam(p.x, p.y)), HTVSCROLL);
  EXPECT_EQ(c.bar.partRect(ScrollBar::Part::LineBack), (Rect{104, 0, 120, 16}));
  EXPECT_EQ(c.bar.partRect(ScrollBar::Part::LineForward), (Rect{104, 184, 120, 200}));
  // The thumb: a tenth of the 168-pixel track, at the top, then at the bottom.
  EXPECT_EQ(c.bar.partRect(ScrollBar::Part::Thumb), (Rect{104, 16, 120, 32}));
  c.bar.setPosition(90);
  EXPECT_EQ(c.bar.partRect(ScrollBar::Part::Thumb), (Rect{104, 168, 120, 184}));
  c.bar.setPosition(500);
  EXPECT_EQ(c.bar.position(), 90) << "kept within the range";
  c.bar.setRange(5, 10);
  EXPECT_FALSE(c.bar.shown());
  EXPECT_EQ(c.bar.position(), 0);
  EXPECT_EQ(c.clientWidth(), 120);
}

TEST_F(ScrollBarTest, PressesOnArrowsAndTrackRequestLinesAndPagesAndRepeatWhileHeld) {
  Scroller& c = s();
  c.bar.setRange(99, 10);
  driver.click(at(ScrollBar::Part::LineForward));
  EXPECT_EQ(c.requests, (std::vector<unsigned>{SB_LINEDOWN, SB_ENDSCROLL}));
  EXPECT_EQ(c.bar.position(), 1);
  c.requests.clear();
  driver.mouseDown(at(ScrollBar::Part::LineForward));
  driver.advance(340);
  EXPECT_EQ(c.bar.position(), 2) << "no repeat before the first delay";
  driver.advance(10 + 50 * 4);
  EXPECT_EQ(c.bar.position(), 7) << "then every 50 ms";
  driver.moveTo(at(ScrollBar::Part::LineForward) + Point{60, 0});
  driver.advance(200);
  EXPECT_EQ(c.bar.position(), 7) << "no repeat while the pointer is off the arrow";
  driver.mouseUp(at(ScrollBar::Part::LineForward) + Point{60, 0});
  EXPECT_EQ(c.requests.back(), static_cast<unsigned>(SB_ENDSCROLL));
  // A press below the thumb pages down until the thumb reaches the pointer.
  c.requests.clear();
  Point low = c.window()->screenOrigin() + Point{112, 170};
  driver.mouseDown(low);
  driver.advance(3000);
  driver.mouseUp(low);
  EXPECT_GE(c.bar.partRect(ScrollBar::Part::Thumb).bottom, 170);
  EXPECT_LT(c.bar.partRect(ScrollBar::Part::Thumb).top, 171) << "it stops under the pointer";
  EXPECT_EQ(c.requests.front(), static_cast<unsigned>(SB_PAGEDOWN));
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksAndEndsWithItsPosition) {
  Scroller& c = s();
  c.bar.setRange(99, 10);
  Point thumb = at(ScrollBar::Part::Thumb);
  driver.mouseDown(thumb);
  driver.moveTo(thumb + Point{0, 76});  // half of the 152 pixels the thumb can travel
  EXPECT_EQ(c.bar.position(), 45);
  EXPECT_EQ(c.requests.back(), static_cast<unsigned>(SB_THUMBTRACK));
  driver.moveTo(thumb + Point{0, 1000});
  EXPECT_EQ(c.bar.position(), 90);
  driver.mouseUp(thumb + Point{0, 1000});
  ASSERT_GE(c.requests.size(), 2u);
  EXPECT_EQ(c.requests[c.requests.size() - 2], static_cast<unsigned>(SB_THUMBPOSITION));
  EXPECT_EQ(c.requests.back(), static_cast<unsigned>(SB_ENDSCROLL));
  EXPECT_EQ(c.bar.position(), 90);
}

TEST_F(ScrollBarTest, AnAlwaysShownBarIsDisabledWhenThereIsNothingToScroll) {
  ScrollForm& f = makeForm<ScrollForm>();
  f.Show();
  ScrollBar always(*f.scroller, ScrollBar::Orientation::Vertical, ScrollBar::Visibility::Always);
  EXPECT_TRUE(always.shown());
  EXPECT_FALSE(always.scrollable());
  EXPECT_TRUE(always.partRect(ScrollBar::Part::Thumb).isEmpty()) << "no thumb";
}

TEST_F(ScrollBarTest, AHorizontalBarTakesARowAtTheBottomAndSendsHorizontalRequests) {
  ScrollForm& f = makeForm<HorizontalScrollForm>();
  f.Show();
  Scroller& c = *f.scroller;
  EXPECT_FALSE(c.bar.shown());
  c.bar.setRange(99, 10);
  ASSERT_TRUE(c.bar.shown());
  EXPECT_EQ(c.clientWidth(), 120);
  EXPECT_EQ(c.clientHeight(), 184);
  EXPECT_EQ(c.bar.barRect(), (Rect{0, 184, 120, 200}));
  Point origin = c.window()->screenOrigin();
  auto middle = [&](ScrollBar::Part part) {
    Rect r = c.bar.partRect(part);
    return origin + Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  Point p = middle(ScrollBar::Part::LineForward);
  EXPECT_EQ(c.window()->send(WM_NCHITTEST, 0, makeLParam(p.x, p.y)), HTHSCROLL);
  EXPECT_EQ(c.bar.partRect(ScrollBar::Part::LineBack), (Rect{0, 184, 16, 200}));
  EXPECT_EQ(c.bar.partRect(ScrollBar::Part::LineForward), (Rect{104, 184, 120, 200}));
  // The thumb: 8 pixels at least (a tenth of the 88-pixel track is less), at the left.
  EXPECT_EQ(c.bar.partRect(ScrollBar::Part::Thumb), (Rect{16, 184, 24, 200}));
  driver.click(p);
  EXPECT_EQ(c.requests, (std::vector<unsigned>{SB_LINERIGHT, SB_ENDSCROLL}));
  EXPECT_EQ(c.bar.position(), 1);
  c.requests.clear();
  driver.click(middle(ScrollBar::Part::PageForward));
  EXPECT_EQ(c.requests.front(), static_cast<unsigned>(SB_PAGERIGHT));
  EXPECT_EQ(c.bar.position(), 11);
  // Dragging the thumb right by half the 80 pixels it can travel.
  Point thumb = middle(ScrollBar::Part::Thumb);
  int from = c.bar.partRect(ScrollBar::Part::Thumb).left;
  driver.mouseDown(thumb);
  driver.moveTo(thumb + Point{56 - from, 40});
  EXPECT_EQ(c.bar.position(), 45) << "only the pointer's x counts";
  driver.moveTo(thumb + Point{-1000, 0});
  EXPECT_EQ(c.bar.position(), 0);
  driver.mouseUp(thumb + Point{-1000, 0});
  EXPECT_EQ(c.requests.back(), static_cast<unsigned>(SB_ENDSCROLL));
  c.bar.setRange(5, 10);
  EXPECT_FALSE(c.bar.shown());
  EXPECT_EQ(c.clientHeight(), 200);
}

}  // namespace
}  // namespace tavra::test

namespace tavra::test {
namespace {

TEST_F(ScrollBarTest, AnInstalledPainterPaintsTheBarOrLeavesItPlain) {
  struct Uninstall {
    ~Uninstall() { ScrollBar::setPainter(nullptr); }
  } uninstall;
  Scroller& c = s();
  c.bar.setRange(99, 10);
  driver.settle();
  const Point thumb = at(ScrollBar::Part::Thumb);
  const Point arrow = at(ScrollBar::Part::LineBack);
  auto pixel = [&](Point p) { return driver.screenshot().colorAt(p.x, p.y); };
  const Color plainThumb = pixel(thumb), plainArrow = pixel(arrow);
  const Color red = rgb(255, 0, 0);
  ASSERT_NE(plainThumb, red);

  bool takes = true;
  std::vector<const ScrollBar*> painted;
  ScrollBar::setPainter([&](Canvas& canvas, const ScrollBar& bar) {
    painted.push_back(&bar);
    if (takes) canvas.fillRect(bar.barRect(), red);
    return takes;
  });
  c.window()->invalidateFrame();
  driver.settle();
  EXPECT_EQ(pixel(thumb), red);
  EXPECT_EQ(pixel(arrow), red);
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.back(), &c.bar);

  takes = false;
  c.window()->invalidateFrame();
  driver.settle();
  EXPECT_EQ(pixel(thumb), plainThumb) << "declined: the plain look";
  EXPECT_EQ(pixel(arrow), plainArrow);
}

}  // namespace
}  // namespace tavra::test
