#pragma once
// The pointer shapes the display can show. One table yields the enum and each shape's name.
#include <cstddef>
#include <string_view>

namespace tavra {

#define TAVRA_CURSOR_SHAPES(X) \
  X(Arrow)                     \
  X(IBeam)                     \
  X(HandPoint)                 \
  X(Wait)                      \
  X(SizeWE)                    \
  X(SizeNS)                    \
  X(SizeNWSE)                  \
  X(SizeNESW)                  \
  X(SizeAll)                   \
  X(No)

enum class CursorShape {
#define TAVRA_CURSOR_ENUM(name) name,
  TAVRA_CURSOR_SHAPES(TAVRA_CURSOR_ENUM)
#undef TAVRA_CURSOR_ENUM
};

inline constexpr std::string_view kCursorShapeNames[] = {
#define TAVRA_CURSOR_NAME(name) #name,
    TAVRA_CURSOR_SHAPES(TAVRA_CURSOR_NAME)
#undef TAVRA_CURSOR_NAME
};
inline constexpr std::size_t kCursorShapeCount = std::size(kCursorShapeNames);
static_assert(kCursorShapeCount == static_cast<std::size_t>(CursorShape::No) + 1);

constexpr std::string_view cursorShapeName(CursorShape s) { return kCursorShapeNames[static_cast<std::size_t>(s)]; }

}  // namespace tavra
