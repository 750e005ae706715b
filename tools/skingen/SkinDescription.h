#pragma once
// A skin description: the short readable text (skins/sources/*.skin) from which the generator
// draws a whole skin. One "key: value" per line; "#" starts a comment line. Colours are
// "#RRGGBB"; the colours a description leaves out are derived from the ones it gives.
#include <set>
#include <string>
#include <string_view>

#include "Rgb.h"
#include "base/Result.h"

namespace tavra::skingen {

enum class Material { Flat, Bevel, Glass, Gel, Plastic, Metal, Neon, Terminal };
enum class CaptionLook { Flat, Gradient, Reflection, Stripes, Glass };
// How panels, bars and menus shade: none (flat colours), or one of the engine's three gradient kinds.
enum class GradientKind { None, Vertical, Horizontal, Triangles };
enum class Texture { None, Rhombus, Gauze, Sand, Brushed, Pinstripe, Wood, Parchment, Rivets, Stripes, Ice, Bubbles, Lacquer, Grain, Scanlines, Snow, Hexagons };
// Where a texture's pixels live: a tile of the master bitmap, a BMP or a small JPEG of its own,
// an alpha-masked tile of the master bitmap, or a JPEG background of at least 90000 pixels.
enum class TextureForm { Master, Bmp, Jpeg, Alpha, Pattern };
enum class GlyphStyle { Cross, Round, Square, Mac, Terminal, Bare };
enum class ButtonShape { Square, Rounded, Round, Gem, Bare, Pill };
enum class Glow { None, Close, All };
enum class MaskKind { Keyed, Alpha };

struct SkinDescription {
  std::string name;      // the package's name, as the covers menu spells it
  std::string internal;  // the internal skin's name without " (internal)"
  std::string author = "Tavra skin workshop";
  std::string description;

  // Palette.
  Rgb window, panel, face, face2, hot, pressed, frame, frame2, border, text, titleText, edit, editText,
      select, selectText, hint, accent, menuBar, bar, link;

  Material material = Material::Flat;
  int radius = 0;
  MaskKind masks = MaskKind::Keyed;
  CaptionLook caption = CaptionLook::Gradient;
  GradientKind gradient = GradientKind::Vertical;
  Texture texture = Texture::None;
  TextureForm textureForm = TextureForm::Master;
  std::set<std::string> textureOn;  // "caption", "bar", "panel", "form", "button", "menu"
  GlyphStyle glyphs = GlyphStyle::Cross;
  ButtonShape captionButtons = ButtonShape::Rounded;
  Glow glow = Glow::None;
  bool fading = false;
  bool roundedWindow = false;
  bool icoLine = false;
  bool pngGlyphs = false;
  bool regionForm = false;
  int transparency = 0;  // percent of the parent that shows through group boxes and bars
  int shadow = 0;        // text shadow offset of the skin header
  int seed = 1;          // fixed seed of the textures' noise

  // The frame of an inactive window: the frame colour faded towards grey (console grey for
  // the terminal material, which keeps to the sixteen console colours).
  Rgb inactiveFrame() const { return material == Material::Terminal ? Rgb{128, 128, 128} : frame.mix(frame.grey(), 0.6).lighter(0.2); }
  bool textureOnPart(std::string_view part) const { return texture != Texture::None && textureOn.count(std::string(part)) > 0; }
};

// Parses a description; `where` names it in error messages.
Result<SkinDescription> parseSkinDescription(std::string_view text, const std::string& where);

}  // namespace tavra::skingen
