// coverpreviews SKIN_FOLDER OUTPUT.png: draws a preview of each cover of the main window's covers
// menu, in the menu's order, from the skin packages in SKIN_FOLDER, and writes them one under
// another as one PNG sheet (160 pixels wide, 115 pixels per cover).
#include <iostream>

#include "CoverPreviewPainter.h"
#include "gfx/ImageCodec.h"
#include "skin/data/TsStoredSkins.h"
#include "skin/manager/SkinChoice.h"
#include "skin/manager/SkinModelLoad.h"
#include "viewer/CoverNames.h"

int main(int argc, char** argv) {
  using namespace tavra;
  if (argc != 3) {
    std::cerr << "usage: coverpreviews SKIN_FOLDER OUTPUT.png\n";
    return 2;
  }
  const std::string folder = argv[1];
  const int count = static_cast<int>(kCoverNames.size());
  Bitmap sheet(CoverPreviewPainter::kWidth, CoverPreviewPainter::kHeight * count, PixelFormat::Bits24);
  const TsStoredSkins none;
  for (int i = 0; i < count; ++i) {
    const std::string& name = kCoverNames[static_cast<size_t>(i)];
    const std::string package = findSkinPackage(folder, name);
    if (package.empty()) {
      std::cerr << "coverpreviews: no package for the cover \"" << name << "\" in " << folder << "\n";
      return 1;
    }
    SkinLoadSettings settings;
    settings.resolvedSkinDirectory = folder;
    settings.internalSkins = &none;
    Result<LoadedSkinModel> loaded = loadSkinModel(SkinChoice{.origin = SkinOrigin::Package, .path = package, .name = name}, settings);
    if (!loaded) {
      std::cerr << "coverpreviews: " << package << ": " << loaded.error() << "\n";
      return 1;
    }
    const Bitmap preview = CoverPreviewPainter(*loaded->model).paint();
    for (int y = 0; y < preview.height(); ++y) {
      std::copy(preview.row(y), preview.row(y) + preview.width(), sheet.row(i * CoverPreviewPainter::kHeight + y));
    }
  }
  if (!savePng(sheet, argv[2])) {
    std::cerr << "coverpreviews: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
