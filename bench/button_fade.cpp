// One cross-fade step of a 153 x 33 skinned bit button: the frame blended from the start image
// and the cache, and put on the button's window (the fixture skin's gradient button).
#include <benchmark/benchmark.h>

#include "driver/harness/HeadlessDriver.h"
#include "driver/fixtures/FixtureSkin.h"
#include "framework/core/Form.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/TsFadeTimer.h"
#include "skin/controls/sBitBtn.h"

namespace {

using namespace tavra;

void BM_BitButtonFadeStep(benchmark::State& state) {
  HeadlessDriver driver;
  TsSkinManager& sm = driver.app().make<TsSkinManager>();
  sm.internalSkins().add() = fixtureSkin();
  sm.setSkinName(std::string(kFixtureSkinName));
  TForm& form = driver.app().CreateForm<TForm>();
  form.setBounds(0, 0, 300, 200);
  form.Show();
  TsBitBtn& button = form.make<TsBitBtn>();
  button.setParent(&form);
  button.setBounds(20, 20, 153, 33);
  button.setCaption("Приложения");
  driver.settle();
  TsFadeTimer fade(button.SkinData);
  fade.prepare(1 << 30);
  for (auto _ : state) {
    fade.fadeStep();
    if (fade.Step > 1000) fade.Step = 1;
  }
}
BENCHMARK(BM_BitButtonFadeStep)->Unit(benchmark::kMicrosecond);

}  // namespace
