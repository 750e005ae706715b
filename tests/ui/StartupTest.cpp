// Start-up, the splash window and the hand-over between windows.
#include <gtest/gtest.h>

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "app/SplashWindow.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "selftest/TestingWindow.h"
#include "selftest/ResultWindow.h"
#include "viewer/MainWindow.h"
#include "viewer/AppendicesWindow.h"
#include "about/AboutWindow.h"

namespace tavra::test {
namespace {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { startProgram(driver); }
  ProgramWindows& w() { return programWindows(); }
  // Runs the splash show to its end.
  void passSplash() { ASSERT_TRUE(driver.advanceUntil([&] { return w().mainWindow->visible(); }, 20000, 50)); }

  HeadlessDriver driver;
};

TEST_F(ProgramTest, SixWindowsInOrderWithTheSplashAsMainForm) {
  std::vector<std::string> classes;
  for (TComponent* c : driver.app().components()) classes.push_back(c->ClassName());
  EXPECT_EQ(classes, (std::vector<std::string>{"SplashWindow", "MainWindow", "TestingWindow", "ResultWindow", "AppendicesWindow", "AboutWindow"}));
  EXPECT_EQ(driver.app().MainForm(), w().splashWindow);
  EXPECT_EQ(driver.app().Title(), "Tavra");
  struct Expect {
    TForm* form;
    const char* caption;
    Rect bounds;  // outer rectangle when known; client size in `client`
    Size client;
  };
  // Client areas and positions of the window table.
  EXPECT_EQ(w().splashWindow->boundsRect(), Rect::fromSize(207, 131, 640, 480));
  EXPECT_EQ(w().splashWindow->clientWidth(), 640);
  EXPECT_EQ(w().mainWindow->caption(), "Veltrana Часть первая");
  EXPECT_EQ(w().mainWindow->boundsRect().topLeft(), (Point{9, 5}));
  EXPECT_EQ(w().mainWindow->clientRect().size(), (Size{1000, 680}));
  EXPECT_EQ(w().testingWindow->caption(), "Проверочное тестирование");
  EXPECT_EQ(w().testingWindow->boundsRect().topLeft(), (Point{158, 79}));
  EXPECT_EQ(w().testingWindow->clientRect().size(), (Size{755, 600}));
  EXPECT_EQ(w().resultWindow->caption(), "Результат тестирования");
  EXPECT_EQ(w().resultWindow->boundsRect().topLeft(), (Point{329, 302}));
  EXPECT_EQ(w().resultWindow->clientRect().size(), (Size{420, 189}));
  EXPECT_EQ(w().appendicesWindow->caption(), "Приложения");
  EXPECT_EQ(w().appendicesWindow->boundsRect(), Rect::fromSize(255, 172, 480, 427));
  EXPECT_EQ(w().aboutWindow->caption(), "О программе");
  EXPECT_EQ(w().aboutWindow->boundsRect(), Rect::fromSize(281, 161, 480, 427));
  EXPECT_EQ(w().aboutWindow->window()->opacity(), 210);
  // Frames: the main window has no maximise box, the splash no frame at all.
  EXPECT_FALSE(w().mainWindow->window()->style() & WS_MAXIMIZEBOX);
  EXPECT_TRUE(w().mainWindow->window()->style() & WS_MINIMIZEBOX);
  EXPECT_FALSE(w().splashWindow->window()->style() & WS_CAPTION);
  EXPECT_TRUE(w().appendicesWindow->window()->style() & WS_THICKFRAME);
  // Only the splash is shown, at opacity 0.
  EXPECT_TRUE(w().splashWindow->visible());
  EXPECT_EQ(w().splashWindow->opacity(), 0);
  for (TForm* f : std::vector<TForm*>{w().mainWindow, w().testingWindow, w().resultWindow, w().appendicesWindow, w().aboutWindow}) EXPECT_FALSE(f->visible());
  EXPECT_EQ(programState(), ProgramState::Starting);
}

TEST_F(ProgramTest, SplashFadesInCountsDownFadesOutThenShowsTheMainWindow) {
  SplashWindow& s = *w().splashWindow;
  int shownWhileSplashVisible = 0;
  w().mainWindow->OnShow = [&](TComponent&) { shownWhileSplashVisible += s.visible() ? 1 : 0; };
  // Fade-in: +3 every tick of the 10 ms timer until above 250.
  int ticks = 0;
  while (s.tt1->enabled()) {
    driver.advance(10);
    ++ticks;
    ASSERT_LT(ticks, 200);
  }
  EXPECT_EQ(ticks, 84);
  EXPECT_EQ(s.opacity(), 252);
  EXPECT_TRUE(s.tt2->enabled());
  // Countdown: three one-second ticks.
  std::vector<std::string> counts;
  for (int i = 0; i < 3; ++i) {
    driver.advance(1000);
    counts.push_back(s.ll1->caption());
  }
  EXPECT_EQ(counts, (std::vector<std::string>{"2", "1", "0"}));
  EXPECT_FALSE(s.tt2->enabled());
  EXPECT_FALSE(s.tt4->enabled());
  EXPECT_TRUE(s.tt3->enabled());
  std::string stars = s.zagr->caption();
  // Fade-out: −2 every tick until below 10.
  ticks = 0;
  while (s.tt3->enabled()) {
    driver.advance(10);
    ++ticks;
    ASSERT_LT(ticks, 300);
  }
  EXPECT_EQ(ticks, 122);
  EXPECT_EQ(s.opacity(), 8);
  EXPECT_FALSE(s.visible());
  EXPECT_TRUE(w().mainWindow->visible());
  EXPECT_EQ(shownWhileSplashVisible, 0);
  EXPECT_EQ(programState(), ProgramState::Reading);
  // The stars stay as they were when the countdown ended.
  driver.advance(5000);
  EXPECT_EQ(s.zagr->caption(), stars);
}

TEST_F(ProgramTest, StarsGrowEveryHalfSecondUntilTheCountdownEnds) {
  SplashWindow& s = *w().splashWindow;
  // 840 ms of fade-in and 3000 ms of countdown: a star at every 500 ms up to 3840 ms.
  driver.advance(840 + 3000);
  EXPECT_EQ(s.zagr->caption(), "Загрузка*******");
  int grown = s.zagr->width();
  EXPECT_GT(grown, 133) << "the label grows to the right with its text";
  EXPECT_EQ(s.zagr->left(), 16);
}

TEST_F(ProgramTest, ClosingTheSplashEndsTheProgramBeforeTheMainWindowShows) {
  driver.advance(500);
  w().splashWindow->Close();
  EXPECT_TRUE(driver.ended());
  EXPECT_FALSE(w().mainWindow->visible());
}

TEST_F(ProgramTest, HandOverStepsLeaveOneOfTheFirstFourWindowsVisible) {
  passSplash();
  struct Step {
    const char* name;
    void (*run)();
    ProgramState after;
  };
  const Step steps[] = {
      {"тесты", handover::openTesting, ProgramState::Testing},
      {"back to the textbook", handover::returnFromTesting, ProgramState::Reading},
      {"тесты again", handover::openTesting, ProgramState::Testing},
      {"see the result", handover::openResult, ProgramState::Result},
      {"countdown done", handover::resultDone, ProgramState::Reading},
      {"тесты", handover::openTesting, ProgramState::Testing},
      {"see the result", handover::openResult, ProgramState::Result},
      {"result closed", handover::closeResult, ProgramState::Reading},
  };
  for (const Step& s : steps) {
    s.run();
    driver.settle();
    EXPECT_EQ(programState(), s.after) << s.name;
    int visible = 0;
    for (TForm* f : std::vector<TForm*>{w().splashWindow, w().mainWindow, w().testingWindow, w().resultWindow}) visible += f->visible() ? 1 : 0;
    EXPECT_EQ(visible, 1) << s.name;
  }
}

TEST_F(ProgramTest, ClosingTheTestingOrResultWindowReturnsToTheTextbook) {
  passSplash();
  handover::openTesting();
  driver.clickCloseBox(*w().testingWindow);
  EXPECT_FALSE(driver.ended());
  EXPECT_EQ(programState(), ProgramState::Reading);
  handover::openTesting();
  handover::openResult();
  driver.clickCloseBox(*w().resultWindow);
  EXPECT_FALSE(driver.ended());
  EXPECT_EQ(programState(), ProgramState::Reading);
}

TEST_F(ProgramTest, AppendicesAndAboutStayBesideWhicheverWindowIsCurrent) {
  passSplash();
  handover::openAppendices();
  handover::openAbout();
  handover::openTesting();
  EXPECT_TRUE(w().appendicesWindow->visible());
  EXPECT_TRUE(w().aboutWindow->visible());
  handover::returnFromTesting();
  EXPECT_TRUE(w().appendicesWindow->visible());
  // "О программе" again only brings it to the front: the same window.
  AboutWindow* about = w().aboutWindow;
  handover::openAbout();
  EXPECT_EQ(w().aboutWindow, about);
  EXPECT_EQ(driver.ws().topLevelWindows().back(), about->window());
  // Closing them hides them; the program goes on.
  driver.clickCloseBox(*w().aboutWindow);
  w().appendicesWindow->Show();  // the main window covers its close box until it comes to the front
  driver.clickCloseBox(*w().appendicesWindow);
  EXPECT_FALSE(w().aboutWindow->visible());
  EXPECT_FALSE(w().appendicesWindow->visible());
  EXPECT_FALSE(driver.ended());
}

TEST_F(ProgramTest, NoAppendicesShowsTheMessageThenHidesTheWindow) {
  passSplash();
  handover::openAppendices();
  bool visibleDuringMessage = false;
  driver.setWhileBoxOpen([&](const RecordedBox&) { visibleDuringMessage = w().appendicesWindow->visible(); });
  handover::noAppendices();
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(driver.boxes[0].text, "Для данного раздела приложений нет");
  EXPECT_EQ(driver.boxes[0].caption, "Tavra");
  EXPECT_TRUE(visibleDuringMessage);
  EXPECT_FALSE(w().appendicesWindow->visible());
}

TEST_F(ProgramTest, ClosingTheMainWindowRunsItsCloseHandlerAndEndsTheProgram) {
  passSplash();
  handover::openAbout();
  bool hiddenBeforeEnd = false;
  auto handler = w().mainWindow->OnClose;
  w().mainWindow->OnClose = [&](TComponent& s, TCloseAction& a) {
    handler(s, a);
    hiddenBeforeEnd = !w().mainWindow->visible() && driver.ended();
  };
  driver.clickCloseBox(*w().mainWindow);
  EXPECT_TRUE(driver.ended());
  EXPECT_TRUE(hiddenBeforeEnd);
}

TEST_F(ProgramTest, ExitEndsTheProgramWithoutTheMainWindowsCloseHandler) {
  passSplash();
  int closeHandlerRuns = 0;
  w().mainWindow->OnClose = [&](TComponent&, TCloseAction&) { ++closeHandlerRuns; };
  w().mainWindow->N4Click(*w().mainWindow);
  EXPECT_TRUE(driver.ended());
  EXPECT_EQ(closeHandlerRuns, 0);
}

}  // namespace
}  // namespace tavra::test
