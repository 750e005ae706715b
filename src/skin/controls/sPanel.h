#pragma once
// The skinned panel: its section (PANEL) over the parent's background, the frame of a border
// style included, and its caption in the section's text colours: one line of the height of "W",
// centred vertically inside the bevels and the border width, aligned by Alignment; a new caption,
// font or (with CustomColor) colour composes the cache again. Unbound, the framework's panel.
#include "framework/controls/Panel.h"
#include "skin/binding/ControlKinds.h"
#include "skin/controls/TsSkinnedContainer.h"

namespace tavra {

class TsPanel : public TsSkinnedContainer<TPanel> {
 public:
  explicit TsPanel(TComponent* owner) : TsSkinnedContainer(owner, ControlKind::Panel) {}

  // Where the caption goes, in client coordinates, for a text line `lineHeight` high.
  Rect captionRect(int lineHeight) const;

  // A panel is held while anything above it is (SKC_GETHELD answers IsPaintingHeld), and its
  // SKC_PARENTPAINTED releases it and, with nothing held upstream, has it redrawn with its frame,
  // before passing the news to its own children.
  void WndProc(TMessage& m) override;

 protected:
  void paintContent(Canvas& cache, int state) override;
};

}  // namespace tavra
