#pragma once
// Small skins for the tests: hand-made BMP files, JPEG files through libjpeg, PNG files through
// the codec, packages through the package writer, temporary folders, and a recorder of the
// notices the loader shows.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinSource.h"
#include "skin/data/SkinStatus.h"
#include "skin/data/SkinWarnings.h"

namespace tavra::test {

using Bytes = std::vector<std::uint8_t>;

// A 24-bit bottom-up BMP filled with one colour (0x00BBGGRR), or painted by `paint`.
Bytes makeBmp(int width, int height, Color fill);
Bytes makeBmp(const Bitmap& bitmap);
// A baseline JPEG of one colour.
Bytes makeJpeg(int width, int height, Color fill);
// A PNG of the bitmap (32-bit bitmaps keep their alpha).
Bytes makePng(const Bitmap& bitmap);
Bytes textBytes(std::string_view text);

// The files of a skin: "Options.dat" first, then images, as a package or a folder.
struct SkinFiles {
  std::string options;
  std::vector<std::pair<std::string, Bytes>> images;

  SkinFiles& add(std::string name, Bytes bytes) {
    images.emplace_back(std::move(name), std::move(bytes));
    return *this;
  }
  Bytes package(const std::string& optionsName = "Options.dat") const;
  void writeFolder(const std::filesystem::path& folder) const;
};

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

// Records every notice while it lives.
class NoticeRecorder {
 public:
  NoticeRecorder();
  std::vector<std::pair<SkinNoticeKind, std::string>> notices;

 private:
  SkinWarnings::Scope scope_;
};

// A model loaded from package bytes or a folder, with everything the load read.
struct LoadedSkin {
  SkinModel model;
  std::unique_ptr<SkinSource> source;
  SkinStatus status = skinOk();
};
std::unique_ptr<LoadedSkin> loadPackage(const Bytes& package, const std::vector<std::string>& commonSections = {},
                                        int hueOffset = 0, int saturation = 0);
std::unique_ptr<LoadedSkin> loadFolder(const std::string& folder, const std::vector<std::string>& commonSections = {});
// A skin of only an options text.
std::unique_ptr<LoadedSkin> loadOptions(const std::string& options, const std::vector<std::string>& commonSections = {});

}  // namespace tavra::test
