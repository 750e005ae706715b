// The tree view's tips: when the pointer rests on an item whose text is cut off, the whole text
// shows in a tip laid over the item.
#include "framework/controls/TreeView.h"

#include <algorithm>

#include "framework/core/Application.h"
#include "framework/controls/TreeViewParts.h"
#include "framework/controls/TreeViewTip.h"

namespace tavra {

using treeview_parts::kLabelPadding;
using treeview_parts::kTipTimer;

// --- Tips for cut-off items ----------------------------------------------------------------------

bool TCustomTreeView::tipShowing() const { return tip_ && tip_->shownNow(); }

// Cut off: the label runs past the right edge of the client area.
bool TCustomTreeView::isCut(const TTreeNode& node) const {
  Rect label = labelRect(node);
  return !label.isEmpty() && label.right > clientWidth();
}

void TCustomTreeView::pointerMoved(int x, int y, bool buttonHeld) {
  TTreeNode* node = nullptr;
  if (!buttonHeld && GetHitTestInfoAt(x, y) == THitTest::htOnLabel) {
    node = GetNodeAt(x, y);
    if (node && !isCut(*node)) node = nullptr;
  }
  if (node == tipNode_) return;
  bool wasShowing = tipShowing();
  hideTip();
  if (!node || !handleAllocated()) return;
  tipNode_ = node;
  int pause = 500;
  if (TApplication::exists()) pause = wasShowing ? Application().HintShortPause : Application().HintPause;
  WindowSystem::instance().setTimer(*window(), kTipTimer, std::max(pause, 1));
}

void TCustomTreeView::showTip() {
  if (!tipNode_ || !showing() || !handleAllocated() || !isCut(*tipNode_)) return;
  // One tip at a time: the view's own hint gives way to the item's.
  if (TApplication::exists()) Application().CancelHint();
  if (!tip_) tip_ = &make<TreeViewTip>();
  Rect label = labelRect(*tipNode_);
  Point origin = clientToScreen(label.topLeft());
  tip_->showOver(Rect::fromSize(origin, label.size()), tipNode_->text(), font(), kLabelPadding);
}

void TCustomTreeView::hideTip() {
  if (handleAllocated() && WindowSystem::exists()) WindowSystem::instance().killTimer(*window(), kTipTimer);
  tipNode_ = nullptr;
  if (tip_ && tip_->visible()) tip_->ReleaseHandle();
}

}  // namespace tavra
