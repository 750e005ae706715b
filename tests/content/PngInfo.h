#pragma once
// Width, height and colour type from a PNG's signature and IHDR chunk, for the content tests.
#include <cstdint>
#include <optional>
#include <string_view>

namespace tavra::test {

struct PngInfo {
  std::uint32_t width = 0, height = 0;
  int colorType = 0;
};

inline std::optional<PngInfo> readPngInfo(std::string_view bytes) {
  constexpr std::string_view kSignature("\x89PNG\r\n\x1A\n", 8);
  if (bytes.size() < 33 || bytes.substr(0, 8) != kSignature || bytes.substr(12, 4) != "IHDR") return std::nullopt;
  auto be32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3]));
  };
  return PngInfo{be32(16), be32(20), static_cast<unsigned char>(bytes[25])};
}

}  // namespace tavra::test
