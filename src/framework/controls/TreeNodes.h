#pragma once
// The nodes of a tree view: adding, inserting and removing nodes, and reaching any node by its
// absolute index. The collection owns its nodes; each node owns its children.
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/TreeNode.h"

namespace tavra {

class TCustomTreeView;

class TTreeNodes {
 public:
  explicit TTreeNodes(TCustomTreeView& view);
  ~TTreeNodes();
  TTreeNodes(const TTreeNodes&) = delete;
  TTreeNodes& operator=(const TTreeNodes&) = delete;

  TCustomTreeView& owner() const { return view_; }

  // A new last sibling of `sibling` (a top-level node when `sibling` is null).
  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  // A new first sibling of `sibling`.
  TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
  // A new last (or first) child of `parent` (top level when null).
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
  // A new node just before `sibling` (last at the top level when null).
  TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
  void Delete(TTreeNode* node);
  void Clear();

  int count() const { return static_cast<int>(flat().size()); }
  // The node at an absolute index, or null.
  TTreeNode* item(int absoluteIndex) const;
  TTreeNode* getFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
  const std::vector<std::unique_ptr<TTreeNode>>& topLevel() const { return roots_; }
  // Every node in absolute-index order.
  const std::vector<TTreeNode*>& flat() const;

  // Batches changes: the view is told once at the end.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();

 private:
  friend class TTreeNode;
  std::vector<std::unique_ptr<TTreeNode>>& siblingsOf(TTreeNode* parent);
  TTreeNode* insertAt(TTreeNode* parent, size_t position, const std::string& text);
  void structureChanged();

  TCustomTreeView& view_;
  std::vector<std::unique_ptr<TTreeNode>> roots_;
  mutable std::vector<TTreeNode*> flat_;
  mutable bool flatValid_ = false;
  int updateCount_ = 0;
  bool pendingChange_ = false;
};

}  // namespace tavra
