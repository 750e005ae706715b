#include "skin/manager/SkinProcessState.h"

#include <new>

namespace tavra {

SkinProcessState& skinProcessState() {
  // Built in static storage and never destroyed: a manager kept in a static object (a tool's or
  // a benchmark's program) is destroyed at exit after this state would be, and its hooks still
  // give their windows back to it then.
  alignas(SkinProcessState) static unsigned char storage[sizeof(SkinProcessState)];
  static SkinProcessState* const state = new (storage) SkinProcessState();
  return *state;
}

}  // namespace tavra
