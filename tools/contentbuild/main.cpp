// tavra-content: builds the course content store from the sources in content/.
//
//   tavra-content list SOURCE_DIR                      prints every output name
//   tavra-content one SOURCE_DIR NAME OUT [DEPFILE]    builds one output (e.g. mat/1.1.mht)
//   tavra-content all SOURCE_DIR OUT_DIR               builds everything into OUT_DIR
//   tavra-content figure FIGURE.fig OUT.png            draws one figure (to preview it)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "base/Files.h"
#include "contentbuild/ContentBuilder.h"
#include "contentbuild/FigureRenderer.h"
#include "contentbuild/FigureSource.h"

namespace {

namespace fs = std::filesystem;
using tavra::content::ContentBuilder;

int usage() {
  std::cerr << "usage: tavra-content list SOURCE_DIR\n"
               "       tavra-content one SOURCE_DIR NAME OUT [DEPFILE]\n"
               "       tavra-content all SOURCE_DIR OUT_DIR\n"
               "       tavra-content figure FIGURE.fig OUT.png\n";
  return 2;
}

std::string escapeDepPath(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == ' ' || c == '#') out += '\\';
    if (c == '$') out += '$';
    out += c;
  }
  return out;
}

bool writeFile(const fs::path& path, const std::string& bytes) {
  std::error_code ec;
  if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
  // Write beside and rename, so an interrupted build never leaves half a page.
  const fs::path temporary = path.string() + ".part";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file) return false;
  }
  fs::rename(temporary, path, ec);
  return !ec;
}

int buildOne(const ContentBuilder& builder, const std::string& name, const fs::path& out, const char* depfile) {
  auto built = builder.build(name);
  if (!built) {
    std::cerr << "tavra-content: " << built.error() << "\n";
    return 1;
  }
  if (!writeFile(out, built->bytes)) {
    std::cerr << "tavra-content: cannot write " << out << "\n";
    return 1;
  }
  if (depfile) {
    std::string deps = escapeDepPath(fs::absolute(out).string()) + ":";
    for (const fs::path& input : built->inputs) deps += " \\\n  " + escapeDepPath(fs::absolute(input).string());
    deps += "\n";
    if (!writeFile(depfile, deps)) {
      std::cerr << "tavra-content: cannot write " << depfile << "\n";
      return 1;
    }
  }
  return 0;
}

int drawFigure(const std::string& source, const fs::path& out) {
  auto text = tavra::readFileText(source, 256 * 1024);
  if (!text) {
    std::cerr << "tavra-content: " << source << ": " << text.error() << "\n";
    return 1;
  }
  auto spec = tavra::content::FigureSource::parse(*text);
  auto png = spec ? tavra::content::FigureRenderer::renderPng(*spec) : tavra::Result<std::string>(tavra::Error{spec.error()});
  if (!png) {
    std::cerr << "tavra-content: " << source << ": " << png.error() << "\n";
    return 1;
  }
  return writeFile(out, *png) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return usage();
  const std::string command = argv[1];
  if (command == "figure") return argc == 4 ? drawFigure(argv[2], argv[3]) : usage();
  const ContentBuilder builder{fs::path(argv[2])};
  if (command == "list" && argc == 3) {
    auto outputs = builder.outputs();
    if (!outputs) {
      std::cerr << "tavra-content: " << outputs.error() << "\n";
      return 1;
    }
    for (const auto& output : *outputs) std::cout << output.name << "\n";
    return 0;
  }
  if (command == "one" && (argc == 5 || argc == 6)) {
    return buildOne(builder, argv[3], argv[4], argc == 6 ? argv[5] : nullptr);
  }
  if (command == "all" && argc == 4) {
    auto written = builder.buildAll(argv[3]);
    if (!written) {
      std::cerr << "tavra-content: " << written.error() << "\n";
      return 1;
    }
    std::cout << written->size() << " files written to " << argv[3] << "\n";
    return 0;
  }
  return usage();
}
