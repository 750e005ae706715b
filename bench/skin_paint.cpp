// Skin painting: the nine-part border of a 1000 x 680 form, a 153 x 33 button section with a
// gradient and a border mask, and recomposing the main window's skinned controls after a skin
// change (the fixture skin).
#include <benchmark/benchmark.h>

#include <string>

#include "program/ProgramWindows.h"
#include "driver/fixtures/FixtureSkin.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/SectionPainting.h"
#include "viewer/MainWindow.h"

namespace {

using namespace tavra;

// A model with a FORM border (one 90 x 90 frame: title 30 high, sides 6, an alpha mask when
// `alpha`) and a BUTTON with a vertical gradient and a 3-frame 2-pixel border.
struct BenchSkin {
  SkinModel model;
  int form = -1;
  int formBorder = -1;
  int button = -1;

  explicit BenchSkin(bool alpha) {
    model.MasterBitmap = Bitmap(300, 200);
    for (int y = 0; y < 200; ++y) {
      Pixel* row = model.MasterBitmap.row(y);
      for (int x = 0; x < 300; ++x) row[x] = pixelFromColor(((x + y) % 17 == 0) ? clFuchsia : rgb(x % 256, y, 120));
    }
    TsGeneralData f;
    f.SectionName = "FORM";
    model.Sections.push_back(f);
    TsGeneralData b;
    b.SectionName = "BUTTON";
    b.GradientPercent = 100;
    b.GradientSteps = {GradientStep{.Color1 = rgb(240, 244, 252), .Color2 = rgb(180, 196, 228), .Percent = 100, .Mode = 0}};
    model.Sections.push_back(b);
    TsMaskData border;
    border.SectionName = "FORM";
    border.PropertyName = "BORDERSMASK";
    border.Rect = alpha ? Rect{0, 0, 90, 180} : Rect{0, 0, 90, 90};
    border.ImageCount = 1;
    border.MaskType = alpha ? 1 : 0;
    border.StretchMode = 0;
    border.WL = border.WR = border.WB = 6;
    border.WT = 30;
    border.Owner = &model;
    model.Masks.push_back(std::move(border));
    TsMaskData buttonBorder;
    buttonBorder.SectionName = "BUTTON";
    buttonBorder.PropertyName = "BORDERSMASK";
    buttonBorder.Rect = {100, 0, 148, 16};
    buttonBorder.ImageCount = 3;
    buttonBorder.WL = buttonBorder.WR = buttonBorder.WT = buttonBorder.WB = 2;
    buttonBorder.Owner = &model;
    model.Masks.push_back(std::move(buttonBorder));
    model.FillBorderIndices();
    model.buildLookups();
    form = model.FindSection("FORM");
    button = model.FindSection("BUTTON");
    formBorder = model.Sections[static_cast<size_t>(form)].BorderMask;
  }
};

void BM_DrawBorderMaskForm(benchmark::State& state) {
  BenchSkin skin(state.range(0) != 0);
  Bitmap target(1000, 680);
  Bitmap parent(1000, 680);
  const TsCacheView view{.Bitmap = &parent, .FillColor = clFuchsia, .Ready = true};
  for (auto _ : state) {
    DrawBorderMask(target, target.bounds(), CentreFill::No, CornersFromParent::Yes, 0, skin.model, skin.formBorder, view);
    benchmark::DoNotOptimize(target.data());
  }
}
BENCHMARK(BM_DrawBorderMaskForm)->Arg(0)->Arg(1)->ArgName("alpha")->Unit(benchmark::kMicrosecond);

void BM_PaintSectionButton(benchmark::State& state) {
  BenchSkin skin(false);
  Bitmap cache(153, 33);
  const TsCacheView parent{.FillColor = rgb(200, 200, 200)};
  for (auto _ : state) {
    PaintSection(skin.model, skin.button, parent, -1, -1, cache, {0, 0}, cache.bounds(), static_cast<int>(state.range(0)),
                 CentreFill::Yes);
    benchmark::DoNotOptimize(cache.data());
  }
}
BENCHMARK(BM_PaintSectionButton)->Arg(0)->Arg(1)->ArgName("state")->Unit(benchmark::kMicrosecond);

// Every skinned control of the main window told of a skin change (SKC_SETSKIN) and repainted.
void BM_RecomposeMainWindowAfterSkinChange(benchmark::State& state) {
  HeadlessDriver driver;
  startProgram(driver);
  driver.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& f = *programWindows().mainWindow;
  f.sm->internalSkins().add() = fixtureSkin();
  f.sm->setSkinName(std::string(kFixtureSkinName));
  f.sm->setActive(true);
  driver.settle();
  for (auto _ : state) {
    f.sm->RefreshForms();
    driver.settle();
  }
}
BENCHMARK(BM_RecomposeMainWindowAfterSkinChange)->Unit(benchmark::kMillisecond);

}  // namespace
