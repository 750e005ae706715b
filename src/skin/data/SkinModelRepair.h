#pragma once
// Makes a loaded model safe to paint, whatever its files said. Every mask is checked against the
// picture it names: its rectangle is cut to the picture, its frame count and mask type so that
// every frame is at least one pixel in the picture, its border widths so that opposite sides fit
// a frame. Percentages and transparencies are limited to 0..100, glow margins to the glow's
// picture, fading to a bounded number of steps, gradients to a bounded number of steps, the
// header's shadow and caption-button values to what a window can show. A mask that cannot be
// repaired (an inverted or empty rectangle, one wholly outside its picture) is removed, so that
// lookups treat it as missing and fall back as for any missing key. Each change is recorded for
// the skin's author (skinlint lists them); the program paints the repaired model silently.
#include <string>
#include <vector>

namespace tavra {

class SkinModel;

struct SkinRepair {
  std::string section;
  std::string key;
  std::string what;  // what was wrong and what the model holds instead
  friend bool operator==(const SkinRepair&, const SkinRepair&) = default;
};

// Limits of the repaired model, far above any real skin.
constexpr int kMaxGradientSteps = 64;
constexpr int kMaxFadingIterations = 50;
constexpr int kMaxShadowBlur = 20;
constexpr int kMaxShadowOffset = 20;
constexpr int kMaxCaptionButtonSpacing = 64;
constexpr int kMaxHeaderGlowMargin = 64;

// Repairs `model` in place and returns what was changed, in model order. Runs before the border
// indices and lookups are built (removing a mask shifts the indices of those after it).
std::vector<SkinRepair> repairSkinModel(SkinModel& model);

}  // namespace tavra
