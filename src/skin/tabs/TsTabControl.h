#pragma once
// The skinned tab control: the page area from "PAGECONTROL" (or its variant for the tab
// position), every tab from the tab section of its position and style, the selected tab drawn
// last and on its own over the composed cache, the tab under the mouse hot when hot tracking is
// on, and the scroll arrows of a row too wide for the control skinned as spin buttons. Every
// repaint comes through the erase-background message. Unbound (no manager, or a skin without
// the section) it is exactly the framework's tab control.
#include <memory>
#include <string>

#include "framework/controls/TabControl.h"
#include "skin/tabs/TabSkinGeometry.h"
#include "skin/binding/TsBoundControl.h"
#include "skin/primitives/TsCacheView.h"
#include "skin/binding/WindowlessComposer.h"

namespace tavra {

class SpinButtonAdapter;

class TsTabControl : public TsBoundControl<TTabControl> {
 public:
  explicit TsTabControl(TComponent* owner);
  ~TsTabControl() override;

  // The rectangles the skinned look is drawn in (client coordinates).
  Rect TabRect(int index, TabSelection selection);
  Rect displayRectangle();
  Rect pageRectangle();
  Rect stripRectangle();
  // The row of a tab, from 1 (farthest from the page).
  int Row(int index);
  // The first tab whose rectangle (not selected) holds the point; −1 when none does.
  int TabAtPoint(Point p);
  // The section names the control paints with now.
  std::string pageSectionName() const;
  int hotTabIndex() const { return hotTab_; }
  // The skinned spin buttons over the scroll arrows, while the row scrolls (null otherwise).
  SpinButtonAdapter* spinButtons() const { return spin_.get(); }

  void WndProc(TMessage& msg) override;

 protected:
  void Loaded() override;

 private:
  // The tab section of the current style and position: index, border mask and name.
  struct TabSection {
    int index = -1;
    int border = -1;
    std::string name;
  };
  TabSection tabSection() const;
  TabSide side() const { return tabSideOf(tabPosition()); }
  bool skinned() const;

  bool handleSkinCommand(TMessage& msg);
  bool handleSkinned(TMessage& msg);
  void afterDefault(const TMessage& msg, const Rect& boundsBefore);
  void fullPaint(Canvas& dc);
  void composeCache(const TsCacheView& view);
  void paintTab(int index, int state, Point offset, Bitmap& target);
  void paintTabText(Canvas& canvas, int index, int state, const Rect& r, const TabSection& section);
  void tabOnScreen(int index, int state, Canvas& dc);
  void redrawTab(int index, int state);
  void trackHot(Point p);
  void leaveHot();
  void repaintNow();
  void refreshSpinButton();

  int hotTab_ = -1;
  bool erasedForPaint_ = false;  // the erase message before this paint has drawn everything
  std::unique_ptr<SpinButtonAdapter> spin_;
  WindowlessComposer windowless_;
};

}  // namespace tavra
