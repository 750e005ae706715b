#pragma once
// The base of the skinned labels: a windowless label that takes its text colour from the active
// skin where the skin says so, can paint the look of a named skin section behind its text, and
// draws its text faded into the parent's colour when disabled under a skin. Transparent by
// default. Like every skinned control it asks the skin through its binding (SkinData), which
// sees every message first.
#include <string>

#include "framework/controls/Label.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/TsCommonData.h"

namespace tavra {

class SkinModel;

class TsCustomLabel : public TCustomLabel {
 public:
  explicit TsCustomLabel(TComponent* owner);

  // The binding; its section (none by default) is painted behind the text.
  TsCommonData SkinData{*this, ControlKind::Label};
  const std::string& skinSection() const { return SkinData.skinSection(); }
  void setSkinSection(const std::string& section) { SkinData.setSkinSection(section); }

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

  // The binding manager's skin while its data are usable, else null.
  const SkinModel* activeSkin() const;
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
