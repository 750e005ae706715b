// Skin data: loading a package of about 60 KB (a 300 x 300 master bitmap, 65 sections), the hue
// and saturation adjustment of such a skin, and PaintGradient over 1000 x 680 in each mode.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "gfx/ImageCodec.h"
#include "skin/data/Gradient.h"
#include "skin/data/SkinColorAdjust.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/SkinSource.h"

namespace {

using namespace tavra;
using Bytes = std::vector<std::uint8_t>;

Bytes bmpBytes(const Bitmap& bitmap) {
  const int width = bitmap.width(), height = bitmap.height();
  const int rowBytes = (width * 3 + 3) & ~3;
  const auto imageBytes = static_cast<std::uint32_t>(rowBytes * height);
  Bytes out = {'B', 'M'};
  auto put = [&](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(54 + imageBytes, 4), put(0, 4), put(54, 4), put(40, 4);
  put(static_cast<std::uint32_t>(width), 4), put(static_cast<std::uint32_t>(height), 4), put(1, 2), put(24, 2);
  put(0, 4), put(imageBytes, 4), put(2835, 4), put(2835, 4), put(0, 8);
  for (int y = height - 1; y >= 0; --y) {
    const Pixel* line = bitmap.row(y);
    for (int x = 0; x < width; ++x) {
      out.push_back(static_cast<std::uint8_t>(line[x]));
      out.push_back(static_cast<std::uint8_t>(line[x] >> 8));
      out.push_back(static_cast<std::uint8_t>(line[x] >> 16));
    }
    for (int pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

// A master bitmap like a skin's: framed state images with shading, a little noise, magenta gaps.
Bitmap masterBitmap() {
  Bitmap bitmap(300, 300);
  std::mt19937 random(7);
  for (int y = 0; y < 300; ++y) {
    Pixel* line = bitmap.row(y);
    for (int x = 0; x < 300; ++x) {
      const bool gap = (x % 60) > 54 || (y % 40) > 35;
      const int shade = 120 + (x % 60) + (y % 40) + static_cast<int>(random() % 6);
      line[x] = gap ? pixelFromColor(clFuchsia) : pixelFromColor(rgb(shade / 2, shade, std::min(shade + 40, 255)));
    }
  }
  return bitmap;
}

std::string optionsText() {
  const char* border = "^0000^0000^0180^0080^0000^0000^0000^0000^3^1^0^0";
  std::string text =
      "[GLOBALINFO]\r\nVERSION=6.14\r\nAUTHOR=Tavra\r\nDESCRIPTION=Benchmark skin\r\nMASTERBITMAP=MASTER.BMP\r\n"
      "SHADOW1COLOR=0\r\nSHADOW1OFFSET=3\r\nSHADOW1BLUR=4\r\nSHADOW1TRANSPARENCY=60\r\nBORDERCOLOR=8421504\r\n"
      "COLOR=15263976\r\nFONTCOLOR=0\r\nHOTCOLOR=16777215\r\nBOXCHECKED=@0000@0240@0048@0256@3@0\r\n"
      "BOXUNCHECKED=@0000@0256@0048@0272@3@0\r\nRADIOCHECKED=@0048@0240@0096@0256@3@0\r\n"
      "RADIOUNCHECKED=@0048@0256@0096@0272@3@0\r\nSMALLCHECKED=@0096@0240@0144@0256@3@0\r\n\r\n";
  for (int i = 0; i < 64; ++i) {
    std::string name = i == 0 ? "BUTTON" : i == 1 ? "PANEL" : i == 2 ? "EDIT" : i == 3 ? "TABTOP" : "SECTION" + std::to_string(i);
    text += "[" + name + "]\r\n";
    if (i >= 4 && i % 3 == 0) text += "PARENTCLASS=BUTTON\r\n";
    if (i % 3 != 0 || i < 4) {
      text += "COLOR=" + std::to_string(0x101010 * (i % 15)) + "\r\nFONTCOLOR=0\r\nTCLEFT=-1\r\nHOTCOLOR=15790320\r\n"
              "HOTFONTCOLOR=16711680\r\nTRANSPARENCY=0\r\nGRADIENTPERCENT=40\r\nIMAGEPERCENT=20\r\n"
              "GRADIENTDATA=15790320;14737632;50;0;0;14737632;13684944;50;0;0\r\n"
              "HOTGRADIENTDATA=16777215;15790320;100;0;0\r\nSHOWFOCUS=TRUE\r\nFADINGENABLED=TRUE\r\nFADINGITERATIONS=5\r\n";
      text += std::string("BORDERSMASK=") + border + "\r\nPATTERN=~0200~0000~0216~0016~00~0\r\n"
              "HOTPATTERN=~0216~0000~0232~0016~00~0\r\nGLYPHMASK=@0150@0240@0198@0256@3@0\r\n";
    }
    text += "\r\n";
  }
  return text;
}

Bytes benchmarkPackage() {
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view(optionsText()));
  writer.add("Master.bmp", bmpBytes(masterBitmap()));
  Bitmap huge(180, 60);
  huge.fill(pixelFromColor(0x80A0C0));
  writer.add("ButtonHuge.bmp", bmpBytes(huge));
  return writer.build();
}

const Bytes& package() {
  static const Bytes kPackage = benchmarkPackage();
  return kPackage;
}

void BM_LoadSkinPackage(benchmark::State& state) {
  for (auto _ : state) {
    auto source = SkinSource::fromPackageBytes(package());
    SkinModel model;
    SkinLoadInput input = source->loadInput();
    SkinStatus status = SkinLoader(model, input).LoadAll();
    model.CacheCommonIndices();
    if (!status || model.Sections.size() != 65) state.SkipWithError("the benchmark skin did not load");
    benchmark::DoNotOptimize(model.Masks.data());
  }
  state.counters["package_bytes"] = static_cast<double>(package().size());
}
BENCHMARK(BM_LoadSkinPackage)->Unit(benchmark::kMillisecond);

void adjust(benchmark::State& state, int hue, int saturation) {
  auto source = SkinSource::fromPackageBytes(package());
  SkinModel model;
  SkinLoadInput input = source->loadInput();
  if (!SkinLoader(model, input).LoadAll()) state.SkipWithError("the benchmark skin did not load");
  for (auto _ : state) {
    AdjustSkinColors(model, hue, saturation);
    benchmark::DoNotOptimize(model.MasterBitmap.data());
  }
}

void BM_HueAdjustment(benchmark::State& state) { adjust(state, 120, 0); }
BENCHMARK(BM_HueAdjustment)->Unit(benchmark::kMillisecond);

void BM_SaturationAdjustment(benchmark::State& state) { adjust(state, 0, 40); }
BENCHMARK(BM_SaturationAdjustment)->Unit(benchmark::kMillisecond);

void BM_PaintGradient(benchmark::State& state) {
  const int mode = static_cast<int>(state.range(0));
  const std::string text = "16744512;16777215;24;" + std::to_string(mode) + ";0;16777215;16760960;24;" + std::to_string(mode) +
                           ";0;16760960;16777215;24;" + std::to_string(mode) + ";0;16777215;15562754;24;" +
                           std::to_string(mode) + ";0;15562754;15562754;0;" + std::to_string(mode) + ";0";
  const TsGradArray steps = ParseGradient(text).value();
  Bitmap bitmap(1000, 680);
  for (auto _ : state) {
    PaintGradient(bitmap, bitmap.bounds(), steps);
    benchmark::DoNotOptimize(bitmap.data());
  }
  state.SetItemsProcessed(state.iterations() * 1000 * 680);
}
BENCHMARK(BM_PaintGradient)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
