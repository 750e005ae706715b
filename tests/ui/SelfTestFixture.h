#pragma once
// The program on the headless driver, past its splash, with the testing window opened through
// the main window's "тесты"; the current directory is a scratch folder holding the two mark
// files "dmat/ok.png" (green) and "dmat/no.png" (red).
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "program/ProgramWindows.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "framework/controls/TabScroller.h"
#include "gfx/ImageCodec.h"
#include "selftest/TestingWindow.h"
#include "selftest/ResultWindow.h"
#include "program/ContentPaths.h"
#include "viewer/MainWindow.h"

namespace tavra::test {

inline Bitmap markPicture(Color c, int size = 24) {
  Bitmap b(size, size);
  b.fill(pixelFromColor(c));
  return b;
}

class SelfTest : public ::testing::Test {
 protected:
  SelfTest() {
    previousDir_ = std::filesystem::current_path();
    scratch_ = std::filesystem::temp_directory_path() /
               ("tavra-selftest-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(scratch_);
    std::filesystem::create_directories(scratch_ / "dmat");
    std::filesystem::current_path(scratch_);
    savePng(markPicture(kOk), "dmat/ok.png");
    savePng(markPicture(kNo), "dmat/no.png");
    startProgram(driver);
    EXPECT_TRUE(driver.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100));
    openTesting();
  }
  ~SelfTest() override {
    std::filesystem::current_path(previousDir_);
    std::error_code ec;
    std::filesystem::remove_all(scratch_, ec);
  }

  static constexpr Color kOk = rgb(0, 160, 0);
  static constexpr Color kNo = rgb(200, 0, 0);

  MainWindow& mainWindow() { return *programWindows().mainWindow; }
  TestingWindow& form() { return *programWindows().testingWindow; }
  ResultWindow& result() { return *programWindows().resultWindow; }

  // "тесты" in the main window; the boxes recorded so far are forgotten.
  void openTesting() {
    mainWindow().f1b3Click(mainWindow());
    driver.settle();
    driver.boxes.clear();
  }
  void typeInto(TEdit& field, const std::string& text) {
    driver.click(field);
    driver.typeText(text);
  }
  void fillPersonalData(const std::string& surname = "Иванов", const std::string& name = "Пётр",
                        const std::string& patronymic = "Сергеевич") {
    // Set directly: "ё" is refused by the key filter.
    form().e1->setText(surname);
    form().e2->setText(name);
    form().e3->setText(patronymic);
  }
  // Clicks a tab, first scrolling a row too wide for the control with its arrows, as a user
  // would.
  void clickTab(TCustomTabControl& tabs, int index) {
    for (int guard = 0; guard < 20; ++guard) {
      TTabScroller* arrows = tabs.scroller();
      if (!arrows || !arrows->visible()) break;
      Rect r = tabs.itemRect(index);
      if (r.left < 0) driver.clickAt(*arrows, {2, arrows->height() / 2});
      else if (r.right > arrows->left()) driver.clickAt(*arrows, {arrows->width() - 3, arrows->height() / 2});
      else break;
    }
    Rect r = tabs.itemRect(index);
    driver.clickAt(tabs, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  void chooseVariant(int v) { clickTab(*form().tc1, v); }
  void chooseQuestion(int q) { clickTab(*form().tc2, q); }
  void pickAnswer(int a) {
    TRadioButton& b = form().rg1->Buttons(a);
    driver.clickAt(b, {6, b.height() / 2});
  }
  // Answers all ten questions with `codes` under the chosen variant.
  void answerAll(const std::array<int, 10>& codes) {
    for (int q = 0; q < 10; ++q) {
      chooseQuestion(q);
      pickAnswer(codes[static_cast<size_t>(q)]);
    }
  }
  std::vector<std::string> record() { return form().m1->Lines().lines(); }
  std::vector<std::string> boxTexts() {
    std::vector<std::string> out;
    for (const RecordedBox& b : driver.boxes) out.push_back(b.text);
    return out;
  }
  std::string startPage() { return content::path(content::kTestStart); }

  HeadlessDriver driver;

 private:
  std::filesystem::path previousDir_;
  std::filesystem::path scratch_;
};

}  // namespace tavra::test
