// Menus: the bar in the frame and its lines in a narrow window, opening and choosing with the
// mouse and the keyboard, submenus, timers in the menu loop, owner drawing, hints of items,
// columns and scrolling, popup menus, shortcuts.
#include <functional>
#include <string>
#include <vector>

#include "FrameworkFixture.h"
#include "framework/controls/Button.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuTracker.h"
#include "framework/menus/PopupMenu.h"
#include "framework/core/Timer.h"
#include "gfx/Canvas.h"
#include "winsys/ClassicFrame.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

//  Файл          Правка        Выход
//    Открыть       Вырезать
//    -             Формат ▸ Жирный
//    Сохранить (disabled)     Курсив
//    Печать
class MenuForm : public TForm {
 public:
  explicit MenuForm(TComponent* owner) : TForm(owner) {
    setBorderStyle(TFormBorderStyle::bsSingle);
    setBounds(100, 100, 400, 300);
    menu = &make<TMainMenu>();
    file = item(menu->Items(), "&Файл");
    open = item(*file, "&Открыть");
    item(*file, "-");
    save = item(*file, "&Сохранить");
    save->setEnabled(false);
    print = item(*file, "Печать");
    edit = item(menu->Items(), "&Правка");
    cut = item(*edit, "Вырезать");
    format = item(*edit, "Формат");
    bold = item(*format, "Жирный");
    italic = item(*format, "Курсив");
    quit = item(menu->Items(), "Выход");
    setMenu(menu);
    setClientSize(300, 200);
    button = &make<TButton>();
    button->setParent(this);
    button->setBounds(10, 10, 75, 25);
  }
  TMenuItem* item(TMenuItem& parent, const std::string& caption) {
    TMenuItem& i = make<TMenuItem>();
    i.setCaption(caption);
    i.OnClick = [this, &i](TComponent&) { clicks.push_back(i.caption()); };
    parent.Add(i);
    return &i;
  }
  Point barItem(int index) {
    Rect r = menuBar().itemScreenRect(index);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  TMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *open = nullptr, *save = nullptr, *print = nullptr;
  TMenuItem *edit = nullptr, *cut = nullptr, *format = nullptr, *bold = nullptr, *italic = nullptr, *quit = nullptr;
  TButton* button = nullptr;
  std::vector<std::string> clicks;
};

class MenuTest : public FrameworkTest {
 protected:
  MenuForm& form() {
    if (!form_) {
      form_ = &makeForm<MenuForm>();
      form_->Show();
    }
    return *form_;
  }
  static PopupMenuWindow* level(int i) {
    MenuTracker* t = MenuTracker::active();
    return t && i < t->depth() ? t->level(i) : nullptr;
  }
  static Point itemPoint(int levelIndex, int item) {
    Rect r = level(levelIndex)->itemScreenRect(item);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  // Clicks of items other than submenu openers.
  std::vector<std::string> commands() {
    std::vector<std::string> out;
    for (const std::string& c : form().clicks) {
      if (c != "&Файл" && c != "&Правка" && c != "Формат") out.push_back(c);
    }
    return out;
  }

 private:
  MenuForm* form_ = nullptr;
};

TEST_F(MenuTest, TheBarLiesInTheFrameUnderTheCaption) {
  MenuForm& f = form();
  Window& w = *f.window();
  EXPECT_EQ(f.clientWidth(), 300);
  EXPECT_EQ(f.clientHeight(), 200) << "the client size is kept with the bar";
  FrameGeometry g = ClassicFrame::geometry(w);
  Rect bar = f.menuBar().barRect();
  EXPECT_EQ(bar.top, g.caption.bottom + 1);
  EXPECT_EQ(bar.height(), 19);
  EXPECT_EQ(bar.bottom, w.clientRect().top);
  EXPECT_EQ(w.send(WM_NCHITTEST, 0, makeLParam(f.barItem(0).x, f.barItem(0).y)), HTMENU);
  EXPECT_LT(f.menuBar().itemRect(0).right, f.menuBar().itemRect(1).left + 1);
  // Hiding every top-level item takes the bar away and gives its height to the client area.
  for (TMenuItem* i : {f.file, f.edit, f.quit}) i->setVisible(false);
  EXPECT_EQ(f.menuBar().height(), 0);
  EXPECT_EQ(f.clientHeight(), 219);
}

TEST_F(MenuTest, APressOnTheBarOpensItsMenuBelowAndAClickChooses) {
  MenuForm& f = form();
  std::string popupClass;
  Rect popupRect;
  driver.whenMenuOpen([&] {
    ASSERT_NE(level(0), nullptr);
    popupClass = level(0)->window().className();
    popupRect = level(0)->screenRect();
    EXPECT_TRUE(level(0)->window().isVisible());
    EXPECT_EQ(f.menuBar().selected(), 0);
    EXPECT_TRUE(f.menuBar().open());
    driver.click(itemPoint(0, 0));  // Открыть
  });
  driver.click(f.barItem(0));
  EXPECT_EQ(popupClass, "#32768");
  Rect item = f.menuBar().itemScreenRect(0);
  EXPECT_EQ(popupRect.topLeft(), (Point{item.left, item.bottom}));
  EXPECT_EQ(commands(), (std::vector<std::string>{"&Открыть"}));
  EXPECT_EQ(MenuTracker::active(), nullptr);
  EXPECT_EQ(f.menuBar().selected(), -1);
  EXPECT_EQ(driver.pendingMenuSteps(), 0u);
}

TEST_F(MenuTest, SeparatorsAndDisabledItemsAreNotChosen) {
  MenuForm& f = form();
  driver.whenMenuOpen([&] {
    driver.click(itemPoint(0, 1));  // the separator
    driver.click(itemPoint(0, 2));  // Сохранить, disabled
    EXPECT_NE(MenuTracker::active(), nullptr) << "the menu stays open";
    driver.click(itemPoint(0, 3));  // Печать
  });
  driver.click(f.barItem(0));
  EXPECT_EQ(commands(), (std::vector<std::string>{"Печать"}));
}

TEST_F(MenuTest, APressOutsideOrOnTheOpenItemClosesWithoutChoosing) {
  MenuForm& f = form();
  driver.whenMenuOpen([&] { driver.click(f.barItem(0)); });
  driver.click(f.barItem(0));
  EXPECT_EQ(MenuTracker::active(), nullptr);
  int buttonClicks = 0;
  f.button->OnClick = [&](TComponent&) { ++buttonClicks; };
  driver.whenMenuOpen([&] { driver.click(*f.button); });
  driver.click(f.barItem(1));
  EXPECT_EQ(MenuTracker::active(), nullptr);
  EXPECT_EQ(buttonClicks, 0) << "the press that closes the menu goes nowhere else";
  EXPECT_TRUE(commands().empty());
}

TEST_F(MenuTest, MovingAlongTheBarWithAMenuOpenSwitchesMenus) {
  MenuForm& f = form();
  driver.whenMenuOpen([&] {
    driver.moveTo(f.barItem(1));
    ASSERT_NE(level(0), nullptr);
    EXPECT_EQ(&level(0)->parentItem(), f.edit);
    EXPECT_EQ(f.menuBar().selected(), 1);
    driver.click(itemPoint(0, 0));  // Вырезать
  });
  driver.click(f.barItem(0));
  EXPECT_EQ(commands(), (std::vector<std::string>{"Вырезать"}));
}

TEST_F(MenuTest, ABarItemWithoutAMenuIsChosenByItsClick) {
  MenuForm& f = form();
  // Press and release arrive together: the release comes inside the menu loop.
  driver.moveTo(f.barItem(2));
  driver.backend().inject(InputEvent::mouse(InputEvent::Kind::MouseDown, f.barItem(2)));
  driver.backend().inject(InputEvent::mouse(InputEvent::Kind::MouseUp, f.barItem(2)));
  driver.settle();
  EXPECT_EQ(commands(), (std::vector<std::string>{"Выход"}));
}

TEST_F(MenuTest, RestingOnAnItemOpensItsSubmenuAfterThePauseWhileTimersTick) {
  MenuForm& f = form();
  TTimer& timer = f.make<TTimer>();
  int ticks = 0;
  timer.setInterval(100);
  timer.setOnTimer([&](TComponent&) { ++ticks; });
  driver.whenMenuOpen([&] {
    driver.moveTo(itemPoint(0, 1));  // Формат
    driver.advance(300);
    EXPECT_EQ(MenuTracker::active()->depth(), 1) << "not yet";
    driver.advance(150);
    ASSERT_EQ(MenuTracker::active()->depth(), 2);
    EXPECT_EQ(&level(1)->parentItem(), f.format);
    Rect parent = level(0)->screenRect();
    EXPECT_EQ(level(1)->screenRect().left, parent.right - 3) << "beside its parent, over its frame";
    driver.click(itemPoint(1, 1));  // Курсив
  });
  int before = ticks;
  driver.click(f.barItem(1));
  EXPECT_GE(ticks - before, 4) << "timers kept ticking inside the menu loop";
  EXPECT_EQ(commands(), (std::vector<std::string>{"Курсив"}));
}

TEST_F(MenuTest, KeyboardOpensMovesAndChooses) {
  MenuForm& f = form();
  struct Case {
    std::vector<unsigned> keys;
    std::vector<std::string> chosen;
  };
  // Alt (pressed and released) selects the first bar item; F10 too.
  const Case cases[] = {
      {{VK_MENU, VK_DOWN, VK_RETURN}, {"&Открыть"}},
      {{VK_MENU, VK_DOWN, VK_DOWN, VK_RETURN}, {}},                    // past the separator to Сохранить: disabled, Enter does nothing
      {{VK_MENU, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, {"Печать"}},
      {{VK_F10, VK_DOWN, VK_UP, VK_RETURN}, {"Печать"}},               // up wraps to the last item
      {{VK_F10, VK_RIGHT, VK_RETURN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, {"Курсив"}},
      {{VK_F10, VK_RIGHT, VK_RIGHT, VK_RETURN}, {"Выход"}},
      {{VK_F10, VK_LEFT, VK_RETURN}, {"Выход"}},                       // left wraps to the last bar item
      {{VK_F10, VK_DOWN, VK_RIGHT, VK_RETURN}, {"Вырезать"}},          // right with a menu open moves along the bar
      {{VK_F10, VK_DOWN, VK_ESCAPE, VK_ESCAPE, VK_RETURN}, {}},        // Escape closes a level, then leaves
      {{VK_F10, VK_DOWN, VK_ESCAPE, VK_DOWN, VK_RETURN}, {"&Открыть"}},
  };
  for (const Case& c : cases) {
    f.clicks.clear();
    for (unsigned key : c.keys) {
      unsigned mods = key == VK_MENU ? static_cast<unsigned>(kModAlt) : 0u;
      driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, key, mods));
      driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, key, 0));
    }
    driver.settle();
    EXPECT_EQ(commands(), c.chosen) << "keys starting " << c.keys[0] << ", " << c.keys.size() << " keys";
    EXPECT_EQ(MenuTracker::active(), nullptr);
  }
}

TEST_F(MenuTest, AcceleratorsOpenMenusAndChooseItems) {
  MenuForm& f = form();
  auto altLetter = [&](const std::string& letter) {
    driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_MENU, kModAlt));
    InputEvent text = InputEvent::typed(letter);
    text.modifiers = kModAlt;
    driver.backend().inject(text);
    driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, VK_MENU, 0));
  };
  altLetter("п");  // Alt+П: &Правка
  driver.backend().inject(InputEvent::typed("в"));  // Вырезать: no accelerator, its first letter
  driver.settle();
  EXPECT_EQ(commands(), (std::vector<std::string>{"Вырезать"}));
  f.clicks.clear();
  altLetter("ф");
  driver.backend().inject(InputEvent::typed("о"));  // &Открыть
  driver.settle();
  EXPECT_EQ(commands(), (std::vector<std::string>{"&Открыть"}));
  f.clicks.clear();
  altLetter("в");  // Выход has no menu: chosen at once
  driver.settle();
  EXPECT_EQ(commands(), (std::vector<std::string>{"Выход"}));
  // A display may report the held Alt again once the menu window shows: it is still the press
  // that opened the menu, and its release leaves the menu open.
  f.clicks.clear();
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_MENU, kModAlt));
  InputEvent text = InputEvent::typed("п");
  text.modifiers = kModAlt;
  driver.backend().inject(text);
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_MENU, kModAlt));
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, VK_MENU, 0));
  driver.backend().inject(InputEvent::typed("в"));
  driver.settle();
  EXPECT_EQ(commands(), (std::vector<std::string>{"Вырезать"}));
}

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirEvents) {
  MenuForm& f = form();
  f.menu->setOwnerDraw(true);
  std::vector<std::pair<std::string, TOwnerDrawState>> drawn;
  for (TMenuItem* item : {f.open, f.print}) {
    item->OnMeasureItem = [](TMenuItem&, Canvas&, int& w, int& h) {
      w = 150;
      h = 40;
    };
    item->OnAdvancedDrawItem = [&drawn](TMenuItem& i, Canvas& c, Rect r, TOwnerDrawState state) {
      drawn.push_back({i.caption(), state});
      c.fillRect(r, (state & odSelected) ? rgb(0, 200, 0) : rgb(200, 0, 0));
    };
  }
  Color selectedPixel = 0, otherPixel = 0;
  int height = 0, width = 0;
  driver.whenMenuOpen([&] {
    driver.moveTo(itemPoint(0, 0));
    Bitmap shot = driver.screenshot();
    Point a = itemPoint(0, 0), b = itemPoint(0, 3);
    selectedPixel = shot.colorAt(a.x, a.y);
    otherPixel = shot.colorAt(b.x, b.y);
    height = level(0)->itemScreenRect(0).height();
    width = level(0)->itemScreenRect(3).width();
  });
  driver.click(f.barItem(0));
  EXPECT_EQ(height, 40);
  EXPECT_EQ(width, 150) << "the column is as wide as its widest item";
  EXPECT_EQ(selectedPixel, rgb(0, 200, 0));
  EXPECT_EQ(otherPixel, rgb(200, 0, 0));
  ASSERT_FALSE(drawn.empty());
  bool sawSelected = false;
  for (auto& [caption, state] : drawn) {
    if (caption == "&Открыть" && (state & odSelected)) sawSelected = true;
    EXPECT_TRUE(state & odNoAccel) << "opened by the mouse: no accelerators shown";
  }
  EXPECT_TRUE(sawSelected);
}

TEST_F(MenuTest, TheApplicationHintFollowsTheItemUnderThePointer) {
  MenuForm& f = form();
  f.print->setHint("Печать документа|Печатает документ на принтере");
  std::string seen;
  driver.whenMenuOpen([&] {
    driver.moveTo(itemPoint(0, 3));
    seen = driver.app().Hint();
  });
  driver.click(f.barItem(0));
  EXPECT_EQ(seen, "Печатает документ на принтере") << "the long part of the hint";
  EXPECT_EQ(driver.app().Hint(), "") << "cleared when the menu closes";
}

TEST_F(MenuTest, BreaksStartColumnsAndTallMenusScroll) {
  MenuForm& f = form();
  TMenuItem* second = f.item(*f.file, "Вторая колонка");
  second->setBreak(TMenuBreak::mbBarBreak);
  Rect first, secondRect;
  driver.whenMenuOpen([&] {
    first = level(0)->itemScreenRect(0);
    secondRect = level(0)->itemScreenRect(4);
  });
  driver.click(f.barItem(0));
  EXPECT_EQ(secondRect.top, first.top) << "a new column starts at the top";
  EXPECT_GE(secondRect.left, first.right);
  // Sixty items are taller than the desktop: the menu scrolls to keep the selection in view.
  TMenuItem* many = f.item(f.menu->Items(), "Много");
  for (int i = 0; i < 60; ++i) f.item(*many, "Пункт " + std::to_string(i + 1));
  bool scrolls = false;
  int height = 0;
  Rect lastItem;
  driver.whenMenuOpen([&] {
    scrolls = level(0)->scrolls();
    height = level(0)->screenRect().height();
    driver.pressKey(VK_END);
    lastItem = level(0)->itemScreenRect(59);
  });
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_F10));
  for (int i = 0; i < 3; ++i) driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_RIGHT));
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_DOWN));
  driver.settle();
  EXPECT_TRUE(scrolls);
  EXPECT_EQ(height, 768);
  EXPECT_LE(lastItem.bottom, 768 - 3 - PopupMenuWindow::kArrowHeight) << "the last item scrolled into view";
}

TEST_F(MenuTest, APopupMenuShowsAtAPointAndChooses) {
  MenuForm& f = form();
  TPopupMenu& popup = f.make<TPopupMenu>();
  int popups = 0;
  popup.OnPopup = [&](TComponent&) { ++popups; };
  f.item(popup.Items(), "Первый");
  f.item(popup.Items(), "Второй");
  Point at;
  driver.whenMenuOpen([&] {
    at = level(0)->screenRect().topLeft();
    driver.click(itemPoint(0, 1));
  });
  popup.Popup(200, 250);
  EXPECT_EQ(at, (Point{200, 250}));
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(commands(), (std::vector<std::string>{"Второй"}));
  // Near the desktop's corner it opens up and to the left of the point.
  driver.whenMenuOpen([&] {
    Rect r = level(0)->screenRect();
    EXPECT_EQ(r.right, 1020);
    EXPECT_EQ(r.bottom, 760);
    driver.pressKey(VK_ESCAPE);
  });
  f.clicks.clear();
  popup.Popup(1020, 760);
  EXPECT_TRUE(commands().empty());
}

TEST_F(MenuTest, ANarrowWindowsBarWrapsAndClicksAndKeysFollowItsLines) {
  MenuForm& f = form();
  TMenuItem* help = f.item(f.menu->Items(), "Справка");
  f.item(*help, "О программе");
  MenuBar& bar = f.menuBar();
  ASSERT_EQ(bar.lineCount(), 1);
  std::vector<int> widths;
  for (int i = 0; i < 4; ++i) widths.push_back(bar.itemRect(i).width());
  const int clientTop = f.window()->clientRect().top;
  const int clientHeight = f.clientHeight();
  // One pixel too narrow for the first three: the third starts the second line, the fourth
  // follows it there.
  const int narrow = widths[0] + widths[1] + widths[2] - 1;
  f.setBounds(f.left(), f.top(), f.width() - f.clientWidth() + narrow, f.height());
  ASSERT_EQ(f.clientWidth(), narrow);
  EXPECT_EQ(bar.lineCount(), 2);
  const int line = MenuBar::lineHeight();
  EXPECT_EQ(bar.height(), 2 * line + 1);
  EXPECT_EQ(f.window()->clientRect().top, clientTop + line) << "the frame grew by a line";
  EXPECT_EQ(f.clientHeight(), clientHeight - line);
  const Rect barRect = bar.barRect();
  const Rect expected[] = {Rect::fromSize(barRect.left, barRect.top, widths[0], line),
                           Rect::fromSize(barRect.left + widths[0], barRect.top, widths[1], line),
                           Rect::fromSize(barRect.left, barRect.top + line, widths[2], line),
                           Rect::fromSize(barRect.left + widths[2], barRect.top + line, widths[3], line)};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(bar.itemRect(i), expected[i]) << i;
    const Point p = f.barItem(i);
    EXPECT_EQ(bar.itemAtScreen(p), i);
    EXPECT_EQ(f.window()->send(WM_NCHITTEST, 0, makeLParam(p.x, p.y)), HTMENU) << i;
  }
  // A click on the second line chooses the item drawn there (the release comes inside the loop).
  driver.moveTo(f.barItem(2));
  driver.backend().inject(InputEvent::mouse(InputEvent::Kind::MouseDown, f.barItem(2)));
  driver.backend().inject(InputEvent::mouse(InputEvent::Kind::MouseUp, f.barItem(2)));
  driver.settle();
  EXPECT_EQ(commands(), (std::vector<std::string>{"Выход"}));
  // Its menu opens under the item's own line, from the mouse and from the keyboard.
  for (bool keyboard : {false, true}) {
    f.clicks.clear();
    Rect popup;
    driver.whenMenuOpen([&] {
      popup = level(0)->screenRect();
      driver.click(itemPoint(0, 1));  // О программе
    });
    if (keyboard) {
      for (unsigned key : {static_cast<unsigned>(VK_F10), static_cast<unsigned>(VK_LEFT), static_cast<unsigned>(VK_DOWN)}) {
        driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, key));
      }
      driver.settle();
    } else {
      driver.click(f.barItem(3));
    }
    const Rect item = bar.itemScreenRect(3);
    EXPECT_EQ(popup.topLeft(), (Point{item.left, item.bottom})) << (keyboard ? "keys" : "mouse");
    EXPECT_EQ(f.clicks.back(), "О программе");
  }
}

TEST_F(MenuTest, ShortCutsReadAsMenusShowThemAndMatchOnlyTheirModifiers) {
  const std::pair<TShortCut, const char*> texts[] = {
      {{VK_C, ssCtrl}, "Ctrl+C"},          {{VK_F4, ssAlt}, "Alt+F4"},   {{VK_LEFT, ssAlt}, "Alt+Left"},
      {{VK_0, ssCtrl}, "Ctrl+0"},          {{VK_Z, ssCtrl | ssShift}, "Ctrl+Shift+Z"},
      {{VK_DELETE, 0}, "Del"},             {{VK_F1 + 11, 0}, "F12"},      {{}, ""}};
  for (const auto& [shortCut, text] : texts) EXPECT_EQ(ShortCutToText(shortCut), text) << text;
  const TShortCut copy{VK_C, ssCtrl};
  EXPECT_TRUE(copy.matches(VK_C, ssCtrl | ssLeft)) << "a held mouse button is not a modifier";
  EXPECT_FALSE(copy.matches(VK_C, ssCtrl | ssShift));
  EXPECT_FALSE(copy.matches(VK_C, 0));
  EXPECT_FALSE(copy.matches(VK_A, ssCtrl));
  EXPECT_FALSE(TShortCut{}.matches(0, 0));
}

TEST_F(MenuTest, AShortCutChoosesItsItemAfterItsParentsUnlessOneIsDisabled) {
  MenuForm& f = form();
  f.bold->setShortCut({VK_Z, ssCtrl});  // Правка ▸ Формат ▸ Жирный
  EXPECT_EQ(f.menu->FindShortCut(VK_Z, ssCtrl), f.bold);
  EXPECT_TRUE(f.menu->IsShortCut(VK_Z, ssCtrl));
  EXPECT_EQ(f.clicks, (std::vector<std::string>{"&Правка", "Формат", "Жирный"}));
  struct Case {
    const char* what;
    std::function<void()> change;
  };
  const Case blocked[] = {{"the item disabled", [&] { f.bold->setEnabled(false); }},
                          {"a parent disabled", [&] { f.format->setEnabled(false); }},
                          {"the item hidden", [&] { f.bold->setVisible(false); }},
                          {"other modifiers", [&] { f.bold->setShortCut({VK_Z, ssCtrl | ssShift}); }}};
  for (const Case& c : blocked) {
    c.change();
    f.clicks.clear();
    EXPECT_FALSE(f.menu->IsShortCut(VK_Z, ssCtrl)) << c.what;
    EXPECT_TRUE(f.clicks.empty()) << c.what;
    for (TMenuItem* i : {f.bold, f.format}) {
      i->setEnabled(true);
      i->setVisible(true);
    }
    f.bold->setShortCut({VK_Z, ssCtrl});
  }
  // A popup menu brings its items up to date first, as it does before it shows.
  TPopupMenu& popup = f.make<TPopupMenu>();
  TMenuItem* copy = f.item(popup.Items(), "Копировать");
  copy->setShortCut({VK_C, ssCtrl});
  copy->setEnabled(false);
  popup.OnPopup = [&](TComponent&) { copy->setEnabled(true); };
  f.clicks.clear();
  EXPECT_TRUE(popup.IsShortCut(VK_C, ssCtrl));
  EXPECT_EQ(f.clicks, (std::vector<std::string>{"Копировать"}));
}

TEST_F(MenuTest, AnItemsShortCutWidensItAndEndsAtTheArrowColumn) {
  MenuForm& f = form();
  Bitmap scratch(1, 1);
  Canvas measure(scratch);
  measure.setFont(systemFont());
  auto widthOf = [&](TMenuItem& item) {
    int w = 0, h = 0;
    item.MeasureItem(measure, w, h, false);
    return w;
  };
  const int plain = widthOf(*f.cut);
  f.cut->setShortCut({VK_X, ssCtrl});
  EXPECT_GE(widthOf(*f.cut), plain + measure.textWidth("Ctrl+X")) << "the caption and the shortcut both fit";
  // Drawn in a row wider than either needs, the shortcut's ink ends at the arrow column, whatever
  // its length; without one the ink stops with the caption.
  f.open->setShortCut({VK_V, ssCtrl | ssShift});
  const int row = 260;
  auto inkRight = [&](TMenuItem& item) {
    Bitmap b(row, 20);
    b.fill(pixelFromColor(systemColor(SysColor::Menu)));
    Canvas c(b);
    item.DrawItem(c, b.bounds(), 0, false);
    c.syncPixels();
    int right = -1;
    for (int y = 0; y < b.height(); ++y) {
      for (int x = 0; x < b.width(); ++x) {
        const Color p = b.colorAt(x, y);
        if (redOf(p) + greenOf(p) + blueOf(p) < 3 * 100) right = std::max(right, x + 1);
      }
    }
    return right;
  };
  constexpr int kArrowColumn = 20;
  for (TMenuItem* item : {f.cut, f.open}) {
    EXPECT_LE(inkRight(*item), row - kArrowColumn) << item->caption();
    EXPECT_GE(inkRight(*item), row - kArrowColumn - 2) << item->caption();
  }
  EXPECT_LT(inkRight(*f.print), row / 2);
}

}  // namespace
}  // namespace tavra::test
