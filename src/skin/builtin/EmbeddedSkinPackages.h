#pragma once
// The skin packages the build embeds into the program (made from skins/sources/ and
// skins/packages/, in the order of skins/packages/order.txt).
#include <cstdint>
#include <span>
#include <string_view>

namespace tavra {

struct EmbeddedSkinPackage {
  std::string_view name;  // the package's file name without ".asz"
  std::span<const std::uint8_t> bytes;
};

std::span<const EmbeddedSkinPackage> embeddedSkinPackages();

}  // namespace tavra
