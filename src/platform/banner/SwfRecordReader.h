#pragma once
// Reading the records of SwfRecords.h from a SwfReader. Each read starts byte-aligned where the
// format says so. A failed read leaves the reader failed; an invalid enum value that makes the
// rest unreadable (an unknown fill type) gives an empty optional.
#include <optional>
#include <vector>

#include "platform/banner/SwfReader.h"
#include "platform/banner/SwfRecords.h"

namespace tavra::swf {

SwfRect readRect(SwfReader& in);
SwfRgba readRgb(SwfReader& in);
SwfRgba readRgba(SwfReader& in);
SwfMatrix readMatrix(SwfReader& in);
SwfColorTransform readColorTransform(SwfReader& in, bool withAlpha);

// `shapeVersion` is 1 to 4 (DefineShape to DefineShape4): it decides RGB or RGBA colours, the
// style count forms and the gradient record limit.
std::optional<SwfGradient> readGradient(SwfReader& in, int shapeVersion, bool focal);
std::optional<SwfFillStyle> readFillStyle(SwfReader& in, int shapeVersion);
std::optional<std::vector<SwfFillStyle>> readFillStyles(SwfReader& in, int shapeVersion);
std::optional<std::vector<SwfLineStyle>> readLineStyles(SwfReader& in, int shapeVersion);

}  // namespace tavra::swf
