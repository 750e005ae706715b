#pragma once
// The program started on the headless driver and taken past the splash window: the main window
// is showing, its tree has the focus and node 0 is selected.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/ProgramWindows.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "program/ContentPaths.h"
#include "viewer/MainWindow.h"
#include "viewer/AppendicesWindow.h"

namespace tavra::test {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startProgram(driver);
    ASSERT_TRUE(driver.advanceUntil([&] { return w().mainWindow->visible(); }, 20000, 50));
    MainWindow& f = main();
    // Every page request of both viewers, as it is made.
    f.wb1->OnBeforeNavigate2 = [this](TComponent&, const std::string& path) { mainRequests.push_back(path); };
    w().appendicesWindow->WB3->OnBeforeNavigate2 = [this](TComponent&, const std::string& path) { appendixRequests.push_back(path); };
  }
  ProgramWindows& w() { return programWindows(); }
  MainWindow& main() { return *w().mainWindow; }
  TTreeNode* node(int index) { return main().tv->items().item(index); }
  static std::string page(std::string_view relative) { return content::path(relative); }
  void select(int index) { main().tv->setSelected(node(index)); }

  HeadlessDriver driver;
  std::vector<std::string> mainRequests;
  std::vector<std::string> appendixRequests;
};

}  // namespace tavra::test
