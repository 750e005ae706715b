// skinlint: loads a skin package (".asz") or an unpacked skin folder with the engine and reports
// what a skin author needs to know. Exit status: 0 loaded (findings are printed), 1 the skin
// cannot be loaded, 2 wrong arguments, 3 with --strict when there are warnings.
//
//   skinlint [--strict] SKIN     findings, one per line
//   skinlint --dump SKIN         the loaded model as stable text
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "SkinLint.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinModelDump.h"
#include "skin/data/SkinSource.h"
#include "skin/data/SkinWarnings.h"

namespace {

int usage() {
  std::fprintf(stderr, "usage: skinlint [--strict | --dump] PACKAGE.asz|SKIN-FOLDER\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool dump = false;
  bool strict = false;
  std::string path;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--dump") {
      dump = true;
    } else if (arg == "--strict") {
      strict = true;
    } else if (!arg.empty() && arg.front() == '-') {
      return usage();
    } else if (path.empty()) {
      path = arg;
    } else {
      return usage();
    }
  }
  if (path.empty()) return usage();

  // Notices the engine would show in a box are findings here.
  tavra::SkinWarnings::Scope notices([&](tavra::SkinNoticeKind kind, const std::string& text) {
    std::fprintf(stderr, "%s: %s: %s\n", path.c_str(), kind == tavra::SkinNoticeKind::Warning ? "warning" : "notice", text.c_str());
  });

  std::error_code ec;
  auto source = std::filesystem::is_directory(path, ec) ? tavra::SkinSource::fromFolder(path) : tavra::SkinSource::fromPackageFile(path);
  if (!source) {
    std::fprintf(stderr, "%s: error: %s\n", path.c_str(), source.error().c_str());
    return 1;
  }
  if (source->rejected()) {
    std::fprintf(stderr, "%s: error: not a skin package\n", path.c_str());
    return 1;
  }

  tavra::SkinModel model;
  model.SkinData.SkinPath = source->skinPath;
  const tavra::SkinLoadInput input = source->loadInput();
  const tavra::SkinStatus loaded = tavra::SkinLoader(model, input).LoadAll();
  if (loaded) model.CacheCommonIndices();
  if (!loaded) std::fprintf(stderr, "%s: error: %s\n", path.c_str(), loaded.error().c_str());

  if (dump) {
    if (!loaded) return 1;
    std::fputs(tavra::dumpSkinModel(model).c_str(), stdout);
    return 0;
  }

  int warnings = 0, notes = 0;
  for (const tavra::lint::Finding& finding : tavra::lint::SkinLint(*source, model).run()) {
    const bool warning = finding.level == tavra::lint::Level::Warning;
    (warning ? warnings : notes)++;
    std::printf("%s: %s: %s%s%s\n", path.c_str(), warning ? "warning" : "note", finding.where.c_str(),
                finding.where.empty() ? "" : ": ", finding.message.c_str());
  }
  std::printf("%s: %d warning%s, %d note%s\n", path.c_str(), warnings, warnings == 1 ? "" : "s", notes, notes == 1 ? "" : "s");
  if (!loaded) return 1;
  return strict && warnings > 0 ? 3 : 0;
}
