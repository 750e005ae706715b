#include "framework/controls/TreeNodes.h"

#include <algorithm>

#include "framework/controls/TreeView.h"

namespace tavra {

TTreeNodes::TTreeNodes(TCustomTreeView& view) : view_(view) {}

TTreeNodes::~TTreeNodes() = default;

std::vector<std::unique_ptr<TTreeNode>>& TTreeNodes::siblingsOf(TTreeNode* parent) { return parent ? parent->children_ : roots_; }

TTreeNode* TTreeNodes::insertAt(TTreeNode* parent, size_t position, const std::string& text) {
  auto& siblings = siblingsOf(parent);
  position = std::min(position, siblings.size());
  auto node = std::make_unique<TTreeNode>(*this, parent, text);
  TTreeNode* raw = node.get();
  siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(position), std::move(node));
  structureChanged();
  return raw;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  TTreeNode* parent = sibling ? sibling->parent() : nullptr;
  return insertAt(parent, siblingsOf(parent).size(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
  return insertAt(sibling ? sibling->parent() : nullptr, 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) { return insertAt(parent, siblingsOf(parent).size(), text); }

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) { return insertAt(parent, 0, text); }

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
  if (!sibling) return Add(nullptr, text);
  return insertAt(sibling->parent(), static_cast<size_t>(sibling->index()), text);
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node || &node->owner() != this) return;
  view_.nodeDeleting(*node);
  auto& siblings = siblingsOf(node->parent());
  auto it = std::find_if(siblings.begin(), siblings.end(), [node](const auto& n) { return n.get() == node; });
  if (it == siblings.end()) return;
  std::unique_ptr<TTreeNode> doomed = std::move(*it);
  siblings.erase(it);
  structureChanged();
}

void TTreeNodes::Clear() {
  if (roots_.empty()) return;
  BeginUpdate();
  while (!roots_.empty()) Delete(roots_.back().get());
  EndUpdate();
}

const std::vector<TTreeNode*>& TTreeNodes::flat() const {
  if (flatValid_) return flat_;
  flat_.clear();
  std::vector<TTreeNode*> pending;
  for (auto it = roots_.rbegin(); it != roots_.rend(); ++it) pending.push_back(it->get());
  while (!pending.empty()) {
    TTreeNode* n = pending.back();
    pending.pop_back();
    n->absoluteIndex_ = static_cast<int>(flat_.size());
    flat_.push_back(n);
    for (auto it = n->children_.rbegin(); it != n->children_.rend(); ++it) pending.push_back(it->get());
  }
  flatValid_ = true;
  return flat_;
}

TTreeNode* TTreeNodes::item(int absoluteIndex) const {
  const auto& all = flat();
  if (absoluteIndex < 0 || absoluteIndex >= static_cast<int>(all.size())) return nullptr;
  return all[static_cast<size_t>(absoluteIndex)];
}

void TTreeNodes::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
  if (updateCount_ == 0 && pendingChange_) {
    pendingChange_ = false;
    view_.structureChanged();
  }
}

void TTreeNodes::structureChanged() {
  flatValid_ = false;
  view_.rowsValid_ = false;
  if (updateCount_ > 0) {
    pendingChange_ = true;
    return;
  }
  view_.structureChanged();
}

}  // namespace tavra
