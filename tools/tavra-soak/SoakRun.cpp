#include "SoakRun.h"

#include <algorithm>
#include <array>

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "app/SplashWindow.h"
#include "driver/program/ProgramStart.h"
#include "framework/controls/TabControl.h"
#include "framework/controls/TabScroller.h"
#include "selftest/Grading.h"
#include "selftest/TestingWindow.h"
#include "selftest/ResultWindow.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/CoverNames.h"
#include "viewer/Navigation.h"
#include "viewer/MainWindow.h"
#include "viewer/AppendicesWindow.h"
#include "about/AboutWindow.h"
#include "winsys/Keys.h"

namespace tavra::soak {
namespace {

ProgramWindows& w() { return programWindows(); }

// The splash show lasts some seconds of the virtual clock.
constexpr TimeMs kSplashLimitMs = 30000;

}  // namespace

SoakRun::SoakRun(std::uint64_t seed) : rng_(seed) {
  table_ = {
      {"tree node", 20, &SoakRun::clickTreeNode},
      {"tree branch", 5, &SoakRun::toggleTreeBranch},
      {"chapter button", 12, &SoakRun::chapterButton},
      {"appendices", 8, &SoakRun::appendices},
      {"close appendices", 3, &SoakRun::closeAppendices},
      {"help", 4, &SoakRun::help},
      {"About", 4, &SoakRun::about},
      {"close About", 3, &SoakRun::closeAbout},
      {"complete self-test", 6, &SoakRun::completeTest},
      {"incomplete self-test", 5, &SoakRun::incompleteTest},
      {"leave testing", 4, &SoakRun::leaveTesting},
      {"result countdown", 6, &SoakRun::resultCountdown},
      {"cover", 4, &SoakRun::changeCover},
  };
  for (const Step& s : table_) totalWeight_ += s.weight;
  startProgram(driver_);
  driver_.advanceUntil([] { return w().mainWindow->visible(); }, kSplashLimitMs, 50);
}

bool SoakRun::step() {
  int pick = random(totalWeight_);
  const Step* chosen = &table_.front();
  for (const Step& s : table_) {
    if (pick < s.weight) {
      chosen = &s;
      break;
    }
    pick -= s.weight;
  }
  lastStep_ = chosen->name;
  history_.push_back(lastStep_);
  if (history_.size() > 6) history_.erase(history_.begin());
  expectedBoxes_.clear();
  stepProblem_.clear();
  driver_.boxes.clear();
  (this->*chosen->run)();
  driver_.settle();
  ++steps_;
  ++counts_[lastStep_];

  return check();
}

// After every step: the program runs, exactly one of the splash, main, testing and result windows
// is visible (and not the splash once it has gone), and every box shown was one the step asked for.
bool SoakRun::check() {
  if (!stepProblem_.empty()) {
    failure_ = stepProblem_ + " after:";
    for (const std::string& h : history_) failure_ += " " + h + ";";
    return false;
  }
  if (driver_.ended()) {
    failure_ = "the program ended";
    return false;
  }
  const ProgramWindows& ws = w();
  int visible = 0;
  for (const TForm* f : std::array<const TForm*, 4>{ws.splashWindow, ws.mainWindow, ws.testingWindow, ws.resultWindow}) visible += f->visible() ? 1 : 0;
  if (visible != 1) {
    failure_ = std::to_string(visible) + " of the splash, main, testing and result windows are visible";
    return false;
  }
  // What the windows say of themselves is what the display shows.
  const std::array<const TForm*, 6> forms = {ws.splashWindow, ws.mainWindow, ws.testingWindow, ws.resultWindow, ws.appendicesWindow, ws.aboutWindow};
  for (const TForm* f : forms) {
    if (f->handleAllocated() && f->visible() != f->window()->isVisible()) {
      failure_ = f->name() + (f->visible() ? " says it is visible but its window is hidden" : " says it is hidden but its window is shown");
      return false;
    }
  }
  if (ws.splashWindow->visible()) {
    failure_ = "the splash window came back";
    return false;
  }
  std::vector<std::string> shown;
  for (const RecordedBox& box : driver_.boxes) shown.push_back(box.text);
  if (shown != expectedBoxes_) {
    const TestingWindow& t = *ws.testingWindow;
    failure_ = std::string("(testing window ") + (t.visible() ? "shown" : "hidden") + ", variant " +
               std::to_string(t.tc1->TabIndex()) + ", submit " + (t.f2b2->enabled() ? "enabled" : "disabled") + ", record";
    for (const std::string& line : t.m1->Lines().lines()) failure_ += " " + line;
    failure_ += ") message boxes shown: ";
    for (const std::string& text : shown) failure_ += "\"" + text + "\" ";
    failure_ += "; expected: ";
    for (const std::string& text : expectedBoxes_) failure_ += "\"" + text + "\" ";
    return false;
  }
  return true;
}

// --- Getting somewhere -------------------------------------------------------------------------

void SoakRun::backToTextbook() {
  if (w().mainWindow->visible()) return;
  // The About and appendices windows may lie over the current window: the window manager brings
  // it to the front first.
  TForm& current = w().testingWindow->visible() ? static_cast<TForm&>(*w().testingWindow) : static_cast<TForm&>(*w().resultWindow);
  current.window()->bringToFront();
  driver_.settle();
  if (w().testingWindow->visible()) {
    driver_.click(*w().testingWindow->f2b1);
  } else if (w().resultWindow->visible()) {
    driver_.clickCloseBox(*w().resultWindow);
  }
  driver_.settle();
  if (!w().mainWindow->visible() && stepProblem_.empty()) stepProblem_ = "the way back to the textbook did not lead there";
}

void SoakRun::openTesting() {
  backToTextbook();

  driver_.click(*w().mainWindow->f1b3);
  driver_.settle();
  if (!w().testingWindow->visible()) {
    const Point at = driver_.centreOf(*w().mainWindow->f1b3);
    Window* under = driver_.ws().windowAt(at);
    stepProblem_ = "\"тесты\" did not open the testing window (under the pointer: " +
                   (under ? under->className() + " \"" + under->topLevel().text() + "\"" : std::string("nothing")) + "; main window " +
                   (w().mainWindow->handle().isMinimized() ? "minimised" : w().mainWindow->handle().isShowing() ? "showing" : "not showing") +
                   " at " + std::to_string(w().mainWindow->handle().bounds().left) + ", " + std::to_string(w().mainWindow->handle().bounds().top) +
                   "; " + (driver_.ended() ? "ended" : "running") + "; main " + (w().mainWindow->visible() ? "visible" : "hidden") + ", testing " + (w().testingWindow->visible() ? "visible" : "hidden") + ")";
    for (const RecordedBox& box : driver_.boxes) stepProblem_ += " box \"" + box.text + "\"";
  }
}

void SoakRun::fillPersonalData() {
  TestingWindow& t = *w().testingWindow;
  const std::array<std::pair<TsEdit*, const char*>, 3> fields = {{{t.e1, "Иванов"}, {t.e2, "Пётр"}, {t.e3, "Сергеевич"}}};
  for (const auto& [field, text] : fields) {
    driver_.click(*field);
    // "ё" is refused by the key filter: typed text stays in the letters it accepts.
    driver_.typeText(text == std::string("Пётр") ? "Петр" : text);
  }
}

void SoakRun::clickTab(TCustomTabControl& tabs, int index) {
  for (int guard = 0; guard < 20; ++guard) {
    TTabScroller* arrows = tabs.scroller();
    if (!arrows || !arrows->visible()) break;
    const Rect r = tabs.itemRect(index);
    if (r.left >= 0 && r.right <= tabs.width() - arrows->width()) break;
    driver_.clickAt(*arrows, r.left < 0 ? Point{arrows->width() / 4, arrows->height() / 2}
                                        : Point{arrows->width() * 3 / 4, arrows->height() / 2});
  }
  const Rect r = tabs.itemRect(index);
  driver_.clickAt(tabs, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void SoakRun::chooseVariant(int variant) { clickTab(*w().testingWindow->tc1, variant); }

void SoakRun::answer(int question, int code) {
  clickTab(*w().testingWindow->tc2, question);
  TRadioButton& b = w().testingWindow->rg1->Buttons(code);
  driver_.clickAt(b, {6, b.height() / 2});
}

// --- Steps -------------------------------------------------------------------------------------

void SoakRun::clickTreeNode() {
  backToTextbook();
  TsTreeView& tree = *w().mainWindow->tv;
  std::vector<TTreeNode*> rows;
  for (int i = 0; i < tree.items().count(); ++i) {
    TTreeNode* node = tree.items().item(i);
    if (node->isVisible() && !tree.labelRect(*node).isEmpty()) rows.push_back(node);
  }
  if (rows.empty()) return;
  TTreeNode* node = rows[static_cast<size_t>(random(static_cast<int>(rows.size())))];
  const Rect label = tree.labelRect(*node);
  driver_.clickAt(tree, {(label.left + label.right) / 2, (label.top + label.bottom) / 2});
}

void SoakRun::toggleTreeBranch() {
  backToTextbook();
  TsTreeView& tree = *w().mainWindow->tv;
  std::vector<TTreeNode*> branches;
  for (int i = 0; i < tree.items().count(); ++i) {
    TTreeNode* node = tree.items().item(i);
    if (node->hasChildren() && node->isVisible() && !tree.buttonRect(*node).isEmpty()) branches.push_back(node);
  }
  if (branches.empty()) return;
  TTreeNode* node = branches[static_cast<size_t>(random(static_cast<int>(branches.size())))];
  const Rect button = tree.buttonRect(*node);
  driver_.clickAt(tree, {(button.left + button.right) / 2, (button.top + button.bottom) / 2});
}

void SoakRun::chapterButton() {
  backToTextbook();
  MainWindow& main = *w().mainWindow;
  const std::array<TsBitBtn*, 4> buttons = {main.f1b1, main.f1b2, main.f1b5, main.f1b4};
  driver_.click(*buttons[static_cast<size_t>(random(4))]);
}

void SoakRun::appendices() {
  backToTextbook();
  // A section with an appendix shows it in the appendices window; any other (or none selected)
  // gets the message that there is none, and the window goes.
  MainWindow& main = *w().mainWindow;
  TTreeNode* selected = main.tv->selected();
  const bool withAppendix = selected && navigation::appendixPage(selected->absoluteIndex()).has_value();
  driver_.click(*main.sBitBtn1);
  if (!withAppendix) expectBox(handover::kNoAppendicesMessage);
  if (w().appendicesWindow->visible() != withAppendix) {
    stepProblem_ = withAppendix ? "the appendices window did not open for an appendix" : "the appendices window stayed open without an appendix";
  }
}

void SoakRun::closeAppendices() {
  if (!w().appendicesWindow->visible()) return;
  // Another window may cover it whole: the window manager brings it to the front first.
  w().appendicesWindow->window()->bringToFront();
  driver_.settle();
  driver_.clickCloseBox(*w().appendicesWindow);
  if (w().appendicesWindow->visible()) stepProblem_ = "the appendices window did not close";
}

void SoakRun::help() {
  backToTextbook();
  MainWindow& main = *w().mainWindow;
  if (random(2) == 0) main.sSpeedButton1->Click();
  else main.N5->Click();
}

void SoakRun::about() {
  backToTextbook();
  w().mainWindow->N3->Click();
  // The banner plays while the window is open.
  driver_.advance(static_cast<TimeMs>(100 + random(900)));
}

void SoakRun::closeAbout() {
  if (!w().aboutWindow->visible()) return;
  w().aboutWindow->window()->bringToFront();
  driver_.settle();
  driver_.clickCloseBox(*w().aboutWindow);
  if (w().aboutWindow->visible()) stepProblem_ = "the About window did not close";
}

void SoakRun::completeTest() {
  openTesting();
  fillPersonalData();
  chooseVariant(random(grading::kVariants));
  for (int q = 0; q < grading::kQuestions; ++q) answer(q, random(5));
  driver_.click(*w().testingWindow->f2b2);
  if (!w().testingWindow->f2b3->enabled()) {
    stepProblem_ = "ten answers were not graded";
    return;
  }
  driver_.click(*w().testingWindow->f2b3);
  if (w().resultWindow->visible()) ++resultsShown_;
  else stepProblem_ = "the result window did not open";
}

void SoakRun::incompleteTest() {
  openTesting();
  fillPersonalData();
  chooseVariant(random(grading::kVariants));
  std::array<bool, grading::kQuestions> answered{};
  const int count = random(grading::kQuestions);
  for (int i = 0; i < count; ++i) {
    int q = random(grading::kQuestions);
    answer(q, random(5));
    answered[static_cast<size_t>(q)] = true;
  }
  driver_.click(*w().testingWindow->f2b2);
  for (int q = 0; q < grading::kQuestions; ++q) {
    if (!answered[static_cast<size_t>(q)]) expectBox(grading::unansweredMessage(q + 1));
  }
}

void SoakRun::leaveTesting() {
  if (!w().testingWindow->visible()) openTesting();
  if (random(2) == 0) driver_.click(*w().testingWindow->f2b1);
  else driver_.clickCloseBox(*w().testingWindow);
}

void SoakRun::resultCountdown() {
  if (!w().resultWindow->visible()) completeTest();
  if (!w().resultWindow->visible()) return;
  ResultWindow& result = *w().resultWindow;
  switch (random(3)) {
    case 0:  // waited out
      driver_.advance(10000);
      break;
    case 1:  // paused, then resumed
      driver_.advance(static_cast<TimeMs>(1000 * random(8)));
      driver_.click(*result.sl2);
      driver_.advance(static_cast<TimeMs>(1000 * random(20)));
      driver_.doubleClick(*result.sl2);
      driver_.advance(11000);
      break;
    default:  // closed
      driver_.advance(static_cast<TimeMs>(1000 * random(9)));
      driver_.clickCloseBox(result);
      break;
  }
}

void SoakRun::changeCover() {
  MainWindow& main = *w().mainWindow;
  const int cover = random(static_cast<int>(kCoverNames.size()));
  // The covers menu's items set the skin; without the menu the name is set as they would.
  if (main.N6->count() > cover) main.N6->items(cover)->Click();
  else main.sm->setSkinName(kCoverNames[static_cast<size_t>(cover)]);
}

}  // namespace tavra::soak
