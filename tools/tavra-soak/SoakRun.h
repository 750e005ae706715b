#pragma once
// A soak run: the program started on the headless driver, then random user steps, each followed
// by the checks that every step must pass. The steps are the student's: tree nodes, chapter
// buttons, appendices, help, glossary, the About window, complete and incomplete self-tests, the
// result countdown (waited out, paused and resumed, closed) and cover changes.
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "driver/harness/HeadlessDriver.h"
#include "framework/controls/TabControl.h"

namespace tavra::soak {

class SoakRun {
 public:
  explicit SoakRun(std::uint64_t seed);

  // Runs one random step and its checks; false (with `failure()` set) when a check failed.
  bool step();
  const std::string& failure() const { return failure_; }
  // What the last step did, for the report of a failure.
  const std::string& lastStep() const { return lastStep_; }
  std::uint64_t stepsRun() const { return steps_; }
  // How often each kind of step ran, and how many graded tests reached the result window.
  const std::map<std::string, std::uint64_t>& stepCounts() const { return counts_; }
  std::uint64_t resultsShown() const { return resultsShown_; }
  // The URLs the program asked the desktop to open (the About window's web labels), in order:
  // the driver records them and starts no browser or mail composer.
  const std::vector<std::string>& openedUrls() const { return driver_.openedUrls; }

 private:
  struct Step {
    const char* name;
    int weight;
    void (SoakRun::*run)();
  };

  void clickTreeNode();
  void toggleTreeBranch();
  void chapterButton();
  void appendices();
  void closeAppendices();
  void help();
  void about();
  void closeAbout();
  void completeTest();
  void incompleteTest();
  void leaveTesting();
  void resultCountdown();
  void changeCover();

  // Steps that need the main window first get there the way a student would.
  void backToTextbook();
  void openTesting();
  void fillPersonalData();
  void chooseVariant(int variant);
  void clickTab(TCustomTabControl& tabs, int index);
  void answer(int question, int code);

  // A box the step expects (its text); every other box is a failure.
  void expectBox(const std::string& text) { expectedBoxes_.push_back(text); }
  bool check();
  int random(int below) { return std::uniform_int_distribution<int>(0, below - 1)(rng_); }

  HeadlessDriver driver_;
  std::mt19937_64 rng_;
  std::vector<Step> table_;
  int totalWeight_ = 0;
  std::vector<std::string> expectedBoxes_;
  std::string stepProblem_;
  std::vector<std::string> history_;  // the last steps  // what a step itself found wrong
  std::string failure_;
  std::string lastStep_;
  std::uint64_t steps_ = 0;
  std::map<std::string, std::uint64_t> counts_;
  std::uint64_t resultsShown_ = 0;
};

}  // namespace tavra::soak
