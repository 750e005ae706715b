// Hints: the pause before a hint, the short pause between hints, the hide pause, which
// control's hint shows, the show-hint event, and the hint window class.
#include <string>

#include "FrameworkFixture.h"
#include "framework/controls/Button.h"
#include "framework/core/HintController.h"
#include "framework/core/HintWindow.h"
#include "framework/controls/Panel.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

class HintForm : public TForm {
 public:
  explicit HintForm(TComponent* owner) : TForm(owner) {
    setBounds(100, 100, 400, 300);
    first = button("Первая", "Подсказка первой", 10);
    second = button("Вторая", "Подсказка второй|длинная часть", 100);
    silent = button("Без подсказки", "", 190);
    panel = &make<TPanel>();
    panel->setParent(this);
    panel->setBounds(10, 100, 200, 100);
    panel->setHint("Подсказка панели");
    panel->setShowHint(true);
    inner = &make<TButton>();
    inner->setParent(panel);
    inner->setBounds(10, 10, 80, 25);
    inner->setParentShowHint(false);
    inner->setShowHint(false);
  }
  TButton* button(const char* caption, const char* hint, int x) {
    TButton& b = make<TButton>();
    b.setParent(this);
    b.setBounds(x, 10, 80, 25);
    b.setCaption(caption);
    b.setHint(hint);
    b.setShowHint(true);
    return &b;
  }
  TButton *first = nullptr, *second = nullptr, *silent = nullptr, *inner = nullptr;
  TPanel* panel = nullptr;
};

class HintTest : public FrameworkTest {
 protected:
  HintForm& form() {
    if (!form_) {
      form_ = &makeForm<HintForm>();
      form_->Show();
      driver.moveTo({2, 2});
    }
    return *form_;
  }
  THintWindow* hintWindow() { return driver.app().hints().window(); }
  bool shown() { return driver.app().hints().showing(); }
  std::string shownText() { return shown() ? hintWindow()->caption() : ""; }

 private:
  HintForm* form_ = nullptr;
};

TEST_F(HintTest, AHintAppearsAfterThePauseAndGoesAfterTheHidePause) {
  HintForm& f = form();
  driver.moveTo(driver.centreOf(*f.first));
  driver.advance(490);
  EXPECT_FALSE(shown());
  driver.advance(10);
  ASSERT_TRUE(shown());
  EXPECT_EQ(shownText(), "Подсказка первой");
  Rect r = hintWindow()->window()->bounds();
  EXPECT_EQ(r.topLeft(), (driver.centreOf(*f.first) + Point{0, 20})) << "below the pointer";
  EXPECT_EQ(hintWindow()->window()->className(), "THintWindow");
  EXPECT_EQ(WindowSystem::instance().activeWindow(), f.window()) << "a hint never takes the activation";
  driver.advance(2490);
  EXPECT_TRUE(shown());
  driver.advance(10);
  EXPECT_FALSE(shown());
  driver.advance(5000);
  EXPECT_FALSE(shown()) << "it comes back only on another control";
}

TEST_F(HintTest, MovingOnFromAShownHintUsesTheShortPauseAndTheShortHint) {
  HintForm& f = form();
  driver.moveTo(driver.centreOf(*f.first));
  driver.advance(500);
  ASSERT_TRUE(shown());
  driver.moveTo(driver.centreOf(*f.second));
  EXPECT_FALSE(shown());
  driver.advance(50);
  EXPECT_EQ(shownText(), "Подсказка второй") << "the part before \"|\"";
  driver.moveTo(driver.centreOf(*f.silent));
  EXPECT_FALSE(shown());
  driver.advance(1000);
  EXPECT_FALSE(shown()) << "an empty hint shows nothing";
}

TEST_F(HintTest, AControlWithoutShowHintShowsTheHintOfTheNearestParentThatHasIt) {
  HintForm& f = form();
  driver.moveTo(driver.centreOf(*f.inner));
  driver.advance(500);
  EXPECT_EQ(shownText(), "Подсказка панели");
  EXPECT_EQ(driver.app().hints().hintControl(), f.panel);
  // Children that keep ParentShowHint follow their parent's switch.
  TButton& child = f.make<TButton>();
  child.setParent(f.panel);
  EXPECT_TRUE(child.showHint());
  f.panel->setShowHint(false);
  EXPECT_FALSE(child.showHint());
  EXPECT_FALSE(f.inner->showHint());
}

TEST_F(HintTest, AClickOrAKeyPutsTheHintAway) {
  HintForm& f = form();
  driver.moveTo(driver.centreOf(*f.first));
  driver.advance(500);
  ASSERT_TRUE(shown());
  driver.click(*f.first);
  EXPECT_FALSE(shown());
  driver.advance(1000);
  EXPECT_FALSE(shown());
  driver.moveTo(driver.centreOf(*f.second));
  driver.advance(500);
  ASSERT_TRUE(shown());
  driver.pressKey(VK_DOWN);
  EXPECT_FALSE(shown());
}

TEST_F(HintTest, TheShowHintEventCanChangeMoveOrCancelAHint) {
  HintForm& f = form();
  driver.app().OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
    if (info.HintControl == f.second) {
      canShow = false;
      return;
    }
    text = "[" + text + "]";
    info.HintPos = {300, 400};
  };
  driver.moveTo(driver.centreOf(*f.first));
  driver.advance(500);
  EXPECT_EQ(shownText(), "[Подсказка первой]");
  EXPECT_EQ(hintWindow()->window()->bounds().topLeft(), (Point{300, 400}));
  driver.moveTo(driver.centreOf(*f.second));
  driver.advance(2000);
  EXPECT_FALSE(shown());
  driver.app().ShowHint = false;
  driver.moveTo(driver.centreOf(*f.first));
  driver.advance(2000);
  EXPECT_FALSE(shown()) << "the application's switch";
}

// A hint window class of its own: the one place hints are drawn is its Paint.
class GreenHint : public THintWindow {
 public:
  using THintWindow::THintWindow;
  Rect CalcHintRect(int, const std::string&, void*) override { return {0, 0, 50, 30}; }

 protected:
  void Paint() override { canvas()->fillRect(clientRect(), rgb(0, 160, 0)); }
};

TEST_F(HintTest, AHintWindowClassTakesOverMeasuringAndDrawing) {
  HintForm& f = form();
  driver.app().setHintWindowClass([](TComponent* owner) { return std::make_unique<GreenHint>(owner); });
  driver.moveTo(driver.centreOf(*f.first));
  driver.advance(500);
  ASSERT_TRUE(shown());
  EXPECT_NE(dynamic_cast<GreenHint*>(hintWindow()), nullptr);
  Rect r = hintWindow()->window()->bounds();
  EXPECT_EQ(r.size(), (Size{50, 34})) << "its own size, four pixels taller as every hint";
  Bitmap shot = driver.screenshot();
  EXPECT_EQ(shot.colorAt(r.left + 10, r.top + 10), rgb(0, 160, 0));
  EXPECT_EQ(shot.colorAt(r.left, r.top), rgb(0, 0, 0)) << "the thin frame";
}

}  // namespace
}  // namespace tavra::test
