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

  // The font the text is drawn and measured with: the label's font as the skin colours it (or
  // the hover font of a link), with the text colour of its own section when one is painted.
  // Painting reads it; it changes nothing.
  Font paintFont() const;

 protected:
  void Paint() override;
  void DoDrawText(Canvas& canvas, Rect& r, unsigned flags) override;

  // The font the label shows now: its font with the skin's text colour rule applied.
  virtual Font currentFont() const;
  // Whether a skin being switched off gives the font back the window-text colour.
  virtual bool resetsFontOnSkinRemoval() const { return true; }

  // The skin text colour for the label's font (clFuchsia: the skin says nothing).
  Color skinTextColor() const;
  // Makes the current font the label's font (a hover switch of a link).
  void takeCurrentFont();
  // The parent's background colour as the skin engine reports it (RGB).
  Color parentBackgroundColor() const;
  // The index of the label's own section when the skin paints it behind the text, else -1.
  int paintedSection() const;
};

}  // namespace tavra
