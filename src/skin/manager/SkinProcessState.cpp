#include "skin/manager/SkinProcessState.h"

namespace tavra {

SkinProcessState& skinProcessState() {
  static SkinProcessState state;
  return state;
}

}  // namespace tavra
