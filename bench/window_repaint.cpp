// Full repaint of a 1000 × 680 window holding 50 controls (labels, panels, buttons, glyph
// buttons), through the window system's whole paint path: frame, erase, paint, windowless
// children, presentation.
#include <benchmark/benchmark.h>

#include <string>

#include "driver/harness/HeadlessDriver.h"
#include "framework/controls/BitBtn.h"
#include "framework/controls/Button.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/SpeedButton.h"

namespace {

using namespace tavra;

class FiftyControls : public TForm {
 public:
  explicit FiftyControls(TComponent* owner) : TForm(owner) {
    setBorderStyle(TFormBorderStyle::bsSingle);
    setCaption("Fifty controls");
    setBounds(9, 5, 100, 100);
    setClientSize(1000, 680);
    Bitmap glyph(24, 24);
    glyph.fill(pixelFromColor(rgb(40, 90, 200)));
    for (int i = 0; i < 10; ++i) {
      TPanel& p = make<TPanel>();
      p.setParent(this);
      p.setBounds(10 + (i % 5) * 195, 10 + (i / 5) * 170, 185, 160);
      p.setCaption("Панель " + std::to_string(i));
      for (int k = 0; k < 2; ++k) {
        TLabel& l = make<TLabel>();
        l.setParent(&p);
        l.setBounds(8, 8 + k * 20, 150, 16);
        l.setCaption("Метка с текстом " + std::to_string(i * 2 + k));
      }
    }
    for (int i = 0; i < 10; ++i) {
      TButton& b = make<TButton>();
      b.setParent(this);
      b.setBounds(10 + i * 98, 360, 90, 25);
      b.setCaption("Кнопка " + std::to_string(i));
      TSpeedButton& s = make<TSpeedButton>();
      s.setParent(this);
      s.setBounds(10 + i * 98, 400, 90, 32);
      s.setGlyph(glyph);
      s.setCaption("Быстрая");
    }
    for (int i = 0; i < 10; ++i) {
      TBitBtn& b = make<TBitBtn>();
      b.setParent(this);
      b.setBounds(10 + i * 98, 450, 90, 30);
      b.setGlyph(glyph);
      b.setCaption("Рисунок");
    }
  }
};

void BM_FullRepaint1000x680With50Controls(benchmark::State& state) {
  HeadlessDriver driver;
  FiftyControls& form = driver.app().CreateForm<FiftyControls>();
  form.Show();
  driver.settle();
  for (auto _ : state) {
    form.window()->invalidateTree();
    driver.ws().processMessages();
  }
}
BENCHMARK(BM_FullRepaint1000x680With50Controls)->Unit(benchmark::kMillisecond);

}  // namespace
