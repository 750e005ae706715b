// The menu skinner: item kinds and their measures, the menu background with its icon column and
// the popup window's shape, the handlers it installs and removes, and how popup items look
// (disabled items, right-aligned captions and shortcuts, separators, caption items, system-menu
// glyphs).
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "PaintFixtures.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/fixtures/FixtureSkin.h"
#include "framework/core/Form.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/PopupMenu.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/menus/MenuBackgroundCache.h"
#include "skin/menus/MenuSkinning.h"
#include "skin/menus/SystemMenuGlyph.h"
#include "skin/menus/TsSkinableMenus.h"
#include "skin/primitives/UpwardText.h"
#include "winsys/Keys.h"
#include "winsys/SystemMetrics.h"
#include "winsys/WindowSystem.h"

namespace tavra::test {
namespace {

constexpr Color kMainMenu = rgb(200, 210, 220);
constexpr Color kIcoLine = rgb(180, 180, 160);
constexpr Color kItem = rgb(240, 240, 240);
constexpr Color kItemHot = rgb(50, 100, 200);
constexpr Color kToolbar = rgb(100, 120, 140);

TsSkinGeneral& addSection(TsStoredSkin& skin, const std::string& name, Color color, Color hot) {
  TsSkinGeneral& s = skin.GeneralData.emplace_back();
  s.SectionName = name;
  s.Color = color;
  s.HotColor = hot;
  s.FontColor = "0 -1 -1 -1 -1";
  s.HotFontColor = std::to_string(clWhite) + " -1 -1 -1 -1";
  return s;
}

// The fixture skin with plain menu sections; `border` adds a "MAINMENU" border mask: the
// fixture's 16 × 16 button frame, whose four corner pixels are transparent.
TsStoredSkin menuSkin(bool border) {
  TsStoredSkin skin = fixtureSkin();
  skin.Name = "Menus";
  addSection(skin, "MAINMENU", kMainMenu, kMainMenu);
  addSection(skin, "ICOLINE", kIcoLine, kIcoLine);
  addSection(skin, "MENUITEM", kItem, kItemHot);
  addSection(skin, "TOOLBAR", kToolbar, kToolbar);
  if (border) {
    TsSkinImage& i = skin.Images.emplace_back();
    i.SectionName = "MAINMENU";
    i.PropertyName = "BORDERSMASK";
    i.Right = i.Bottom = 16;
    i.ImageCount = 1;
    i.WL = i.WT = i.WR = i.WB = 2;
  }
  return skin;
}

class SkinnedMenusTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager* sm = nullptr;
  TsSkinableMenus* skinner = nullptr;
  TForm* form = nullptr;
  TPopupMenu* popup = nullptr;

  void SetUp() override { start(false); }
  void TearDown() override {
    SkinHandOver::slots().createMenuSkinner = nullptr;
    SkinHandOver::slots().attachMenuWindowAdapter = nullptr;
    MenuBackgroundCache::instance().clear();
  }
  void start(bool border) {
    installMenuSkinning();
    sm = &driver.app().make<TsSkinManager>();
    sm->internalSkins().add() = menuSkin(border);
    sm->setSkinName("Menus");
    skinner = dynamic_cast<TsSkinableMenus*>(sm->menuSkinner());
    ASSERT_NE(skinner, nullptr);
    form = &driver.app().CreateForm<TForm>();
    popup = &form->make<TPopupMenu>();
    popup->setName("pm");
  }
  TMenuItem& add(TMenuItem& parent, const std::string& caption) {
    TMenuItem& item = form->make<TMenuItem>();
    item.setCaption(caption);
    parent.Add(item);
    return item;
  }
  TMenuItem& add(const std::string& caption) { return add(popup->Items(), caption); }
  Size measure(TMenuItem& item) {
    Bitmap scratch(1, 1);
    Canvas c(scratch);
    int w = 0, h = 0;
    item.MeasureItem(c, w, h, false);
    return {w, h};
  }
  // The item drawn alone into a bitmap of its measured size (no popup window: the background
  // is composed at the menu's measured size).
  Bitmap draw(TMenuItem& item, TOwnerDrawState state, int width = 0) {
    const Size s = measure(item);
    Bitmap b(width > 0 ? width : s.width, s.height);
    b.fill(pixelFromColor(clFuchsia));
    Canvas c(b);
    item.DrawItem(c, b.bounds(), state, false);
    c.syncPixels();
    return b;
  }
  static int lineHeight() {
    Bitmap scratch(1, 1);
    Canvas c(scratch);
    c.setFont(systemFont());
    return static_cast<int>(std::lround(1.25 * c.textExtent("W").height));
  }
  // The first and last columns with dark (text) pixels; (width, -1) without any.
  static std::pair<int, int> inkColumns(const Bitmap& b) {
    int first = b.width(), last = -1;
    for (int y = 0; y < b.height(); ++y) {
      for (int x = 0; x < b.width(); ++x) {
        const Color c = b.colorAt(x, y);
        if (redOf(c) < 100 && greenOf(c) < 100 && blueOf(c) < 100) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
      }
    }
    return {first, last};
  }
  static int textWidth(const std::string& text) {
    Bitmap scratch(1, 1);
    Canvas c(scratch);
    c.setFont(systemFont());
    return c.textWidth(text);
  }
};

TEST(MenuItemKinds, CaptionsDecideTheKind) {
  struct Case {
    const char* caption;
    TsMenuItemType kind;
  };
  const Case cases[] = {{"-", smDivider}, {"-Обложки-", smCaption}, {"--", smCaption}, {"-x", smNormal},
                        {"Обложки", smNormal}, {"", smNormal}};
  for (const Case& c : cases) EXPECT_EQ(menuItemKind(c.caption), c.kind) << '"' << c.caption << '"';
  EXPECT_EQ(captionItemTitle("-Обложки-"), "Обложки");
  EXPECT_EQ(captionItemTitle("-Два слова-"), "Два");
  EXPECT_EQ(withoutAmpersands("&Вид && &Справка"), "Вид  Справка");
}

TEST(UpwardText, ReadsUpwardsFromItsStart) {
  Bitmap b(30, 120);
  b.fill(pixelFromColor(clWhite));
  drawTextUpwards(b, "Tavra Tavra", {5, 110}, systemFont(), clBlack);
  Rect ink{b.width(), b.height(), -1, -1};
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      if (redOf(b.colorAt(x, y)) > 128) continue;
      ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
    }
  }
  ASSERT_GT(ink.right, ink.left);
  EXPECT_GT(ink.height(), 3 * ink.width()) << "a line of text stands upright";
  EXPECT_LE(ink.bottom, 111);
  EXPECT_GE(ink.left, 5);
  EXPECT_LT(ink.right, 5 + 15) << "within one line height of the start";
}

TEST_F(SkinnedMenusTest, ItemsMeasureByKind) {
  TMenuItem& separator = add("-");
  TMenuItem& caption = add("-Раздел-");
  TMenuItem& normal = add("Пункт");
  TMenuItem& cover = add("7");
  Bitmap preview(160, 115);
  cover.setBitmap(preview);
  skinner->ApplyToMenus(true);
  const int line = lineHeight();
  EXPECT_EQ(measure(separator).height, 2);
  EXPECT_EQ(measure(caption).height, line + 2 * skinner->Margin);
  EXPECT_EQ(measure(normal), (Size{2 * 16 + textWidth("Пункт") + 3 * 2 + 6, std::max(line, 16) + 2 * 2}));
  // A cover with its preview: 115 + 2 × Margin high, twice the picture's width in it.
  EXPECT_EQ(measure(cover), (Size{2 * 160 + textWidth("7") + 3 * 2 + 6, 115 + 2 * skinner->Margin}));
  skinner->Margin = 5;
  EXPECT_EQ(measure(cover).height, 125);
}

TEST_F(SkinnedMenusTest, ColumnBreaksWidenOnlyTheFirstColumnByTheExtraLine) {
  TMenuItem& a = add("Один");
  TMenuItem& b = add("Два и три");
  TMenuItem& c = add("Четыре");
  c.setBreak(TMenuBreak::mbBreak);
  TMenuItem& d = add("Пять");
  skinner->ApplyToMenus(true);
  const Size before[] = {measure(a), measure(b), measure(c), measure(d)};
  const int column1 = std::max(before[0].width, before[1].width) + 12;
  const int column2 = std::max(before[2].width, before[3].width) + 12;
  EXPECT_EQ(skinner->menuWindowSize(popup->Items()),
            (Size{column1 + 4 + column2 + 2 * 3, std::max(before[0].height + before[1].height, before[2].height + before[3].height) + 2 * 3}));

  sm->MenuSupport.UseExtraLine = true;
  sm->OnGetMenuExtraLineData = [](TComponent*, std::string&, std::string& caption, Bitmap&, bool& visible) {
    caption = "&Tavra";
    visible = true;
  };
  skinner->BuildMenuBackground(a, 200, 100, nullptr);
  EXPECT_EQ(skinner->ExtraLineWidthOf(&a), 32);
  EXPECT_EQ(measure(a).width, before[0].width + 32);
  EXPECT_EQ(measure(b).width, before[1].width + 32);
  EXPECT_EQ(measure(c).width, before[2].width) << "after the break";
  EXPECT_EQ(measure(d).width, before[3].width);
}

TEST_F(SkinnedMenusTest, SkinSelectItemKeepsTheExtraLineAway) {
  int asked = 0;
  sm->MenuSupport.UseExtraLine = true;
  sm->OnGetMenuExtraLineData = [&](TComponent*, std::string&, std::string&, Bitmap&, bool&) { ++asked; };
  TMenuItem& first = add("Скины");
  add("Другой");
  first.setName("SkinSelectItem");
  skinner->BuildMenuBackground(first, 100, 60, nullptr);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(skinner->ExtraLineWidthOf(&first), 0);

  MenuBackgroundCache::instance().clear();
  first.setName("N1");
  skinner->BuildMenuBackground(first, 100, 60, nullptr);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(skinner->ExtraLineWidthOf(&first), 32) << "the event left the line visible";
  sm->MenuSupport.UseExtraLine = false;
  EXPECT_EQ(skinner->ExtraLineWidthOf(&first), 0) << "without UseExtraLine no line, whatever the event says";
}

TEST_F(SkinnedMenusTest, BackgroundHasTheIconColumnAndTheWindowItsShape) {
  // The skin again, now with a border whose corner pixels are transparent.
  TearDown();
  driver.app().destroyComponent(*form);
  driver.app().destroyComponent(*sm);
  start(true);
  TMenuItem& first = add("Пункт");
  EXPECT_EQ(skinner->SkinBorderWidth(), 3) << "a border mask without its own width counts as 3";

  WindowParams p;
  p.className = "#32768";
  p.style = WS_POPUP;
  p.bounds = Rect::fromSize(100, 100, 60, 40);
  std::unique_ptr<Window> window = WindowSystem::instance().createWindow(p);
  EXPECT_EQ(window->send(SM_SKINCMD, makeWParam(0, 7), 0), 1) << "the hook gave the popup window its adapter";
  EXPECT_EQ(window->send(SM_SKINCMD, makeWParam(0, 8), 0), 0);
  const MenuBackground& entry = skinner->BuildMenuBackground(first, 60, 40, window.get());
  const Bitmap& b = *entry.bitmap;
  ASSERT_EQ(b.size(), (Size{60, 40}));
  const int column = skinner->Margin + 16 + skinner->Spacing;
  EXPECT_EQ(MenuBackgroundCache::instance().iconColumnWidth, column);
  EXPECT_TRUE(allOf(b, Rect{3, 3, 3 + column, 37}, kIcoLine));
  EXPECT_TRUE(allOf(b, Rect{3 + column, 3, 57, 37}, kMainMenu));
  EXPECT_EQ(window->send(SM_SKINCMD, makeWParam(0, 8), 0), 1) << "the skinner has taken the frame";
  ASSERT_TRUE(window->windowRegion().has_value());
  const Region& shape = *window->windowRegion();
  for (Point corner : {Point{0, 0}, Point{59, 0}, Point{0, 39}, Point{59, 39}}) EXPECT_FALSE(shape.contains(corner)) << corner.x << "," << corner.y;
  for (Point inside : {Point{1, 0}, Point{0, 1}, Point{58, 39}, Point{30, 20}}) EXPECT_TRUE(shape.contains(inside)) << inside.x << "," << inside.y;
}

TEST_F(SkinnedMenusTest, HandlersGoOnAndComeOffWithoutTouchingTheItemsOwn) {
  TMainMenu& menu = form->make<TMainMenu>();
  TMenuItem& top = add(menu.Items(), "Вид");
  TMenuItem& inner = add(top, "Обложки");
  TMenuItem& own = add("Свой");
  TMenuItem& plain = add("Чужой");
  bool ownDrawn = false;
  own.OnAdvancedDrawItem = [&](TMenuItem&, Canvas&, Rect, TOwnerDrawState) { ownDrawn = true; };
  top.OnAdvancedDrawItem = [&](TMenuItem&, Canvas&, Rect, TOwnerDrawState) {};

  skinner->ApplyToMenus(true);
  EXPECT_TRUE(menu.ownerDraw());
  EXPECT_TRUE(popup->ownerDraw());
  EXPECT_TRUE(inner.OnMeasureItem && inner.OnAdvancedDrawItem);
  EXPECT_TRUE(plain.OnMeasureItem && plain.OnAdvancedDrawItem);
  EXPECT_TRUE(own.OnMeasureItem) << "only the missing handler is added";
  Bitmap b(50, 20);
  Canvas c(b);
  own.DrawItem(c, b.bounds(), 0, false);
  EXPECT_TRUE(ownDrawn);
  int w = 0, h = 0;
  top.MeasureItem(c, w, h, true);
  EXPECT_EQ(h, systemMetric(Metric::MenuBarHeight) - 1) << "the bar handler replaced the item's own";

  skinner->ApplyToMenus(false);
  EXPECT_FALSE(menu.ownerDraw());
  EXPECT_FALSE(inner.OnMeasureItem || inner.OnAdvancedDrawItem);
  EXPECT_FALSE(plain.OnMeasureItem || plain.OnAdvancedDrawItem);
  EXPECT_FALSE(own.OnMeasureItem);
  ownDrawn = false;
  ASSERT_TRUE(own.OnAdvancedDrawItem) << "the item's own handler stays";
  own.OnAdvancedDrawItem(own, c, b.bounds(), 0);
  EXPECT_TRUE(ownDrawn);

  // Without skinned popups a main menu is left alone altogether.
  sm->setSkinnedPopups(false);
  skinner->ApplyToMenus(true);
  EXPECT_FALSE(menu.ownerDraw());
  EXPECT_FALSE(inner.OnAdvancedDrawItem);
}

TEST_F(SkinnedMenusTest, MenusFollowTheManagerSkinningOnAndOff) {
  TMenuItem& item = add("Пункт");
  sm->setSkinName("Menus");
  EXPECT_TRUE(skinner->Active());
  EXPECT_TRUE(popup->ownerDraw()) << "a skin applied puts the handlers on every menu";
  EXPECT_TRUE(item.OnAdvancedDrawItem);
  sm->setActive(false);
  EXPECT_FALSE(skinner->Active());
  EXPECT_FALSE(popup->ownerDraw()) << "without a skin the menus draw themselves";
  EXPECT_FALSE(item.OnAdvancedDrawItem);
}

TEST_F(SkinnedMenusTest, DisabledItemKeepsFortyPercentOfItsLook) {
  TMenuItem& item = add("Недоступно");
  add("Другой");
  skinner->ApplyToMenus(true);
  const Bitmap enabled = draw(item, 0);
  item.setEnabled(false);
  const Bitmap disabled = draw(item, odDisabled | odGrayed);
  const MenuBackground* entry = MenuBackgroundCache::instance().find(&item);
  ASSERT_NE(entry, nullptr);
  const Bitmap& m = *entry->bitmap;
  int differing = 0;
  for (int y = 0; y < enabled.height(); ++y) {
    for (int x = 0; x < enabled.width(); ++x) {
      const Color e = enabled.colorAt(x, y), under = m.colorAt(x + 3, y + 3);
      auto mix = [](int bg, int fg) { return static_cast<int>(std::lround(bg - 0.4 * (bg - fg))); };
      const Color expected = rgb(mix(redOf(under), redOf(e)), mix(greenOf(under), greenOf(e)), mix(blueOf(under), blueOf(e)));
      ASSERT_EQ(disabled.colorAt(x, y), expected) << x << "," << y;
      if (e != under) ++differing;
    }
  }
  EXPECT_GT(differing, 0) << "the enabled item differs from the background (its caption)";
}

TEST_F(SkinnedMenusTest, DisabledBarItemKeepsFortyPercentOverTheBar) {
  TMainMenu& menu = form->make<TMainMenu>();
  TMenuItem& item = add(menu.Items(), "Вид");
  skinner->ApplyToMenus(true);
  constexpr Color kBar = rgb(10, 90, 170);
  auto drawBar = [&](TOwnerDrawState state) {
    Bitmap b(40, 18);
    b.fill(pixelFromColor(kBar));
    Canvas c(b);
    item.DrawItem(c, b.bounds(), state, true);
    c.syncPixels();
    return b;
  };
  const Bitmap enabled = drawBar(odHotLight);
  EXPECT_EQ(enabled.colorAt(1, 1), kItemHot) << "a hot bar item shows the section's hot state";
  item.setEnabled(false);
  const Bitmap disabled = drawBar(odHotLight | odDisabled);
  for (int y = 0; y < enabled.height(); ++y) {
    for (int x = 0; x < enabled.width(); ++x) {
      const Color e = enabled.colorAt(x, y);
      auto keep = [](int item, int bar) { return (item * 102 + bar * 153 + 127) >> 8; };
      const Color expected = rgb(keep(redOf(e), redOf(kBar)), keep(greenOf(e), greenOf(kBar)), keep(blueOf(e), blueOf(kBar)));
      ASSERT_EQ(disabled.colorAt(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(SkinnedMenusTest, SelectedItemPaintsTheHotSectionAndAWhiteCaption) {
  TMenuItem& item = add("Выбран");
  skinner->ApplyToMenus(true);
  const Bitmap normal = draw(item, 0);
  const Bitmap hot = draw(item, odSelected);
  EXPECT_EQ(normal.colorAt(normal.width() - 2, 1), kItem);
  EXPECT_EQ(hot.colorAt(hot.width() - 2, 1), kItemHot);
}

TEST_F(SkinnedMenusTest, BackspaceCaptionIsRightAlignedWithSixBlanks) {
  TMenuItem& left = add("Abc");
  TMenuItem& right = add("\bAbc");
  skinner->ApplyToMenus(true);
  const int width = 200;
  const auto [leftFirst, leftLast] = inkColumns(draw(left, 0, width));
  const int textLeft = 16 + 2 * skinner->Margin + skinner->Spacing;
  EXPECT_GE(leftFirst, textLeft);
  EXPECT_LT(leftFirst, textLeft + 3);
  const auto [rightFirst, rightLast] = inkColumns(draw(right, 0, width));
  const int textRight = width - textWidth("      ");
  EXPECT_LE(rightLast, textRight);
  EXPECT_GT(rightLast, textRight - 4);
  EXPECT_EQ(rightLast - rightFirst, leftLast - leftFirst) << "the same text, moved";
}

TEST_F(SkinnedMenusTest, ShortCutIsMeasuredWithTheCaptionAndWrittenRightAligned) {
  struct Row {
    const char* caption;
    TShortCut keys;
    const char* text;
  };
  const Row rows[] = {{"Копировать", {VK_C, ssCtrl}, "Ctrl+C"}, {"Закрыть", {VK_F4, ssAlt}, "Alt+F4"}, {"Назад", {VK_LEFT, ssAlt}, "Alt+Left"}};
  std::vector<TMenuItem*> items;
  for (const Row& row : rows) {
    items.push_back(&add(row.caption));
    items.back()->setShortCut(row.keys);
  }
  skinner->ApplyToMenus(true);
  const int width = 220;
  const int textLeft = 16 + 2 * skinner->Margin + skinner->Spacing;
  for (size_t i = 0; i < std::size(rows); ++i) {
    const Row& row = rows[i];
    EXPECT_EQ(measure(*items[i]).width, 2 * 16 + textWidth(std::string(row.caption) + row.text) + 3 * skinner->Margin + skinner->Spacing)
        << row.text;
    // The caption where it always is; the shortcut's last ink 8 pixels before the row's end,
    // whatever its length.
    const auto [first, last] = inkColumns(draw(*items[i], 0, width));
    EXPECT_GE(first, textLeft) << row.text;
    EXPECT_LT(first, textLeft + 3) << row.text;
    EXPECT_LE(last, width - 8 - 1) << row.text;
    EXPECT_GE(last, width - 8 - 3) << row.text;
  }
}

TEST_F(SkinnedMenusTest, SeparatorWithoutDividerSectionIsAnEtchedLine) {
  TMenuItem& separator = add("-");
  add("Пункт");
  skinner->ApplyToMenus(true);
  const Bitmap b = draw(separator, 0, 30);
  ASSERT_EQ(b.height(), 2);
  // Grey along the top, white along the bottom and down the right edge.
  EXPECT_TRUE(allOf(b, {0, 0, 29, 1}, 0x808080));
  EXPECT_TRUE(allOf(b, {0, 1, 30, 2}, clWhite));
  EXPECT_EQ(b.colorAt(29, 0), clWhite);
}

TEST_F(SkinnedMenusTest, CaptionItemShowsItsTitleOverTheToolbarSection) {
  TMenuItem& caption = add("-Раздел-");
  add("Пункт");
  skinner->ApplyToMenus(true);
  const Bitmap b = draw(caption, 0, 120);
  EXPECT_EQ(b.colorAt(0, 0), kIcoLine) << "the menu background at the edge";
  EXPECT_EQ(b.colorAt(1, 1), kToolbar);
  EXPECT_EQ(b.colorAt(118, b.height() - 2), kToolbar);
  int ink = 0;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) ink += redOf(b.colorAt(x, y)) < 60 ? 1 : 0;
  }
  EXPECT_GT(ink, 10) << "the title is written in the section's black";
}

TEST_F(SkinnedMenusTest, SystemMenuItemsShowTheirCommandGlyph) {
  const std::pair<int, char> table[] = {{61472, '0'}, {61488, '1'}, {61536, 'r'}, {61728, '2'}, {61440, 0}, {0, 0}};
  for (auto [tag, glyph] : table) EXPECT_EQ(systemMenuGlyphChar(tag), glyph) << tag;

  popup->setName("SysMenu");
  TMenuItem& close = add("Закрыть");
  close.Tag = 61536;
  TMenuItem& other = add("Другое");
  skinner->ApplyToMenus(true);
  const Bitmap withGlyph = draw(close, 0);
  const Bitmap without = draw(other, 0);
  // The 13-pixel symbol line at (4, centred), the cross 7 pixels wide in its middle.
  const int top = (withGlyph.height() - 13) / 2 + 3;
  const int left = 4 + 3;
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(withGlyph.colorAt(left + i, top + i), clBlack) << "falling diagonal " << i;
    EXPECT_EQ(withGlyph.colorAt(left + 6 - i, top + i), clBlack) << "rising diagonal " << i;
    EXPECT_NE(without.colorAt(left + i, top + i), clBlack);
  }
  EXPECT_NE(withGlyph.colorAt(left + 3, top), clBlack) << "the cross is open at the top";
}

TEST_F(SkinnedMenusTest, ItemDrawnWithoutItsWindowAsksTheApplicationWindow) {
  TMenuItem& item = add("Пункт");
  skinner->ApplyToMenus(true);
  Window* app = sm->applicationWindow();
  ASSERT_NE(app, nullptr);
  EXPECT_FALSE(driver.ws().hasPosted(app->handle(), kMenuItemDrawnMessage));
  draw(item, 0);
  EXPECT_TRUE(driver.ws().hasPosted(app->handle(), kMenuItemDrawnMessage));
  driver.settle();
  EXPECT_FALSE(driver.ws().hasPosted(app->handle(), kMenuItemDrawnMessage));
}

TEST_F(SkinnedMenusTest, BorderWidthIsComputedAgainForEverySkin) {
  EXPECT_EQ(skinner->SkinBorderWidth(), 0) << "no border mask";
  skinner->setSkinBorderWidth(7);
  EXPECT_EQ(skinner->SkinBorderWidth(), 7);
  sm->setSkinName("Menus");
  EXPECT_EQ(skinner->SkinBorderWidth(), 0) << "applying a skin made it unknown again";
}

}  // namespace
}  // namespace tavra::test
