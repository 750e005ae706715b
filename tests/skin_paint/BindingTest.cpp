// The skin binding of controls: binding to a section, the commands, the background protocol,
// the cache, and painting only within the visible region.
#include <gtest/gtest.h>

#include "LabelTestSupport.h"
#include "PaintFixtures.h"
#include "driver/FixtureSkin.h"
#include "framework/Form.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/paint/sBitBtn.h"
#include "skin/paint/sFrameBar.h"
#include "skin/paint/sPanel.h"

namespace tavra::test {
namespace {

class BindingTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager& fixtureManager() {
    TsSkinManager& sm = driver.app().make<TsSkinManager>();
    sm.InternalSkins().add() = fixtureSkin();
    sm.setSkinName(std::string(kFixtureSkinName));
    return sm;
  }
};

TEST_F(BindingTest, ControlsBindTheirDefaultSections) {
  TsSkinManager& sm = fixtureManager();
  ASSERT_GE(sm.model().FindSection("PANEL"), 0) << sm.model().Sections.size();
  TForm& form = driver.app().CreateForm<TForm>();
  auto& panel = form.make<TsPanel>();
  panel.setParent(&form);
  EXPECT_EQ(panel.SkinData.skinSection(), "PANEL");
  EXPECT_EQ(panel.SkinData.sectionIndex(), sm.model().FindSection("PANEL"));
  EXPECT_TRUE(panel.SkinData.HasSkin());
}

}  // namespace
}  // namespace tavra::test
