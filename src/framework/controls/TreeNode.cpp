#include "framework/controls/TreeNode.h"

#include <algorithm>

#include "framework/controls/TreeNodes.h"
#include "framework/controls/TreeView.h"

namespace tavra {

TTreeNode::TTreeNode(TTreeNodes& owner, TTreeNode* parent, std::string text)
    : owner_(owner), parent_(parent), text_(std::move(text)) {}

TTreeNode::~TTreeNode() = default;

TCustomTreeView& TTreeNode::treeView() const { return owner_.owner(); }

void TTreeNode::setText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  treeView().nodeChanged(*this);
}

void TTreeNode::setImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  treeView().nodeChanged(*this);
}

void TTreeNode::setSelectedIndex(int index) {
  if (index == selectedIndex_) return;
  selectedIndex_ = index;
  treeView().nodeChanged(*this);
}

int TTreeNode::level() const {
  int level = 0;
  for (const TTreeNode* p = parent_; p; p = p->parent_) ++level;
  return level;
}

int TTreeNode::index() const {
  const auto& siblings = parent_ ? parent_->children_ : owner_.topLevel();
  auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& n) { return n.get() == this; });
  return it == siblings.end() ? -1 : static_cast<int>(it - siblings.begin());
}

int TTreeNode::absoluteIndex() const {
  owner_.flat();  // brings the cached indices up to date
  return absoluteIndex_;
}

bool TTreeNode::hasAsParent(const TTreeNode* ancestor) const {
  if (!ancestor) return false;
  for (const TTreeNode* p = parent_; p; p = p->parent_) {
    if (p == ancestor) return true;
  }
  return false;
}

TTreeNode* TTreeNode::getFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }

TTreeNode* TTreeNode::getLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }

TTreeNode* TTreeNode::getNextSibling() const {
  const auto& siblings = parent_ ? parent_->children_ : owner_.topLevel();
  int i = index();
  return i >= 0 && i + 1 < static_cast<int>(siblings.size()) ? siblings[static_cast<size_t>(i + 1)].get() : nullptr;
}

TTreeNode* TTreeNode::getPrevSibling() const {
  const auto& siblings = parent_ ? parent_->children_ : owner_.topLevel();
  int i = index();
  return i > 0 ? siblings[static_cast<size_t>(i - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::getNext() const {
  int i = absoluteIndex();
  return owner_.item(i + 1);
}

TTreeNode* TTreeNode::getPrev() const {
  int i = absoluteIndex();
  return i > 0 ? owner_.item(i - 1) : nullptr;
}

TTreeNode* TTreeNode::getNextVisible() const {
  if (!isVisible()) return nullptr;
  if (expanded_ && !children_.empty()) return children_.front().get();
  for (const TTreeNode* n = this; n; n = n->parent_) {
    if (TTreeNode* s = n->getNextSibling()) return s;
  }
  return nullptr;
}

TTreeNode* TTreeNode::getPrevVisible() const {
  if (!isVisible()) return nullptr;
  TTreeNode* s = getPrevSibling();
  if (!s) return parent_;
  while (s->expanded_ && !s->children_.empty()) s = s->children_.back().get();
  return s;
}

void TTreeNode::setExpanded(bool expanded) {
  if (expanded) Expand(false);
  else Collapse(false);
}

void TTreeNode::Expand(bool recurse) {
  if (!children_.empty()) treeView().expandNode(*this, true, TCustomTreeView::ExpandCause::Code);
  if (recurse) {
    for (auto& c : children_) c->Expand(true);
  }
}

void TTreeNode::Collapse(bool recurse) {
  if (recurse) {
    for (auto& c : children_) c->Collapse(true);
  }
  treeView().expandNode(*this, false, TCustomTreeView::ExpandCause::Code);
}

bool TTreeNode::isVisible() const {
  for (const TTreeNode* p = parent_; p; p = p->parent_) {
    if (!p->expanded_) return false;
  }
  return true;
}

bool TTreeNode::selected() const { return treeView().selected() == this; }

void TTreeNode::setSelected(bool selected) {
  if (selected) treeView().setSelected(this);
  else if (this->selected()) treeView().setSelected(nullptr);
}

void TTreeNode::MakeVisible() { treeView().makeVisible(*this); }

Rect TTreeNode::DisplayRect(bool textOnly) const { return textOnly ? treeView().labelRect(*this) : treeView().rowRect(*this); }

void TTreeNode::Delete() { owner_.Delete(this); }

}  // namespace tavra
