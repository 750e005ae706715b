#pragma once
// A tree view: rows of nodes with expand and collapse buttons, pictures from an image list,
// optional dotted lines, one selected node, a vertical scroll bar, and the keyboard and mouse
// behaviour of the platform's tree control:
//   Up/Down, Home/End, PgUp/PgDn move the selection; Left collapses or goes to the parent;
//   Right expands or goes to the first child; + and − expand and collapse, * expands the whole
//   branch; Backspace goes to the parent; typing selects the next node whose text starts so.
//   A click on a button toggles it, a click on a picture or label selects, a double click
//   toggles; the wheel scrolls three rows.
// When the pointer rests on an item whose text the view cuts off, the whole text shows in a tip
// laid over the item (TreeViewTip) after the application's hint pause (the short pause when
// moving on from another such tip), in place of the view's own hint; it goes when the pointer
// leaves the item, on a click, a key or a scroll, and when the rows change.
// The first time it gets the focus with nothing selected it selects its first row. Collapsing
// a branch that holds the selection selects the collapsed node. With HideSelection the
// selection is highlighted only while the view has the focus.
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "framework/core/BorderStyle.h"
#include "framework/core/CustomControl.h"
#include "framework/core/ImageList.h"
#include "framework/controls/TreeNodes.h"
#include "framework/controls/ScrollBar.h"

namespace tavra {

class TreeViewTip;

using TTVChangedEvent = std::function<void(TComponent& sender, TTreeNode* node)>;
using TTVChangingEvent = std::function<void(TComponent& sender, TTreeNode* node, bool& allowChange)>;
using TTVExpandingEvent = std::function<void(TComponent& sender, TTreeNode* node, bool& allow)>;
using TTVExpandedEvent = std::function<void(TComponent& sender, TTreeNode* node)>;

// Where a point lies relative to a row.
enum class THitTest { htNowhere, htOnIndent, htOnButton, htOnIcon, htOnLabel, htOnRight, htAbove, htBelow };

class TCustomTreeView : public TCustomControl {
 public:
  explicit TCustomTreeView(TComponent* owner);
  ~TCustomTreeView() override;

  TTreeNodes& items() { return *items_; }
  const TTreeNodes& items() const { return *items_; }
  TTreeNode* selected() const { return selected_; }
  void setSelected(TTreeNode* node);

  TImageList* images() const { return images_; }
  void setImages(TImageList* images);
  int indent() const { return indent_; }
  void setIndent(int pixels);
  bool showLines() const { return showLines_; }
  void setShowLines(bool on);
  bool showButtons() const { return showButtons_; }
  void setShowButtons(bool on);
  bool showRoot() const { return showRoot_; }
  void setShowRoot(bool on);
  bool hideSelection() const { return hideSelection_; }
  void setHideSelection(bool on);
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool on) { readOnly_ = on; }
  // The selected item's fill and text while the tree has the focus: the system's highlight
  // colours unless a look of its own (a skin) gives others.
  Color selectionColor() const { return selectionColor_; }
  Color selectionTextColor() const { return selectionTextColor_; }
  void setSelectionColors(Color fill, Color text);
  TBorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle style);

  // Row height: the text height plus a margin, at least the pictures' height, even.
  int itemHeight() const;
  // Rows that fit wholly in the client area.
  int visibleCount() const;
  TTreeNode* topItem() const;
  void setTopItem(TTreeNode* node);
  const ScrollBar& scrollBar() const { return scrollBar_; }
  void FullExpand();
  void FullCollapse();

  TTreeNode* GetNodeAt(int x, int y) const;
  THitTest GetHitTestInfoAt(int x, int y) const;

  // Geometry of a visible node's parts in client coordinates (empty when the node has no row
  // in view); painting and hit testing both use these.
  Rect rowRect(const TTreeNode& node) const;
  Rect buttonRect(const TTreeNode& node) const;
  Rect iconRect(const TTreeNode& node) const;
  Rect labelRect(const TTreeNode& node) const;

  // The item whose cut-off text the tip shows or is about to show; the tip window, once made.
  TTreeNode* tipNode() const { return tipNode_; }
  const TreeViewTip* tip() const { return tip_; }
  bool tipShowing() const;

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVExpandingEvent OnCollapsing;
  TTVExpandedEvent OnCollapsed;

  void WndProc(TMessage& msg) override;

 protected:
  void CreateParams(WindowParams& params) override;
  void Paint() override;
  bool KeyDown(unsigned& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  LResult DialogCode() override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }
  bool takesFocusOnClick() const override { return true; }
  virtual void Change(TTreeNode* node);

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  enum class ExpandCause { Code, User };

  // Called by nodes and the collection.
  void nodeChanged(const TTreeNode& node);
  void structureChanged();
  void nodeDeleting(TTreeNode& node);
  bool expandNode(TTreeNode& node, bool expand, ExpandCause cause);
  bool changeSelection(TTreeNode* node);
  void makeVisible(TTreeNode& node);

  const std::vector<TTreeNode*>& rows() const;
  int rowOf(const TTreeNode* node) const;
  int labelWidth(const TTreeNode& node) const;
  int columnsOf(const TTreeNode& node) const;
  void updateScrollRange();
  void scrollTo(int topRow);
  void scrollRequest(unsigned code);
  void invalidateNode(const TTreeNode* node);
  void paintLines(Canvas& c, const TTreeNode& node, const Rect& row) const;
  void paintButton(Canvas& c, const TTreeNode& node) const;
  void toggle(TTreeNode& node);
  void typeAhead(char32_t ch);
  void mousePressed(int x, int y, bool doubleClick);
  // Tips for cut-off items.
  bool isCut(const TTreeNode& node) const;
  void pointerMoved(int x, int y, bool buttonHeld);
  void showTip();
  void hideTip();

  std::unique_ptr<TTreeNodes> items_;
  ScrollBar scrollBar_;
  TTreeNode* selected_ = nullptr;
  TImageList* images_ = nullptr;
  int indent_ = 19;
  bool showLines_ = true;
  bool showButtons_ = true;
  bool showRoot_ = true;
  bool hideSelection_ = true;
  Color selectionColor_ = clHighlight;
  Color selectionTextColor_ = clHighlightText;
  bool readOnly_ = false;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  int topRow_ = 0;
  std::u32string typed_;   // the type-ahead text so far
  TimeMs typedAt_ = 0;     // when its last character came
  mutable std::vector<TTreeNode*> rows_;
  mutable bool rowsValid_ = false;
  mutable std::unordered_map<const TTreeNode*, int> labelWidths_;
  mutable int itemHeight_ = 0;  // measured when first needed
  TTreeNode* tipNode_ = nullptr;
  TreeViewTip* tip_ = nullptr;   // made when first shown; owned as a component
};

class TTreeView : public TCustomTreeView {
 public:
  explicit TTreeView(TComponent* owner) : TCustomTreeView(owner) {}
};

}  // namespace tavra
