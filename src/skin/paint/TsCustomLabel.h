#pragma once
// The base of the skinned labels: a windowless label that takes its text colour from the active
// skin where the skin says so, can paint the look of a named skin section behind its text, and
// draws its text faded into the parent's colour when disabled under a skin. Transparent by
// default.
#include <string>

#include "framework/Label.h"
#include "skin/paint/SkinSectionName.h"

namespace tavra {

class TsCustomLabel : public TCustomLabel {
 public:
  explicit TsCustomLabel(TComponent* owner);

  // The skin section painted behind the text (empty: none), also SkinData.SkinSection.
  LabelSkinData SkinData{SkinSectionName(*this)};
  const std::string& skinSection() const { return SkinData.SkinSection.str(); }
  void setSkinSection(const std::string& section) { SkinData.SkinSection = section; }

  void WndProc(TMessage& msg) override;

 protected:
  void Paint() override;
  void DoDrawText(Canvas& canvas, Rect& r, unsigned flags) override;

  // The font the label should draw with now; the working font with the skin's text colour.
  virtual const Font& currentFont();
  // Whether a skin being switched off gives the font back the window-text colour.
  virtual bool resetsFontOnSkinRemoval() const { return true; }

  // The skin text colour rule, applied to the working font.
  void applySkinFontColor();
  // Copies the current font into the working font when it is another font.
  void takeCurrentFont();
  // Replaces the working font without the font-change handling (no re-measure, no repaint).
  void setFontQuiet(const Font& f);
  // The parent's background colour as the skin engine reports it (RGB).
  Color parentBackgroundColor() const;

 private:
  // Set while the paint step (or a font switch) changes the working font: font-change
  // notifications are ignored meanwhile. Shared by every label, as painting is single-threaded.
  static bool fontGuard_;
};

}  // namespace tavra
