// Coming back to the textbook from the self-test: whichever way the student returns, the main
// window is as it was left (tree selection, page, section label) and asks for no page again.
#include "SelfTestFixture.h"

#include "platform/page/WebBrowser.h"

namespace tavra::test {
namespace {

enum class Way { ReturnButton, TestingCloseBox, ResultCountdown, ResultCloseBox };

struct WayCase {
  const char* name;
  Way way;
};

class ReturnToTextbookTest : public SelfTest, public ::testing::WithParamInterface<WayCase> {
 protected:
  void gradeAndView() {
    fillPersonalData();
    chooseVariant(2);
    answerAll({4, 2, 3, 3, 2, 0, 0, 0, 1, 0});
    driver.click(*form().f2b2);
    ASSERT_TRUE(form().f2b3->enabled());
    driver.click(*form().f2b3);
    ASSERT_TRUE(result().visible());
  }
};

TEST_P(ReturnToTextbookTest, KeepsSelectionPageAndLabelWithNoNewRequest) {
  // Back in the textbook, the student picks a section deep in chapter 3.
  driver.click(*form().f2b1);
  ASSERT_TRUE(mainWindow().visible());
  MainWindow& main = mainWindow();
  main.tv->setSelected(main.tv->items().item(12));
  driver.settle();
  ASSERT_NE(main.tv->selected(), nullptr);
  ASSERT_EQ(main.tv->selected()->absoluteIndex(), 12);
  const std::string page = main.wb1->requestedPath();
  const std::string label = main.lfx3->caption();
  ASSERT_NE(page.find("mat/"), std::string::npos) << page;
  ASSERT_EQ(label, main.tv->items().item(12)->text());
  int requests = 0;
  main.wb1->OnBeforeNavigate2 = [&](TComponent&, const std::string&) { ++requests; };
  const int shown = main.wb1->documentsShown();

  openTesting();
  switch (GetParam().way) {
    case Way::ReturnButton:
      driver.click(*form().f2b1);
      break;
    case Way::TestingCloseBox:
      driver.clickCloseBox(form());
      break;
    case Way::ResultCountdown:
      gradeAndView();
      driver.advance(10000);
      break;
    case Way::ResultCloseBox:
      gradeAndView();
      driver.clickCloseBox(result());
      break;
  }
  driver.settle();

  EXPECT_TRUE(main.visible());
  EXPECT_FALSE(form().visible());
  EXPECT_FALSE(result().visible());
  EXPECT_EQ(main.tv->selected(), main.tv->items().item(12));
  EXPECT_EQ(main.wb1->requestedPath(), page);
  EXPECT_EQ(main.lfx3->caption(), label);
  EXPECT_EQ(requests, 0);
  EXPECT_EQ(main.wb1->documentsShown(), shown);
}

INSTANTIATE_TEST_SUITE_P(Ways, ReturnToTextbookTest,
                         ::testing::Values(WayCase{"ReturnButton", Way::ReturnButton}, WayCase{"TestingCloseBox", Way::TestingCloseBox},
                                           WayCase{"ResultCountdown", Way::ResultCountdown},
                                           WayCase{"ResultCloseBox", Way::ResultCloseBox}),
                         [](const ::testing::TestParamInfo<WayCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavra::test
