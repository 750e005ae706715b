#include "SectionBuilder.h"

#include <algorithm>
#include <cctype>
#include <tuple>
#include <utility>
#include <vector>

namespace tavra::skingen {
namespace {

const Rgb kWhite{255, 255, 255};

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

std::string gradientText(std::initializer_list<GradientStep> steps, int mode) { return gradientText(std::vector<GradientStep>(steps), mode); }

std::string gradientText(const std::vector<GradientStep>& steps, int mode) {
  std::string out;
  for (const GradientStep& s : steps) {
    if (!out.empty()) out += ";";
    out += s.from.decimal() + ";" + s.to.decimal() + ";" + std::to_string(s.percent) + ";" + std::to_string(mode) + ";0";
  }
  return out;
}

SectionBuilder::SectionBuilder(const SkinDescription& d) : d_(d), frames_(d), glyphs_(d), textures_(d, d.seed) {}

void SectionBuilder::build(OptionsWriter& options, SkinAssets& assets) {
  o_ = &options;
  a_ = &assets;
  globalInfo();
  windowSections();
  menuSections();
  buttonSections();
  editSections();
  panelSections();
  tabSections();
  scrollSections();
}

std::vector<GradientStep> SectionBuilder::faceSteps(const Rgb& c) const {
  switch (d_.material) {
    case Material::Glass: return {{c.lighter(0.6), c.lighter(0.25), 48}, {c, c.lighter(0.3), 52}};
    case Material::Gel: return {{c.lighter(0.75), c.lighter(0.35), 45}, {c.darker(0.05), c.lighter(0.4), 55}};
    case Material::Plastic: return {{c.lighter(0.45), c, 50}, {c.darker(0.08), c.lighter(0.1), 50}};
    case Material::Metal: return {{c.lighter(0.4), c, 35}, {c, c.darker(0.12), 65}};
    case Material::Neon: return {{c.lighter(0.1), c.darker(0.2), 100}};
    case Material::Flat: return d_.gradient == GradientKind::None ? std::vector<GradientStep>() : std::vector<GradientStep>{{c.lighter(0.12), c.darker(0.04), 100}};
    default: return {};
  }
}

std::string SectionBuilder::faceGradient(const Rgb& c) const {
  const std::vector<GradientStep> steps = faceSteps(c);
  return steps.empty() ? std::string() : gradientText(steps, 0);
}

Rgb SectionBuilder::faceInk(const Rgb& c, const Rgb& ink) const {
  // A caption stands across the middle third of its face: it is shaded, as little as it takes,
  // until it keeps 4.8:1 (a little over 4.5:1, for the antialiased strokes) on all of that band.
  const std::vector<GradientStep> steps = faceSteps(c);
  if (steps.empty()) return ink;
  const Rgb at[] = {gradientAt(steps, 0.35), gradientAt(steps, 0.5), gradientAt(steps, 0.65)};
  return legibleOn({c, at[0], at[1], at[2]}, ink, 4.8);
}

Rgb gradientAt(const std::vector<GradientStep>& steps, double pos) {
  double start = 0.0;
  for (const GradientStep& s : steps) {
    const double end = start + s.percent / 100.0;
    if (pos <= end || &s == &steps.back()) return s.from.mix(s.to, std::clamp((pos - start) / std::max(end - start, 1e-9), 0.0, 1.0));
    start = end;
  }
  return {};
}

std::string SectionBuilder::areaGradient(const Rgb& c) const {
  if (d_.material == Material::Bevel || d_.material == Material::Terminal) return {};  // classic flat areas
  switch (d_.gradient) {
    case GradientKind::None: return {};
    case GradientKind::Vertical: return gradientText({{c.lighter(0.18), c, 100}}, 0);
    case GradientKind::Horizontal: return gradientText({{c.lighter(0.22), c.darker(0.06), 100}}, 1);
    case GradientKind::Triangles:
      return gradientText({{c.lighter(0.3), c, 20}, {c, c, 20}, {c.mix(d_.accent, 0.18), c, 20}, {c.darker(0.14), c, 20},
                           {c.mix(d_.accent, 0.1).lighter(0.1), c, 20}},
                          2);
  }
  return {};
}

void SectionBuilder::colours(const Rgb& normal, const Rgb& hot, const Rgb& font, const Rgb& hotFont) {
  o_->set("COLOR", normal.decimal()).set("HOTCOLOR", hot.decimal());
  o_->set("FONTCOLOR", font.decimal()).set("HOTFONTCOLOR", hotFont.decimal());
  if (d_.shadow > 0 && d_.window.lightness() < 0.45 && font.lightness() > 0.5) {
    // Dark skins lift their light text off the background with a contour on the lower right.
    o_->set("TCRIGHT", font.darker(0.8).decimal()).set("TCBOTTOM", font.darker(0.8).decimal());
  }
}

Rgb SectionBuilder::titleInk() const {
  // The description's title colour where it reads well on the caption, else that colour shaded
  // just far enough (the drop shadow of a pale caption adds to it).
  return legibleOn({d_.frame}, d_.titleText);
}

Rgb SectionBuilder::mutedTitleText(const Rgb& inactive) const {
  // An inactive caption's text recedes towards its background, but only as far as it stays legible.
  Rgb ink = legibleOn({inactive, inactive.lighter(0.3)}, readableOn(inactive, d_.text, titleInk()));
  if (contrast(ink, inactive) < 4.5) ink = legibleOn({inactive}, ink);
  for (double fade : {0.4, 0.3, 0.2, 0.1}) {
    const Rgb muted = ink.mix(inactive, fade);
    if (std::min(contrast(muted, inactive), contrast(muted, inactive.lighter(0.3))) >= 4.5) return muted;
  }
  return ink;
}

void SectionBuilder::titleContour(const Rgb& background, const Rgb& font, bool normalState) {
  // Title text that stands out too little from a light top of its bar gets a drop shadow of the
  // opposite tone on its lower right. Captions show the hot values when active; their normal
  // (inactive) text is legible by itself.
  if (contrast(font, background.lighter(0.2)) >= 4.5) return;
  const Rgb shade = font.lightness() > background.lightness() ? background.darker(0.55) : background.lighter(0.6);
  if (normalState) o_->set("TCRIGHT", shade.decimal()).set("TCBOTTOM", shade.decimal());
  o_->set("HOTTCRIGHT", shade.decimal()).set("HOTTCBOTTOM", shade.decimal());
}

void SectionBuilder::gradients(const std::string& normal, const std::string& hot) {
  // Without a gradient the percentage 0 is enough: the section paints its colour.
  o_->set("GRADIENTPERCENT", normal.empty() ? 0 : 100);
  if (!normal.empty()) o_->set("GRADIENTDATA", normal);
  o_->set("HOTGRADIENTPERCENT", hot.empty() ? 0 : 100);
  if (!hot.empty()) o_->set("HOTGRADIENTDATA", hot);
}

void SectionBuilder::texture(const std::string& part, const Rgb& base, int imagePercent) {
  if (!d_.textureOnPart(part)) return;
  const int t = TexturePainter::tileSize(d_.texture);
  std::string value;
  switch (d_.textureForm) {
    case TextureForm::Master: value = a_->texture(TexturePainter::opaque(textures_.draw(d_.texture, base, t, t)), 0, 0); break;
    case TextureForm::Alpha:
      // Alpha tiles are drawn in whole rows only: small enough for a caption or a menu bar.
      value = a_->texture(TexturePainter::alphaMask(textures_.draw(d_.texture, base, 16, 16), base), 0, 1);
      break;
    case TextureForm::Bmp:
      value = a_->ownImage(upper(part) + ".BMP", encodeBmp24(TexturePainter::opaque(textures_.draw(d_.texture, base, 64, 64))), 1, 0, 1);
      break;
    case TextureForm::Jpeg:
      value = a_->file(upper(part) + ".JPG", encodeJpeg(TexturePainter::opaque(textures_.draw(d_.texture, base, 128, 128)), 90));
      break;
    case TextureForm::Pattern:
      // At least 90000 pixels: the engine keeps it as a JPEG background pattern.
      value = a_->file(upper(part) + ".JPG", encodeJpeg(TexturePainter::opaque(textures_.draw(d_.texture, base, 320, 320)), 88));
      break;
  }
  o_->set("PATTERN", value).set("HOTPATTERN", value);
  o_->set("IMAGEPERCENT", imagePercent).set("HOTIMAGEPERCENT", imagePercent);
  // The gradient covers what the texture leaves.
  o_->set("GRADIENTPERCENT", 100 - imagePercent).set("HOTGRADIENTPERCENT", 100 - imagePercent);
}

std::string SectionBuilder::borderOf(const Border& border, std::initializer_list<Rgb> mattes, int stretchMode) {
  const std::vector<Rgb> m(mattes);
  const PixelBlock block = border.image.render(d_.masks, m);
  return a_->border(block, border.image.frames(), d_.masks == MaskKind::Alpha ? 1 : 0, border.corner, stretchMode);
}

std::string SectionBuilder::glyphOf(const MaskImage& image, std::initializer_list<Rgb> mattes) {
  const std::vector<Rgb> m(mattes);
  return a_->glyph(image.render(d_.masks, m), image.frames(), d_.masks == MaskKind::Alpha ? 1 : 0);
}

std::string SectionBuilder::captionButton(CaptionGlyph glyph, bool large, const char* pngName) {
  const MaskImage image = glyphs_.captionButton(glyph, large);
  if (d_.pngGlyphs && large && pngName) {
    // An opaque PNG with magenta around the button: read by the engine as a keyed glyph.
    const std::vector<Rgb> mattes{d_.frame};
    return a_->ownImage(pngName, encodePngRgb(image.keyed(mattes)), image.frames(), 0, 2);
  }
  return glyphOf(image, {d_.frame, d_.frame, d_.frame});
}

void SectionBuilder::globalInfo() {
  o_->section("GLOBALINFO");
  o_->set("VERSION", "6.14").set("AUTHOR", d_.author).set("DESCRIPTION", d_.description);
  // The first shadow is the halo that effect labels put around their text, and TCLEFT the ink
  // of that text: dark ink in a light halo in every skin, since some labels bring a white glow
  // of their own (About) and others a black text of their own (testing window).
  const bool darkSkin = d_.window.lightness() < 0.45;
  const Rgb halo = darkSkin ? d_.text.mix(kWhite, 0.55) : d_.window.mix(kWhite, 0.6);
  const Rgb labelInk = readableOn(halo, darkSkin ? d_.window.darker(0.5) : d_.text, kWhite);
  o_->set("SHADOW1COLOR", halo.decimal()).set("SHADOW1OFFSET", d_.shadow).set("SHADOW1BLUR", darkSkin ? 6 : 4);
  o_->set("SHADOW1TRANSPARENCY", d_.shadow > 0 ? 60 : 0);
  const bool roundButtons = d_.captionButtons == ButtonShape::Round || d_.glyphs == GlyphStyle::Mac;
  o_->set("BISPACE", roundButtons ? 3 : d_.captionButtons == ButtonShape::Bare ? 0 : 1);
  o_->set("BIVALIGN", 0).set("BIRIGHT", roundButtons ? 4 : 2).set("BILEFT", 2);
  o_->set("BORDERCOLOR", d_.frame.darker(0.45).decimal());
  const bool glow = d_.glow != Glow::None;
  o_->set("BICONCLOSEGLOW", glow ? 1 : 0).set("BICONCLOSEGLOWMARGIN", glow ? 4 : 0);
  o_->set("BICONMAXGLOW", d_.glow == Glow::All ? 1 : 0).set("BICONMAXGLOWMARGIN", d_.glow == Glow::All ? 4 : 0);
  o_->set("BICONMINGLOW", d_.glow == Glow::All ? 1 : 0).set("BICONMINGLOWMARGIN", d_.glow == Glow::All ? 4 : 0);
  o_->set("MASTERBITMAP", "MASTER.BMP");  // compared with the upper-cased entry name
  o_->set("COLOR", d_.window.decimal()).set("HOTCOLOR", d_.window.lighter(0.2).decimal());
  o_->set("FONTCOLOR", d_.text.decimal()).set("HOTFONTCOLOR", d_.text.decimal());
  o_->set("TCLEFT", labelInk.decimal());

  const std::initializer_list<Rgb> onWindow{d_.window, d_.window, d_.window};
  o_->set("BOXCHECKED", glyphOf(glyphs_.box(BoxKind::Checked), onWindow));
  o_->set("BOXUNCHECKED", glyphOf(glyphs_.box(BoxKind::Unchecked), onWindow));
  o_->set("BOXGRAYED", glyphOf(glyphs_.box(BoxKind::Grayed), onWindow));
  o_->set("RADIOCHECKED", glyphOf(glyphs_.box(BoxKind::RadioChecked), onWindow));
  o_->set("RADIOUNCHECKED", glyphOf(glyphs_.box(BoxKind::RadioUnchecked), onWindow));
  o_->set("RADIOGRAYED", glyphOf(glyphs_.box(BoxKind::RadioGrayed), onWindow));
  o_->set("SMALLCHECKED", glyphOf(glyphs_.box(BoxKind::SmallChecked), onWindow));
  o_->set("SMALLUNCHECKED", glyphOf(glyphs_.box(BoxKind::SmallUnchecked), onWindow));
  o_->set("SMALLGRAYED", glyphOf(glyphs_.box(BoxKind::SmallGrayed), onWindow));
  o_->set("CHECK", glyphOf(glyphs_.checkMark(), {d_.window, d_.select}));
  o_->set("GRIPIMAGE", glyphOf(glyphs_.grip(), {d_.window}));
  o_->set("TITLEBUTTON", borderOf(frames_.control(BorderPart::TitleButton), {d_.frame, d_.frame.lighter(0.2), d_.frame.darker(0.2)}));
  o_->set("BICONCLOSE", captionButton(CaptionGlyph::Close, true, "CLOSE.PNG"));
  o_->set("BICONMAX", captionButton(CaptionGlyph::Maximize, true, "MAXIMIZE.PNG"));
  o_->set("BICONMIN", captionButton(CaptionGlyph::Minimize, true, "MINIMIZE.PNG"));
  o_->set("BICONNORM", captionButton(CaptionGlyph::Restore, true, nullptr));
  o_->set("BICONHELP", captionButton(CaptionGlyph::Help, true, nullptr));
  o_->set("SICONCLOSE", captionButton(CaptionGlyph::Close, false, nullptr));
  o_->set("SICONMAX", captionButton(CaptionGlyph::Maximize, false, nullptr));
  o_->set("SICONMIN", captionButton(CaptionGlyph::Minimize, false, nullptr));
  o_->set("SICONNORM", captionButton(CaptionGlyph::Restore, false, nullptr));
  o_->set("SICONHELP", captionButton(CaptionGlyph::Help, false, nullptr));
  if (glow) {
    const MaskImage halo = glyphs_.glow(30, d_.glyphs == GlyphStyle::Mac ? Rgb{230, 80, 60} : Rgb{235, 70, 50}.mix(d_.accent, 0.3));
    o_->set("BICONCLOSEGLOW0", a_->ownImage("CLOSEGLOW.PNG", encodePngArgb(halo.frameWidth(), halo.frameHeight(), halo.straightArgb()), 1, 0, 3));
  }
  if (d_.glow == Glow::All) {
    const MaskImage halo = glyphs_.glow(30, d_.accent.lighter(0.2));
    const std::string value = a_->ownImage("GLOW.PNG", encodePngArgb(halo.frameWidth(), halo.frameHeight(), halo.straightArgb()), 1, 0, 3);
    o_->set("BICONMAXGLOW0", value).set("BICONMINGLOW0", value);
  }
}

void SectionBuilder::windowSections() {
  o_->section("FORM");
  colours(d_.window, d_.window, d_.text, d_.text);
  gradients("", "");
  o_->set("TRANSPARENCY", 0);
  texture("form", d_.window, 100);
  const Border frame = frames_.windowFrame();
  o_->set("BORDERSMASK", a_->border(frame.image.keyed(std::vector<Rgb>{d_.frame}), 2, 0, 3, 0));

  o_->section("FORMTITLE");
  const Rgb inactive = d_.inactiveFrame();
  colours(inactive, d_.frame, mutedTitleText(inactive), titleInk());
  titleContour(d_.frame, titleInk(), false);
  // The steps of a caption's gradient on `c` and their mode, with every colour pulled towards `c`
  // by 1 - `depth` (1 keeps the look as drawn, 0 paints `c` flat).
  struct CaptionShade {
    std::vector<GradientStep> steps;
    int mode = 0;
  };
  auto captionShade = [&](const Rgb& c, double depth) -> CaptionShade {
    CaptionShade shade;
    switch (d_.caption) {
      case CaptionLook::Flat: return shade;
      case CaptionLook::Gradient:
        if (d_.gradient == GradientKind::Horizontal) shade = {{{c, d_.frame2.mix(c.lighter(0.3), 0.3), 100}}, 1};
        else shade = {{{c.lighter(0.25), c.darker(0.08), 100}}, 0};
        break;
      case CaptionLook::Reflection: shade = {{{c.lighter(0.5), c.lighter(0.2), 45}, {c.darker(0.12), c.lighter(0.05), 55}}, 0}; break;
      case CaptionLook::Stripes: shade = {{{c.lighter(0.2), c, 100}}, 0}; break;
      case CaptionLook::Glass: shade = {{{c.lighter(0.35), c, 50}, {c.darker(0.25), d_.frame2.mix(c, 0.3), 50}}, 0}; break;
    }
    for (GradientStep& s : shade.steps) s = {c.mix(s.from, depth), c.mix(s.to, depth), s.percent};
    return shade;
  };
  auto captionGradient = [&](const Rgb& c, double depth) -> std::string {
    const CaptionShade shade = captionShade(c, depth);
    return shade.steps.empty() ? std::string() : gradientText(shade.steps, shade.mode);
  };
  // The active caption keeps its title legible (a little over 4.5:1, for the antialiased strokes)
  // on the band of its gradient that the text's ground covers: a fifth to two fifths of the
  // caption's height down, or its first fifth across. Its shading is toned down as far as that
  // takes. A textured or striped caption shows its gradient under the pattern's share.
  const double share = d_.textureOnPart("caption") ? 0.45 : d_.caption == CaptionLook::Stripes ? 0.3 : 1.0;
  const auto titleReads = [&](double at) {
    const CaptionShade shade = captionShade(d_.frame, at);
    const double from = shade.mode == 1 ? 0.0 : 0.22, to = shade.mode == 1 ? 0.2 : 0.4;
    if (shade.steps.empty()) return true;
    for (double pos = from; pos <= to + 1e-9; pos += 0.02) {
      if (contrast(titleInk(), d_.frame.mix(gradientAt(shade.steps, pos), share)) < 4.6) return false;
    }
    return true;
  };
  double depth = 1.0;
  while (depth > 0.0 && !titleReads(depth)) depth = std::max(0.0, depth - 0.1);
  gradients(captionGradient(inactive, 1.0), captionGradient(d_.frame, depth));
  o_->set("TRANSPARENCY", 0);
  if (d_.textureOnPart("caption")) texture("caption", d_.frame, 55);
  else if (d_.caption == CaptionLook::Stripes) {
    // Caption stripes: a master tile of light lines over the caption colour.
    const std::string stripes = a_->texture(TexturePainter::opaque(textures_.draw(Texture::Pinstripe, d_.frame, 4, 4)), 0, 0);
    o_->set("PATTERN", stripes).set("HOTPATTERN", stripes);
    o_->set("IMAGEPERCENT", 70).set("HOTIMAGEPERCENT", 70).set("GRADIENTPERCENT", 30).set("HOTGRADIENTPERCENT", 30);
  }
  const int corner = frames_.captionCorner();
  const MaskImage caption = frames_.caption();
  if (d_.roundedWindow) {
    o_->set("BORDERSMASK", a_->border(caption.alpha(), 2, 1, corner, corner, corner, 2, 0));
  } else {
    const std::vector<Rgb> mattes{inactive, d_.frame};
    o_->set("BORDERSMASK", a_->border(caption.keyed(mattes), 2, 0, corner, corner, corner, 2, 0));
  }

  o_->section("DIALOG");
  o_->set("PARENTCLASS", "FORM");
  o_->section("MDIAREA");
  o_->set("PARENTCLASS", "FORM");
  colours(d_.window.darker(0.2), d_.window.darker(0.2), d_.text, d_.text);
  o_->section("DRAGBAR");
  o_->set("PARENTCLASS", "FORMTITLE");
}

void SectionBuilder::menuSections() {
  const Rgb menuFont = readableOn(d_.menuBar, d_.text, kWhite);
  // A selected item, of the bar or of a popup, shows its text on the selection's face (the
  // MENUITEM section's hot colours), whatever the bar is painted with. Antialiased strokes of
  // the small menu font and the item's rim take a little of the contrast: 5:1 leaves 4.5:1.
  const bool shadedSelect = d_.material != Material::Flat && d_.material != Material::Bevel && d_.material != Material::Terminal;
  // The selection's gloss (its top lightened) is toned down, as far as it takes, before the ink
  // gives way: a selection too light at the top for every ink keeps a flatter gloss instead.
  // The ink is the selection's text colour or white, whichever reads better on it.
  auto inkOn = [&](double gloss) {
    const Rgb top = d_.select.lighter(gloss);
    const auto worst = [&](const Rgb& ink) { return std::min(contrast(ink, d_.select), contrast(ink, top)); };
    const Rgb own = legibleOn({d_.select, top}, d_.selectText, 5.0), white = legibleOn({d_.select, top}, kWhite, 5.0);
    const Rgb ink = worst(own) >= 5.0 || worst(own) >= worst(white) ? own : white;
    return std::pair{ink, worst(ink)};
  };
  double gloss = shadedSelect ? 0.3 : 0.0;
  auto [selectInk, reach] = inkOn(gloss);
  for (double g = gloss - 0.05; reach < 5.0 && g > -0.01; g -= 0.05) {
    const auto [ink, r] = inkOn(std::max(0.0, g));
    if (r > reach) std::tie(gloss, selectInk, reach) = std::tuple{std::max(0.0, g), ink, r};
  }
  o_->section("MENULINE");
  colours(d_.menuBar, d_.menuBar, menuFont, selectInk);
  const std::string bar = areaGradient(d_.menuBar);
  gradients(bar, bar);
  texture("menu", d_.menuBar, 50);

  o_->section("MAINMENU");
  const Rgb popup = d_.material == Material::Terminal ? d_.window : d_.window.lighter(d_.window.lightness() < 0.45 ? 0.08 : 0.45);
  colours(popup, popup, readableOn(popup, d_.text, kWhite), readableOn(popup, d_.text, kWhite));
  gradients("", "");
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::Menu), {popup}));

  o_->section("MENUITEM");
  colours(popup, d_.select, readableOn(popup, d_.text, kWhite), selectInk);
  o_->set("TRANSPARENCY", 100).set("HOTTRANSPARENCY", 0);
  gradients("", gloss > 0.0 ? gradientText({{d_.select.lighter(gloss), d_.select, 100}}, 0) : std::string());
  // Drawn for the selected item only.
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::MenuItem), {d_.select, d_.select}, 2));

  if (d_.icoLine) {
    o_->section("ICOLINE");
    const Rgb column = popup.mix(d_.accent, 0.12).darker(0.04);
    colours(column, column, d_.text, d_.text);
    gradients(gradientText({{column.lighter(0.3), column, 100}}, 1), "");
  }

  o_->section("DIVIDERV");
  o_->set("COLOR", popup.decimal()).set("TRANSPARENCY", 100);
  o_->set("BORDERSMASK", a_->border(frames_.dividerLines(false).keyed(std::vector<Rgb>{popup}), 1, 0, 2, 1, 2, 1, 0));
  o_->section("DIVIDER");
  o_->set("COLOR", d_.panel.decimal()).set("TRANSPARENCY", 100);
  o_->set("BORDERSMASK", a_->border(frames_.dividerLines(true).keyed(std::vector<Rgb>{d_.panel}), 1, 0, 1, 2, 1, 2, 0));

  o_->section("EXTRALINE");
  colours(d_.frame, d_.frame, titleInk(), titleInk());
  titleContour(d_.frame, titleInk());
  gradients(gradientText({{d_.frame.lighter(0.3), d_.frame.darker(0.2), 100}}, 0), "");
}

void SectionBuilder::buttonSections() {
  const Rgb font = readableOn(d_.face, d_.text, kWhite);
  const Rgb hotFont = faceInk(d_.hot, readableOn(d_.hot, d_.text, kWhite));
  o_->section("BUTTON");
  colours(d_.face, d_.hot, font, hotFont);
  gradients(faceGradient(d_.face), faceGradient(d_.hot));
  o_->set("TRANSPARENCY", 0).set("SHOWFOCUS", "TRUE");
  o_->set("FADINGENABLED", d_.fading ? "TRUE" : "FALSE").set("FADINGITERATIONS", d_.fading ? 6 : 5);
  if (d_.fading) o_->set("FADINGINTERVALIN", 20).set("FADINGINTERVALOUT", 30);
  texture("button", d_.face, 30);
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::Button), {d_.face, d_.hot, d_.pressed}));
  if (d_.glow == Glow::All) {
    const MaskImage halo = glyphs_.glow(30, d_.accent.lighter(0.2));
    o_->set("GLOW", 1).set("GLOWMARGIN", 3);
    o_->set("GLOW0", a_->ownImage("GLOW.PNG", encodePngArgb(halo.frameWidth(), halo.frameHeight(), halo.straightArgb()), 1, 0, 3));
  }

  o_->section("BUTTON_HUGE");
  o_->set("PARENTCLASS", "BUTTON");
  // A BMP named by itself: three frames over a row of opacities.
  const Border huge = frames_.control(BorderPart::Huge);
  o_->set("BORDERSMASK", a_->file("ButtonHuge.bmp", encodeBmp24(huge.image.alpha())));
  o_->section("BUTTON_BIG");
  o_->set("PARENTCLASS", "BUTTON");
  o_->section("COLHEADER");
  o_->set("PARENTCLASS", "BUTTON");

  o_->section("SPEEDBUTTON");
  o_->set("PARENTCLASS", "BUTTON");
  colours(d_.bar, d_.hot, readableOn(d_.bar, d_.text, kWhite), hotFont);
  o_->set("TRANSPARENCY", 100).set("HOTTRANSPARENCY", 0);
  o_->set("SHOWFOCUS", "FALSE");
  // The frame shows only under the pointer and while pressed.
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::Button), {d_.bar, d_.hot, d_.pressed}, 2));
  o_->section("SPEEDBUTTON_SMALL");
  o_->set("PARENTCLASS", "SPEEDBUTTON");
  o_->section("TOOLBUTTON");
  o_->set("PARENTCLASS", "SPEEDBUTTON");
  o_->section("TOOLBAR");
  colours(d_.menuBar, d_.menuBar, readableOn(d_.menuBar, d_.text, kWhite), readableOn(d_.menuBar, d_.text, kWhite));
  const std::string bar = areaGradient(d_.menuBar);
  gradients(bar, bar);
  o_->section("WEBBUTTON");
  colours(d_.window, d_.window, d_.link, d_.link.lighter(0.3));
  o_->set("TRANSPARENCY", 100).set("HOTTRANSPARENCY", 100);

  o_->section("CHECKBOX");
  // The hot caption of a check box or a radio button leans towards the accent only as far as it
  // stays legible on the window and on panels, where such boxes stand: 6:1, since the few thin
  // strokes of a one-letter caption lose some of their ink to antialiasing.
  Rgb checkHot = d_.text;
  for (double tint = 0.5; tint > 0.0; tint -= 0.05) {
    const Rgb ink = d_.text.mix(d_.accent, tint);
    if (std::min(contrast(ink, d_.window), contrast(ink, d_.panel)) >= 6.0) {
      checkHot = ink;
      break;
    }
  }
  colours(d_.window, d_.window, d_.text, checkHot);
  o_->set("TRANSPARENCY", 100).set("HOTTRANSPARENCY", 100);
  o_->section("RADIOBUTTON");
  o_->set("PARENTCLASS", "CHECKBOX");
}

void SectionBuilder::editSections() {
  o_->section("EDIT");
  const Rgb editHot = d_.edit.mix(d_.accent, 0.04);
  colours(d_.edit, editHot, readableOn(d_.edit, d_.editText, kWhite), readableOn(editHot, d_.editText, kWhite));
  gradients("", "");
  o_->set("TRANSPARENCY", 0);
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::Edit), {d_.edit, d_.edit}));
  o_->section("COMBOBOX");
  o_->set("PARENTCLASS", "EDIT");
  o_->set("GLYPHMASK", glyphOf(glyphs_.arrow(Arrow::Down), {d_.edit, d_.edit, d_.edit}));
  o_->section("COMBOBTN");
  o_->set("PARENTCLASS", "BUTTON");
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::ScrollButton), {d_.face, d_.hot, d_.pressed}));
}

void SectionBuilder::panelSections() {
  const Rgb panelFont = readableOn(d_.panel, d_.text, kWhite);
  o_->section("PANEL");
  colours(d_.panel, d_.panel, panelFont, panelFont);
  o_->set("GIVEOWNFONT", "TRUE");  // labels on panels and bars take the section's text colour
  const std::string area = areaGradient(d_.panel);
  gradients(area, area);
  o_->set("TRANSPARENCY", 0);
  texture("panel", d_.panel, 60);
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::Panel), {d_.panel}));

  o_->section("PANEL_LOW");
  o_->set("PARENTCLASS", "PANEL");
  const Rgb low = d_.material == Material::Terminal ? d_.panel : d_.panel.darker(0.06);
  colours(low, low, panelFont, panelFont);
  gradients("", "");
  const Border lowBorder = frames_.control(BorderPart::PanelLow);
  if (d_.regionForm) {
    const std::vector<Rgb> mattes{low};
    o_->set("BORDERSMASK", a_->region("PANEL_LOW", lowBorder.image.render(d_.masks, mattes), 1, d_.masks == MaskKind::Alpha ? 1 : 0,
                                      lowBorder.corner, 0));
  } else {
    o_->set("BORDERSMASK", borderOf(lowBorder, {low}));
  }

  o_->section("BAR");
  const Rgb barFont = readableOn(d_.bar, d_.text, kWhite);
  colours(d_.bar, d_.bar, barFont, barFont);
  o_->set("GIVEOWNFONT", "TRUE");
  const std::string barGradient = areaGradient(d_.bar);
  gradients(barGradient, barGradient);
  o_->set("TRANSPARENCY", 0);
  texture("bar", d_.bar, 55);
  o_->section("BARPANEL");
  o_->set("PARENTCLASS", "BAR");
  o_->section("BARTITLE");
  colours(d_.frame, d_.frame, titleInk(), titleInk());
  titleContour(d_.frame, titleInk());
  gradients(gradientText({{d_.frame.lighter(0.2), d_.frame, 100}}, 0), "");
  o_->section("STATUSBAR");
  o_->set("PARENTCLASS", "BAR");
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::PanelLow), {d_.bar}));
  o_->section("SPLITTER");
  o_->set("PARENTCLASS", "PANEL");
  o_->set("BORDERSMASK", "N/A");

  o_->section("GROUPBOX");
  // A disabled group box mutes its caption to its text colour 40 % over the window colour; the
  // text is deepened, as little as it takes, until that muted ink keeps 4:1 on the box (the
  // engine's 3.5:1 and a margin for the antialiased strokes of the small caption font; light
  // strokes on a dark box lose more to antialiasing, and keep 4.6:1).
  Rgb groupFont = panelFont;
  const bool lightInk = panelFont.lightness() > d_.panel.lightness();
  const double mutedGoal = lightInk ? 4.6 : 4.0;
  for (int step = 1; step <= 20 && contrast(groupFont.mix(d_.window, 0.4), d_.panel) < mutedGoal; ++step) {
    groupFont = lightInk ? panelFont.lighter(step / 20.0) : panelFont.darker(step / 20.0);
  }
  colours(d_.panel, d_.panel, groupFont, groupFont);
  o_->set("TRANSPARENCY", d_.transparency);
  gradients("", "");
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::GroupBox), {d_.panel}));

  o_->section("HINT");
  const Rgb hintFont = readableOn(d_.hint, d_.text, kWhite);
  colours(d_.hint, d_.hint, hintFont, hintFont);
  gradients(d_.gradient == GradientKind::None ? std::string() : gradientText({{d_.hint.lighter(0.4), d_.hint, 100}}, 0), "");
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::Hint), {d_.hint}));

  o_->section("GAUGE");
  colours(d_.edit, d_.accent, d_.text, readableOn(d_.accent, d_.text, kWhite));
  gradients("", gradientText({{d_.accent.lighter(0.4), d_.accent, 50}, {d_.accent.darker(0.15), d_.accent.lighter(0.1), 50}}, 0));
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::Gauge), {d_.edit}));
  o_->section("PROGRESSH");
  o_->set("PARENTCLASS", "GAUGE");
  o_->section("PROGRESSV");
  o_->set("PARENTCLASS", "GAUGE");
  o_->section("TRACKBAR");
  colours(d_.panel, d_.panel, panelFont, panelFont);
  o_->set("TRANSPARENCY", 100);
}

void SectionBuilder::tabSections() {
  const Rgb sheet = d_.material == Material::Terminal ? d_.panel : d_.panel.lighter(d_.panel.lightness() < 0.45 ? 0.05 : 0.25);
  const Rgb sheetFont = readableOn(sheet, d_.text, kWhite);
  o_->section("PAGECONTROL");
  colours(sheet, sheet, sheetFont, sheetFont);
  gradients("", "");
  o_->set("TRANSPARENCY", 0);
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::PageControl), {sheet}));
  for (const char* variant : {"PAGECONTROLBOTTOM", "PAGECONTROLLEFT", "PAGECONTROLRIGHT", "TABCONTROL", "TABCONTROLBOTTOM",
                              "TABCONTROLLEFT", "TABCONTROLRIGHT"}) {
    o_->section(variant);
    o_->set("PARENTCLASS", "PAGECONTROL");
  }
  o_->section("TABSHEET");
  colours(sheet, sheet, sheetFont, sheetFont);
  o_->set("TRANSPARENCY", 0);

  const Rgb tab = d_.material == Material::Terminal ? d_.panel : d_.panel.darker(0.04);
  const Rgb tabHot = sheet.mix(d_.accent, 0.1);
  const Rgb tabFont = readableOn(tab, d_.text, kWhite), tabHotFont = readableOn(tabHot, d_.text, kWhite);
  // A tab's sheen fades less far towards white when its caption is light: all of it keeps 5:1
  // with the caption (a little over 4.5:1, for the antialiased strokes).
  const auto sheenFor = [](const Rgb& ink, const Rgb& base, double sheen) {
    while (sheen > 0.0 && contrast(ink, base.lighter(sheen)) < 5.0) sheen = std::max(0.0, sheen - 0.05);
    return sheen;
  };
  const double normalSheen = sheenFor(tabFont, tab, 0.3), hotSheen = sheenFor(tabHotFont, tabHot, 0.4);
  const char* names[] = {"TABTOP", "TABBOTTOM", "TABLEFT", "TABRIGHT"};
  for (int side = 0; side < 4; ++side) {
    o_->section(names[side]);
    // The bottom tabs also box the captions of group boxes, whose disabled ink the engine works
    // out against the group box's own colour: they take that colour, and their shading leads
    // away from the text's tone, so that no caption loses contrast on it.
    const bool captionBox = side == 1;
    const Rgb face = captionBox ? d_.panel : tab;
    const Rgb shine = captionBox && d_.text.lightness() > d_.panel.lightness() ? face.darker(0.3) : face.lighter(captionBox ? 0.3 : normalSheen);
    colours(face, tabHot, readableOn(face, d_.text, kWhite), tabHotFont);
    const int mode = side < 2 ? 0 : 1;
    const bool shaded = d_.material != Material::Flat && d_.material != Material::Bevel && d_.material != Material::Terminal;
    const Rgb top = face.lighter(captionBox ? 0.3 : normalSheen);
    gradients(shaded ? gradientText({{side == 0 || side == 2 ? top : face, side == 0 || side == 2 ? face : shine, 100}}, mode)
                     : std::string(),
              shaded ? gradientText({{side == 0 || side == 2 ? tabHot.lighter(hotSheen) : tabHot, side == 0 || side == 2 ? tabHot : tabHot.lighter(hotSheen), 100}}, mode)
                     : std::string());
    o_->set("TRANSPARENCY", 0);
    const Border border = frames_.tab(side);
    o_->set("BORDERSMASK", borderOf(border, {face, tabHot, sheet}));
  }
}

void SectionBuilder::scrollSections() {
  const Rgb track = d_.material == Material::Terminal ? d_.panel : d_.panel.mix(d_.window, 0.5).lighter(d_.window.lightness() < 0.45 ? 0.04 : 0.3);
  o_->section("SCROLLBAR1H");
  colours(track, track.darker(0.08), d_.text, d_.text);
  gradients("", "");
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::ScrollTrack), {track}));
  o_->section("SCROLLBAR1V");
  o_->set("PARENTCLASS", "SCROLLBAR1H");
  o_->section("SCROLLBAR2H");
  o_->set("PARENTCLASS", "SCROLLBAR1H");
  o_->section("SCROLLBAR2V");
  o_->set("PARENTCLASS", "SCROLLBAR1V");

  const char* buttons[] = {"SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT"};
  const Arrow arrows[] = {Arrow::Up, Arrow::Down, Arrow::Left, Arrow::Right};
  for (int i = 0; i < 4; ++i) {
    o_->section(buttons[i]);
    colours(d_.face, d_.hot, readableOn(d_.face, d_.text, kWhite), readableOn(d_.hot, d_.text, kWhite));
    gradients(faceGradient(d_.face), faceGradient(d_.hot));
    if (i == 0) o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::ScrollButton), {d_.face, d_.hot, d_.pressed}));
    else o_->set("PARENTCLASS", "SCROLLBTNTOP");
    o_->set("GLYPHMASK", glyphOf(glyphs_.arrow(arrows[i]), {d_.face, d_.hot, d_.pressed}));
  }
  o_->section("UPDOWNBTN");
  o_->set("PARENTCLASS", "SCROLLBTNTOP");

  o_->section("SCROLLSLIDERH");
  colours(d_.face, d_.hot, readableOn(d_.face, d_.text, kWhite), readableOn(d_.hot, d_.text, kWhite));
  gradients(faceGradient(d_.face), faceGradient(d_.hot));
  o_->set("BORDERSMASK", borderOf(frames_.control(BorderPart::Slider), {d_.face, d_.hot, d_.pressed}));
  o_->set("GLYPHMASK", glyphOf(glyphs_.sliderGrip(false), {d_.face, d_.hot, d_.pressed}));
  o_->section("SCROLLSLIDERV");
  o_->set("PARENTCLASS", "SCROLLSLIDERH");
  const std::string sideways = d_.material == Material::Flat || d_.material == Material::Bevel || d_.material == Material::Terminal
                                   ? std::string()
                                   : gradientText({{d_.face.lighter(0.45), d_.face, 50}, {d_.face.darker(0.06), d_.face.lighter(0.1), 50}}, 1);
  gradients(sideways, sideways.empty() ? std::string()
                                        : gradientText({{d_.hot.lighter(0.45), d_.hot, 50}, {d_.hot.darker(0.06), d_.hot.lighter(0.1), 50}}, 1));
  o_->set("GLYPHMASK", glyphOf(glyphs_.sliderGrip(true), {d_.face, d_.hot, d_.pressed}));
}

}  // namespace tavra::skingen
