#pragma once
// Puts other answers to the labels' skin questions in place of the default manager's while it
// lives, and the previous ones back when it ends.
#include "skin/paint/LabelSkin.h"

namespace tavra {

class ScopedLabelSkin {
 public:
  explicit ScopedLabelSkin(LabelSkin& skin);
  ~ScopedLabelSkin();
  ScopedLabelSkin(const ScopedLabelSkin&) = delete;
  ScopedLabelSkin& operator=(const ScopedLabelSkin&) = delete;

 private:
  LabelSkin* previous_;
};

}  // namespace tavra
