// A program kept in a static object, as tools and benchmarks keep one, ends at exit after the
// engine's process-wide state: its manager still gives back the windows its hooks took over.
// (Found by fuzzing: the state was destroyed first, and the manager then freed into it.)
#include <gtest/gtest.h>

#include <cstdlib>

#include "FrameFixture.h"

namespace tavra::test {
namespace {

struct KeptProgram {
  HeadlessDriver driver;
  KeptProgram() {
    installFramesHandOver();
    driver.app().CreateForm<TForm>();
    TsSkinManager& sm = driver.app().make<TsSkinManager>();
    sm.AnimEffects.SkinChanging.Active = false;
    sm.internalSkins().add() = frameSkin({});
    sm.setSkinName("Frames");
    form = &driver.app().CreateForm<TForm>();
    form->setBounds(100, 100, 300, 200);
    form->Show();
    driver.settle();
  }
  TForm* form = nullptr;
};

TEST(ProgramAtExitDeathTest, AProgramKeptInAStaticEndsCleanly) {
  // A fresh process, so the engine's state is first used while the kept program is made.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        static KeptProgram kept;
        // 3: the hook took nothing over, so the exit would prove nothing.
        std::exit(skinProviderOf(*kept.form) ? 0 : 3);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tavra::test
