// The main window's layout: every control at its place with its caption, font, hint, picture
// and skin section, the tab order, the menu, the table of contents and its presentation, and
// the appendices window's viewer.
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "framework/core/HintController.h"
#include "framework/menus/MenuBar.h"
#include "winsys/ClassicFrame.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

TEST_F(MainWindowTest, EveryControlOfTheLayoutIsInPlace) {
  MainWindow& f = main();
  EXPECT_EQ(f.clientRect().size(), (Size{1000, 680}));
  EXPECT_EQ(f.boundsRect().topLeft(), (Point{9, 5}));
  EXPECT_EQ(f.font().name, "MS Sans Serif");
  EXPECT_EQ(f.font().height, 11);
  EXPECT_FALSE(f.window()->style() & WS_MAXIMIZEBOX);
  EXPECT_TRUE(f.window()->style() & WS_MINIMIZEBOX);
  struct Row {
    TControl* control;
    const char* name;
    TControl* parent;
    Rect bounds;
    const char* caption;
    const char* hint;
    std::string section;
  };
  auto section = [](auto* c) { return c->SkinData.skinSection(); };
  const std::string tasksHint = "Чтобы просмотреть задания нажмите эту кнопку";
  const Row rows[] = {
      {f.sFrameBar1, "sFrameBar1", &f, Rect::fromSize(0, 0, 1000, 81), "", "", section(f.sFrameBar1)},
      {f.sSpeedButton1, "sSpeedButton1", f.sFrameBar1, Rect::fromSize(920, 0, 73, 73), "", "", section(f.sSpeedButton1)},
      {f.tv, "tv", &f, Rect::fromSize(0, 80, 273, 537), "", "Выберите пункт для просмотра", section(f.tv)},
      {f.sPanel1, "sPanel1", &f, Rect::fromSize(272, 80, 729, 601), "", "", section(f.sPanel1)},
      {f.wb1, "wb1", f.sPanel1, Rect::fromSize(2, 2, 721, 593), "", "", ""},
      {f.f1b1, "f1b1", &f, Rect::fromSize(0, 619, 89, 30), "примеры", tasksHint.c_str(), section(f.f1b1)},
      {f.f1b2, "f1b2", &f, Rect::fromSize(88, 619, 97, 30), "задания", tasksHint.c_str(), section(f.f1b2)},
      {f.f1b3, "f1b3", &f, Rect::fromSize(184, 619, 89, 30), "тесты", "Небольшое проверочное тестирование", section(f.f1b3)},
      {f.f1b4, "f1b4", &f, Rect::fromSize(0, 650, 89, 30), "глоссарий", "Глоссарий к учебнику", section(f.f1b4)},
      {f.sBitBtn1, "sBitBtn1", &f, Rect::fromSize(88, 650, 97, 30), "Приложения", "Рисунки используемые в тексте", section(f.sBitBtn1)},
      {f.f1b5, "f1b5", &f, Rect::fromSize(184, 650, 89, 30), "Проверка", "Вопросы для самопроверки", section(f.f1b5)},
  };
  const std::vector<std::string> sections = {"BAR", "SPEEDBUTTON", "EDIT", "PANEL", "", "BUTTON", "BUTTON", "BUTTON", "BUTTON", "BUTTON", "BUTTON"};
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& r = rows[i];
    EXPECT_EQ(r.control->name(), r.name);
    EXPECT_EQ(r.control->parent(), r.parent) << r.name;
    EXPECT_EQ(r.control->boundsRect(), r.bounds) << r.name;
    EXPECT_EQ(r.control->caption(), r.caption) << r.name;
    EXPECT_EQ(r.control->hint(), r.hint) << r.name;
    EXPECT_EQ(r.section, sections[i]) << r.name;
  }
  EXPECT_EQ(f.sFrameBar1->align(), TAlign::alTop);
  EXPECT_EQ(f.sFrameBar1->borderStyle(), TBorderStyle::bsNone);
  EXPECT_EQ(f.sPanel1->bevelInner(), TBevelCut::bvSpace);
  EXPECT_EQ(f.sPanel1->bevelOuter(), TBevelCut::bvSpace);
  EXPECT_EQ(f.sPanel1->borderStyle(), TBorderStyle::bsSingle);
  // The effect labels: places, captions and fonts.
  struct LabelRow {
    TsLabelFX* label;
    Point at;
    const char* caption;
    Font font;
  };
  const LabelRow labels[] = {
      {f.sLabelFX1, {8, 16}, "СОДЕРЖАНИЕ", Font{"Times New Roman", 35, fsBold, clBlack, FontCharset::Default}},
      {f.lfx3, {8, 56}, "", Font{"Monotype Corsiva", 19, fsItalic, clBlack, FontCharset::Default}},
      {f.sLabelFX2, {379, 0}, "Veltrana", Font{"Verdana", 24, fsBold | fsItalic, clBlack, FontCharset::Default}},
  };
  for (const LabelRow& l : labels) {
    EXPECT_EQ(l.label->parent(), f.sFrameBar1);
    EXPECT_EQ(l.label->top(), l.at.y) << l.caption;
    EXPECT_TRUE(l.label->autoSize()) << l.caption;
    // Auto-sized to their text; the right-aligned one keeps its right edge.
    if (l.label->alignment() == TAlignment::taRightJustify) EXPECT_EQ(l.label->left() + l.label->width(), 379 + 542);
    else EXPECT_EQ(l.label->left(), l.at.x) << l.caption;
    // The stored colour is black; under a skin the labels take the skin's text colour.
    Font font = l.label->font();
    font.color = l.font.color;
    EXPECT_EQ(font, l.font) << l.caption;
  }
  EXPECT_EQ(f.sLabelFX1->caption(), "СОДЕРЖАНИЕ");
  EXPECT_EQ(f.sLabelFX2->caption(), "Veltrana");
  EXPECT_EQ(f.sLabelFX2->alignment(), TAlignment::taRightJustify);
  EXPECT_TRUE(f.sLabelFX2->wordWrap());
  EXPECT_EQ(f.lfx3->alignment(), TAlignment::taCenter);
  // Pictures: 24 × 24 on the buttons, the 64 × 64 badge on the help button; "примеры" and
  // "Приложения" share theirs.
  for (TsBitBtn* b : {f.f1b1, f.f1b2, f.f1b3, f.f1b4, f.sBitBtn1, f.f1b5}) EXPECT_EQ(b->glyph().size(), (Size{24, 24})) << b->name();
  EXPECT_EQ(f.sSpeedButton1->glyph().size(), (Size{64, 64}));
  EXPECT_EQ(f.f1b1->glyph(), f.sBitBtn1->glyph());
  EXPECT_FALSE(f.f1b1->glyph() == f.f1b2->glyph());
  EXPECT_EQ(alphaOf(f.f1b2->glyph().pixel(0, 0)), 0) << "transparent corners";
}

TEST_F(MainWindowTest, TabOrderStartsWithTheTree) {
  MainWindow& f = main();
  std::vector<std::string> order;
  for (TWinControl* c : f.tabList()) order.push_back(c->name());
  EXPECT_EQ(order, (std::vector<std::string>{"tv", "sFrameBar1", "f1b2", "f1b3", "f1b5", "f1b1", "f1b4", "sPanel1", "sBitBtn1"}));
  EXPECT_TRUE(f.tv->focused());
  driver.pressKey(VK_TAB);
  EXPECT_TRUE(f.f1b2->focused()) << "the bar and the panel take no tab stop";
  driver.pressKey(VK_TAB);
  EXPECT_TRUE(f.f1b3->focused());
}

TEST_F(MainWindowTest, TabReachesEveryButtonAndThePageViewerAndComesRound) {
  MainWindow& f = main();
  ASSERT_TRUE(f.tv->focused());
  std::vector<std::string> visited;
  for (int i = 0; i < 8; ++i) {
    driver.pressKey(VK_TAB);
    Window* focus = driver.ws().focus();
    TWinControl* c = TWinControl::fromWindow(focus);
    visited.push_back(c ? c->name() : "?");
  }
  // The panel gives the focus to the page viewer inside it.
  EXPECT_EQ(visited, (std::vector<std::string>{"f1b2", "f1b3", "f1b5", "f1b1", "f1b4", "wb1", "sBitBtn1", "tv"}));
  driver.pressKey(VK_TAB, kModShift);
  EXPECT_TRUE(f.sBitBtn1->focused()) << "Shift+Tab goes back";
}

TEST_F(MainWindowTest, AFocusedButtonShowsItsFocusRectangle) {
  MainWindow& f = main();
  // The button's pixels: black ones that appear with the focus are the dotted focus frame.
  auto blackPixels = [&](TWinControl& b) {
    driver.settle();
    Bitmap shot = driver.screenshot();
    Point origin = b.clientToScreen({0, 0});
    std::vector<bool> black;
    for (int y = 0; y < b.height(); ++y) {
      for (int x = 0; x < b.width(); ++x) black.push_back(shot.colorAt(origin.x + x, origin.y + y) == clBlack);
    }
    return black;
  };
  driver.pressKey(VK_TAB);
  driver.pressKey(VK_TAB);
  std::vector<bool> before = blackPixels(*f.f1b5);
  driver.pressKey(VK_TAB);
  ASSERT_TRUE(f.f1b5->focused());
  std::vector<bool> focused = blackPixels(*f.f1b5);
  int appeared = 0;
  for (size_t i = 0; i < focused.size(); ++i) appeared += (focused[i] && !before[i]) ? 1 : 0;
  EXPECT_GT(appeared, 10) << "the focused button shows its focus frame";
  driver.pressKey(VK_TAB);
  EXPECT_EQ(blackPixels(*f.f1b5), before) << "and loses it with the focus";
}

TEST_F(MainWindowTest, TheMenuBarHoldsViewHelpAndExit) {
  MainWindow& f = main();
  ASSERT_EQ(f.Menu(), f.mm1);
  struct Row {
    TMenuItem* item;
    TMenuItem* parent;
    const char* caption;
    const char* hint;
    Size picture;
  };
  const Row rows[] = {
      {f.N1, &f.mm1->Items(), "Вид", "Внешний вид учебника", {}},
      {f.N6, f.N1, "Обложки", "Выберите обложку", {32, 32}},
      {f.N2, &f.mm1->Items(), "Справка", "Получение справочной информации", {}},
      {f.N5, f.N2, "Помощь", "", {24, 24}},
      {f.N3, f.N2, "О программе", "", {24, 24}},
      {f.N4, &f.mm1->Items(), "Выход", "Нажмите для выхода ", {}},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.item->parentItem(), r.parent) << r.caption;
    EXPECT_EQ(r.item->caption(), r.caption);
    EXPECT_EQ(r.item->hint(), r.hint) << r.caption;
    EXPECT_EQ(r.item->bitmap().size(), r.picture) << r.caption;
  }
  EXPECT_EQ(f.mm1->Items().count(), 3);
  EXPECT_EQ(f.N6->count(), 51) << "the covers \"1\" to \"51\"";
  // The bar lies under the caption; the client area keeps its 1000 × 680.
  FrameGeometry g = ClassicFrame::geometry(*f.window());
  EXPECT_EQ(f.menuBar().barRect().top, g.caption.bottom + 1);
  EXPECT_EQ(f.menuBar().barRect().bottom, f.window()->clientRect().top);
}

TEST_F(MainWindowTest, TheTreeHoldsTheTableOfContentsAllCollapsed) {
  TTreeView& tv = *main().tv;
  ASSERT_EQ(tv.items().count(), 35);
  EXPECT_EQ(tv.indent(), 19);
  EXPECT_FALSE(tv.showLines());
  EXPECT_TRUE(tv.showButtons());
  EXPECT_TRUE(tv.showRoot());
  EXPECT_TRUE(tv.hideSelection());
  EXPECT_EQ(tv.borderStyle(), TBorderStyle::bsSingle);
  EXPECT_EQ(tv.color(), clWhite);
  EXPECT_EQ(tv.images(), main().il1);
  EXPECT_EQ(main().il1->count(), 3);
  EXPECT_EQ(main().il1->width(), 16);
  // Depths, in absolute-index order.
  const int depths[35] = {0, 0, 0, 1, 1, 1, 0, 1, 1, 0, 1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 1, 2, 2, 2, 0, 1, 1, 2, 2, 1, 2, 2, 0, 0};
  int topLevel = 0;
  for (int i = 0; i < 35; ++i) {
    TTreeNode* n = node(i);
    EXPECT_EQ(n->level(), depths[i]) << i;
    EXPECT_EQ(n->absoluteIndex(), i);
    EXPECT_FALSE(n->expanded()) << i;
    int expectedImage = i == 0 ? -1 : i == 24 ? 0 : depths[i];
    EXPECT_EQ(n->imageIndex(), expectedImage) << i;
    EXPECT_EQ(n->selectedIndex(), i == 0 ? -1 : 0) << i;
    topLevel += depths[i] == 0;
  }
  EXPECT_EQ(topLevel, 8);
  // Texts: the telling ones, blanks included.
  struct Text {
    int index;
    const char* text;
  };
  for (const Text& t : {Text{0, ""}, Text{1, "Введение"}, Text{2, "1 Классификация уравнений второго порядка "},
                        Text{3, "1.1 Типы уравнений второго порядка "}, Text{10, "3.1 Уравнение колебаний струны    "},
                        Text{24, "3.3.3 Телеграфное уравнение"}, Text{30, "4.3 Задача Коши для уравнения теплопроводности    "},
                        Text{29, "4.2.2 Решение первой краевой задачи для уравнения Теплопроводности"},
                        Text{34, "Список использованных источников"}}) {
    EXPECT_EQ(node(t.index)->text(), t.text) << t.index;
  }
  EXPECT_EQ(node(10)->count(), 6);
  EXPECT_EQ(node(9)->count(), 3);
  EXPECT_EQ(node(25)->count(), 3);
  EXPECT_EQ(node(11)->parent(), node(10));
  EXPECT_EQ(node(26)->parent(), node(25));
}

TEST_F(MainWindowTest, HintsShowOnTheTreeAndTheButtons) {
  MainWindow& f = main();
  driver.moveTo(f.tv->clientToScreen({100, 400}));
  driver.advance(500);
  HintController& hints = driver.app().hints();
  ASSERT_TRUE(hints.showing());
  EXPECT_EQ(hints.window()->caption(), "Выберите пункт для просмотра");
  driver.moveTo(driver.centreOf(*f.f1b1));
  driver.advance(driver.app().HintShortPause);
  ASSERT_TRUE(hints.showing());
  EXPECT_EQ(hints.window()->caption(), "Чтобы просмотреть задания нажмите эту кнопку");
}

TEST_F(MainWindowTest, TheAppendicesViewerFillsItsWindowAndFollowsIt) {
  AppendicesWindow& f4 = *w().appendicesWindow;
  f4.Show();
  TWebBrowser& wb = *f4.WB3;
  EXPECT_EQ(wb.boundsRect(), f4.clientRect());
  EXPECT_EQ(f4.boundsRect(), Rect::fromSize(255, 172, 480, 427));
  f4.setBounds(255, 172, 600, 500);
  EXPECT_EQ(wb.boundsRect(), f4.clientRect());
  EXPECT_EQ(wb.width(), f4.clientWidth());
  // Resizing by the frame's corner does the same.
  Point corner = f4.window()->screenOrigin() + Point{599, 499};
  driver.mouseDown(corner);
  driver.moveTo(corner + Point{-100, -50});
  driver.mouseUp(corner + Point{-100, -50});
  EXPECT_EQ(f4.width(), 500);
  EXPECT_EQ(wb.boundsRect(), f4.clientRect());
}

}  // namespace
}  // namespace tavra::test
