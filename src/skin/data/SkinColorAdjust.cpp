#include "skin/data/SkinColorAdjust.h"

#include <algorithm>
#include <cmath>

#include "skin/data/SkinModel.h"

namespace tavra {
namespace {

bool isKept(Color rgbColor) { return rgbColor == clFuchsia || (redOf(rgbColor) == greenOf(rgbColor) && greenOf(rgbColor) == blueOf(rgbColor)); }

int roundChannel(double v) { return std::clamp(static_cast<int>(std::nearbyint(v)), 0, 255); }

Color rotateHue(Color c, int degrees) {
  const double r = redOf(c), g = greenOf(c), b = blueOf(c);
  const double high = std::max({r, g, b});
  const double low = std::min({r, g, b});
  const double chroma = high - low;
  double hue = 0;
  if (high == r) {
    hue = 60.0 * ((g - b) / chroma);
  } else if (high == g) {
    hue = 60.0 * ((b - r) / chroma + 2.0);
  } else {
    hue = 60.0 * ((r - g) / chroma + 4.0);
  }
  hue = std::fmod(hue + degrees, 360.0);
  if (hue < 0) hue += 360.0;
  const double sector = hue / 60.0;
  const double x = chroma * (1.0 - std::fabs(std::fmod(sector, 2.0) - 1.0));
  double r1 = 0, g1 = 0, b1 = 0;
  switch (static_cast<int>(sector) % 6) {
    case 0: r1 = chroma; g1 = x; break;
    case 1: r1 = x; g1 = chroma; break;
    case 2: g1 = chroma; b1 = x; break;
    case 3: g1 = x; b1 = chroma; break;
    case 4: r1 = x; b1 = chroma; break;
    default: r1 = chroma; b1 = x; break;
  }
  return rgb(roundChannel(r1 + low), roundChannel(g1 + low), roundChannel(b1 + low));
}

Color desaturate(Color c, int amount) {
  const double mean = (redOf(c) + greenOf(c) + blueOf(c)) / 3.0;
  auto channel = [&](int v) { return roundChannel(v + amount * (mean - v) / 100.0); };
  return rgb(channel(redOf(c)), channel(greenOf(c)), channel(blueOf(c)));
}

// Applies `change` to the colour of every pixel, keeping alpha; runs of equal pixels reuse the
// previous result (skin images are mostly flat areas).
template <typename Change>
void changePixels(Bitmap& bitmap, Change&& change) {
  Pixel lastIn = 0, lastOut = 0;
  bool haveLast = false;
  for (int y = 0; y < bitmap.height(); ++y) {
    Pixel* line = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x) {
      const Pixel p = line[x];
      if (haveLast && p == lastIn) {
        line[x] = lastOut;
        continue;
      }
      const Color c = colorFromPixel(p);
      const Pixel out = isKept(c) ? p : pixelFromColor(change(c), alphaOf(p));
      lastIn = p;
      lastOut = out;
      haveLast = true;
      line[x] = out;
    }
  }
}

template <typename Change>
void changeModelColors(SkinModel& model, Change&& change) {
  auto colorValue = [&](Color& c) {
    if (c != kNoColor) c = change(c);
  };
  auto steps = [&](TsGradArray& array) {
    for (GradientStep& step : array) {
      colorValue(step.Color1);
      colorValue(step.Color2);
    }
  };
  for (TsGeneralData& section : model.Sections) {
    colorValue(section.Color);
    colorValue(section.HotColor);
    for (Color& c : section.FontColor) colorValue(c);
    for (Color& c : section.HotFontColor) colorValue(c);
    steps(section.GradientSteps);
    steps(section.HotGradientSteps);
  }
  Color shadow = static_cast<Color>(model.SkinData.Shadow1Color);
  colorValue(shadow);
  model.SkinData.Shadow1Color = static_cast<std::int32_t>(shadow);
  colorValue(model.SkinData.BorderColor);
}

}  // namespace

Color changeHue(Color color, int degrees) {
  if (color == kNoColor) return color;
  Color c = resolveColor(color);
  if (isKept(c)) return c;
  return rotateHue(c, degrees);
}

Color changeSaturation(Color color, int amount) {
  if (color == kNoColor) return color;
  Color c = resolveColor(color);
  if (isKept(c)) return c;
  return desaturate(c, amount);
}

void changeBitmapHue(Bitmap& bitmap, int degrees) {
  changePixels(bitmap, [degrees](Color c) { return rotateHue(c, degrees); });
}

void changeBitmapSaturation(Bitmap& bitmap, int amount) {
  changePixels(bitmap, [amount](Color c) { return desaturate(c, amount); });
}

void AdjustSkinColors(SkinModel& model, int hueOffset, int saturation) {
  if (hueOffset != 0) {
    changeBitmapHue(model.MasterBitmap, hueOffset);
    for (TsMaskData& mask : model.Masks) {
      if (mask.Image) changeBitmapHue(*mask.Image, hueOffset);
    }
    changeModelColors(model, [hueOffset](Color c) { return changeHue(c, hueOffset); });
  }
  if (saturation != 0) {
    changeBitmapSaturation(model.MasterBitmap, saturation);
    for (TsMaskData& mask : model.Masks) {
      if (mask.Image) changeBitmapSaturation(*mask.Image, saturation);
    }
    changeModelColors(model, [saturation](Color c) { return changeSaturation(c, saturation); });
  }
}

}  // namespace tavra
