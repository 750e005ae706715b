#pragma once
// What skinned buttons share for their cross-fades: which mouse events fade, and the blend of one
// fade step between the look before the change (start image) and the look after it (the cache).
#include "gfx/Bitmap.h"

namespace tavra {

class TsSkinManager;

// The mouse events of a button that cross-fade. aeGlobalDef follows the skin manager's
// AnimEffects.Buttons.Events for every event not in the set itself.
enum TacAnimatEvent : unsigned {
  aeMouseEnter = 0x1,
  aeMouseLeave = 0x2,
  aeMouseDown = 0x4,
  aeMouseUp = 0x8,
  aeGlobalDef = 0x10,
};
using TacAnimatEvents = unsigned;

// Whether `event` (one aeMouse… bit) fades for a button with `events`, asking `manager` (may be
// null) when the button follows it.
bool eventAnimates(TacAnimatEvents events, TacAnimatEvent event, const TsSkinManager* manager);

// Whether fades may run now: no skin is being switched.
bool fadesSuspended();

// The weight of the start image in step `step` of `count`: clamp(255 − step × 256 div count).
int fadeStartWeight(int step, int count);

// frame := (start × a + cache × (255 − a) + 127) shr 8 per channel over the common area; a = 0
// gives the cache exactly, so the last step of a fade is the new look itself. `frame` is resized
// to the cache when its size differs.
void blendFadeStep(const Bitmap& start, const Bitmap& cache, int a, Bitmap& frame);

// Holds the GUI thread for `ms` milliseconds (the virtual clock of tests moves on instead).
void pauseGuiThread(int ms);

}  // namespace tavra
