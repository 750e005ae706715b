// The covers menu's previews: the program carries exactly what the skin engine draws from the
// built packages, and the tool refuses a folder that lacks a cover's package.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "ToolRun.h"
#include "gfx/ImageCodec.h"
#include "viewer/CoverNames.h"
#include "viewer/CoverPreviews.h"

namespace tavra::test {
namespace {

namespace fs = std::filesystem;

TEST(CoverPreviews, TheProgramCarriesWhatTheEngineDrawsFromThePackages) {
  const fs::path out = fs::temp_directory_path() / ("tavra-cover-previews-" + std::to_string(::getpid()) + ".png");
  const ToolRun run = runTool("../buildtools/coverpreviews", std::string(TAVRA_BIN_DIR) + "/skins " + out.string());
  ASSERT_EQ(run.status, 0) << run.output;
  Result<Bitmap> sheet = loadImageFile(out.string());
  fs::remove(out);
  ASSERT_TRUE(sheet) << sheet.error();
  ASSERT_EQ(sheet->size(), (Size{pictures::kCoverPreviewWidth, pictures::kCoverPreviewHeight * static_cast<int>(kCoverNames.size())}));
  for (int k = 0; k < static_cast<int>(kCoverNames.size()); ++k) {
    const Bitmap embedded = pictures::coverPreview(k);
    ASSERT_EQ(embedded.size(), (Size{160, 115})) << kCoverNames[static_cast<size_t>(k)];
    int differing = 0;
    for (int y = 0; y < 115; ++y) {
      for (int x = 0; x < 160; ++x) differing += embedded.colorAt(x, y) != sheet->colorAt(x, k * 115 + y) ? 1 : 0;
    }
    EXPECT_EQ(differing, 0) << kCoverNames[static_cast<size_t>(k)];
  }
}

TEST(CoverPreviews, AFolderWithoutACoversPackageIsAnError) {
  const fs::path empty = fs::temp_directory_path() / ("tavra-cover-previews-empty-" + std::to_string(::getpid()));
  fs::create_directories(empty);
  const ToolRun run = runTool("../buildtools/coverpreviews", empty.string() + " " + (empty / "out.png").string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("\"Acryl\""), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(empty / "out.png"));
  fs::remove_all(empty);
}

}  // namespace
}  // namespace tavra::test
