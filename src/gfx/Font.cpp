#include "gfx/Font.h"
#include "gfx/FontSymbols.h"

#include <array>
#include <string_view>

#include "base/Text.h"
#include "gfx/TextEngine.h"

namespace tavra {
namespace {

struct FaceMapping {
  std::string_view face;
  std::string_view family;
  // Where the family's missing characters (mathematical symbols) come from, in a matching
  // design; empty: left to the font configuration.
  std::string_view symbols;
};

// The faces the windows name, each mapped to the installed family with the closest metrics.
// All of them carry Cyrillic.
constexpr std::array<FaceMapping, 7> kFaceTable = {{
    {"MS Sans Serif", "Liberation Sans", ""},
    {"Tahoma", "Liberation Sans", ""},
    {"Arial", "Liberation Sans", "DejaVu Sans"},
    {"Verdana", "DejaVu Sans", ""},
    {"Times New Roman", "Liberation Serif", "STIXGeneral"},
    {"Monotype Corsiva", "Z003", ""},
    {"Courier New", "Liberation Mono", "DejaVu Sans Mono"},
}};
constexpr std::string_view kFallbackFamily = "Liberation Sans";

}  // namespace

std::string mapFontFace(const std::string& faceName) {
  std::string_view name = trimmed(faceName);
  for (const FaceMapping& m : kFaceTable) {
    if (equalsIgnoreCase(name, m.face)) return std::string(m.family);
  }
  return std::string(kFallbackFamily);
}

std::string mapFontFaceWithSymbols(const std::string& faceName) {
  std::string_view name = trimmed(faceName);
  for (const FaceMapping& m : kFaceTable) {
    if (!equalsIgnoreCase(name, m.face)) continue;
    if (m.symbols.empty()) return std::string(m.family);
    return std::string(m.family) + "," + std::string(m.symbols);
  }
  return std::string(kFallbackFamily);
}

Font systemFont() {
  return Font{.name = "Tahoma", .height = pointsToPixels(8), .style = fsNone};
}

Font captionFont() {
  return Font{.name = "Tahoma", .height = pointsToPixels(8), .style = fsBold};
}

void warmUpFonts() {
  TextEngine& engine = TextEngine::instance();
  for (const char* face : {"Tahoma", "Verdana", "Times New Roman", "Courier New", "Monotype Corsiva"}) {
    for (unsigned style : {unsigned{fsNone}, unsigned{fsBold}}) {
      Font f{.name = face, .height = 11, .style = style};
      TextEngine::pixelWidth(engine.layout(f, {.text = "Warm-up: Тавра 0123"}));
    }
  }
}

}  // namespace tavra
