#pragma once
// The banner control: plays a movie file in its rectangle by itself, frame after frame at the
// movie's frame rate, looping, scaled "show all" (the whole stage, as large as fits, centred)
// and antialiased. It ticks only while it is showing: a tick that finds its window hidden stops
// the timer, and the next paint (the window shown again) starts it. Each frame is drawn into a
// kept bitmap only where it differs from the one before, and only that part of the control is
// repainted, and the frames of a looping movie are remembered while it shows. A missing or
// damaged file leaves the player's background.
#include <string>

#include "framework/core/CustomControl.h"
#include "framework/core/Timer.h"
#include "platform/banner/SwfFrameCache.h"
#include "platform/banner/SwfPlayer.h"

namespace tavra {

class TShockwaveFlash : public TCustomControl {
 public:
  explicit TShockwaveFlash(TComponent* owner);

  // The movie's file; setting it loads the movie and starts it at frame 1.
  const std::string& movie() const { return movie_; }
  void setMovie(const std::string& path);
  // Playing: the movie advances by itself while shown. Loop: after the last frame, frame 1.
  bool playing() const { return playing_; }
  void setPlaying(bool p);
  bool loop() const { return loop_; }
  void setLoop(bool l);

  const SwfPlayer& player() const { return player_; }
  // Whether the frame timer runs right now.
  bool ticking() const { return timer_->enabled(); }

 protected:
  void Paint() override;

 private:
  void tick();
  // Starts the timer when there is something to play and the control is showing.
  void startIfShowing();
  bool atLastFrame() const;

  SwfPlayer player_;
  SwfFrameCache frame_;
  TTimer* timer_ = nullptr;
  std::string movie_;
  bool playing_ = true;
  bool loop_ = true;
};

}  // namespace tavra
