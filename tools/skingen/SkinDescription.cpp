#include "SkinDescription.h"

#include <array>
#include <charconv>
#include <map>
#include <utility>
#include <vector>

namespace tavra::skingen {
namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

template <typename E, size_t N>
std::optional<E> pick(std::string_view value, const std::pair<std::string_view, E> (&table)[N]) {
  for (const auto& [word, e] : table) {
    if (word == value) return e;
  }
  return std::nullopt;
}

constexpr std::pair<std::string_view, Material> kMaterials[] = {{"flat", Material::Flat}, {"bevel", Material::Bevel},
                                {"glass", Material::Glass}, {"gel", Material::Gel}, {"plastic", Material::Plastic},
                                {"metal", Material::Metal}, {"neon", Material::Neon}, {"terminal", Material::Terminal}};
constexpr std::pair<std::string_view, CaptionLook> kCaptions[] = {{"flat", CaptionLook::Flat}, {"gradient", CaptionLook::Gradient},
                               {"reflection", CaptionLook::Reflection}, {"stripes", CaptionLook::Stripes}, {"glass", CaptionLook::Glass}};
constexpr std::pair<std::string_view, GradientKind> kGradients[] = {{"vertical", GradientKind::Vertical},
                                {"horizontal", GradientKind::Horizontal}, {"triangles", GradientKind::Triangles},
                                {"none", GradientKind::None}};
constexpr std::pair<std::string_view, Texture> kTextures[] = {{"none", Texture::None}, {"rhombus", Texture::Rhombus},
                               {"gauze", Texture::Gauze}, {"sand", Texture::Sand}, {"brushed", Texture::Brushed},
                               {"pinstripe", Texture::Pinstripe}, {"wood", Texture::Wood}, {"parchment", Texture::Parchment},
                               {"rivets", Texture::Rivets}, {"stripes", Texture::Stripes}, {"ice", Texture::Ice},
                               {"bubbles", Texture::Bubbles}, {"lacquer", Texture::Lacquer}, {"grain", Texture::Grain},
                               {"scanlines", Texture::Scanlines}, {"snow", Texture::Snow}, {"hexagons", Texture::Hexagons}};
constexpr std::pair<std::string_view, TextureForm> kTextureForms[] = {{"master", TextureForm::Master}, {"bmp", TextureForm::Bmp},
                                   {"jpeg", TextureForm::Jpeg}, {"alpha", TextureForm::Alpha}, {"pattern", TextureForm::Pattern}};
constexpr std::pair<std::string_view, GlyphStyle> kGlyphs[] = {{"cross", GlyphStyle::Cross}, {"round", GlyphStyle::Round},
                             {"square", GlyphStyle::Square}, {"mac", GlyphStyle::Mac}, {"terminal", GlyphStyle::Terminal},
                             {"bare", GlyphStyle::Bare}};
constexpr std::pair<std::string_view, ButtonShape> kShapes[] = {{"square", ButtonShape::Square}, {"rounded", ButtonShape::Rounded},
                             {"round", ButtonShape::Round}, {"gem", ButtonShape::Gem}, {"bare", ButtonShape::Bare},
                             {"pill", ButtonShape::Pill}};
constexpr std::pair<std::string_view, Glow> kGlows[] = {{"none", Glow::None}, {"close", Glow::Close}, {"all", Glow::All}};
constexpr std::pair<std::string_view, MaskKind> kMaskKinds[] = {{"keyed", MaskKind::Keyed}, {"alpha", MaskKind::Alpha}};

std::optional<bool> yesNo(std::string_view v) {
  if (v == "yes") return true;
  if (v == "no") return false;
  return std::nullopt;
}

std::optional<int> number(std::string_view v, int lo, int hi) {
  int n = 0;
  auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
  if (ec != std::errc() || end != v.data() + v.size() || n < lo || n > hi) return std::nullopt;
  return n;
}

}  // namespace

Result<SkinDescription> parseSkinDescription(std::string_view text, const std::string& where) {
  constexpr size_t kMaxLines = 400;
  SkinDescription d;
  std::map<std::string, Rgb, std::less<>> colours;
  size_t lineNumber = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (++lineNumber > kMaxLines) return Error{where + ": more than 400 lines"};
    if (line.empty() || line.front() == '#') continue;
    const size_t colon = line.find(':');
    const std::string at = where + ":" + std::to_string(lineNumber) + ": ";
    if (colon == std::string_view::npos) return Error{at + "expected \"key: value\""};
    const std::string key(trim(line.substr(0, colon)));
    // The name keeps its blanks (one skin's name ends in a blank): only the blank after the colon goes.
    std::string_view raw = line.substr(colon + 1);
    if (!raw.empty() && raw.front() == ' ') raw.remove_prefix(1);
    const std::string_view value = key == "name" || key == "internal" ? raw : trim(raw);
    auto bad = [&](const char* what) { return Error{at + "\"" + std::string(value) + "\" is not " + what}; };

    if (key == "name") d.name = std::string(value);
    else if (key == "internal") d.internal = std::string(value);
    else if (key == "author") d.author = std::string(value);
    else if (key == "description") d.description = std::string(value);
    else if (key == "material") { if (auto v = pick(value, kMaterials)) d.material = *v; else return bad("a material"); }
    else if (key == "caption") { if (auto v = pick(value, kCaptions)) d.caption = *v; else return bad("a caption look"); }
    else if (key == "gradient") { if (auto v = pick(value, kGradients)) d.gradient = *v; else return bad("a gradient kind"); }
    else if (key == "texture") { if (auto v = pick(value, kTextures)) d.texture = *v; else return bad("a texture"); }
    else if (key == "texture-form") { if (auto v = pick(value, kTextureForms)) d.textureForm = *v; else return bad("a texture form"); }
    else if (key == "glyphs") { if (auto v = pick(value, kGlyphs)) d.glyphs = *v; else return bad("a glyph style"); }
    else if (key == "caption-buttons") { if (auto v = pick(value, kShapes)) d.captionButtons = *v; else return bad("a button shape"); }
    else if (key == "glow") { if (auto v = pick(value, kGlows)) d.glow = *v; else return bad("none, close or all"); }
    else if (key == "masks") { if (auto v = pick(value, kMaskKinds)) d.masks = *v; else return bad("keyed or alpha"); }
    else if (key == "fading") { if (auto v = yesNo(value)) d.fading = *v; else return bad("yes or no"); }
    else if (key == "window-shape") {
      if (value == "rounded") d.roundedWindow = true;
      else if (value == "square") d.roundedWindow = false;
      else return bad("rounded or square");
    }
    else if (key == "icoline") { if (auto v = yesNo(value)) d.icoLine = *v; else return bad("yes or no"); }
    else if (key == "png-glyphs") { if (auto v = yesNo(value)) d.pngGlyphs = *v; else return bad("yes or no"); }
    else if (key == "region-form") { if (auto v = yesNo(value)) d.regionForm = *v; else return bad("yes or no"); }
    else if (key == "radius") { if (auto v = number(value, 0, 8)) d.radius = *v; else return bad("a radius 0 to 8"); }
    else if (key == "transparency") { if (auto v = number(value, 0, 100)) d.transparency = *v; else return bad("a percentage"); }
    else if (key == "shadow") { if (auto v = number(value, 0, 4)) d.shadow = *v; else return bad("an offset 0 to 4"); }
    else if (key == "seed") { if (auto v = number(value, 1, 1000000)) d.seed = *v; else return bad("a seed 1 to 1000000"); }
    else if (key == "texture-on") {
      std::string_view rest = value;
      while (!rest.empty()) {
        const size_t comma = rest.find(',');
        const std::string part(trim(rest.substr(0, comma)));
        if (part != "caption" && part != "bar" && part != "panel" && part != "form" && part != "button" && part != "menu") {
          return Error{at + "\"" + part + "\" is not caption, bar, panel, form, button or menu"};
        }
        d.textureOn.insert(part);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
      }
    } else if (auto c = Rgb::parse(value)) {
      static constexpr std::string_view kColourKeys[] = {"window", "panel", "face", "face2", "hot", "pressed", "frame", "frame2",
                                                         "border", "text", "title-text", "edit", "edit-text", "select",
                                                         "select-text", "hint", "accent", "menu-bar", "bar", "link"};
      bool known = false;
      for (std::string_view k : kColourKeys) known = known || k == key;
      if (!known) return Error{at + "unknown key \"" + key + "\""};
      colours[key] = *c;
    } else {
      return Error{at + "unknown key \"" + key + "\" or a colour that is not #RRGGBB"};
    }
  }
  if (d.name.empty()) return Error{where + ": no name"};
  if (d.internal.empty()) d.internal = d.name;
  for (const char* required : {"window", "face", "frame", "text", "accent"}) {
    if (!colours.count(required)) return Error{where + ": the colour \"" + required + "\" is required"};
  }
  auto get = [&](const char* key, Rgb fallback) { auto it = colours.find(key); return it == colours.end() ? fallback : it->second; };
  d.window = colours["window"];
  d.face = colours["face"];
  d.frame = colours["frame"];
  d.text = colours["text"];
  d.accent = colours["accent"];
  const bool darkSkin = d.window.lightness() < 0.45;
  d.panel = get("panel", d.window);
  d.face2 = get("face2", d.face.darker(0.12));
  d.hot = get("hot", d.face.mix(d.accent, 0.25).lighter(0.1));
  d.pressed = get("pressed", d.face.mix(d.accent, 0.35).darker(0.12));
  d.frame2 = get("frame2", d.frame.lighter(0.25));
  d.border = get("border", darkSkin ? d.window.lighter(0.35) : d.face.darker(0.45));
  d.titleText = get("title-text", readableOn(d.frame, Rgb{20, 20, 20}, Rgb{255, 255, 255}));
  d.edit = get("edit", darkSkin ? d.window.darker(0.25) : Rgb{255, 255, 255});
  d.editText = get("edit-text", d.text);
  d.select = get("select", d.accent);
  d.selectText = get("select-text", readableOn(d.select, Rgb{16, 16, 16}, Rgb{255, 255, 255}));
  d.hint = get("hint", darkSkin ? d.window.lighter(0.15) : d.window.mix(Rgb{255, 255, 225}, 0.7));
  d.menuBar = get("menu-bar", d.panel);
  d.bar = get("bar", d.panel);
  d.link = get("link", d.accent);
  return d;
}

}  // namespace tavra::skingen
