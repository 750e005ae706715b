#include "SkinFixtures.h"

#include <jpeglib.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "gfx/ImageCodec.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackageWriter.h"

namespace tavra::test {
namespace {

void put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

Bytes makeBmp(const Bitmap& bitmap) {
  const int width = bitmap.width(), height = bitmap.height();
  const int rowBytes = (width * 3 + 3) & ~3;
  Bytes out;
  out.push_back('B');
  out.push_back('M');
  put32(out, static_cast<std::uint32_t>(54 + rowBytes * height));
  put32(out, 0);
  put32(out, 54);
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(width));
  put32(out, static_cast<std::uint32_t>(height));
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);
  put32(out, static_cast<std::uint32_t>(rowBytes * height));
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const Pixel* line = bitmap.row(y);
    for (int x = 0; x < width; ++x) {
      out.push_back(static_cast<std::uint8_t>(line[x]));        // blue
      out.push_back(static_cast<std::uint8_t>(line[x] >> 8));   // green
      out.push_back(static_cast<std::uint8_t>(line[x] >> 16));  // red
    }
    for (int pad = width * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

Bytes makeBmp(int width, int height, Color fill) {
  Bitmap bitmap(width, height);
  bitmap.fill(pixelFromColor(fill));
  return makeBmp(bitmap);
}

Bytes makeJpeg(int width, int height, Color fill) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr jerr{};
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 90, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
  for (int x = 0; x < width; ++x) {
    row[static_cast<size_t>(x) * 3] = static_cast<JSAMPLE>(redOf(fill));
    row[static_cast<size_t>(x) * 3 + 1] = static_cast<JSAMPLE>(greenOf(fill));
    row[static_cast<size_t>(x) * 3 + 2] = static_cast<JSAMPLE>(blueOf(fill));
  }
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

Bytes makePng(const Bitmap& bitmap) { return encodePng(bitmap); }

Bytes textBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

Bytes SkinFiles::package(const std::string& optionsName) const {
  SkinPackageWriter writer;
  writer.add(optionsName, textBytes(options));
  for (const auto& [name, bytes] : images) writer.add(name, bytes);
  return writer.build();
}

void SkinFiles::writeFolder(const std::filesystem::path& folder) const {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "Options.dat", std::ios::binary) << options;
  for (const auto& [name, bytes] : images) {
    std::ofstream out(folder / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
}

TempDir::TempDir() {
  static std::mt19937_64 random{std::random_device{}()};
  path_ = std::filesystem::temp_directory_path() / ("tavra-skin-" + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

NoticeRecorder::NoticeRecorder()
    : scope_([this](SkinNoticeKind kind, const std::string& text) { notices.emplace_back(kind, text); }) {}

namespace {

std::unique_ptr<LoadedSkin> load(Result<SkinSource> source, const std::vector<std::string>& commonSections, int hueOffset,
                                 int saturation) {
  auto loaded = std::make_unique<LoadedSkin>();
  if (!source) {
    loaded->status = Error{source.error()};
    return loaded;
  }
  loaded->source = std::make_unique<SkinSource>(std::move(source.value()));
  loaded->model.SkinData.SkinPath = loaded->source->skinPath;
  SkinLoadInput input = loaded->source->loadInput();
  input.CommonSections = commonSections;
  input.HueOffset = hueOffset;
  input.Saturation = saturation;
  loaded->status = SkinLoader(loaded->model, input).LoadAll();
  if (loaded->status) loaded->model.CacheCommonIndices();
  return loaded;
}

}  // namespace

std::unique_ptr<LoadedSkin> loadPackage(const Bytes& package, const std::vector<std::string>& commonSections, int hueOffset,
                                        int saturation) {
  return load(SkinSource::fromPackageBytes(package), commonSections, hueOffset, saturation);
}

std::unique_ptr<LoadedSkin> loadFolder(const std::string& folder, const std::vector<std::string>& commonSections) {
  return load(SkinSource::fromFolder(folder), commonSections, 0, 0);
}

std::unique_ptr<LoadedSkin> loadOptions(const std::string& options, const std::vector<std::string>& commonSections) {
  SkinFiles files;
  files.options = options;
  return loadPackage(files.package(), commonSections);
}

}  // namespace tavra::test
