// tavra-icon OUT_DIR: draws the program's desktop icon into OUT_DIR/<N>x<N>/apps/tavra.png for the
// hicolor sizes and OUT_DIR/scalable/apps/tavra.svg (the icon theme's layout). The picture is the
// one every window's caption shows (gfx/ProgramIcon.h), drawn for each size.
#include <cairo-svg.h>
#include <cairo.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "gfx/ProgramIcon.h"

namespace {

constexpr int kSvgSize = 256;
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool writePng(const std::filesystem::path& path, int size) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  tavra::drawProgramIcon(cr, size);
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

bool writeSvg(const std::filesystem::path& path) {
  cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), kSvgSize, kSvgSize);
  cairo_t* cr = cairo_create(surface);
  tavra::drawProgramIcon(cr, kSvgSize);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tavra-icon OUT_DIR\n";
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path out = argv[1];
  std::error_code ec;
  for (int size : kSizes) {
    fs::path folder = out / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    fs::create_directories(folder, ec);
    if (ec || !writePng(folder / "tavra.png", size)) {
      std::cerr << "tavra-icon: cannot write " << (folder / "tavra.png").string() << "\n";
      return 1;
    }
  }
  const fs::path scalable = out / "scalable" / "apps";
  fs::create_directories(scalable, ec);
  if (ec || !writeSvg(scalable / "tavra.svg")) {
    std::cerr << "tavra-icon: cannot write " << (scalable / "tavra.svg").string() << "\n";
    return 1;
  }
  return 0;
}
