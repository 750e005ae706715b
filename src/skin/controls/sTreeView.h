#pragma once
// The skinned tree view: bound to EDIT unless it names a section, it takes the section's colour
// and text colour (unless custom) for the framework's rows and the skin's selection colours
// (a selected menu item's) for its selected row, and paints its frame and scroll bar
// from the skin: the frame is the section's border composed over the parent's background, hot
// while the mouse is over the view or it has the focus. Unbound, the framework's tree view.
#include "framework/controls/TreeView.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/TsBoundControl.h"

namespace tavra {

class TsTreeView : public TsBoundControl<TTreeView> {
 public:
  explicit TsTreeView(TComponent* owner);

  void WndProc(TMessage& msg) override;

 protected:
  void Loaded() override;

 private:
  int skinState() const { return SkinData.ShowsHot() ? 1 : 0; }
  void takeSectionColors();
  void restoreOwnColors();
  void composeFrame();
  void paintFrame();

  int composedState_ = -1;
  bool ownColorsKept_ = false;
  Color ownColor_ = clWindow;
  Color ownFontColor_ = clWindowText;
};

}  // namespace tavra
