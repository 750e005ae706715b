#pragma once
// The main window's pictures, drawn at build time by tools/pictures and embedded: the three
// tree badges, the button pictures, the help badge and the menu pictures.
#include <cstdint>
#include <span>

#include "gfx/Bitmap.h"

namespace tavra::assets {
extern const std::span<const std::uint8_t> kTocBadge0;
extern const std::span<const std::uint8_t> kTocBadge1;
extern const std::span<const std::uint8_t> kTocBadge2;
extern const std::span<const std::uint8_t> kButtonExamples;
extern const std::span<const std::uint8_t> kButtonTasks;
extern const std::span<const std::uint8_t> kButtonTests;
extern const std::span<const std::uint8_t> kButtonGlossary;
extern const std::span<const std::uint8_t> kButtonQuestions;
extern const std::span<const std::uint8_t> kHelpBadge;
extern const std::span<const std::uint8_t> kMenuCovers;
extern const std::span<const std::uint8_t> kMenuAbout;
}  // namespace tavra::assets

namespace tavra::pictures {

// A picture as decoded: 32-bit with straight alpha, as image lists and menu items take it.
Bitmap straight(std::span<const std::uint8_t> png);
// The same with premultiplied alpha, as button glyphs are blended.
Bitmap premultiplied(std::span<const std::uint8_t> png);

}  // namespace tavra::pictures
