#pragma once
// A tab control: a row (or, multi-line, rows) of tabs above or below a page. TabIndex is the
// selected tab, −1 for none. The user's choice (a click on a tab, or Left and Right while it has
// the focus) asks OnChanging, then selects and raises OnChange; setting TabIndex from code
// raises neither. Geometry follows the platform's control (TabLayout): item rectangles, row
// count, display rectangle; children aligned to it fill the display rectangle.
#include <functional>

#include "framework/CustomControl.h"
#include "framework/Strings.h"
#include "framework/TabLayout.h"

namespace tavra {

class TTabScroller;

enum class TTabPosition { tpTop, tpBottom };
// Tabs proper, or each tab a push button (the selected one pressed), or flat buttons.
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
using TTabChangingEvent = std::function<void(TComponent& sender, bool& allowChange)>;

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

  TStringList tabs_;
  int tabIndex_ = -1;
  bool multiLine_ = false;
  bool raggedRight_ = false;
  TTabPosition tabPosition_ = TTabPosition::tpTop;
  int tabHeightSet_ = 0;
  int tabWidthSet_ = 0;
  TTabStyle style_ = TTabStyle::tsTabs;
  bool hotTrack_ = false;
  TabLayout layout_;
  bool layoutValid_ = false;
  TTabScroller* scroller_ = nullptr;
};

class TTabControl : public TCustomTabControl {
 public:
  explicit TTabControl(TComponent* owner) : TCustomTabControl(owner) {}
};

}  // namespace tavra
