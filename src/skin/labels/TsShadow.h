#pragma once
// The shadow (or glow) of an effect label: where its parameters come from, its colour, how many
// blur passes it gets (also its reach in pixels) and how far it lies to the right and down.
// Every setter repaints the owning label when the value changes.
#include <cstdint>

#include "base/Color.h"

namespace tavra {

class TControl;

enum class TsShadowMode { smNone = 0, smCustom = 1, smSkin1 = 2 };

class TsShadow {
 public:
  explicit TsShadow(TControl& owner) : owner_(owner) {}
  TsShadow(const TsShadow&) = delete;
  TsShadow& operator=(const TsShadow&) = delete;

  TsShadowMode mode() const { return mode_; }
  void setMode(TsShadowMode m);
  Color color() const { return color_; }
  void setColor(Color c);
  std::int32_t blurCount() const { return blurCount_; }
  void setBlurCount(std::int32_t b);
  std::int32_t distance() const { return distance_; }
  void setDistance(std::int32_t d);

 private:
  void changed();

  TControl& owner_;
  TsShadowMode mode_ = TsShadowMode::smSkin1;
  Color color_ = clBlack;
  std::int32_t blurCount_ = 4;
  std::int32_t distance_ = 1;
};

}  // namespace tavra
