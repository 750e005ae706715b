// The skinning provider on real forms of the headless program: attachment, the composed frame,
// caption buttons with hover, press and release, activation, the shape, the splash, screen snap,
// the failure rows of a skin, message boxes and the skin-change fade.
#include <gtest/gtest.h>

#include "FrameFixture.h"
#include "framework/controls/Button.h"
#include "framework/menus/Menu.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/MenuTracker.h"
#include "framework/menus/PopupMenuWindow.h"
#include "framework/core/MessageBoxes.h"
#include "skin/menus/MenuBackgroundCache.h"
#include "skin/menus/MenuSkinning.h"
#include "skin/frames/SkinChangeFade.h"
#include "skin/controls/sBitBtn.h"
#include "winsys/Keys.h"

namespace tavra::test {
namespace {

using namespace frame_colors;

class SkinProviderTest : public FrameFixture {};

// The main window's frame: 500 wide, 3-pixel frame, 16 × 16 buttons, BIRIGHT and BISPACE 0.
constexpr Rect kClose{481, 3, 497, 19};
constexpr Rect kMin{465, 3, 481, 19};
constexpr Point kOrigin{100, 100};

Point centre(const Rect& r) { return kOrigin + Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST_F(SkinProviderTest, TheMainWindowIsComposedFromTheSkin) {
  useSkin();
  TForm& form = showForm();
  TsSkinProvider* p = providerOf(form);
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(p->hadSystemMenu());
  EXPECT_FALSE(form.window()->hasStyle(WS_SYSMENU)) << "the window system draws no buttons of its own";
  const CaptionButtonSet& b = p->captionButtons();
  EXPECT_TRUE(b.buttons[cbClose].exists && b.buttons[cbMin].exists);
  EXPECT_FALSE(b.buttons[cbMax].exists || b.buttons[cbHelp].exists);
  EXPECT_EQ(b.buttons[cbClose].rect, kClose);
  EXPECT_EQ(b.buttons[cbMin].rect, kMin);
  EXPECT_TRUE(b.buttons[cbClose].LargeSet);

  const Bitmap shot = driver.screenshot();
  EXPECT_EQ(shot.colorAt(centre(kClose).x, centre(kClose).y), kCloseNormal);
  EXPECT_EQ(shot.colorAt(centre(kMin).x, centre(kMin).y), kMinNormal);
  EXPECT_EQ(shot.colorAt(100 + 250, 100 + 21), kTitleActive) << "the caption's last row";
  EXPECT_EQ(shot.colorAt(100 + 1, 100 + 150), kBorder) << "the left frame";
  EXPECT_EQ(shot.colorAt(100 + 498, 100 + 299), kBorder) << "the bottom right frame";
  const Rect client = form.window()->clientRect();
  EXPECT_EQ(shot.colorAt(100 + client.left + 40, 100 + client.top + 40), kForm) << "the client background";
  EXPECT_EQ(form.color(), kForm) << "the form takes the skin's global colour";
}

TEST_F(SkinProviderTest, TheShapeCutsTheMagentaCornersOnBothSides) {
  useSkin();
  TForm& form = showForm();
  const std::optional<Region>& region = form.window()->windowRegion();
  ASSERT_TRUE(region.has_value());
  for (Point p : {Point{0, 0}, Point{2, 0}, Point{0, 1}, Point{499, 0}, Point{497, 0}, Point{499, 1}}) {
    EXPECT_FALSE(region->contains(p)) << p.x << ", " << p.y;
  }
  for (Point p : {Point{3, 0}, Point{1, 1}, Point{496, 0}, Point{498, 1}, Point{0, 299}}) {
    EXPECT_TRUE(region->contains(p)) << p.x << ", " << p.y;
  }
  const Color desktop = systemColorValue(static_cast<int>(SysColor::Desktop));
  EXPECT_EQ(screenAt({100, 100}), desktop);
  EXPECT_EQ(screenAt({599, 100}), desktop);
}

TEST_F(SkinProviderTest, HoverPressLeaveReturnAndRelease) {
  useSkin();
  TForm& form = showForm();
  TsSkinProvider& p = *providerOf(form);
  int closes = 0;
  form.OnClose = [&](TComponent&, TCloseAction&) { ++closes; };

  driver.moveTo(centre(kClose));
  EXPECT_EQ(p.hotItem(), HTCLOSE);
  EXPECT_EQ(screenAt(centre(kClose)), kCloseHot);
  driver.mouseDown(centre(kClose));
  EXPECT_TRUE(TsSkinProvider::buttonPressed());
  EXPECT_EQ(screenAt(centre(kClose)), kClosePressed);
  // Leaving ends the press; coming back only makes the button hot; the release sends nothing.
  driver.moveTo(kOrigin + Point{250, 10});
  EXPECT_EQ(p.hotItem(), 0);
  EXPECT_FALSE(TsSkinProvider::buttonPressed());
  EXPECT_EQ(screenAt(centre(kClose)), kCloseNormal);
  driver.moveTo(centre(kClose));
  EXPECT_EQ(p.hotItem(), HTCLOSE);
  EXPECT_FALSE(TsSkinProvider::buttonPressed());
  EXPECT_EQ(screenAt(centre(kClose)), kCloseHot);
  driver.mouseUp(centre(kClose));
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(form.visible());
  EXPECT_EQ(driver.ws().capture(), nullptr);

  // Pressed and released over it: the window closes.
  driver.click(centre(kClose));
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(form.visible());
}

TEST_F(SkinProviderTest, LeavingTheWindowFromAHotButtonTakesTheHotLookAway) {
  useSkin();
  TForm& form = showForm();
  TsSkinProvider& p = *providerOf(form);
  driver.moveTo(centre(kClose));
  ASSERT_EQ(p.hotItem(), HTCLOSE);
  driver.moveTo({700, 60});  // the desktop: no window hears of it
  driver.advance(100);
  EXPECT_EQ(p.hotItem(), 0);
  EXPECT_EQ(screenAt(centre(kClose)), kCloseNormal);
}

TEST_F(SkinProviderTest, TheMinimiseButtonMinimises) {
  useSkin();
  TForm& form = showForm();
  driver.click(centre(kMin));
  EXPECT_TRUE(form.window()->isMinimized());
  ASSERT_NE(driver.ws().minimizedBarOf(*form.window()), nullptr) << "without a window manager a bar stands for it";
}

TEST_F(SkinProviderTest, AnActivationChangeRedrawsTheCaptionInItsState) {
  useSkin();
  TForm& form = showForm();
  const Rect client = form.window()->clientRect();
  const Bitmap before = providerOf(form)->windowPicture();
  TForm& other = showForm(Rect::fromSize(650, 400, 300, 200));
  ASSERT_TRUE(other.active());
  TsSkinProvider& p = *providerOf(form);
  EXPECT_FALSE(p.formActive());
  EXPECT_EQ(screenAt(kOrigin + Point{250, 21}), kTitleInactive);
  // An inactive window's buttons are half blended over the caption: red over grey.
  EXPECT_EQ(screenAt(centre(kClose)), rgb(192, 64, 64));
  // The client part of the picture is the one the controls took their background from.
  const Bitmap& after = p.windowPicture();
  for (int y = client.top; y < client.bottom; y += 17) {
    for (int x = client.left; x < client.right; x += 23) ASSERT_EQ(after.pixel(x, y), before.pixel(x, y)) << x << ", " << y;
  }
  form.Show();
  driver.settle();
  EXPECT_TRUE(p.formActive());
  EXPECT_EQ(screenAt(kOrigin + Point{250, 21}), kTitleActive);
  EXPECT_EQ(screenAt(centre(kClose)), kCloseNormal);
}

TEST_F(SkinProviderTest, TheResultWindowShowsOneSmallCloseButton) {
  useSkin();
  TForm& form = showForm(Rect::fromSize(100, 100, 300, 200), TFormBorderStyle::bsDialog, biSystemMenu);
  const CaptionButtonSet& b = providerOf(form)->captionButtons();
  EXPECT_TRUE(b.buttons[cbClose].exists);
  EXPECT_FALSE(b.buttons[cbMin].exists || b.buttons[cbMax].exists || b.buttons[cbHelp].exists);
  EXPECT_FALSE(b.buttons[cbClose].LargeSet);
  EXPECT_EQ(b.buttons[cbClose].rect.width(), 13);
  const Rect r = b.buttons[cbClose].rect;
  EXPECT_EQ(screenAt(kOrigin + Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2}), kSmallClose);
  EXPECT_FALSE(providerOf(form)->metrics().iconShown);
}

TEST_F(SkinProviderTest, TheSplashGetsTheFormBackgroundAndNoRegion) {
  useSkin();
  TForm& splash = showForm(Rect::fromSize(200, 200, 200, 100), TFormBorderStyle::bsNone, 0);
  ASSERT_NE(providerOf(splash), nullptr);
  EXPECT_FALSE(splash.window()->windowRegion().has_value());
  EXPECT_EQ(screenAt({200, 200}), kForm) << "no frame, no caption: the corner is the FORM background";
  EXPECT_EQ(screenAt({300, 250}), kForm);
  EXPECT_EQ(screenAt({399, 299}), kForm);
}

TEST_F(SkinProviderTest, ScreenSnapAtSevenPixels) {
  useSkin();
  TForm& form = showForm();
  TsSkinProvider& p = *providerOf(form);
  p.ScreenSnap = true;
  p.SnapBuffer = 10;
  form.setBounds(1024 - 500 - 7, 100, 500, 300);
  EXPECT_EQ(form.window()->bounds().left, 1024 - 500);
  form.setBounds(1024 - 500 - 10, 100, 500, 300);
  EXPECT_EQ(form.window()->bounds().left, 1024 - 510) << "10 pixels away is not near";
}

TEST_F(SkinProviderTest, WithoutButtonPicturesButtonsAre21PixelsAndStillClose) {
  useSkin({.buttonPictures = false});
  TForm& form = showForm();
  const CaptionButtonSet& b = providerOf(form)->captionButtons();
  EXPECT_EQ(b.buttons[cbClose].rect, Rect::fromSize(497 - 21, 0, 21, 21));
  EXPECT_EQ(b.buttons[cbMin].rect, Rect::fromSize(497 - 42, 0, 21, 21));
  const Point inClose = kOrigin + Point{497 - 10, 10};
  EXPECT_EQ(form.window()->send(WM_NCHITTEST, 0, makeLParam(inClose.x, inClose.y)), HTCLOSE);
  driver.click(inClose);
  EXPECT_FALSE(form.visible());
}

TEST_F(SkinProviderTest, WithoutFormTitleTheCaptionKeepsTheBackgroundButShowsButtonsAndText) {
  useSkin({.formTitle = false});
  TForm& form = showForm();
  const Bitmap shot = driver.screenshot();
  EXPECT_EQ(shot.colorAt(100 + 250, 100 + 21), kForm);
  EXPECT_EQ(shot.colorAt(centre(kClose).x, centre(kClose).y), kCloseNormal);
  // The caption text in the FORM section's hot font colour (white) over the form colour.
  const FrameMetrics& m = providerOf(form)->metrics();
  bool text = false;
  for (int y = 3; y < 19 && !text; ++y) {
    for (int x = m.frameWidth + 16 + 4; x < 60 && !text; ++x) text = shot.colorAt(100 + x, 100 + y) != kForm;
  }
  EXPECT_TRUE(text);
}

TEST_F(SkinProviderTest, WithoutMagentaTheWindowStaysRectangular) {
  useSkin({.magenta = false});
  TForm& form = showForm();
  EXPECT_FALSE(form.window()->windowRegion().has_value());
  EXPECT_EQ(screenAt({100, 100}), kTitleActive) << "the caption reaches the window's corner";
}

TEST_F(SkinProviderTest, MessageBoxesTakeTheSkinWithSkinnedButtons) {
  useSkin();
  showForm();
  struct Seen {
    bool provider = false;
    bool skinnedButton = false;
    bool plainButtonHidden = false;
    bool enterAnswers = false;
    Color background = clNone;
  };
  std::vector<Seen> seen;
  driver.setWhileBoxOpen([&](const RecordedBox&) {
    Seen s;
    auto* box = dynamic_cast<TCustomForm*>(TWinControl::fromWindow(driver.ws().activeWindow()));
    if (!box) return;
    s.provider = skinProviderOf(*box) != nullptr;
    for (TControl* c : box->controls()) {
      if (auto* skinned = dynamic_cast<TsBitBtn*>(c)) s.skinnedButton = skinned->visible() && skinned->caption() == "OK";
      else if (dynamic_cast<TButton*>(c)) s.plainButtonHidden = !c->visible();
    }
    const Rect client = box->window()->clientRect();
    const Point at = box->window()->screenOrigin() + client.topLeft() + Point{2, 2};
    s.background = driver.screenshot().colorAt(at.x, at.y);
    driver.pressKey(VK_RETURN);
    s.enterAnswers = box->modalResult() == mrOk;
    seen.push_back(s);
  });
  ShowMessage("Текст");
  MessageBox("Ошибка", "Tavra", MB_OK | MB_ICONSTOP);
  ASSERT_EQ(seen.size(), 2u);
  for (const Seen& s : seen) {
    EXPECT_TRUE(s.provider);
    EXPECT_TRUE(s.skinnedButton);
    EXPECT_TRUE(s.plainButtonHidden);
    EXPECT_TRUE(s.enterAnswers);
    EXPECT_EQ(s.background, kForm);
  }
  EXPECT_EQ(driver.boxes[1].windowClass, "#32770");
}

TEST_F(SkinProviderTest, TheFadeBlendsTheOldLookIntoTheNewOne) {
  useSkin();
  TForm& form = showForm();
  Window& w = *form.window();
  // The old look: what the window showed before (here a plain black picture).
  w.backing().fill(pixelFromColor(clBlack));
  SkinChangeFade fade(w);
  const Bitmap& next = fade.newLook();
  EXPECT_EQ(next.colorAt(250, 21), kTitleActive) << "the new look is printed with its frame";
  EXPECT_EQ(next.colorAt(centre(kClose).x - 100, centre(kClose).y - 100), kCloseNormal);
  fade.step(1, 2);
  const Color half = w.backing().colorAt(250, 21);
  EXPECT_EQ(half, rgb(20 / 2, 60 / 2, 140 / 2));
  fade.step(2, 2);
  for (int y = 0; y < next.height(); y += 7) {
    for (int x = 0; x < next.width(); x += 11) ASSERT_EQ(w.backing().pixel(x, y) & 0xFFFFFFu, next.pixel(x, y) & 0xFFFFFFu);
  }
}

// Pixels both looks share are left alone; every other one is the exact blend, also in a fade
// whose pictures reuse the storage of an earlier one.
TEST_F(SkinProviderTest, AFadeBlendsExactlyWhereTheLooksDifferAndNowhereElse) {
  useSkin();
  TForm& form = showForm();
  Window& w = *form.window();
  Bitmap next;
  {
    w.backing().fill(pixelFromColor(clBlack));
    SkinChangeFade first(w);
    next = first.newLook();
  }
  // The old look: the new one except two blocks and a few lone pixels (runs with short gaps).
  Bitmap& backing = w.backing();
  ASSERT_EQ(backing.size(), next.size());
  backing = next;
  backing.fillRect(Rect{0, 0, 40, 30}, pixelFromColor(rgb(200, 100, 0)));
  backing.fillRect(Rect{100, 50, 180, 52}, pixelFromColor(rgb(0, 0, 255)));
  for (int x : {60, 63, 90}) backing.setPixel(x, 70, pixelFromColor(rgb(255, 255, 255)));
  const Bitmap old = backing;
  SkinChangeFade fade(w);
  ASSERT_EQ(fade.newLook(), next) << "a second fade prints the same new look";
  fade.step(1, 4);
  int blended = 0;
  for (int y = 0; y < old.height(); ++y) {
    for (int x = 0; x < old.width(); ++x) {
      const Color o = old.colorAt(x, y), n = next.colorAt(x, y);
      const Color expected = rgb((redOf(o) * 192 + redOf(n) * 64) >> 8, (greenOf(o) * 192 + greenOf(n) * 64) >> 8,
                                 (blueOf(o) * 192 + blueOf(n) * 64) >> 8);
      ASSERT_EQ(backing.colorAt(x, y), expected) << x << ", " << y;
      blended += o != n ? 1 : 0;
    }
  }
  EXPECT_GT(blended, 40 * 30);
  fade.step(4, 4);
  EXPECT_EQ(backing.colorAt(20, 20), next.colorAt(20, 20));
  EXPECT_EQ(backing.colorAt(63, 70), next.colorAt(63, 70));
}

TEST_F(SkinProviderTest, RemovingTheSkinGivesTheWindowItsOwnFrameBack) {
  useSkin();
  TForm& form = showForm();
  sm->setActive(false);
  driver.settle();
  EXPECT_TRUE(form.window()->hasStyle(WS_SYSMENU));
  EXPECT_FALSE(form.window()->windowRegion().has_value());
  EXPECT_NE(screenAt(kOrigin + Point{250, 21}), kTitleActive);
  // The classic frame's close box closes it.
  driver.clickCloseBox(form);
  EXPECT_FALSE(form.visible());
}

TEST_F(SkinProviderTest, TheSystemMenuOnTheCaptionShowsTheWindowsCommands) {
  useSkin();
  TForm& form = showForm();
  std::vector<std::string> captions, shortCuts;
  std::vector<bool> enabled;
  driver.whenMenuOpen([&] {
    PopupMenuWindow& menu = *MenuTracker::active()->level(0);
    for (TMenuItem* item : menu.items()) {
      captions.push_back(item->caption());
      shortCuts.push_back(item->shortCutText());
      enabled.push_back(item->enabled());
    }
    const Rect close = menu.itemScreenRect(static_cast<int>(menu.items().size()) - 1);
    driver.click({(close.left + close.right) / 2, (close.top + close.bottom) / 2});
  });
  // The right button on the caption: the press is swallowed, the release opens the menu.
  driver.click(kOrigin + Point{250, 10}, MouseButton::Right);
  // A single frame: restore (disabled: nothing to restore), move, size (disabled: the frame does
  // not size), minimise, a separator and close; no maximise.
  const std::vector<std::string> expected = {"&Восстановить", "&Переместить", "&Размер", "&Свернуть", "-", "&Закрыть"};
  EXPECT_EQ(captions, expected);
  EXPECT_EQ(enabled, (std::vector<bool>{false, true, false, true, true, true}));
  EXPECT_EQ(shortCuts, (std::vector<std::string>{"", "", "", "", "", "Alt+F4"}));
  EXPECT_FALSE(form.visible()) << "choosing Close closes the window";
  // The key the close item shows closes the window too.
  form.Show();
  driver.settle();
  ASSERT_TRUE(form.visible());
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_MENU, kModAlt));
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyDown, VK_F4, kModAlt));
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, VK_F4, kModAlt));
  driver.backend().inject(InputEvent::keyEvent(InputEvent::Kind::KeyUp, VK_MENU, 0));
  driver.settle();
  EXPECT_FALSE(form.visible()) << "Alt+F4";
}

TEST_F(SkinProviderTest, AltSpaceOpensTheSystemMenuBelowTheIcon) {
  useSkin();
  TForm& form = showForm();
  Point topLeft;
  driver.whenMenuOpen([&] { topLeft = MenuTracker::active()->level(0)->screenRect().topLeft(); });
  // Alt+Space as the display reports it: a typed blank with Alt held.
  InputEvent typed = InputEvent::typed(" ");
  typed.modifiers = kModAlt;
  driver.backend().inject(typed);
  driver.settle();
  EXPECT_TRUE(form.visible());
  EXPECT_EQ(topLeft, (kOrigin + Point{3, 3 + 19}));
}

TEST_F(SkinProviderTest, TheSkinnedSystemMenuShowsTheCommandGlyphs) {
  // The menu skinner with a plain item section whose text is black.
  installMenuSkinning();
  driver.app().CreateForm<TForm>();
  sm = &driver.app().make<TsSkinManager>();
  sm->AnimEffects.SkinChanging.Active = false;
  TsStoredSkin skin = frameSkin({});
  for (const char* name : {"MAINMENU", "MENUITEM"}) {
    TsSkinGeneral& s = skin.GeneralData.emplace_back();
    s.SectionName = name;
    s.Color = s.HotColor = rgb(240, 240, 240);
    s.FontColor = s.HotFontColor = "0 -1 -1 -1 -1";
  }
  sm->internalSkins().add() = skin;
  sm->setSkinName("Frames");
  TForm& form = showForm();
  std::string menuName;
  bool skinnerDraws = false;
  Bitmap shot;
  Rect close, minimize, move;
  driver.whenMenuOpen([&] {
    PopupMenuWindow& menu = *MenuTracker::active()->level(0);
    const int count = static_cast<int>(menu.items().size());
    ASSERT_EQ(count, 6);
    menuName = menu.items().back()->GetParentMenu()->name();
    skinnerDraws = static_cast<bool>(menu.items().back()->OnAdvancedDrawItem);
    close = menu.itemScreenRect(count - 1);
    minimize = menu.itemScreenRect(3);
    move = menu.itemScreenRect(1);
    shot = driver.screenshot();
  });
  InputEvent typed = InputEvent::typed(" ");
  typed.modifiers = kModAlt;
  driver.backend().inject(typed);
  driver.settle();
  EXPECT_EQ(menuName, "SysMenu");
  EXPECT_TRUE(skinnerDraws);
  ASSERT_FALSE(shot.isEmpty());
  // Close: a 7-pixel cross in the 13-pixel symbol square at (4, centred) of its item.
  const Point cross{close.left + 4 + 3, close.top + (close.height() - 13) / 2 + 3};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(shot.colorAt(cross.x + i, cross.y + i), clBlack) << "falling diagonal " << i;
    EXPECT_EQ(shot.colorAt(cross.x + 6 - i, cross.y + i), clBlack) << "rising diagonal " << i;
  }
  // Minimise has its bar glyph somewhere in the square; Move has none.
  auto inkIn = [&](const Rect& item) {
    int ink = 0;
    const int top = item.top + (item.height() - 13) / 2;
    for (int y = top; y < top + 13; ++y) {
      for (int x = item.left + 4; x < item.left + 17; ++x) ink += shot.colorAt(x, y) == clBlack ? 1 : 0;
    }
    return ink;
  };
  EXPECT_GT(inkIn(minimize), 3);
  EXPECT_EQ(inkIn(move), 0);
  EXPECT_TRUE(form.visible());
  MenuBackgroundCache::instance().clear();
}

TEST_F(SkinProviderTest, ASkinChangeFadesIntoTheNewSkin) {
  useSkin();
  TsStoredSkin second = frameSkin({});
  second.Name = "Frames2";
  for (TsSkinGeneral& s : second.GeneralData) {
    if (s.SectionName == "FORMTITLE") s.HotColor = rgb(150, 20, 20);
  }
  sm->internalSkins().add() = second;
  sm->AnimEffects.SkinChanging.Active = true;
  sm->AnimEffects.SkinChanging.Time = 100;
  TForm& form = showForm();
  ASSERT_EQ(screenAt(kOrigin + Point{250, 21}), kTitleActive);
  sm->setSkinName("Frames2");
  // The fade ends on the new look, which the window then keeps.
  EXPECT_EQ(form.window()->backing().colorAt(250, 21), rgb(150, 20, 20));
  EXPECT_TRUE(form.window()->redrawEnabled());
  EXPECT_EQ(screenAt(kOrigin + Point{250, 21}), rgb(150, 20, 20));
}

TEST_F(SkinProviderTest, AHotCloseButtonGlowsWhereTheSkinAsks) {
  useSkin({.closeGlow = true});
  sm->model().SkinData.BICloseGlow = 1;
  sm->model().SkinData.BICloseGlowMargin = 2;
  TForm& form = showForm();
  (void)form;
  const std::vector<Window*> before = driver.ws().topLevelWindows();
  driver.moveTo(centre(kClose));
  std::vector<Window*> added;
  for (Window* w : driver.ws().topLevelWindows()) {
    if (std::find(before.begin(), before.end(), w) == before.end()) added.push_back(w);
  }
  ASSERT_EQ(added.size(), 1u);
  // The glow's 4-pixel border lies around the button, `margin` pixels in.
  EXPECT_EQ(added[0]->bounds(), Rect::fromSize(100 + kClose.left - 2, 100 + kClose.top - 2, 20, 20));
  EXPECT_TRUE(added[0]->perPixelAlpha());
  const WindowHandle glow = added[0]->handle();
  driver.moveTo(kOrigin + Point{250, 10});
  EXPECT_EQ(driver.ws().find(glow), nullptr) << "a button that stops being hot loses its glow";
}

}  // namespace
}  // namespace tavra::test
