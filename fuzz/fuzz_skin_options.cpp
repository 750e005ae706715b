// Fuzz target: loading a skin from an in-memory package whose "Options.dat" is the input (up to
// a NUL byte; the lines after it are the manager's common sections), with a few small images
// for the option values to name: MASTER.BMP, A.BMP, G.PNG, S.JPG (a texture) and P.JPG (a
// pattern). The loaded model is then looked up, dumped and its gradients painted.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "gfx/ImageCodec.h"
#include "skin/data/CommonSections.h"
#include "skin/data/Gradient.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinModelDump.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/data/SkinSource.h"
#include "skin/data/SkinWarnings.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bmp(int width, int height, std::uint8_t level) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const auto imageBytes = static_cast<std::uint32_t>(rowBytes * height);
  Bytes out = {'B', 'M'};
  auto put = [&](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(54 + imageBytes, 4), put(0, 4), put(54, 4), put(40, 4);
  put(static_cast<std::uint32_t>(width), 4), put(static_cast<std::uint32_t>(height), 4), put(1, 2), put(24, 2);
  put(0, 4), put(imageBytes, 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
  for (int i = 0; i < rowBytes * height; ++i) out.push_back(static_cast<std::uint8_t>(level + i % 7));
  return out;
}

Bytes jpeg(int width, int height) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  jpeg_mem_dest(&cinfo, &buffer, &length);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3, 0x70);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes out(buffer, buffer + length);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

const std::vector<std::pair<std::string, Bytes>>& images() {
  static const std::vector<std::pair<std::string, Bytes>> kImages = [] {
    tavra::Bitmap glow(6, 4, tavra::PixelFormat::Bits32);
    glow.fill(0x80FFFFFF);
    glow.setPixel(1, 1, 0xFF2040A0);
    return std::vector<std::pair<std::string, Bytes>>{
        {"MASTER.BMP", bmp(64, 48, 0x30)}, {"A.BMP", bmp(30, 20, 0x90)}, {"G.PNG", tavra::encodePng(glow)},
        {"S.JPG", jpeg(8, 8)},          {"P.JPG", jpeg(300, 300)},  {"X.JPG", bmp(8, 8, 0x10)},
    };
  }();
  return kImages;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tavra::SkinWarnings::Scope quiet([](tavra::SkinNoticeKind, const std::string&) {});
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  const std::string options = input.substr(0, split);

  // The image entries are compressed once; each input only adds its options entry in front.
  static const Bytes kImageEntries = [] {
    tavra::SkinPackageWriter writer;
    for (const auto& [name, bytes] : images()) writer.add(name, bytes);
    Bytes built = writer.build();
    return Bytes(built.begin() + 8, built.end());
  }();
  tavra::SkinPackageWriter optionsOnly;
  optionsOnly.add("Options.dat", std::string_view(options));
  Bytes package = optionsOnly.build();
  package[4] = static_cast<std::uint8_t>(1 + images().size());
  package.insert(package.end(), kImageEntries.begin(), kImageEntries.end());

  auto source = tavra::SkinSource::fromPackageBytes(package);
  if (!source || source->rejected()) std::abort();  // the writer's packages are always readable

  std::vector<std::string> commonLines;
  if (split != std::string::npos) {
    std::string rest = input.substr(split + 1);
    for (std::size_t start = 0; start <= rest.size();) {
      std::size_t end = rest.find('\n', start);
      if (end == std::string::npos) end = rest.size();
      commonLines.push_back(rest.substr(start, end - start));
      start = end + 1;
    }
  }
  tavra::SkinLoadInput loadInput = source->loadInput();
  loadInput.CommonSections = tavra::normalizeCommonSectionLines(commonLines);
  loadInput.HueOffset = size > 0 ? data[0] % 7 == 0 ? 120 : 0 : 0;
  loadInput.Saturation = size > 1 ? data[1] % 5 == 0 ? -50 : 0 : 0;

  tavra::SkinModel model;
  const bool loaded = static_cast<bool>(tavra::SkinLoader(model, loadInput).LoadAll());
  model.CacheCommonIndices();
  (void)tavra::dumpSkinModel(model);

  tavra::Bitmap canvas(16, 12);
  for (std::size_t i = 0; i < model.Sections.size(); ++i) {
    const tavra::TsGeneralData& section = model.Sections[i];
    const int index = static_cast<int>(i);
    if (loaded && section.SectionName != "GLOBALINFO" &&
        model.FindMask(index, section.SectionName, "BORDERSMASK") != section.BorderMask) {
      std::abort();
    }
    (void)model.FindTexture(index, section.SectionName, "PATTERN");
    (void)model.FindPattern(index, section.SectionName, "PATTERN");
    if (section.GradientSteps.size() < 64) tavra::PaintGradient(canvas, {-2, 1, 20, 11}, section.GradientSteps);
  }
  for (std::size_t i = 0; i < model.Masks.size(); ++i) {
    const int index = static_cast<int>(i);
    (void)model.MaskFrameSize(index);
    (void)model.MaskWidthLeft(index);
    (void)model.MaskWidthRight(index);
    (void)model.MaskWidthTop(index);
    (void)model.MaskWidthBottom(index);
  }
  (void)model.GlobalColor();
  (void)model.MenuHighlightTextColor();
  return 0;
}
