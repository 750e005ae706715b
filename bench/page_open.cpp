// Opening a page as the viewer does: decode a 40 KB windows-1251 quoted-printable archive with
// a table and a picture, lay it out at the main viewer's width, and paint the first screen.
#include <benchmark/benchmark.h>

#include "../tests/platform/PageTestArchives.h"
#include "gfx/Canvas.h"
#include "platform/page/PageDocument.h"

namespace {

using namespace tavra;

std::string courseLikeArchive() {
  std::string html =
      "<html><head><meta http-equiv=Content-Type content=\"text/html; charset=windows-1251\">"
      "<title>Глава 3. Метод Фурье</title><style><!--\n"
      "p.MsoNormal {margin:0cm; margin-bottom:.0001pt; font-size:12.0pt; font-family:\"Times New Roman\";}\n"
      "h1 {font-size:16.0pt; font-family:Arial; color:#1F3864}\n--></style></head>"
      "<body lang=RU><div class=Section1><h1><a name=\"top\"></a>Глава 3. Метод разделения переменных</h1>"
      "<p class=MsoNormal><img width=120 height=80 src=\"test_files/image001.png\"></p>";
  html += "<table border=1 cellspacing=0 style='border-collapse:collapse'>";
  for (int row = 1; row <= 12; ++row) {
    html += "<tr><td><p class=MsoNormal>" + std::to_string(row) + "</p></td><td><p class=MsoNormal>X<sub>" +
            std::to_string(row) + "</sub>(x) = sin(" + std::to_string(row) + "&pi;x/l), &lambda;<sub>" + std::to_string(row) +
            "</sub> = (" + std::to_string(row) + "&pi;/l)<sup>2</sup></p></td></tr>";
  }
  html += "</table>";
  const std::string picture = testing_pages::solidPng(120, 80, rgb(40, 120, 200));
  std::string paragraphs;
  std::string archive;
  for (int paragraph = 1; archive.size() < 40 * 1024; ++paragraph) {
    paragraphs += "<p class=MsoNormal style='text-indent:35.4pt'>" + std::to_string(paragraph) +
                  ". Рассмотрим смешанную задачу для уравнения теплопроводности u<sub>t</sub> = a<sup>2</sup>u<sub>xx</sub> "
                  "на отрезке [0, l] с однородными граничными условиями. Решение ищем в виде произведения "
                  "<i>u(x, t) = X(x)T(t)</i>, подставляем в уравнение и разделяем переменные.<o:p></o:p></p>\n";
    archive = testing_pages::wordArchive(html + paragraphs + "</div></body></html>", {{"test_files/image001.png", picture}});
  }
  return archive;
}

void BM_OpenPage(benchmark::State& state) {
  const std::string archive = courseLikeArchive();
  state.counters["archive_KB"] = static_cast<double>(archive.size()) / 1024.0;
  Bitmap screen(721, 500);
  {
    // The first document of a process pays for font configuration once; keep that out.
    LoadedPage warm;
    warm.archive = *MhtmlArchive::decode(archive);
    PageDocument(std::move(warm)).layout(721, 500);
  }
  for (auto _ : state) {
    auto decoded = MhtmlArchive::decode(archive, "file:///course/mat/glava3.mht");
    LoadedPage page;
    page.status = PageStatus::Loaded;
    page.archive = std::move(*decoded);
    PageDocument document(std::move(page));
    document.layout(721, 500);
    Canvas canvas(screen);
    document.draw(canvas, screen.bounds(), {0, 0});
    benchmark::DoNotOptimize(screen.data());
  }
}
BENCHMARK(BM_OpenPage)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_DecodeOnly(benchmark::State& state) {
  const std::string archive = courseLikeArchive();
  for (auto _ : state) {
    auto decoded = MhtmlArchive::decode(archive);
    benchmark::DoNotOptimize(decoded->html().data());
  }
}
BENCHMARK(BM_DecodeOnly)->Unit(benchmark::kMillisecond);

}  // namespace
