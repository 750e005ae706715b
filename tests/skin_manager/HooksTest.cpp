// The default manager's hook: what it hands to the slots of the frames and menus code, and when.
#include "ManagerFixture.h"
#include "skin/manager/SkinApplicationWindow.h"
#include "winsys/WindowSystem.h"

namespace tavra::test {
namespace {

// An attachment that counts how many are alive.
struct CountedAdapter : SkinWindowAdapter {
  explicit CountedAdapter(int& alive) : alive_(alive) { ++alive_; }
  ~CountedAdapter() override { --alive_; }
  int& alive_;
};

class HooksTest : public ManagerTest {
 protected:
  int alive = 0;
  std::vector<std::string> forms;
  std::vector<std::string> dialogs;
  std::vector<std::string> menus;

  void SetUp() override {
    SkinHandOver& slots = SkinHandOver::slots();
    slots.attachFormProvider = [this](TsSkinManager&, TCustomForm& form) {
      forms.push_back(form.name());
      return std::make_unique<CountedAdapter>(alive);
    };
    slots.attachWindowAdapter = [this](TsSkinManager&, Window& window) {
      dialogs.push_back(window.text());
      return std::make_unique<CountedAdapter>(alive);
    };
    slots.attachMenuWindowAdapter = [this](TsSkinManager&, Window& window, std::string_view section) {
      menus.push_back(window.text() + ":" + std::string(section));
      return std::make_unique<CountedAdapter>(alive);
    };
  }
  // The default manager with a skin applied: its hooks are installed.
  TsSkinManager& skinnedManager() {
    TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
    sm.setSkinName("Acryl (internal)");
    EXPECT_TRUE(sm.HooksInstalled());
    return sm;
  }
  std::unique_ptr<Window> topLevel(const std::string& className, const std::string& text, Window* parent = nullptr) {
    WindowParams params;
    params.className = className;
    params.text = text;
    params.style = parent ? WS_CHILD | WS_VISIBLE : WS_POPUP;
    params.parent = parent;
    params.bounds = Rect::fromSize(10, 10, 100, 60);
    return driver.ws().createWindow(params);
  }
};

TEST_F(HooksTest, ProgramFormsAreTakenWhenFirstActivated) {
  TsSkinManager& sm = skinnedManager();
  ProbeForm& a = makeForm("a");
  ProbeForm& b = makeForm("b");
  ProbeForm& untouchable = makeForm("untouchable");
  untouchable.Tag = -98;
  a.Show();
  b.Show();
  untouchable.Show();
  a.Show();
  driver.settle();
  EXPECT_EQ(forms, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(alive, 2);

  // Removing the skin removes the hooks and frees the attachments.
  sm.setActive(false);
  EXPECT_FALSE(sm.HooksInstalled());
  EXPECT_EQ(alive, 0);
  ProbeForm& c = makeForm("c");
  c.Show();
  driver.settle();
  EXPECT_EQ(forms.size(), 2u);
}

TEST_F(HooksTest, FormsThatAnswerSkinnedAreLeftAlone) {
  skinnedManager();
  ProbeForm& skinned = makeForm("skinned");
  skinned.answersSkinned = true;
  skinned.Show();
  driver.settle();
  EXPECT_TRUE(forms.empty());
}

TEST_F(HooksTest, SkinningRulesDecide) {
  TsSkinManager& sm = skinnedManager();
  sm.SkinningRules = srStdDialogs;
  makeForm("form").Show();
  auto dialog = topLevel("#32770", "dialog");
  driver.ws().activate(dialog.get());
  EXPECT_TRUE(forms.empty());
  EXPECT_EQ(dialogs, std::vector<std::string>{"dialog"});

  sm.SkinningRules = srStdForms;
  auto other = topLevel("#32770", "other");
  dialog->hide();
  driver.ws().activate(other.get());
  EXPECT_EQ(dialogs.size(), 1u);
}

TEST_F(HooksTest, DialogsWhileATakenWindowIsVisibleOnlyWithAToolBar) {
  skinnedManager();
  auto first = topLevel("#32770", "first");
  first->show();
  driver.settle();
  ASSERT_EQ(dialogs, std::vector<std::string>{"first"});

  auto second = topLevel("#32770", "second");
  driver.ws().activate(second.get());
  EXPECT_EQ(dialogs.size(), 1u);

  auto third = topLevel("#32770", "third");
  auto bar = topLevel("ToolbarWindow32", "bar", third.get());
  auto toolbar = topLevel("toolbarwindow32", "toolbar", bar.get());
  driver.ws().activate(third.get());
  EXPECT_EQ(dialogs, (std::vector<std::string>{"first", "third"}));
}

TEST_F(HooksTest, ClassesNeverTaken) {
  skinnedManager();
  for (const char* className : {"TApplication", "TQRStandardPreview", "TfcPopup"}) {
    auto window = topLevel(className, className);
    driver.ws().activate(window.get());
  }
  EXPECT_TRUE(dialogs.empty());
}

TEST_F(HooksTest, PopupMenusGoToTheMenuAdapterWithMainMenu) {
  skinnedManager();
  auto menu = topLevel("#32768", "menu");
  EXPECT_EQ(menus, std::vector<std::string>{"menu:MAINMENU"});
  EXPECT_EQ(alive, 1);
  // Its window gone, the attachment goes at the next look at the list.
  menu.reset();
  auto other = topLevel("#32770", "dialog");
  driver.ws().activate(other.get());
  EXPECT_EQ(alive, 1);
  EXPECT_EQ(dialogs, std::vector<std::string>{"dialog"});
}

TEST_F(HooksTest, OnlyTheDefaultManagerHooks) {
  TsSkinManager& first = makeManager(internalSkins({"Acryl (internal)"}));
  TsSkinManager& second = makeManager(internalSkins({"Acryl (internal)"}));
  second.setSkinName("Acryl (internal)");
  EXPECT_FALSE(second.HooksInstalled());
  first.setSkinName("Acryl (internal)");
  EXPECT_TRUE(first.HooksInstalled());
  // Another manager made the default takes the hooks over.
  second.setIsDefault(true);
  EXPECT_TRUE(second.isDefault());
  EXPECT_FALSE(first.HooksInstalled());
  EXPECT_TRUE(second.HooksInstalled());
}

// The menu skinner and the application window's private messages.
struct FakeMenuSkinner : SkinMenuSkinner {
  std::vector<std::string>& calls;
  Window* popup;
  FakeMenuSkinner(std::vector<std::string>& c, Window* p) : calls(c), popup(p) {}
  void resetBorderWidth() override { calls.push_back("reset"); }
  void applyToMenus(bool active) override { calls.push_back(active ? "apply skinned" : "apply plain"); }
  Window* popupWindowOfItem(LParam item) override {
    calls.push_back("find " + std::to_string(item));
    return popup;
  }
  void takePopupWindow(Window& window) override { calls.push_back("take " + window.text()); }
};

TEST_F(HooksTest, MenuSkinnerAndApplicationWindow) {
  std::vector<std::string> calls;
  auto popup = topLevel("#32768", "popup");
  SkinHandOver::slots().createMenuSkinner = [&](TsSkinManager&) {
    return std::make_unique<FakeMenuSkinner>(calls, popup.get());
  };
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  ASSERT_NE(sm.menuSkinner(), nullptr);
  Window* app = sm.applicationWindow();
  ASSERT_NE(app, nullptr);
  EXPECT_EQ(app->className(), "TApplication");
  EXPECT_FALSE(app->isVisible());

  sm.setSkinName("Acryl (internal)");
  // The border width is unknown again before the skin is announced; once the skin is active the
  // skinner puts its handlers on the menus.
  EXPECT_EQ(calls, (std::vector<std::string>{"reset", "apply skinned"}));
  calls.clear();

  app->send(kMenuItemDrawnMessage, 0, 77);
  app->send(kMenuPopupMessage, 0, static_cast<LParam>(popup->handle()));
  EXPECT_EQ(calls, (std::vector<std::string>{"find 77", "take popup", "take popup"}));
  EXPECT_EQ(app->send(WM_THEMECHANGED), 0);

  calls.clear();
  sm.setSkinnedPopups(false);
  app->send(kMenuPopupMessage, 0, static_cast<LParam>(popup->handle()));
  EXPECT_TRUE(calls.empty());
  sm.setSkinnedPopups(true);
  EXPECT_EQ(calls, std::vector<std::string>{"apply skinned"});

  // A manager that is not the default keeps no application window.
  TsSkinManager& second = makeManager();
  EXPECT_EQ(second.applicationWindow(), nullptr);
}

}  // namespace
}  // namespace tavra::test
