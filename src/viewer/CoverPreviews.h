#pragma once
// The covers menu's previews: a small sample window in each cover's skin, drawn at build time
// by tools/coverpreviews with the skin engine from the skin packages and embedded as one sheet.
#include <cstdint>
#include <span>

#include "gfx/Bitmap.h"

namespace tavra::assets {
extern const std::span<const std::uint8_t> kCoverPreviews;
}  // namespace tavra::assets

namespace tavra::pictures {

constexpr int kCoverPreviewWidth = 160;
constexpr int kCoverPreviewHeight = 115;

// The preview of cover `index` (0 for item "1"), 24-bit; empty when the sheet lacks it.
Bitmap coverPreview(int index);

}  // namespace tavra::pictures
