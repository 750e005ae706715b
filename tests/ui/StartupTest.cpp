// Start-up, the splash window and the hand-over between windows.
#include <gtest/gtest.h>

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "app/Unit5.h"
#include "driver/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "selftest/Unit2.h"
#include "selftest/Unit3.h"
#include "viewer/Unit1.h"
#include "viewer/Unit4.h"
#include "about/Unit6.h"

namespace tavra::test {
namespace {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { startProgram(driver); }
  ProgramWindows& w() { return programWindows(); }
  // Runs the splash show to its end.
  void passSplash() { ASSERT_TRUE(driver.advanceUntil([&] { return w().Form1->visible(); }, 20000, 50)); }

  HeadlessDriver driver;
};

TEST_F(ProgramTest, SixWindowsInOrderWithTheSplashAsMainForm) {
  std::vector<std::string> classes;
  for (TComponent* c : driver.app().components()) classes.push_back(c->ClassName());
  EXPECT_EQ(classes, (std::vector<std::string>{"TForm5", "TForm1", "TForm2", "TForm3", "TForm4", "TForm6"}));
  EXPECT_EQ(driver.app().MainForm(), w().Form5);
  EXPECT_EQ(driver.app().Title(), "Tavra");
  struct Expect {
    TForm* form;
    const char* caption;
    Rect bounds;  // outer rectangle when known; client size in `client`
    Size client;
  };
  // Client areas and positions of the window table.
  EXPECT_EQ(w().Form5->boundsRect(), Rect::fromSize(207, 131, 640, 480));
  EXPECT_EQ(w().Form5->clientWidth(), 640);
  EXPECT_EQ(w().Form1->caption(), "Veltrana Часть первая");
  EXPECT_EQ(w().Form1->boundsRect().topLeft(), (Point{9, 5}));
  EXPECT_EQ(w().Form1->clientRect().size(), (Size{1000, 680}));
  EXPECT_EQ(w().Form2->caption(), "Проверочное тестирование");
  EXPECT_EQ(w().Form2->boundsRect().topLeft(), (Point{158, 79}));
  EXPECT_EQ(w().Form2->clientRect().size(), (Size{755, 600}));
  EXPECT_EQ(w().Form3->caption(), "Результат тестирования");
  EXPECT_EQ(w().Form3->boundsRect().topLeft(), (Point{329, 302}));
  EXPECT_EQ(w().Form3->clientRect().size(), (Size{420, 189}));
  EXPECT_EQ(w().Form4->caption(), "Приложения");
  EXPECT_EQ(w().Form4->boundsRect(), Rect::fromSize(255, 172, 480, 427));
  EXPECT_EQ(w().Form6->caption(), "О программе");
  EXPECT_EQ(w().Form6->boundsRect(), Rect::fromSize(281, 161, 480, 427));
  EXPECT_EQ(w().Form6->window()->opacity(), 210);
  // Frames: the main window has no maximise box, the splash no frame at all.
  EXPECT_FALSE(w().Form1->window()->style() & WS_MAXIMIZEBOX);
  EXPECT_TRUE(w().Form1->window()->style() & WS_MINIMIZEBOX);
  EXPECT_FALSE(w().Form5->window()->style() & WS_CAPTION);
  EXPECT_TRUE(w().Form4->window()->style() & WS_THICKFRAME);
  // Only the splash is shown, at opacity 0.
  EXPECT_TRUE(w().Form5->visible());
  EXPECT_EQ(w().Form5->opacity(), 0);
  for (TForm* f : std::vector<TForm*>{w().Form1, w().Form2, w().Form3, w().Form4, w().Form6}) EXPECT_FALSE(f->visible());
  EXPECT_EQ(programState(), ProgramState::Starting);
}

TEST_F(ProgramTest, SplashFadesInCountsDownFadesOutThenShowsTheMainWindow) {
  TForm5& s = *w().Form5;
  int shownWhileSplashVisible = 0;
  w().Form1->OnShow = [&](TComponent&) { shownWhileSplashVisible += s.visible() ? 1 : 0; };
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
  EXPECT_TRUE(w().Form1->visible());
  EXPECT_EQ(shownWhileSplashVisible, 0);
  EXPECT_EQ(programState(), ProgramState::Reading);
  // The stars stay as they were when the countdown ended.
  driver.advance(5000);
  EXPECT_EQ(s.zagr->caption(), stars);
}

TEST_F(ProgramTest, StarsGrowEveryHalfSecondUntilTheCountdownEnds) {
  TForm5& s = *w().Form5;
  // 840 ms of fade-in and 3000 ms of countdown: a star at every 500 ms up to 3840 ms.
  driver.advance(840 + 3000);
  EXPECT_EQ(s.zagr->caption(), "Загрузка*******");
  int grown = s.zagr->width();
  EXPECT_GT(grown, 133) << "the label grows to the right with its text";
  EXPECT_EQ(s.zagr->left(), 16);
}

TEST_F(ProgramTest, ClosingTheSplashEndsTheProgramBeforeTheMainWindowShows) {
  driver.advance(500);
  w().Form5->Close();
  EXPECT_TRUE(driver.ended());
  EXPECT_FALSE(w().Form1->visible());
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
    for (TForm* f : std::vector<TForm*>{w().Form5, w().Form1, w().Form2, w().Form3}) visible += f->visible() ? 1 : 0;
    EXPECT_EQ(visible, 1) << s.name;
  }
}

TEST_F(ProgramTest, ClosingTheTestingOrResultWindowReturnsToTheTextbook) {
  passSplash();
  handover::openTesting();
  driver.clickCloseBox(*w().Form2);
  EXPECT_FALSE(driver.ended());
  EXPECT_EQ(programState(), ProgramState::Reading);
  handover::openTesting();
  handover::openResult();
  driver.clickCloseBox(*w().Form3);
  EXPECT_FALSE(driver.ended());
  EXPECT_EQ(programState(), ProgramState::Reading);
}

TEST_F(ProgramTest, AppendicesAndAboutStayBesideWhicheverWindowIsCurrent) {
  passSplash();
  handover::openAppendices();
  handover::openAbout();
  handover::openTesting();
  EXPECT_TRUE(w().Form4->visible());
  EXPECT_TRUE(w().Form6->visible());
  handover::returnFromTesting();
  EXPECT_TRUE(w().Form4->visible());
  // "О программе" again only brings it to the front: the same window.
  TForm6* about = w().Form6;
  handover::openAbout();
  EXPECT_EQ(w().Form6, about);
  EXPECT_EQ(driver.ws().topLevelWindows().back(), about->window());
  // Closing them hides them; the program goes on.
  driver.clickCloseBox(*w().Form6);
  w().Form4->Show();  // the main window covers its close box until it comes to the front
  driver.clickCloseBox(*w().Form4);
  EXPECT_FALSE(w().Form6->visible());
  EXPECT_FALSE(w().Form4->visible());
  EXPECT_FALSE(driver.ended());
}

TEST_F(ProgramTest, NoAppendicesShowsTheMessageThenHidesTheWindow) {
  passSplash();
  handover::openAppendices();
  bool visibleDuringMessage = false;
  driver.setWhileBoxOpen([&](const RecordedBox&) { visibleDuringMessage = w().Form4->visible(); });
  handover::noAppendices();
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(driver.boxes[0].text, "Для данного раздела приложений нет");
  EXPECT_EQ(driver.boxes[0].caption, "Tavra");
  EXPECT_TRUE(visibleDuringMessage);
  EXPECT_FALSE(w().Form4->visible());
}

TEST_F(ProgramTest, ClosingTheMainWindowRunsItsCloseHandlerAndEndsTheProgram) {
  passSplash();
  handover::openAbout();
  bool hiddenBeforeEnd = false;
  auto handler = w().Form1->OnClose;
  w().Form1->OnClose = [&](TComponent& s, TCloseAction& a) {
    handler(s, a);
    hiddenBeforeEnd = !w().Form1->visible() && driver.ended();
  };
  driver.clickCloseBox(*w().Form1);
  EXPECT_TRUE(driver.ended());
  EXPECT_TRUE(hiddenBeforeEnd);
}

TEST_F(ProgramTest, ExitEndsTheProgramWithoutTheMainWindowsCloseHandler) {
  passSplash();
  int closeHandlerRuns = 0;
  w().Form1->OnClose = [&](TComponent&, TCloseAction&) { ++closeHandlerRuns; };
  w().Form1->N4Click(*w().Form1);
  EXPECT_TRUE(driver.ended());
  EXPECT_EQ(closeHandlerRuns, 0);
}

}  // namespace
}  // namespace tavra::test
