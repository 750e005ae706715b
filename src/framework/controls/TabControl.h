#pragma once
// A tab control: a row (or, multi-line, rows) of tabs above or below a page. TabIndex is the
// selected tab, −1 for none. The user's choice (a click on a tab, or Left and Right while it has
// the focus) asks OnChanging, then selects and raises OnChange; setting TabIndex from code
// raises neither. Geometry follows the platform's control (TabLayout): item rectangles, row
// count, display rectangle; children aligned to it fill the display rectangle.
#include <functional>

#include "framework/core/CustomControl.h"
#include "framework/core/Strings.h"
#include "framework/controls/TabLayout.h"

namespace tavra {

class TImageList;
class TTabScroller;
class TCustomTabControl;

enum class TTabPosition { tpTop, tpBottom };
// Tabs proper, or each tab a push button (the selected one pressed), or flat buttons.
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
using TTabChangingEvent = std::function<void(TComponent& sender, bool& allowChange)>;
// Draws the content of tab `tabIndex` inside `rect` of `canvas`; `active` for the selected tab.
using TDrawTabEvent = std::function<void(TCustomTabControl& control, int tabIndex, const Rect& rect, bool active, Canvas& canvas)>;
using TTabGetImageEvent = std::function<void(TComponent& sender, int tabIndex, int& imageIndex)>;

class TCustomTabControl : public TCustomControl {
 public:
  explicit TCustomTabControl(TComponent* owner);

  TStringList& Tabs() { return tabs_; }
  const TStringList& Tabs() const { return tabs_; }
  int TabIndex() const { return tabIndex_; }
  void setTabIndex(int index);
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool m);
  bool raggedRight() const { return raggedRight_; }
  void setRaggedRight(bool r);
  TTabPosition tabPosition() const { return tabPosition_; }
  void setTabPosition(TTabPosition p);
  int tabHeight() const { return tabHeightSet_; }  // 0: from the font
  void setTabHeight(int h);
  int tabWidth() const { return tabWidthSet_; }    // 0: from each tab's text
  void setTabWidth(int w);
  TTabStyle style() const { return style_; }
  void setStyle(TTabStyle s);
  // Pictures before the captions: tab i shows image i of the list unless OnGetImageIndex
  // chooses another (−1: none). The list is not owned.
  TImageList* images() const { return images_; }
  void setImages(TImageList* images);
  int GetImageIndex(int tabIndex);
  // Owner-drawn tabs: the frame is drawn, OnDrawTab draws what lies inside.
  bool ownerDraw() const { return ownerDraw_; }
  void setOwnerDraw(bool on);
  // Whether the tab under the mouse is shown hot (the skinned class draws it).
  bool hotTrack() const { return hotTrack_; }
  void setHotTrack(bool on) { hotTrack_ = on; }

  // The platform control's geometry, in client coordinates.
  Rect itemRect(int index);
  int RowCount();
  Rect DisplayRect();
  int IndexOfTabAt(int x, int y);
  const TabLayout& layout();
  TTabScroller* scroller() const { return scroller_; }

  void AdjustClientRect(Rect& rect) const override;
  void WndProc(TMessage& msg) override;

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;
  TDrawTabEvent OnDrawTab;
  TTabGetImageEvent OnGetImageIndex;

 protected:
  void Paint() override;
  void Resize() override;
  void Loaded() override;
  bool takesFocusOnClick() const override { return true; }
  LResult DialogCode() override { return DLGC_WANTARROWS; }
  virtual bool CanChange();
  virtual void Change();

 private:
  void invalidateLayout();
  void ensureLayout();
  void chooseTab(int index);  // the user's choice
  void scrollTabs(int step);
  void updateScroller();
  void paintTab(Canvas& canvas, int index, bool selected);
  void paintButtonTab(Canvas& canvas, int index, bool selected);
  // The caption (with its picture, or the owner's drawing) of a tab inside r.
  void paintCaption(Canvas& canvas, int index, const Rect& r, bool selected);

  TStringList tabs_;
  int tabIndex_ = -1;
  bool multiLine_ = false;
  bool raggedRight_ = false;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  int tabHeightSet_ = 0;
  int tabWidthSet_ = 0;
  TTabStyle style_ = TTabStyle::tsTabs;
  bool hotTrack_ = false;
  TImageList* images_ = nullptr;
  bool ownerDraw_ = false;
  TabLayout layout_;
  bool layoutValid_ = false;
  TTabScroller* scroller_ = nullptr;
};

class TTabControl : public TCustomTabControl {
 public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
};

}  // namespace tavra
