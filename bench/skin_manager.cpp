// Skin manager: a full skin change announced over a window with 50 controls (SKC_REFRESH,
// SKC_FADEDONE and SKC_SETSKIN through the broadcast walk), and a skin change with its load.
#include <benchmark/benchmark.h>

#include <string>

#include "driver/harness/HeadlessDriver.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/manager/TsSkinManager.h"

namespace {

using namespace tavra;

std::vector<std::uint8_t> smallSkin(const std::string& author) {
  std::string options = "[GLOBALINFO]\r\nVERSION=6.14\r\nAUTHOR=" + author + "\r\n";
  for (const char* section : {"BUTTON", "PANEL", "EDIT", "FORM", "LABEL", "BAR"}) {
    options += std::string("[") + section + "]\r\nCOLOR=15263976\r\nFONTCOLOR=0\r\nTRANSPARENCY=0\r\n";
  }
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view(options));
  return writer.build();
}

// A form of 50 controls: 10 panels, each holding a label, two more panels and two labels.
struct SkinnedWindow {
  HeadlessDriver driver;
  TsSkinManager* manager = nullptr;

  SkinnedWindow() {
    TForm& form = driver.app().CreateForm<TForm>();
    form.setBounds(0, 0, 800, 600);
    for (int i = 0; i < 10; ++i) {
      auto& panel = form.make<TPanel>();
      panel.setParent(&form);
      panel.setBounds(10, 10 + 50 * i, 700, 45);
      for (int j = 0; j < 2; ++j) {
        auto& inner = form.make<TPanel>();
        inner.setParent(&panel);
        inner.setBounds(200 + 200 * j, 2, 150, 40);
      }
      for (int j = 0; j < 2; ++j) {
        auto& label = form.make<TLabel>();
        label.setParent(&panel);
        label.setBounds(10 + 90 * j, 5, 80, 20);
      }
    }
    form.Show();
    driver.settle();
    manager = &driver.app().make<TsSkinManager>();
    for (const char* name : {"First (internal)", "Second (internal)"}) {
      TsStoredSkin& skin = manager->internalSkins().add();
      skin.Name = name;
      skin.Data = smallSkin(name);
    }
    manager->setSkinName("First (internal)");
  }
};

void BM_SkinChangeBroadcast(benchmark::State& state) {
  SkinnedWindow window;
  for (auto _ : state) {
    window.manager->ApplySkin(Repaint::Yes);
    window.driver.settle();
  }
}
BENCHMARK(BM_SkinChangeBroadcast)->Unit(benchmark::kMicrosecond);

void BM_SkinChangeWithLoad(benchmark::State& state) {
  SkinnedWindow window;
  bool second = false;
  for (auto _ : state) {
    second = !second;
    window.manager->setSkinName(second ? "Second (internal)" : "First (internal)");
    window.driver.settle();
  }
  if (window.manager->model().SkinData.Author.empty()) state.SkipWithError("no skin loaded");
}
BENCHMARK(BM_SkinChangeWithLoad)->Unit(benchmark::kMicrosecond);

}  // namespace
