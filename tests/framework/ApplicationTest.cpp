// The application: the error box and its full stop, message boxes and their nested loop, forms.
#include "FrameworkFixture.h"
#include "framework/controls/Button.h"
#include "framework/controls/Label.h"
#include "framework/core/MessageBoxes.h"
#include "framework/core/Timer.h"

namespace tavra::test {
namespace {

TEST(ExceptionText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  struct Case {
    const char* message;
    const char* shown;
  };
  for (const Case& c : {Case{"Файл не найден", "Файл не найден."}, Case{"Error 42", "Error 42."}, Case{"Why?", "Why?."},
                        Case{"Done.", "Done."}, Case{"Stop!", "Stop!"}, Case{"a,", "a,"}, Case{"", ""},
                        Case{"path/", "path/."}, Case{"(x)", "(x)"}, Case{"-", "-"}}) {
    EXPECT_EQ(TApplication::exceptionText(c.message), c.shown) << c.message;
  }
}

class ThrowingForm : public TForm {
 public:
  explicit ThrowingForm(TComponent* owner) : TForm(owner) {
    setBounds(100, 100, 300, 200);
    button = &make<TButton>();
    button->setParent(this);
    button->setBounds(10, 10, 80, 25);
    button->OnClick = [this](TComponent&) {
      steps.push_back("before");
      throw Exception("Страница не может быть открыта");
    };
  }
  TButton* button = nullptr;
  std::vector<std::string> steps;
};

// A form whose creation handler fails while the program creates its forms: the error box waits
// until the main form shows, when every form exists, since the box's loop runs the timers of the
// forms created before it.
class FailingCreationForm : public TForm {
 public:
  explicit FailingCreationForm(TComponent* owner) : TForm(owner) {
    OnCreate = [](TComponent&) { throw Exception("Обложка не загружена"); };
  }
};

TEST_F(FrameworkTest, AnErrorFromCreatingTheFormsWaitsForTheMainForm) {
  driver.app().setTitle("Tavra");
  TForm& first = driver.app().CreateForm<TForm>();
  first.setBounds(10, 10, 200, 100);
  driver.app().CreateForm<FailingCreationForm>();
  driver.app().CreateForm<TForm>();
  EXPECT_TRUE(driver.boxes.empty());

  bool mainFormShownDuringTheBox = false;
  driver.setWhileBoxOpen([&](const RecordedBox&) { mainFormShownDuringTheBox = first.visible(); });
  driver.app().ShowMainForm();
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(driver.boxes[0].text, "Обложка не загружена.");
  EXPECT_EQ(driver.boxes[0].caption, "Tavra");
  EXPECT_TRUE(mainFormShownDuringTheBox);

  // Once the main form shows, a failing creation reports at once.
  driver.app().CreateForm<FailingCreationForm>();
  EXPECT_EQ(driver.boxes.size(), 2u);
}

TEST_F(FrameworkTest, AnErrorEscapingAHandlerEndsItAndShowsTheErrorBox) {
  driver.app().setTitle("Tavra");
  ThrowingForm& f = makeForm<ThrowingForm>();
  f.Show();
  driver.click(*f.button);
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(driver.boxes[0].caption, "Tavra");
  EXPECT_EQ(driver.boxes[0].text, "Страница не может быть открыта.");
  EXPECT_EQ(driver.boxes[0].icon, MessageBoxIcon::Error);
  EXPECT_EQ(driver.boxes[0].windowClass, "#32770");
  EXPECT_EQ(f.steps, (std::vector<std::string>{"before"}));
  // The program goes on.
  EXPECT_FALSE(driver.ended());
  driver.click(*f.button);
  EXPECT_EQ(driver.boxes.size(), 2u);
}

TEST_F(FrameworkTest, MessageBoxesCarryTheirCaptionsAndIcons) {
  driver.app().setTitle("Tavra");
  ShowMessage("Для данного раздела приложений нет");
  MessageDlg("Вы не ответили на 3 вопрос", TMsgDlgType::mtInformation);
  ASSERT_EQ(driver.boxes.size(), 2u);
  EXPECT_EQ(driver.boxes[0].caption, "Tavra");
  EXPECT_EQ(driver.boxes[0].icon, MessageBoxIcon::None);
  EXPECT_EQ(driver.boxes[0].windowClass, "TMessageForm");
  EXPECT_EQ(driver.boxes[1].caption, "Information");
  EXPECT_EQ(driver.boxes[1].icon, MessageBoxIcon::Information);
}

class TickingForm : public TForm {
 public:
  explicit TickingForm(TComponent* owner) : TForm(owner) {
    timer = &make<TTimer>();
    timer->setInterval(100);
    timer->setOnTimer([this](TComponent&) { ++ticks; });
  }
  TTimer* timer = nullptr;
  int ticks = 0;
};

TEST_F(FrameworkTest, TimersKeepTickingWhileAMessageBoxIsOpen) {
  TickingForm& f = makeForm<TickingForm>();
  f.Show();
  int ticksWhileOpen = -1;
  driver.setWhileBoxOpen([&](const RecordedBox&) {
    int before = f.ticks;
    driver.advance(1000);
    ticksWhileOpen = f.ticks - before;
  });
  std::vector<std::string> steps;
  ShowMessage("Подождите");
  steps.push_back("after the box");
  EXPECT_EQ(ticksWhileOpen, 10);
  EXPECT_EQ(steps.size(), 1u);
  // The box answered with "OK" by its button; the form got the focus back.
  EXPECT_TRUE(f.active());
}

TEST_F(FrameworkTest, ClosingTheMainFormEndsTheProgramOtherFormsHide) {
  TForm& main = driver.app().CreateForm<TForm>();
  TForm& other = driver.app().CreateForm<TForm>();
  EXPECT_EQ(driver.app().MainForm(), &main);
  main.Show();
  other.Show();
  int closeHandlerRuns = 0;
  other.OnClose = [&](TComponent&, TCloseAction&) { ++closeHandlerRuns; };
  other.Close();
  EXPECT_EQ(closeHandlerRuns, 1);
  EXPECT_FALSE(other.visible());
  EXPECT_FALSE(driver.ended());
  main.Close();
  EXPECT_TRUE(driver.ended());
}

TEST_F(FrameworkTest, FormsAreBuiltThenLoadedThenCreated) {
  static std::vector<std::string> order;
  order.clear();
  class Part : public TLabel {
   public:
    using TLabel::TLabel;
    void Loaded() override {
      order.push_back(std::string("loaded ") + (isLoading() ? "while loading" : "done"));
      TLabel::Loaded();
    }
  };
  class Built : public TForm {
   public:
    explicit Built(TComponent* owner) : TForm(owner) {
      order.push_back(std::string("layout, loading=") + (isLoading() ? "yes" : "no"));
      make<Part>().setParent(this);
      OnCreate = [](TComponent&) { order.push_back("create"); };
    }
  };
  Built& b = makeForm<Built>();
  EXPECT_EQ(order, (std::vector<std::string>{"layout, loading=yes", "loaded while loading", "create"}));
  EXPECT_EQ(b.window()->className(), "Built");
}

}  // namespace
}  // namespace tavra::test

namespace tavra::test {

TEST_F(FrameworkTest, AMessageBoxOpenedByAButtonClosesByAClickOnItsOwnButton) {
  TForm& main = driver.app().CreateForm<TForm>();
  auto& opener = main.make<TButton>();
  opener.setParent(&main);
  opener.setBounds(10, 10, 90, 25);
  // The box opens inside the opener's click, while the opener still holds the mouse.
  opener.OnClick = [](TComponent&) { ShowMessage("Для данного раздела приложений нет"); };
  main.Show();
  driver.settle();
  int resultAfterClick = 0;
  bool sawButton = false;
  driver.setWhileBoxOpen([&](const RecordedBox&) {
    Window* box = driver.ws().activeWindow();
    ASSERT_NE(box, nullptr);
    for (Window* child : box->children()) {
      auto* button = dynamic_cast<TButton*>(TWinControl::fromWindow(child));
      if (!button) continue;
      sawButton = true;
      driver.click(*button);
    }
    auto* form = dynamic_cast<TCustomForm*>(TWinControl::fromWindow(box));
    ASSERT_NE(form, nullptr);
    resultAfterClick = form->modalResult();
  });
  driver.click(opener);
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_TRUE(sawButton);
  EXPECT_EQ(resultAfterClick, mrOk) << "the click on OK answers the box";
}

}  // namespace tavra::test
