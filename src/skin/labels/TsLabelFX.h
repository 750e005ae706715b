#pragma once
// The effect label: its text over a soft blurred shadow or glow. The shadow is made from the
// text itself: drawn white on black into a mask, stamped into a byte buffer with a one-pixel
// frame and smoothed BlurCount times, then used as the weight of the shadow colour over what
// lies behind the label (or over its Color when it is opaque). The mask and the buffer stay with
// the label and only grow, so steady repainting allocates nothing of its own.
#include <cstdint>
#include <memory>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "skin/labels/TsCustomLabel.h"
#include "skin/labels/TsKind.h"
#include "skin/labels/TsShadow.h"

namespace tavra {

class TsLabelFX : public TsCustomLabel {
 public:
  explicit TsLabelFX(TComponent* owner);
  ~TsLabelFX() override;

  TsShadow& shadow() { return shadow_; }
  const TsShadow& shadow() const { return shadow_; }
  TsKind& kind() { return kind_; }
  const TsKind& kind() const { return kind_; }

  // The shadow's reach that auto-size added around the text: the top-left extent (0 or
  // negative) and the bottom-right extent (0 or positive).
  int topLeftExtent() const { return topLeftExtent_; }
  int bottomRightExtent() const { return bottomRightExtent_; }
  // The blur buffer's allocated size in bytes and the mask, for inspection.
  std::size_t blurBufferSize() const { return blur_.size(); }
  const Bitmap& mask() const { return mask_; }
  const std::uint8_t* blurBuffer() const { return blur_.data(); }

  // The shadow parameters of the next paint.
  struct ShadowParams {
    Color color = clBlack;
    int blurCount = 0;
    int distance = 0;
  };
  ShadowParams shadowParams() const;
  // The text colour of an enabled label.
  Color textColor() const;

 protected:
  void DoDrawText(Canvas& canvas, Rect& r, unsigned flags) override;

 private:
  Rect insetByExtents(const Rect& r) const;
  // Steps 6 to 11 of the effect: mask, blur, composition, the text on top.
  void drawWithShadow(Canvas& canvas, const std::string& text, const Rect& r, unsigned flags, const ShadowParams& shadow,
                      Color textColor);

  TsShadow shadow_{*this};
  TsKind kind_{*this};
  Bitmap mask_;
  std::unique_ptr<Canvas> maskCanvas_;
  std::vector<std::uint8_t> blur_;
  int topLeftExtent_ = 0;
  int bottomRightExtent_ = 0;
};

}  // namespace tavra
