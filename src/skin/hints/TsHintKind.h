#pragma once
// Every look setting of the hint manager's hints: the window style, the body (colour, gradient,
// texture and their shares), the bevel, the text margins, wrapping width and font, the shadow and
// the window's transparency. Writing Style makes the owning manager apply it at once.
#include <string>

#include "base/Color.h"
#include "gfx/Bitmap.h"
#include "gfx/Font.h"
#include "skin/hints/HintTypes.h"

namespace tavra {

class TsHintManager;

class TsHintKind {
 public:
  explicit TsHintKind(TsHintManager& manager);
  TsHintKind(const TsHintKind&) = delete;
  TsHintKind& operator=(const TsHintKind&) = delete;

  TsHintStyle Style() const { return style_; }
  // Stores the style and runs the manager's ApplyStyle with it.
  void setStyle(TsHintStyle style);
  int Radius = 20;
  int BevelWidth = 1;
  // The blur of the body is not supported: it always reads 0.
  int Blur() const { return 0; }
  void setBlur(int) {}
  int ExOffset = 32;
  std::string GradientData;
  const Bitmap& Texture() const { return texture_; }
  void setTexture(const Bitmap& texture) { texture_ = texture; }
  std::string TextureFile;
  int GradientPercent = 0;
  int TexturePercent = 0;
  int Bevel = 0;
  tavra::Color Color = 0;
  tavra::Color ColorBorderTop = 0;
  tavra::Color ColorBorderBottom = 0;
  int Transparency = 0;
  int ShadowBlur = 0;
  // The shadow is always black: writes are ignored.
  tavra::Color ShadowColor() const { return 0; }
  void setShadowColor(tavra::Color) {}
  // Reads false whenever the hints are drawn from the skin (the system's shadow stands in).
  bool ShadowEnabled() const;
  void setShadowEnabled(bool enabled) { shadowEnabled_ = enabled; }
  int ShadowOffset = 0;
  int ShadowTransparency = 0;
  int MarginH = 15;
  int MarginV = 10;
  int MaxWidth = 200;
  const tavra::Font& Font() const { return font_; }
  void setFont(const tavra::Font& font) { font_ = font; }

  TsHintManager& manager() const { return manager_; }

  // The shadow's transparency with the window's own on top of it, in percent:
  // round((100 − ShadowTransparency) × max(0, Transparency) / 100 + ShadowTransparency).
  int EffectiveShadowTransparency() const;
  // The displacement of the shadow: ShadowOffset while the shadow is drawn, else 0.
  int shadowShift() const { return ShadowEnabled() ? ShadowOffset : 0; }

 private:
  TsHintManager& manager_;
  TsHintStyle style_ = hsEllipse;
  Bitmap texture_;
  bool shadowEnabled_ = false;
  tavra::Font font_ = systemFont();
};

}  // namespace tavra
