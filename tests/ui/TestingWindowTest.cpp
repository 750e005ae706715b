// The testing window: layout, question change with its checks, answers, key filter, clearing,
// returning and the reset of every visit.
#include "SelfTestFixture.h"
#include "framework/controls/TabScroller.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

using Lines = std::vector<std::string>;
const Lines kEmptyRecord(10, "-1");

TEST_F(SelfTest, ControlsSitWhereTheWindowPutsThem) {
  TestingWindow& f = form();
  EXPECT_EQ(f.tc1->boundsRect(), Rect::fromSize(0, 0, 755, 600));
  EXPECT_EQ(f.tc1->Tabs().lines(), (Lines{"Вариант 1", "Вариант 2", "Вариант 3"}));
  EXPECT_EQ(f.gb1->boundsRect(), Rect::fromSize(0, 32, 305, 137));
  EXPECT_EQ(f.gb2->boundsRect(), Rect::fromSize(312, 32, 433, 105));
  EXPECT_EQ(f.e1->boundsRect(), Rect::fromSize(88, 24, 145, 21));
  EXPECT_EQ(f.e3->boundsRect(), Rect::fromSize(88, 104, 145, 21));
  EXPECT_EQ(f.sb2->boundsRect(), Rect::fromSize(240, 64, 23, 22));
  EXPECT_EQ(f.im3->boundsRect(), Rect::fromSize(272, 104, 25, 25));
  EXPECT_EQ(f.f2b1->boundsRect(), Rect::fromSize(312, 136, 153, 33));
  EXPECT_EQ(f.f2b2->boundsRect(), Rect::fromSize(464, 136, 129, 33));
  EXPECT_EQ(f.f2b3->boundsRect(), Rect::fromSize(592, 136, 153, 33));
  Rect page = f.tc1->DisplayRect();
  EXPECT_EQ(f.gb3->boundsRect(), (Rect{page.left, page.bottom - 420, page.right, page.bottom}));
  EXPECT_EQ(f.tc2->boundsRect().size(), (Size{429, 105 - 2 - (f.gb2->captionHeight() + 2)}));
  Rect questions = f.tc2->DisplayRect();
  EXPECT_EQ(f.rg1->boundsRect(), (Rect{questions.left, questions.bottom - 43, questions.right, questions.bottom}));
  EXPECT_EQ(f.rg1->Items().lines(), (Lines{"A", "B", "C", "D", "E"}));
  EXPECT_EQ(f.rg1->Columns(), 5);
  EXPECT_EQ(f.tc2->Tabs().Count(), 10);
  EXPECT_EQ(f.tc2->Tabs()[9], "10");
  ASSERT_NE(f.tc2->scroller(), nullptr) << "ten tabs do not fit in one row: arrows scroll them";
  EXPECT_TRUE(f.tc2->scroller()->showing());
  EXPECT_TRUE(f.tc2->scroller()->window()->isShowing());
  EXPECT_FALSE(f.m1->visible());
  EXPECT_TRUE(f.m1->readOnly());
  EXPECT_EQ(f.Timer1->interval(), 1);
  EXPECT_TRUE(f.Timer1->enabled());
  EXPECT_EQ(f.f2b1->glyph().size(), (Size{24, 24}));
  EXPECT_EQ(f.sb1->glyph().size(), (Size{24, 24}));
  // Hints show only for the personal-data group and its controls.
  EXPECT_TRUE(f.gb1->showHint());
  EXPECT_TRUE(f.e2->showHint());
  EXPECT_TRUE(f.sLabelFX3->showHint());
  EXPECT_FALSE(f.tc1->showHint());
  EXPECT_FALSE(f.gb2->showHint());
  EXPECT_FALSE(f.f2b1->showHint());
  EXPECT_EQ(f.sb1->hint(), "Нажмите что бы очистить поле");
  EXPECT_EQ(f.e1->font().height, 11);
  EXPECT_EQ(f.sLabelFX1->font().height, 16);
}

TEST_F(SelfTest, TabOrderInThePersonalDataIsNameThenPatronymicThenSurname) {
  form().e2->setFocus();
  driver.settle();
  driver.pressKey(VK_TAB);
  EXPECT_TRUE(form().e3->focused());
  driver.pressKey(VK_TAB);
  EXPECT_TRUE(form().e1->focused());
  EXPECT_TRUE(driver.boxes.empty()) << "Tab is no typed character for the key filter";
}

TEST_F(SelfTest, QuestionWithNothingGivesFourMessagesInOrder) {
  chooseQuestion(0);
  EXPECT_EQ(boxTexts(), (Lines{"Вы не ввели свою фамилию", "Вы не ввели своё имя", "Вы не ввели свое отчество", "Выберите вариант"}));
  for (const RecordedBox& b : driver.boxes) {
    EXPECT_EQ(b.caption, "Tavra");
    EXPECT_EQ(b.icon, MessageBoxIcon::None);
  }
  EXPECT_EQ(form().tc2->TabIndex(), -1);
  EXPECT_TRUE(form().gb1->enabled());
  EXPECT_EQ(form().requestedPage(), startPage());
  typeInto(*form().e1, "Ив");
  EXPECT_EQ(form().e1->text(), "Ив") << "the data stay editable";
}

TEST_F(SelfTest, FilledDataWithoutVariantLocksThenAsksForTheVariant) {
  typeInto(*form().e1, "Иванов");
  typeInto(*form().e2, "Петр");
  typeInto(*form().e3, "Сергеевич");
  driver.boxes.clear();
  chooseQuestion(0);
  EXPECT_EQ(boxTexts(), Lines{"Выберите вариант"});
  EXPECT_EQ(form().tc2->TabIndex(), -1);
  EXPECT_FALSE(form().gb1->enabled());
  EXPECT_EQ(form().requestedPage(), startPage());
  // Locked: neither typing nor the clear buttons reach the fields.
  typeInto(*form().e1, "x");
  driver.click(*form().sb1);
  EXPECT_EQ(form().e1->text(), "Иванов");
  // Still locked after the variant is chosen and the question opens.
  chooseVariant(0);
  chooseQuestion(0);
  EXPECT_EQ(form().tc2->TabIndex(), 0);
  EXPECT_FALSE(form().gb1->enabled());
  EXPECT_EQ(form().requestedPage(), content::path("test\\v1\\1.mht"));
}

TEST_F(SelfTest, MissingNameOnlyGivesItsMessage) {
  fillPersonalData("Иванов", "", "Сергеевич");
  chooseVariant(1);
  chooseQuestion(4);
  EXPECT_EQ(boxTexts(), Lines{"Вы не ввели своё имя"});
  EXPECT_EQ(form().tc2->TabIndex(), -1);
  EXPECT_TRUE(form().gb1->enabled());
}

struct KeyCase {
  const char* name;
  const char* typed;  // UTF-8; empty: Backspace
  bool accepted;
};

class KeyFilter : public SelfTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyFilter, AcceptsLettersAndBackspaceOnly) {
  const KeyCase& c = GetParam();
  struct Field {
    TsEdit* edit;
    const char* message;
  };
  const Field fields[] = {{form().e1, "Поле Фамилия не может содержать таких символов!"},
                          {form().e2, "Поле Имя не может содержать таких символов!"},
                          {form().e3, "Поле Отчество не может содержать таких символов!"}};
  for (const Field& f : fields) {
    f.edit->setText("Ab");
    driver.click(*f.edit);
    driver.pressKey(VK_END);
    driver.boxes.clear();
    std::string expected = "Ab";
    if (std::string(c.typed).empty()) {
      driver.pressKey(VK_BACK);
      expected = "A";
    } else {
      driver.typeText(c.typed);
      if (c.accepted) expected += c.typed;
    }
    EXPECT_EQ(f.edit->text(), expected) << f.message;
    if (c.accepted) EXPECT_TRUE(driver.boxes.empty());
    else EXPECT_EQ(boxTexts(), Lines{f.message});
  }
}

INSTANTIATE_TEST_SUITE_P(Table, KeyFilter,
                         ::testing::Values(KeyCase{"CapitalYo", "Ё", false}, KeyCase{"SmallYo", "ё", false},
                                           KeyCase{"Space", " ", false}, KeyCase{"Digit", "7", false},
                                           KeyCase{"Hyphen", "-", false}, KeyCase{"Enter", "\r", false},
                                           KeyCase{"OutsideCp1251", "Ω", false}, KeyCase{"Backspace", "", true},
                                           KeyCase{"LatinA", "A", true}, KeyCase{"LatinZ", "Z", true},
                                           KeyCase{"LatinSmallA", "a", true}, KeyCase{"LatinSmallZ", "z", true},
                                           KeyCase{"CyrillicA", "А", true}, KeyCase{"CyrillicYa", "Я", true},
                                           KeyCase{"CyrillicSmallA", "а", true}, KeyCase{"CyrillicSmallYa", "я", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelfTest, KeyFilterSeesCodesOfTheWindowsCodePage) {
  EXPECT_TRUE(TestingWindow::acceptsPersonalDataChar(U'Щ'));
  EXPECT_TRUE(TestingWindow::acceptsPersonalDataChar(8));
  EXPECT_FALSE(TestingWindow::acceptsPersonalDataChar(U'['));
  EXPECT_FALSE(TestingWindow::acceptsPersonalDataChar(U'`'));
  EXPECT_FALSE(TestingWindow::acceptsPersonalDataChar(U'@'));
  EXPECT_FALSE(TestingWindow::acceptsPersonalDataChar(U'{'));
  EXPECT_FALSE(TestingWindow::acceptsPersonalDataChar(9));
}

TEST_F(SelfTest, AnswerIsRecordedForTheQuestionAndShownAgain) {
  fillPersonalData();
  chooseVariant(0);
  chooseQuestion(2);
  EXPECT_EQ(form().requestedPage(), content::path(content::testQuestion(1, 3)));
  pickAnswer(2);
  Lines expected = kEmptyRecord;
  expected[2] = "2";
  EXPECT_EQ(record(), expected);
  chooseQuestion(6);
  EXPECT_EQ(form().rg1->ItemIndex(), -1) << "an unanswered question shows no answer";
  chooseQuestion(2);
  EXPECT_EQ(form().rg1->ItemIndex(), 2);
  EXPECT_EQ(record(), expected) << "showing a stored answer writes back the same code";
  EXPECT_TRUE(driver.boxes.empty());
}

TEST_F(SelfTest, AnswerWithoutQuestionRecordsNothing) {
  fillPersonalData();
  chooseVariant(0);
  pickAnswer(3);
  EXPECT_EQ(form().rg1->ItemIndex(), 3);
  EXPECT_EQ(record(), kEmptyRecord);
}

TEST_F(SelfTest, SwitchingVariantKeepsAnswersAndPage) {
  fillPersonalData();
  chooseVariant(0);
  chooseQuestion(0);
  pickAnswer(4);
  std::string page = form().requestedPage();
  chooseVariant(1);
  EXPECT_EQ(record()[0], "4");
  EXPECT_EQ(form().requestedPage(), page);
  chooseQuestion(1);
  EXPECT_EQ(form().requestedPage(), content::path("test\\v2\\2.mht"));
  chooseVariant(2);
  chooseQuestion(9);
  EXPECT_EQ(form().requestedPage(), content::path("test\\v3\\10.mht"));
}

TEST_F(SelfTest, TheQuestionViewerHasNoWayBackToAnotherQuestion) {
  fillPersonalData();
  chooseVariant(0);
  chooseQuestion(0);
  chooseQuestion(1);
  std::string shown = form().requestedPage();
  driver.click(*form().wb2);
  struct Press {
    unsigned key;
    unsigned modifiers;
  };
  for (Press press : {Press{VK_BACK, 0}, Press{VK_LEFT, kModAlt}}) {
    driver.pressKey(press.key, press.modifiers);
    EXPECT_EQ(form().requestedPage(), shown) << "the page stays the one of the chosen question";
  }
  EXPECT_FALSE(form().wb2->canGoBack());
}

TEST_F(SelfTest, ClearButtonClearsItsFieldAndTheShownAnswerOnly) {
  fillPersonalData();
  form().rg1->setItemIndex(1);
  driver.click(*form().sb2);
  EXPECT_EQ(form().e2->text(), "");
  EXPECT_EQ(form().e1->text(), "Иванов");
  EXPECT_EQ(form().rg1->ItemIndex(), -1);
  EXPECT_EQ(record(), kEmptyRecord);
  EXPECT_EQ(form().requestedPage(), startPage());
}

TEST_F(SelfTest, QuestionsFrameClickRemindsOfTheSurname) {
  Point frame{1, 60};  // the frame left of the question tabs
  driver.clickAt(*form().gb2, frame);
  EXPECT_EQ(boxTexts(), Lines{"Вы не ввели свою фамилию"});
  driver.boxes.clear();
  form().e1->setText("Иванов");
  driver.clickAt(*form().gb2, frame);
  EXPECT_TRUE(driver.boxes.empty());
}

TEST_F(SelfTest, ReturnByButtonOrCloseBoxKeepsTheState) {
  fillPersonalData();
  chooseVariant(0);
  chooseQuestion(0);
  pickAnswer(1);
  driver.click(*form().f2b1);
  EXPECT_TRUE(mainWindow().visible());
  EXPECT_FALSE(form().visible());
  EXPECT_EQ(record()[0], "1");
  EXPECT_EQ(form().e1->text(), "Иванов");
  form().Show();
  mainWindow().Hide();
  driver.clickCloseBox(form());
  EXPECT_TRUE(mainWindow().visible());
  EXPECT_FALSE(form().visible());
  EXPECT_FALSE(driver.ended());
  EXPECT_EQ(form().tc1->TabIndex(), 0);
}

TEST_F(SelfTest, EveryVisitThroughTestsStartsFromTheReset) {
  fillPersonalData();
  chooseVariant(0);
  answerAll({0, 3, 2, 0, 3, 2, 3, 3, 2, 3});
  driver.click(*form().f2b2);
  ASSERT_TRUE(form().f2b3->enabled());
  form().e1->setText("x");
  driver.click(*form().f2b1);
  openTesting();
  TestingWindow& f = form();
  EXPECT_TRUE(f.visible());
  EXPECT_FALSE(mainWindow().visible());
  EXPECT_EQ(f.e1->text(), "");
  EXPECT_EQ(f.e2->text(), "");
  EXPECT_EQ(f.e3->text(), "");
  EXPECT_EQ(f.tc1->TabIndex(), -1);
  EXPECT_EQ(f.tc2->TabIndex(), -1);
  EXPECT_EQ(f.rg1->ItemIndex(), -1);
  EXPECT_EQ(record(), kEmptyRecord);
  EXPECT_TRUE(f.gb1->enabled());
  EXPECT_TRUE(f.f2b2->enabled());
  EXPECT_FALSE(f.f2b3->enabled());
  EXPECT_EQ(f.requestedPage(), startPage());
  EXPECT_TRUE(driver.boxes.empty());
}

}  // namespace
}  // namespace tavra::test
