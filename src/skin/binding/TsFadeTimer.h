#pragma once
// The cross-fade of a windowed skinned button: every 10 ms a frame blended from the look before
// the change (the start image) and the button's recomposed cache is put on the button's window,
// from mostly the old look to exactly the new one; after the last step the button gets
// SKC_FADEDONE, which ends the fade.
#include "framework/core/Timer.h"
#include "gfx/Bitmap.h"

namespace tavra {

class TsCommonData;

class TsFadeTimer : public TTimer {
 public:
  static constexpr int kStepInterval = 10;

  explicit TsFadeTimer(TsCommonData& binding);

  int Direction = 0;       // 0 none, 1 in
  TsCommonData* Binding;   // the faded button's binding
  int Iterations = 0;      // step count
  int Step = 0;            // step counter, 1 to Iterations
  Bitmap StartImage;       // the look before the change

  // Readies a fade from the binding's current cache over `iterations` steps (not yet running).
  void prepare(int iterations);
  // Starts the ticks.
  void run();
  void stop();
  bool running() const { return enabled() && Direction != 0; }
  // The frame most recently put on the window (empty before the first).
  const Bitmap& shownFrame() const { return frame_; }
  // One step now (the ticks call it).
  void fadeStep();

 private:
  Bitmap frame_;
};

}  // namespace tavra
