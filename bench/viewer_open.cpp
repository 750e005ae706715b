// Opening a page through the page viewer control, as the main window does: Navigate to a 40 KB
// windows-1251 archive with a table and a picture, then the event loop decodes it, lays it out
// at the viewer's width and paints the first screen.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "../tests/platform/PageTestArchives.h"
#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"
#include "platform/page/WebBrowser.h"

namespace {

using namespace tavra;

std::string fortyKilobyteArchive() {
  std::string head =
      "<html><head><meta http-equiv=Content-Type content=\"text/html; charset=windows-1251\">"
      "<title>3.1.4 Метод Фурье</title></head><body><h1>3.1.4 Метод Фурье для уравнения свободных колебаний струны</h1>"
      "<p><img width=160 height=100 src=\"page_files/image001.png\"></p><table border=1 cellspacing=0>";
  for (int row = 1; row <= 12; ++row) {
    head += "<tr><td>" + std::to_string(row) + "</td><td>X<sub>" + std::to_string(row) + "</sub>(x) = sin(" + std::to_string(row) +
            "&pi;x/l)</td></tr>";
  }
  head += "</table>";
  const std::string picture = testing_pages::solidPng(160, 100, rgb(40, 120, 200));
  std::string body, archive;
  for (int paragraph = 1; archive.size() < 40 * 1024; ++paragraph) {
    body += "<p>" + std::to_string(paragraph) +
            ". Ищем нетривиальные решения уравнения колебаний струны u<sub>tt</sub> = a<sup>2</sup>u<sub>xx</sub>, "
            "удовлетворяющие граничным условиям, в виде произведения <i>u = X(x)T(t)</i>; подстановка разделяет переменные.</p>";
    archive = testing_pages::wordArchive(head + body + "</body></html>", {{"page_files/image001.png", picture}});
  }
  return archive;
}

class ViewerForm : public TForm {
 public:
  explicit ViewerForm(TComponent* owner) : TForm(owner) {
    setBorderStyle(TFormBorderStyle::bsNone);
    setBounds(0, 0, 760, 640);
    viewer = &make<TWebBrowser>();
    viewer->setParent(this);
    viewer->setBounds(2, 2, 721, 593);
  }
  TWebBrowser* viewer = nullptr;
};

void BM_ViewerOpensA40KBArchive(benchmark::State& state) {
  std::filesystem::path file = std::filesystem::temp_directory_path() / ("tavra_bench_" + std::to_string(::getpid()) + ".mht");
  std::string archive = fortyKilobyteArchive();
  std::ofstream(file, std::ios::binary) << archive;
  state.counters["archive_KB"] = static_cast<double>(archive.size()) / 1024.0;
  HeadlessDriver driver;
  ViewerForm& form = driver.app().CreateForm<ViewerForm>();
  form.Show();
  driver.settle();
  // The first page of a process pays for the font configuration once; keep it out.
  form.viewer->Navigate(file.string());
  driver.settle();
  for (auto _ : state) {
    form.viewer->Navigate(file.string());
    driver.settle();  // the posted load, the layout and the paint of the first screen
    benchmark::DoNotOptimize(form.viewer->document());
  }
  if (form.viewer->document()->status() != PageStatus::Loaded) state.SkipWithError("the page did not load");
  std::filesystem::remove(file);
}
BENCHMARK(BM_ViewerOpensA40KBArchive)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Zooming the long page shown: a new layout at the zoomed width, the reading position kept,
// and the first screen painted; each iteration steps between 100 % and 125 %.
void BM_ViewerZoomRelayout(benchmark::State& state) {
  std::filesystem::path file = std::filesystem::temp_directory_path() / ("tavra_bench_zoom_" + std::to_string(::getpid()) + ".mht");
  std::ofstream(file, std::ios::binary) << fortyKilobyteArchive();
  HeadlessDriver driver;
  ViewerForm& form = driver.app().CreateForm<ViewerForm>();
  form.Show();
  driver.settle();
  form.viewer->Navigate(file.string());
  driver.settle();
  form.viewer->scrollTo(form.viewer->scrollBar().maxPosition() / 2);
  state.counters["page_px"] = form.viewer->document() ? form.viewer->document()->height() : 0;
  bool zoomed = false;
  for (auto _ : state) {
    zoomed = !zoomed;
    form.viewer->setZoom(zoomed ? 125 : 100);
    driver.settle();
  }
  std::filesystem::remove(file);
}
BENCHMARK(BM_ViewerZoomRelayout)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace
