#pragma once
// The skin engine's state shared by every manager of the process: the flags that painting and
// the window adapters read while a skin is loaded or dropped, and the windows the default
// manager's hook took over. Everything runs on the GUI thread, so nothing is locked.
#include "skin/manager/TakenOverWindows.h"

namespace tavra {

struct SkinProcessState {
  bool skinChanging = false;         // a skin is being loaded (button painting and fading read it)
  bool skinRemoving = false;         // the skin data are being dropped (the window adapters read it)
  bool skinChangeAnimation = false;  // forms are frozen for the skin-change animation (controls read it)
  TakenOverWindows takenOver;
};

SkinProcessState& skinProcessState();

// Sets a flag for the lifetime of the guard and gives it back its value afterwards, also when
// the work in between fails.
class ScopedSkinFlag {
 public:
  explicit ScopedSkinFlag(bool& flag, bool value = true) : flag_(flag), previous_(flag) { flag_ = value; }
  ~ScopedSkinFlag() { flag_ = previous_; }
  ScopedSkinFlag(const ScopedSkinFlag&) = delete;
  ScopedSkinFlag& operator=(const ScopedSkinFlag&) = delete;

 private:
  bool& flag_;
  bool previous_;
};

}  // namespace tavra
