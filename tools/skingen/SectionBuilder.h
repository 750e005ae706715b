#pragma once
// Builds a skin from its description: every section the engine reads, with colours, gradients,
// textures and the masks drawn by the painters, into an options text and the skin's pictures.
#include <string>
#include <vector>

#include "FramePainter.h"
#include "GlyphPainter.h"
#include "OptionsWriter.h"
#include "SkinAssets.h"
#include "SkinDescription.h"
#include "TexturePainter.h"

namespace tavra::skingen {

// "c1;c2;percent;mode;0" groups of one gradient.
struct GradientStep {
  Rgb from, to;
  int percent;
};

class SectionBuilder {
 public:
  explicit SectionBuilder(const SkinDescription& d);

  // Fills `options` and `assets`.
  void build(OptionsWriter& options, SkinAssets& assets);

 private:
  void globalInfo();
  void windowSections();
  void menuSections();
  void buttonSections();
  void editSections();
  void panelSections();
  void tabSections();
  void scrollSections();

  // The gradient of a control face in the skin's material, empty for flat materials.
  std::string faceGradient(const Rgb& c) const;
  std::vector<GradientStep> faceSteps(const Rgb& c) const;
  // `ink` shaded as far as it takes to read on the middle of a face of colour `c`.
  Rgb faceInk(const Rgb& c, const Rgb& ink) const;
  std::string areaGradient(const Rgb& c) const;
  // Sets COLOR/HOTCOLOR, gradients and font colours of the current section.
  void colours(const Rgb& normal, const Rgb& hot, const Rgb& font, const Rgb& hotFont);
  void gradients(const std::string& normal, const std::string& hot);
  // The text of an active caption and of title bars: the description's title colour when legible.
  Rgb titleInk() const;
  // The text of an inactive caption: faded towards `inactive`, still legible on it.
  Rgb mutedTitleText(const Rgb& inactive) const;
  // A drop shadow for title text on `background` when the two contrast too little; in the hot
  // state, and in the normal one too when `normalState`.
  void titleContour(const Rgb& background, const Rgb& font, bool normalState = true);
  // PATTERN and HOTPATTERN of the current section for `part`, when the skin textures it.
  void texture(const std::string& part, const Rgb& base, int imagePercent);
  std::string borderOf(const Border& border, std::initializer_list<Rgb> mattes, int stretchMode = 0);
  std::string glyphOf(const MaskImage& image, std::initializer_list<Rgb> mattes);
  std::string captionButton(CaptionGlyph glyph, bool large, const char* pngName);

  const SkinDescription& d_;
  FramePainter frames_;
  GlyphPainter glyphs_;
  TexturePainter textures_;
  OptionsWriter* o_ = nullptr;
  SkinAssets* a_ = nullptr;
  int textureFiles_ = 0;
};

std::string gradientText(std::initializer_list<GradientStep> steps, int mode);
std::string gradientText(const std::vector<GradientStep>& steps, int mode);
// The colour of a gradient at `pos` (0 its start, 1 its end).
Rgb gradientAt(const std::vector<GradientStep>& steps, double pos);

}  // namespace tavra::skingen
