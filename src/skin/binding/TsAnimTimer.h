#pragma once
// The animation of a windowless skinned button (a speed button): every 10 ms it blends the look
// before the change (the start image) and the button's recomposed cache into its own frame, and
// the button paints that frame instead of its cache; after the last step the button gets
// SKC_FADEDONE and paints normally again.
#include "framework/core/Timer.h"
#include "gfx/Bitmap.h"

namespace tavra {

class TsCommonData;

class TsAnimTimer : public TTimer {
 public:
  static constexpr int kStepInterval = 10;

  explicit TsAnimTimer(TsCommonData& binding);

  bool Drawing = false;   // a step is being drawn (a tick meanwhile is skipped)
  Bitmap StartImage;      // the look before the change
  Bitmap Frame;           // the frame the button shows
  TsCommonData* Binding;
  int Iterations = 0;     // step count
  int Step = 0;           // step counter

  // Starts from the binding's current cache over `iterations` steps at step `firstStep`.
  void start(int iterations, int firstStep);
  void stop() { setEnabled(false); }
  bool running() const { return enabled(); }
  // One step now (the ticks call it); false once the animation is over.
  bool animStep();
};

}  // namespace tavra
