#pragma once
// Encoders for the tags the banner uses and the file around them.
#include <cstdint>
#include <optional>
#include <vector>

#include "SwfBitWriter.h"
#include "SwfStyles.h"

namespace tavra::banner::tags {

Bytes tag(unsigned code, const Bytes& body);
Bytes end();
Bytes showFrame();
Bytes fileAttributes();
Bytes setBackgroundColor(std::uint32_t rgb);
// PlaceObject2: a new object at a free depth.
Bytes place(std::uint16_t depth, std::uint16_t characterId, const Matrix& matrix,
            const std::optional<ColorTransform>& colorTransform = std::nullopt);
// PlaceObject2 with Move: new matrix and/or colour transform for what is at the depth.
Bytes move(std::uint16_t depth, const std::optional<Matrix>& matrix,
           const std::optional<ColorTransform>& colorTransform = std::nullopt);
// PlaceObject2 with Move and a character: other artwork, same transform.
Bytes replace(std::uint16_t depth, std::uint16_t characterId);
Bytes remove(std::uint16_t depth);
// DefineSprite: the frames' control tags (End is added).
Bytes defineSprite(std::uint16_t id, const std::vector<Bytes>& controlTags);

// A whole file: header, stage rectangle in pixels, frame rate (8.8), frame count, tags; zlib-
// compressed when asked (CWS).
Bytes movieFile(int widthPx, int heightPx, double framesPerSecond, const std::vector<Bytes>& tags, bool compressed);

}  // namespace tavra::banner::tags
