#pragma once
// A node of a tree view: text, image and selected-image indices, children, expansion. A node's
// absolute index is its place in a depth-first, parents-first walk over the whole tree,
// whatever is expanded.
#include <memory>
#include <string>
#include <vector>

#include "base/Geometry.h"

namespace tavra {

class TTreeNodes;
class TCustomTreeView;

class TTreeNode {
 public:
  TTreeNode(TTreeNodes& owner, TTreeNode* parent, std::string text);
  ~TTreeNode();
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  TTreeNodes& owner() const { return owner_; }
  TCustomTreeView& treeView() const;

  const std::string& text() const { return text_; }
  void setText(const std::string& text);
  // The picture shown beside the node, and the one shown while it is selected (-1: none).
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int index);
  int selectedIndex() const { return selectedIndex_; }
  void setSelectedIndex(int index);

  // Place in the tree.
  TTreeNode* parent() const { return parent_; }
  int level() const;
  int count() const { return static_cast<int>(children_.size()); }
  TTreeNode* item(int index) const { return children_.at(static_cast<size_t>(index)).get(); }
  bool hasChildren() const { return !children_.empty(); }
  int index() const;          // among its siblings
  int absoluteIndex() const;  // in the whole tree
  bool hasAsParent(const TTreeNode* ancestor) const;
  TTreeNode* getFirstChild() const;
  TTreeNode* getLastChild() const;
  TTreeNode* getNextSibling() const;
  TTreeNode* getPrevSibling() const;
  // Depth-first neighbours, and the neighbours among the rows a user can see.
  TTreeNode* getNext() const;
  TTreeNode* getPrev() const;
  TTreeNode* getNextVisible() const;
  TTreeNode* getPrevVisible() const;

  // Expansion (the view reports it and keeps the selection visible).
  bool expanded() const { return expanded_; }
  void setExpanded(bool expanded);
  void Expand(bool recurse);
  void Collapse(bool recurse);
  // Every ancestor is expanded: the node has a row.
  bool isVisible() const;

  bool selected() const;
  void setSelected(bool selected);
  // Expands the ancestors and scrolls the node into view.
  void MakeVisible();
  // The node's row, or only its label, in the view's client coordinates (empty when scrolled
  // out of view or hidden in a collapsed branch).
  Rect DisplayRect(bool textOnly) const;
  // Removes the node and its children from the tree.
  void Delete();

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;

  TTreeNodes& owner_;
  TTreeNode* parent_ = nullptr;
  std::vector<std::unique_ptr<TTreeNode>> children_;
  std::string text_;
  int imageIndex_ = -1;
  int selectedIndex_ = -1;
  bool expanded_ = false;
  mutable int absoluteIndex_ = -1;  // kept by the collection's walk
};

}  // namespace tavra
