// How a skin command reaches the windows and controls: forms last created first, windowed
// controls that answer SKC_ISSKINNED by the window system, windowless ones directly, others
// descended into; forms with a skinning provider after the others.
#include "ManagerFixture.h"
#include "skin/manager/SkinBroadcast.h"

namespace tavra::test {
namespace {

class BroadcastTest : public ManagerTest {
 protected:
  // first
  // second
  //   skinnedPanel (skinned, windowed)
  //     hidden      (windowless: the skinned panel passes commands on itself)
  //   plainPanel   (not skinned, windowed)
  //     plainLabel  (windowless)
  //     deepEdit    (skinned, windowed)
  //   label        (windowless)
  void buildForms() {
    makeForm("first");
    ProbeForm& second = makeForm("second");
    auto& skinnedPanel = second.make<ProbeWinControl>(log, true);
    skinnedPanel.placeIn(second, "skinnedPanel");
    second.make<ProbeControl>(log).placeIn(skinnedPanel, "hidden");
    auto& plainPanel = second.make<ProbeWinControl>(log, false);
    plainPanel.placeIn(second, "plainPanel");
    second.make<ProbeControl>(log).placeIn(plainPanel, "plainLabel");
    second.make<ProbeWinControl>(log, true).placeIn(plainPanel, "deepEdit");
    second.make<ProbeControl>(log).placeIn(second, "label");
  }
};

TEST_F(BroadcastTest, FormsLastCreatedFirstThenTheirControlsInChildOrder) {
  TsSkinManager& sm = makeManager();
  buildForms();
  log.clear();
  sm.Broadcast(SKC_SETSKIN);
  EXPECT_EQ(log.receiversOf(SKC_SETSKIN),
            (std::vector<std::string>{"second", "skinnedPanel", "plainLabel", "deepEdit", "label", "first"}));
  for (const CommandLog::Entry& e : log.entries) {
    EXPECT_EQ(e.lParam, sm.commandParam()) << e.receiver;
    const bool windowed = e.receiver != "plainLabel" && e.receiver != "label";
    EXPECT_EQ(e.throughWindow, windowed) << e.receiver;
  }
}

TEST_F(BroadcastTest, SkinChangeSendsRefreshThenFadeDoneThenSetSkin) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  buildForms();
  log.clear();
  sm.setSkinName("Acryl (internal)");
  const std::vector<SkinCommand> expected = {SKC_REFRESH, SKC_FADEDONE, SKC_SETSKIN};
  for (const char* receiver : {"first", "second", "skinnedPanel", "deepEdit", "label", "plainLabel"}) {
    EXPECT_EQ(log.commandsOf(receiver), expected) << receiver;
  }
  EXPECT_TRUE(log.commandsOf("hidden").empty());

  log.clear();
  sm.setActive(false);
  EXPECT_EQ(log.receiversOf(SKC_REMOVESKIN),
            (std::vector<std::string>{"second", "skinnedPanel", "plainLabel", "deepEdit", "label", "first"}));
  EXPECT_EQ(log.entries.size(), 6u);
  EXPECT_EQ(sm.skinInfo(), "N/A");
  EXPECT_TRUE(sm.model().Sections.empty());
  EXPECT_TRUE(sm.model().Masks.empty());
  EXPECT_EQ(sm.model().CommonIndices.GlobalInfo, -1);
}

TEST_F(BroadcastTest, SkinnedFormsOnlyThroughTheirProvider) {
  TsSkinManager& sm = makeManager();
  FakeProvider provider;
  ProbeForm& plain = makeForm("plain");
  ProbeForm& withProvider = makeForm("withProvider");
  withProvider.provider = &provider;
  withProvider.make<ProbeControl>(log).placeIn(withProvider, "providerLabel");
  ProbeForm& skinnedNoProvider = makeForm("skinnedNoProvider");
  skinnedNoProvider.answersSkinned = true;
  ProbeForm& last = makeForm("last");
  (void)plain;
  (void)last;
  log.clear();
  sm.Broadcast(SKC_REFRESH);
  EXPECT_EQ(log.receiversOf(SKC_REFRESH), (std::vector<std::string>{"last", "plain", "withProvider", "providerLabel"}));
}

TEST_F(BroadcastTest, FormsStillLoadingAreLeftOut) {
  TsSkinManager& sm = makeManager();
  makeForm("ready");
  auto owned = std::make_unique<ProbeForm>(&driver.app(), log);
  owned->setName("loading");
  driver.app().adopt(std::move(owned));
  log.clear();
  sm.Broadcast(SKC_SETSKIN);
  EXPECT_EQ(log.receiversOf(SKC_SETSKIN), std::vector<std::string>{"ready"});
}

TEST_F(BroadcastTest, ControlsWithoutTheirWindowYetGetCommandsDirectly) {
  TsSkinManager& sm = makeManager();
  ProbeForm& form = makeForm("form");
  // A container not placed anywhere has no window, and neither has its windowed child.
  auto& loose = form.make<ProbeWinControl>(log, false);
  loose.setName("loose");
  auto& child = form.make<ProbeWinControl>(log, true);
  child.setName("child");
  child.setParent(&loose);
  ASSERT_FALSE(child.handleAllocated());
  log.clear();
  deliverToControls(loose, skinCommandWParam(SKC_REFRESH), sm.commandParam());
  ASSERT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(log.entries[0].receiver, "child");
  EXPECT_FALSE(log.entries[0].throughWindow);
}

TEST_F(BroadcastTest, ProviderFormsAreFrozenWhileTheNewSkinIsSet) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  FakeProvider framed, frameless;
  framed.manager = &sm;
  frameless.drawsFrame = false;  // bound to the default manager
  ProbeForm& a = makeForm("a");
  a.provider = &framed;
  ProbeForm& b = makeForm("b");
  b.provider = &frameless;
  a.Show();
  b.Show();
  driver.settle();

  // While SKC_SETSKIN goes round, the visible provider forms do not redraw and controls see the
  // skin-change animation flag; the animation runs before redraw comes back.
  std::vector<bool> redrawWhileSetting, flagWhileSetting, redrawWhileAnimating;
  log.onEntry = [&](const CommandLog::Entry& e) {
    if (e.command != SKC_SETSKIN) return;
    redrawWhileSetting.push_back(a.window()->redrawEnabled() || b.window()->redrawEnabled());
    flagWhileSetting.push_back(skinProcessState().skinChangeAnimation);
  };
  framed.whileAnimating = [&] { redrawWhileAnimating.push_back(a.window()->redrawEnabled()); };
  sm.setSkinName("Acryl (internal)");

  EXPECT_EQ(redrawWhileSetting, (std::vector<bool>{false, false}));
  EXPECT_EQ(flagWhileSetting, (std::vector<bool>{true, true}));
  // 100 ms in 10 ms steps, all before redraw comes back; a frame the system draws is not animated.
  EXPECT_EQ(redrawWhileAnimating, std::vector<bool>(10, false));
  EXPECT_EQ(framed.prepared, 1);
  ASSERT_EQ(framed.steps->size(), 10u);
  EXPECT_EQ(framed.steps->back(), "provider 10/10");
  EXPECT_EQ(frameless.prepared, 0);
  EXPECT_TRUE(a.window()->redrawEnabled());
  EXPECT_TRUE(b.window()->redrawEnabled());
  EXPECT_FALSE(skinProcessState().skinChangeAnimation);

  // Without the animation setting: no animation, no flag, the forms are still frozen meanwhile.
  sm.AnimEffects.SkinChanging.Active = false;
  redrawWhileSetting.clear();
  flagWhileSetting.clear();
  sm.setSkinName("Acryl (internal)");
  EXPECT_EQ(framed.prepared, 1);
  EXPECT_EQ(redrawWhileSetting, (std::vector<bool>{false, false}));
  EXPECT_EQ(flagWhileSetting, (std::vector<bool>{false, false}));
  EXPECT_TRUE(a.window()->redrawEnabled());
}

// Every visible form's part of the animation is stepped together: the change lasts one
// animation time whatever the number of windows.
TEST_F(BroadcastTest, AllFormsFadeTogether) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.AnimEffects.SkinChanging.Time = 30;
  FakeProvider first, second, hidden;
  first.name = "a";
  second.name = "b";
  second.steps = hidden.steps = first.steps;
  for (FakeProvider* p : {&first, &second, &hidden}) p->manager = &sm;
  ProbeForm& a = makeForm("a");
  a.provider = &first;
  ProbeForm& b = makeForm("b");
  b.provider = &second;
  ProbeForm& c = makeForm("c");
  c.provider = &hidden;
  a.Show();
  b.Show();
  driver.settle();

  sm.setSkinName("Acryl (internal)");
  // 30 ms in three steps; each step goes round both visible forms before the next one.
  const std::vector<std::string>& steps = *first.steps;
  ASSERT_EQ(steps.size(), 6u);
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].substr(2), std::to_string(i / 2 + 1) + "/3") << i;
  }
  EXPECT_NE(steps[0].substr(0, 1), steps[1].substr(0, 1));
  EXPECT_EQ(hidden.prepared, 0);
}

// A failing or disturbed animation gives every frozen form back and lowers the animation flag;
// a provider that goes away during the animation is not asked for anything more.
TEST_F(BroadcastTest, FrozenFormsComeBackOnEveryPath) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  FakeProvider first, second;
  first.manager = &sm;
  second.manager = &sm;
  ProbeForm& a = makeForm("a");
  a.provider = &first;
  ProbeForm& b = makeForm("b");
  b.provider = &second;
  a.Show();
  b.Show();
  driver.settle();

  first.whileAnimating = [] { throw Exception("the animation failed"); };
  EXPECT_NO_THROW(sm.setSkinName("Acryl (internal)"));
  EXPECT_EQ(first.prepared, 1);
  EXPECT_EQ(second.prepared, 1);
  EXPECT_TRUE(a.window()->redrawEnabled());
  EXPECT_TRUE(b.window()->redrawEnabled());
  EXPECT_FALSE(skinProcessState().skinChangeAnimation);
  EXPECT_FALSE(skinProcessState().skinChanging);

  first.whileAnimating = nullptr;
  a.provider = nullptr;
  sm.setSkinName("Acryl (internal)");
  EXPECT_EQ(first.prepared, 1);
  EXPECT_EQ(second.prepared, 2);
  EXPECT_TRUE(a.window()->redrawEnabled());
  EXPECT_TRUE(b.window()->redrawEnabled());
  EXPECT_FALSE(skinProcessState().skinChangeAnimation);
}

}  // namespace
}  // namespace tavra::test
