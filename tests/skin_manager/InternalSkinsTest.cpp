#include <gtest/gtest.h>

#include "skin/builtin/BuiltInSkins.h"
#include "skin/builtin/EmbeddedSkinPackages.h"
#include "skin/data/TacSkinConvertor.h"
#include "skin/data/TsStoredSkins.h"

namespace tavra {
namespace {

TEST(InternalSkins, OneStoredSkinPerEmbeddedPackage) {
  const TsStoredSkins skins = builtInSkins();
  const auto packages = embeddedSkinPackages();
  ASSERT_EQ(skins.count(), static_cast<int>(packages.size()));
  for (size_t i = 0; i < packages.size(); ++i) {
    const TsStoredSkin& skin = skins.items()[i];
    EXPECT_EQ(skin.Name, std::string(packages[i].name) + " (internal)");
    EXPECT_EQ(skin.Data.size(), packages[i].bytes.size());
    EXPECT_EQ(skins.find(skin.Name), &skin);
  }
  EXPECT_EQ(skins.find("no such skin (internal)"), nullptr);
}

TEST(InternalSkins, EveryPackageReadsToItsLastByte) {
  const auto packages = embeddedSkinPackages();
  if (packages.empty()) GTEST_SKIP() << "the build embeds no skin packages yet";
  for (const EmbeddedSkinPackage& package : packages) {
    SCOPED_TRACE(std::string(package.name));
    TacSkinConvertor converter;
    converter.setSource(package.bytes);
    ASSERT_TRUE(converter.Read());
    EXPECT_TRUE(converter.Options.has_value());
    EXPECT_EQ(converter.bytesRead(), package.bytes.size());
  }
}

}  // namespace
}  // namespace tavra
