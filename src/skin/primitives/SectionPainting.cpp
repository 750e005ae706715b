#include "skin/primitives/SectionPainting.h"

#include <algorithm>

#include "skin/data/Gradient.h"
#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/primitives/TextureFill.h"

namespace tavra {

namespace {

int weight(int percent) { return std::clamp(percent * 255 / 100, 0, 255); }

void fillRect(const ClippedRows& target, const Rect& r, Color c) {
  const Pixel p = pixelFromColor(resolveColor(c)) & 0x00FFFFFFu;
  target.forEachSpan(r, [p](int, int x0, int x1, Pixel* out) {
    for (int i = 0; i < x1 - x0; ++i) out[i] = p | (out[i] & 0xFF000000u);
  });
}

// r of the target := the view's background under it (its bitmap at the view position, or its
// colour); a view on the target's own bitmap leaves it as it is.
void copyBackground(const ClippedRows& target, const Rect& r, const TsCacheView& view) {
  if (!view.Ready) {
    fillRect(target, r, view.FillColor);
    return;
  }
  if (!view.Bitmap || view.Bitmap == &target.bitmap()) return;
  target.forEachSpan(r, [&](int y, int x0, int x1, Pixel* out) {
    for (int x = x0; x < x1; ++x) {
      if (const Pixel* v = view.pixelAt(x, y)) out[x - x0] = (*v & 0x00FFFFFFu) | (out[x - x0] & 0xFF000000u);
    }
  });
}

// The gradient (or the plain colour when it has no steps) over r.
void paintGradientOrColor(const ClippedRows& target, const Rect& r, const SectionLook& look) {
  if (!look.gradient || look.gradient->empty()) {
    fillRect(target, r, look.color);
    return;
  }
  Bitmap band(r.width(), r.height());
  PaintGradient(band, band.bounds(), *look.gradient);
  CopyBitmap(target, band, r.topLeft());
}

// The look itself (texture, gradient, colour) into r, the view being the parent's background
// under r. Painted straight into the target (no parent background to blend with), a transparent
// section whose parent is not known fills with the view's colour, clFuchsia: the cache then
// marks those pixels as not its own. Painted apart for blending, the look keeps its colour.
enum class LookTarget { Direct, ForBlending };
void paintLook(const SkinModel& model, const SectionLook& look, const TsCacheView& view, const ClippedRows& target,
               const Rect& r, LookTarget where) {
  const int i = look.imagePercent;
  const int g = look.gradientPercent;
  bool textured = false;
  if (i > 0) {
    if (look.picture) {
      FillTexture(target, r, look.picture, 0, model, -1);
      textured = true;
    } else if (look.maskedTexture >= 0) {
      const int mode = model.Masks[static_cast<size_t>(look.maskedTexture)].StretchMode;
      FillMaskedTexture(target, r, view, mode, model, look.maskedTexture);
      textured = true;
    } else if (look.texture >= 0) {
      const int mode = model.Masks[static_cast<size_t>(look.texture)].StretchMode;
      const Rect rest = FillTexture(target, r, nullptr, mode, model, look.texture);
      fillRect(target, rest.intersected(r), look.color);
      textured = true;
    }
  }
  if (g > 0) {
    if (textured) {
      // The texture keeps I percent of the gradient painted over it.
      Bitmap band(r.width(), r.height());
      if (look.gradient && !look.gradient->empty()) PaintGradient(band, band.bounds(), *look.gradient);
      else band.fill(pixelFromColor(resolveColor(look.color)));
      BlendBitmaps(target, band, weight(i), r.topLeft(), band.bounds());
    } else {
      paintGradientOrColor(target, r, look);
    }
  }
  const int shown = i + g;
  if (shown == 0) {
    const bool unknownParent = where == LookTarget::Direct && !view.Ready && look.transparency != 0;
    fillRect(target, r, unknownParent ? view.FillColor : look.color);
  } else if (shown <= 99) {
    MixIntoRect(target, r, shown, look.color);
  }
}

bool isAlphaMask(const SkinModel& model, int index) {
  return model.IsValidMask(index) && model.Masks[static_cast<size_t>(index)].MaskType != 0;
}

}  // namespace

SectionLook sectionLook(const SkinModel& model, int sectionIndex, int state, Color customColor, int texture, int hotTexture) {
  SectionLook look;
  const TsGeneralData& s = model.Sections[static_cast<size_t>(sectionIndex)];
  if (customColor != clFuchsia) {
    look.color = customColor;
    return look;
  }
  int given = texture;
  std::string_view key = "PATTERN";
  if (state != 0) {
    look.color = s.HotColor;
    look.transparency = s.HotTransparency;
    if (look.transparency != 100) {
      look.imagePercent = s.HotImagePercent;
      look.gradientPercent = s.HotGradientPercent;
    }
    look.gradient = &s.HotGradientSteps;
    given = hotTexture;
    key = "HOTPATTERN";
  } else {
    look.color = s.Color;
    look.transparency = s.Transparency;
    look.imagePercent = s.ImagePercent;
    look.gradientPercent = s.GradientPercent;
    look.gradient = &s.GradientSteps;
  }
  int index = -1;
  if (given != -1) {
    if (model.IsValidMask(given) && !isAlphaMask(model, given)) index = given;
  } else {
    index = model.FindMask(sectionIndex, s.SectionName, key);
  }
  if (model.IsValidMask(index)) {
    (isAlphaMask(model, index) ? look.maskedTexture : look.texture) = index;
  } else if (int pattern = model.FindPattern(sectionIndex, s.SectionName, key); model.IsValidPattern(pattern)) {
    look.picture = model.Patterns[static_cast<size_t>(pattern)].Image.get();
  }
  return look;
}

void PaintSectionBackground(const SkinModel& model, int sectionIndex, const TsCacheView& view, Color customColor,
                            int hotTexture, int texture, const ClippedRows& target, Point offset, const Rect& r, int state) {
  if (!model.IsValidSection(sectionIndex) || r.isEmpty()) return;
  const SectionLook look = sectionLook(model, sectionIndex, state, customColor, texture, hotTexture);
  const TsCacheView under = view.offsetBy(offset.x, offset.y);
  const int t = look.transparency;
  if ((view.Ready || view.FillColor != clFuchsia) && t != 0) {
    if (t >= 100) {
      copyBackground(target, r, under);
    } else {
      // The look apart, then blended over the parent's background: the parent keeps T percent.
      Bitmap own(r.width(), r.height());
      paintLook(model, look, under.offsetBy(r.left, r.top), ClippedRows(own), own.bounds(), LookTarget::ForBlending);
      copyBackground(target, r, under);
      BlendBitmaps(target, own, weight(t), r.topLeft(), own.bounds());
    }
  } else {
    paintLook(model, look, under, target, r, LookTarget::Direct);
  }
  if (state == 0) {
    // Alpha-mask textures of fill mode 10 are laid once more over the finished background.
    const int hot = hotTexture != -1 ? hotTexture : model.FindMask(sectionIndex, model.Sections[static_cast<size_t>(sectionIndex)].SectionName, "HOTPATTERN");
    int overlay = -1;
    if (look.maskedTexture >= 0 && model.Masks[static_cast<size_t>(look.maskedTexture)].StretchMode == 10) overlay = look.maskedTexture;
    else if (look.maskedTexture < 0 && isAlphaMask(model, hot) && model.Masks[static_cast<size_t>(hot)].StretchMode == 10) overlay = hot;
    if (overlay >= 0 && customColor == clFuchsia) FillMaskedTexture(target, r, under, 10, model, overlay);
  }
}

TsCacheView viewOfTarget(const ClippedRows& target) {
  return TsCacheView{.Bitmap = &target.bitmap(), .X = target.origin().x, .Y = target.origin().y, .FillColor = clFuchsia, .Ready = true};
}

void DrawSectionCorners(const SkinModel& model, int sectionIndex, const ClippedRows& target, const Rect& r, int state) {
  const TsGeneralData& s = model.Sections[static_cast<size_t>(sectionIndex)];
  const TsCacheView self = viewOfTarget(target);
  auto corner = [&](int mask, auto position) {
    const MaskFrame f = maskFrame(model, mask, state);
    if (!f.valid()) return;
    DrawMaskImage(target, position(Size{f.frameWidth, f.frameHeight}), state, self, model, mask, MaskOpacity::Opaque);
  };
  corner(s.CornerTopLeft, [&](Size) { return Point{r.left, r.top}; });
  corner(s.CornerTopRight, [&](Size f) { return Point{r.right - f.width, r.top}; });
  corner(s.CornerBottomLeft, [&](Size f) { return Point{r.left, r.bottom - f.height}; });
  corner(s.CornerBottomRight, [&](Size f) { return Point{r.right - f.width, r.bottom - f.height}; });
}

void PaintSection(const SkinModel& model, int sectionIndex, const TsCacheView& view, int texture, int hotTexture,
                  const ClippedRows& target, Point offset, const Rect& r, int state, CentreFill centre) {
  if (r.isEmpty() || !model.IsValidSection(sectionIndex)) return;
  if (!target.bitmap().bounds().contains(r.offsetBy(target.origin()))) return;
  PaintSectionBackground(model, sectionIndex, view, clFuchsia, hotTexture, texture, target, offset, r, state);
  DrawSectionCorners(model, sectionIndex, target, r, state);
  const int border = model.Sections[static_cast<size_t>(sectionIndex)].BorderMask;
  if (model.IsValidMask(border)) {
    DrawBorderMask(target, r, centre, CornersFromParent::Yes, state, model, border, view.offsetBy(offset.x, offset.y));
  }
}

}  // namespace tavra
