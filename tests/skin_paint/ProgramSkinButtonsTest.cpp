// The program's own 51 skins on a bit button and a speed button: each skin gives the button a
// normal, a hot, a pressed and a disabled look that differ, the fades end in the look they aim
// at, and the button's shape never cuts its middle.
#include <gtest/gtest.h>

#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"
#include "skin/builtin/BuiltInSkins.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sSpeedButton.h"

namespace tavra::test {
namespace {

TEST(ProgramSkinButtons, EverySkinGivesButtonsDistinctLooks) {
  HeadlessDriver driver;
  TsSkinManager& sm = driver.app().make<TsSkinManager>();
  sm.setInternalSkins(builtInSkins());
  sm.AllowGlowing = false;  // a glow lies over the button's edges on the screen
  ASSERT_EQ(sm.internalSkins().count(), 51);
  TForm& form = driver.app().CreateForm<TForm>();
  form.setBounds(0, 0, 400, 200);
  form.Show();
  TsBitBtn& button = form.make<TsBitBtn>();
  button.setParent(&form);
  button.setBounds(20, 20, 153, 33);
  button.setCaption("Приложения");
  TsSpeedButton& speed = form.make<TsSpeedButton>();
  speed.setParent(&form);
  speed.setBounds(200, 20, 40, 40);
  const Point away = form.clientToScreen({390, 190});
  auto look = [&](const TControl& c) {
    const Bitmap screen = driver.screenshot();
    const Point at = c.clientToScreen({0, 0});
    return screen.copy(Rect::fromSize(at.x, at.y, c.width(), c.height()));
  };
  for (int i = 0; i < sm.internalSkins().count(); ++i) {
    const std::string name = sm.internalSkins().items()[static_cast<size_t>(i)].Name;
    SCOPED_TRACE(name);
    sm.setSkinName(name);
    driver.moveTo(away);
    driver.advance(200);
    ASSERT_TRUE(button.SkinData.HasSkin());
    const Bitmap normal = look(button);
    const Bitmap speedNormal = look(speed);
    if (button.shape()) {
      EXPECT_TRUE(button.shape()->contains({76, 16}));
    }
    driver.moveTo(button.clientToScreen({76, 16}));
    driver.advance(200);
    const Bitmap hot = look(button);
    EXPECT_NE(hot, normal);
    EXPECT_EQ(hot, button.SkinData.CacheBitmap.copy(button.SkinData.CacheBitmap.bounds())) << "a fade ends in the look it aims at";
    driver.mouseDown(button.clientToScreen({76, 16}));
    driver.advance(200);
    EXPECT_NE(look(button), hot);
    driver.mouseUp(button.clientToScreen({76, 16}));
    driver.moveTo(speed.clientToScreen({20, 20}));
    driver.advance(200);
    EXPECT_NE(look(speed), speedNormal);
    driver.moveTo(away);
    button.setEnabled(false);
    driver.advance(200);
    EXPECT_NE(look(button), normal);
    button.setEnabled(true);
  }
}

}  // namespace
}  // namespace tavra::test
