#pragma once
// The tip a tree view shows over an item whose text the view cuts off: a hint window laid exactly
// over the item's label, its text on the label's text, so that the text runs on past the view's
// edge. It never takes the focus and lets the mouse through to the view beneath.
#include <string>

#include "framework/core/HintWindow.h"

namespace tavra {

class TreeViewTip : public THintWindow {
 public:
  explicit TreeViewTip(TComponent* owner);

  // Shows `text` in `font` with the window's client area on `labelScreen` (the label's
  // rectangle in screen coordinates) and the text `padding` pixels in from its left edge,
  // vertically centred, as the view draws it.
  void showOver(const Rect& labelScreen, const std::string& text, const Font& font, int padding);

 protected:
  void Paint() override;

 private:
  int padding_ = 0;
};

}  // namespace tavra
