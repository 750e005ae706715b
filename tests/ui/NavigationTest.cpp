// Page navigation of the main window: the page of every node, the chapter buttons, the
// appendix table with its message, help and glossary, the order of the selection handler, the
// tree's behaviour around the selection, and the main menu by mouse and keyboard.
#include <optional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuTracker.h"
#include "viewer/Navigation.h"
#include "about/AboutWindow.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

TEST_F(MainWindowTest, FirstShowingSelectsNodeZeroAndOpensItsPage) {
  MainWindow& f = main();
  EXPECT_TRUE(f.tv->focused());
  EXPECT_EQ(f.tv->selected(), node(0));
  EXPECT_EQ(f.wb1->requestedPath(), page("mat\\priv.mht"));
  EXPECT_EQ(f.lfx3->caption(), "");
  driver.settle();
  ASSERT_NE(f.wb1->document(), nullptr) << "the viewer loads it by itself";
  EXPECT_EQ(f.wb1->document()->path(), page("mat\\priv.mht"));
}

TEST_F(MainWindowTest, EveryNodeOpensItsPageAndShowsItsTextInTheLabel) {
  const char* pages[35] = {"priv", "vved", "1.0", "1.1", "1.2", "1.3", "2.0", "2.1", "2.2", "3.0", "3.1.0", "3.1.1",
                           "3.1.2", "3.1.3", "3.1.4", "3.1.5", "3.1.6", "3.2.0", "3.2.1", "3.2.2", "3.2.3", "3.3.0", "3.3.1", "3.3.2",
                           "3.3.3", "4.0", "4.1.0", "4.2.0", "4.2.1", "4.2.2", "4.3.0", "4.3.1", "4.3.2", "zak", "spis"};
  for (int i : {34, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 0}) {
    mainRequests.clear();
    select(i);
    ASSERT_EQ(mainRequests.size(), 1u) << i;
    EXPECT_EQ(mainRequests[0], page("mat\\" + std::string(pages[i]) + ".mht")) << i;
    EXPECT_EQ(main().lfx3->caption(), node(i)->text()) << i;
  }
  EXPECT_EQ(main().lfx3->caption(), "") << "node 0's empty text";
}

TEST_F(MainWindowTest, ThePageIsAskedForBeforeTheLabelChanges) {
  select(10);
  std::string labelAtRequest = "(none)";
  main().wb1->OnBeforeNavigate2 = [&](TComponent&, const std::string&) { labelAtRequest = main().lfx3->caption(); };
  select(30);
  EXPECT_EQ(labelAtRequest, "3.1 Уравнение колебаний струны    ") << "still the previous node's text";
  EXPECT_EQ(main().lfx3->caption(), "4.3 Задача Коши для уравнения теплопроводности    ") << "trailing blanks kept";
}

TEST_F(MainWindowTest, ChapterButtonsOpenTheChapterPagesAndNothingOutsideTheChapters) {
  MainWindow& f = main();
  struct Row {
    int node;
    int chapter;  // 0: none
  };
  const Row rows[] = {{0, 0}, {1, 0}, {2, 1}, {5, 1}, {6, 2}, {8, 2}, {9, 3}, {14, 3}, {24, 3}, {25, 4}, {32, 4}, {33, 0}, {34, 0}};
  for (const Row& r : rows) {
    select(r.node);
    std::string label = f.lfx3->caption();
    for (auto [button, folder] : {std::pair{f.f1b1, "prim"}, std::pair{f.f1b2, "zd"}, std::pair{f.f1b5, "vop"}}) {
      mainRequests.clear();
      driver.click(*button);
      if (r.chapter == 0) {
        EXPECT_TRUE(mainRequests.empty()) << "node " << r.node << " " << button->name();
      } else {
        ASSERT_EQ(mainRequests.size(), 1u) << r.node;
        EXPECT_EQ(mainRequests[0], page(std::string(folder) + "\\g" + std::to_string(r.chapter) + ".mht")) << r.node;
      }
    }
    EXPECT_EQ(f.tv->selected(), node(r.node)) << "the buttons change neither the selection";
    EXPECT_EQ(f.lfx3->caption(), label) << "nor the label";
  }
}

TEST_F(MainWindowTest, AppendicesOpenInTheirWindowOrTheMessageSaysThereAreNone) {
  MainWindow& f = main();
  AppendicesWindow& f4 = *w().appendicesWindow;
  const std::vector<std::pair<int, const char*>> withAppendix = {
      {9, "3.1"}, {10, "3.1"}, {11, "3.1.1"}, {17, "3.2.1"}, {18, "3.2.1"}, {19, "3.2.2"}, {20, "3.2.3"},
      {21, "3.3.1"}, {22, "3.3.1"}, {23, "3.3.2"}, {25, "4.1"}, {26, "4.1"}, {32, "4.3.2"}};
  for (int i = 0; i < 35; ++i) {
    select(i);
    appendixRequests.clear();
    driver.boxes.clear();
    driver.click(*f.sBitBtn1);
    std::optional<std::string> expected;
    for (auto& [n, name] : withAppendix) {
      if (n == i) expected = page("pril\\" + std::string(name) + ".mht");
    }
    if (expected) {
      EXPECT_TRUE(f4.visible()) << i;
      ASSERT_EQ(appendixRequests.size(), 1u) << i;
      EXPECT_EQ(appendixRequests[0], *expected) << i;
      EXPECT_TRUE(driver.boxes.empty()) << i;
    } else {
      ASSERT_EQ(driver.boxes.size(), 1u) << i;
      EXPECT_EQ(driver.boxes[0].text, "Для данного раздела приложений нет");
      EXPECT_EQ(driver.boxes[0].caption, "Tavra");
      EXPECT_EQ(driver.boxes[0].icon, MessageBoxIcon::None);
      EXPECT_FALSE(f4.visible()) << "hidden after the message, node " << i;
      EXPECT_TRUE(appendixRequests.empty());
    }
  }
}

TEST_F(MainWindowTest, AppendicesTwiceLoadAgainAndANodeWithoutThemClosesTheWindow) {
  MainWindow& f = main();
  AppendicesWindow& f4 = *w().appendicesWindow;
  select(11);
  driver.click(*f.sBitBtn1);
  driver.settle();
  int shown = f4.WB3->documentsShown();
  f.Show();  // back in front of the appendices window
  driver.click(*f.sBitBtn1);
  driver.settle();
  EXPECT_TRUE(f4.visible());
  EXPECT_EQ(appendixRequests.size(), 2u);
  EXPECT_EQ(f4.WB3->documentsShown(), shown + 1) << "the same page loaded again";
  select(32);
  f.Show();
  driver.click(*f.sBitBtn1);
  EXPECT_EQ(appendixRequests.back(), page("pril\\4.3.2.mht")) << "another node's page replaces it";
  bool openDuringMessage = false;
  driver.setWhileBoxOpen([&](const RecordedBox&) { openDuringMessage = f4.visible(); });
  select(31);
  f.Show();
  driver.click(*f.sBitBtn1);
  EXPECT_TRUE(openDuringMessage) << "the message first";
  EXPECT_FALSE(f4.visible()) << "then the window goes";
}

TEST_F(MainWindowTest, GlossaryAndHelpOpenTheirPagesWithAnyNode) {
  MainWindow& f = main();
  for (int i : {0, 14, 34}) {
    select(i);
    std::string label = f.lfx3->caption();
    mainRequests.clear();
    driver.click(*f.f1b4);
    driver.click(*f.sSpeedButton1);
    EXPECT_EQ(mainRequests, (std::vector<std::string>{page("mat\\gloss.mht"), page("help.mht")})) << i;
    EXPECT_EQ(f.tv->selected(), node(i));
    EXPECT_EQ(f.lfx3->caption(), label);
  }
}

TEST_F(MainWindowTest, CollapsingAChapterMovesTheSelectionToItAndOpensItsPage) {
  MainWindow& f = main();
  select(14);
  mainRequests.clear();
  node(9)->Collapse(false);
  EXPECT_EQ(f.tv->selected(), node(9));
  EXPECT_EQ(mainRequests, (std::vector<std::string>{page("mat\\3.0.mht")}));
  EXPECT_EQ(f.lfx3->caption(), "3 Уравнения гиперболического типа");
  // The absolute index does not depend on what is expanded.
  node(25)->Collapse(true);
  EXPECT_FALSE(node(32)->isVisible());
  EXPECT_EQ(node(32)->absoluteIndex(), 32);
  // The same by the mouse, on the chapter's button.
  select(13);
  Rect button = f.tv->buttonRect(*node(9));
  driver.click(f.tv->clientToScreen({button.left + button.width() / 2, button.top + button.height() / 2}));
  EXPECT_FALSE(node(9)->expanded());
  EXPECT_EQ(f.tv->selected(), node(9));
}

TEST_F(MainWindowTest, TheKeyboardWalksTheTableOfContents) {
  MainWindow& f = main();
  ASSERT_TRUE(f.tv->focused());
  struct Step {
    unsigned key;
    int selected;
  };
  const Step steps[] = {{VK_DOWN, 1}, {VK_DOWN, 2}, {VK_RIGHT, 2}, {VK_RIGHT, 3}, {VK_DOWN, 4}, {VK_LEFT, 2},
                        {VK_LEFT, 2}, {VK_DOWN, 6}, {VK_END, 34}, {VK_UP, 33}, {VK_HOME, 0}, {VK_NEXT, 34}};
  for (const Step& s : steps) {
    mainRequests.clear();
    int before = f.tv->selected()->absoluteIndex();
    driver.pressKey(s.key);
    EXPECT_EQ(f.tv->selected()->absoluteIndex(), s.selected) << "key " << s.key;
    if (s.selected != before) EXPECT_EQ(mainRequests, (std::vector<std::string>{page(navigation::nodePage(s.selected))}));
    else EXPECT_TRUE(mainRequests.empty());
  }
}

TEST_F(MainWindowTest, TheMenuOpensHelpAndAboutByMouseAndByKeyboard) {
  MainWindow& f = main();
  auto barItem = [&](int i) {
    Rect r = f.menuBar().itemScreenRect(i);
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  auto popupItem = [](int i) {
    Rect r = MenuTracker::active()->level(0)->itemScreenRect(i);
    return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  };
  std::string hintOfHelp;
  driver.whenMenuOpen([&] {
    driver.moveTo(barItem(0));
    hintOfHelp = driver.app().Hint();
    driver.moveTo(barItem(1));  // "Справка": its menu replaces "Вид"'s
    driver.click(popupItem(0)); // "Помощь"
  });
  mainRequests.clear();
  driver.click(barItem(0));
  EXPECT_EQ(hintOfHelp, "Внешний вид учебника");
  EXPECT_EQ(mainRequests, (std::vector<std::string>{page("help.mht")}));
  // Alt, Right to "Справка", Down to "Помощь", Down to "О программе", Enter.
  for (unsigned key : {VK_MENU, VK_RIGHT, VK_DOWN, VK_DOWN, VK_RETURN}) {
    driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, key, key == VK_MENU ? static_cast<unsigned>(kModAlt) : 0u));
    driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, key, 0));
  }
  driver.settle();
  EXPECT_TRUE(w().aboutWindow->visible());
  // "Выход" ends the program.
  f.Show();
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_F10));
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_LEFT));
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_RETURN));
  driver.settle();
  EXPECT_TRUE(driver.ended());
}

}  // namespace
}  // namespace tavra::test
