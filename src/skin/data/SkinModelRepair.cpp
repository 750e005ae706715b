#include "skin/data/SkinModelRepair.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "skin/data/SkinModel.h"

namespace tavra {
namespace {

std::string rectText(const Rect& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + ")";
}

std::string sizeText(long long width, long long height) { return std::to_string(width) + "x" + std::to_string(height); }

class Repairs {
 public:
  explicit Repairs(std::vector<SkinRepair>& out) : out_(out) {}
  void note(std::string_view section, std::string_view key, std::string what) {
    out_.push_back(SkinRepair{std::string(section), std::string(key), std::move(what)});
  }

 private:
  std::vector<SkinRepair>& out_;
};

// Two opposite border widths that must fit `extent` together: negatives become 0; when their sum
// is larger, both shrink in proportion.
template <typename Note>
void fitOppositeWidths(std::int16_t& first, std::int16_t& second, int extent, const char* firstName, const char* secondName,
                       const char* direction, const Note& note) {
  const std::int16_t a = std::max<std::int16_t>(first, 0);
  const std::int16_t b = std::max<std::int16_t>(second, 0);
  long long fittedA = a, fittedB = b;
  if (a + b > extent) {
    fittedA = static_cast<long long>(a) * extent / (a + b);
    fittedB = static_cast<long long>(b) * extent / (a + b);
  }
  if (fittedA == first && fittedB == second) return;
  note(std::string(firstName) + " " + std::to_string(first) + " and " + secondName + " " + std::to_string(second) +
       " do not fit a frame " + std::to_string(extent) + " pixels " + direction + "; " + firstName + " " +
       std::to_string(fittedA) + ", " + secondName + " " + std::to_string(fittedB));
  first = static_cast<std::int16_t>(fittedA);
  second = static_cast<std::int16_t>(fittedB);
}

// False when the mask cannot be repaired and must go.
bool repairMask(TsMaskData& m, const Bitmap& source, Repairs& repairs) {
  const auto note = [&](std::string what) { repairs.note(m.SectionName, m.PropertyName, std::move(what)); };
  const long long pictureWidth = source.width();
  const long long pictureHeight = source.height();
  // A mask in a missing picture paints nothing and is kept as loaded.
  if (pictureWidth <= 0 || pictureHeight <= 0) return true;

  // Small JPEG textures are the whole of their own image and keep an empty rectangle.
  const bool wholeOwnImage = m.Image && m.Rect == Rect{};
  if (!wholeOwnImage) {
    const Rect r = m.Rect;
    if (r.right < r.left || r.bottom < r.top) {
      note("the rectangle " + rectText(r) + " is inverted; the key counts as missing");
      return false;
    }
    if (r.right == r.left || r.bottom == r.top) {
      note("the rectangle " + rectText(r) + " is empty; the key counts as missing");
      return false;
    }
    const Rect cut{std::max(r.left, 0), std::max(r.top, 0), static_cast<int>(std::min<long long>(r.right, pictureWidth)),
                   static_cast<int>(std::min<long long>(r.bottom, pictureHeight))};
    if (cut.right <= cut.left || cut.bottom <= cut.top) {
      note("the rectangle " + rectText(r) + " lies outside the picture (" + sizeText(pictureWidth, pictureHeight) +
           "); the key counts as missing");
      return false;
    }
    if (cut != r) {
      note("the rectangle " + rectText(r) + " reaches outside the picture (" + sizeText(pictureWidth, pictureHeight) +
           "); cut to " + rectText(cut));
      m.Rect = cut;
    }
  }
  const int width = wholeOwnImage ? static_cast<int>(pictureWidth) : m.Rect.width();
  const int height = wholeOwnImage ? static_cast<int>(pictureHeight) : m.Rect.height();

  if (m.ImageCount < 1 || m.ImageCount > width) {
    const int count = std::clamp<int>(m.ImageCount, 1, width);
    note(std::to_string(m.ImageCount) + " frames do not fit a width of " + std::to_string(width) + " pixels; " +
         std::to_string(count));
    m.ImageCount = static_cast<std::int16_t>(count);
  }
  if (m.MaskType < 0 || m.MaskType + 1 > height) {
    const int type = std::clamp<int>(m.MaskType, 0, height - 1);
    note("mask type " + std::to_string(m.MaskType) + " does not fit a height of " + std::to_string(height) +
         " pixels; " + std::to_string(type));
    m.MaskType = static_cast<std::int16_t>(type);
  }
  if (wholeOwnImage) return true;

  const int frameWidth = width / m.ImageCount;
  const int frameHeight = height / (m.MaskType + 1);
  fitOppositeWidths(m.WL, m.WR, frameWidth, "WL", "WR", "wide", note);
  fitOppositeWidths(m.WT, m.WB, frameHeight, "WT", "WB", "high", note);
  // The border width stands for a side whose own width is 0: it must fit both directions.
  const int borderLimit = std::min(frameWidth, frameHeight) / 2;
  if (m.BorderWidth < 0 || m.BorderWidth > borderLimit) {
    const int fitted = std::clamp<int>(m.BorderWidth, 0, borderLimit);
    note("border width " + std::to_string(m.BorderWidth) + " does not fit a frame of " +
         sizeText(frameWidth, frameHeight) + "; " + std::to_string(fitted));
    m.BorderWidth = static_cast<std::int16_t>(fitted);
  }
  return true;
}

void repairMasks(SkinModel& model, Repairs& repairs) {
  TsMaskArray kept;
  kept.reserve(model.Masks.size());
  for (TsMaskData& mask : model.Masks) {
    const Bitmap& source = mask.Image ? *mask.Image : model.MasterBitmap;
    if (repairMask(mask, source, repairs)) kept.push_back(std::move(mask));
  }
  const bool removed = kept.size() != model.Masks.size();
  model.Masks = std::move(kept);
  if (removed) model.invalidateLookups();
}

void limitInteger(std::int32_t& value, std::int32_t low, std::int32_t high, std::string_view section, std::string_view key,
                  Repairs& repairs) {
  if (value >= low && value <= high) return;
  const std::int32_t limited = std::clamp(value, low, high);
  repairs.note(section, key, std::to_string(value) + " is outside " + std::to_string(low) + ".." + std::to_string(high) +
                                 "; " + std::to_string(limited));
  value = limited;
}

void limitSteps(TsGradArray& steps, std::string_view section, std::string_view key, Repairs& repairs) {
  if (steps.size() <= static_cast<size_t>(kMaxGradientSteps)) return;
  repairs.note(section, key, std::to_string(steps.size()) + " gradient steps; the first " + std::to_string(kMaxGradientSteps) + " are kept");
  steps.resize(kMaxGradientSteps);
}

// The largest glow margin the section's glow picture allows: half its smaller frame side.
int glowMarginLimit(const SkinModel& model, const TsGeneralData& section) {
  const int mask = model.FindMaskExact(section.SectionName, "GLOW0");
  if (!model.IsValidMask(mask)) return kMaxHeaderGlowMargin;
  const TsMaskData& glow = model.Masks[static_cast<size_t>(mask)];
  const int frameWidth = glow.Rect.width() / std::max<int>(glow.ImageCount, 1);
  const int frameHeight = glow.Rect.height() / (std::max<int>(glow.MaskType, 0) + 1);
  return std::max(0, std::min(frameWidth, frameHeight) / 2);
}

void repairSections(SkinModel& model, Repairs& repairs) {
  for (TsGeneralData& s : model.Sections) {
    const std::string_view name = s.SectionName;
    limitInteger(s.Transparency, 0, 100, name, "TRANSPARENCY", repairs);
    limitInteger(s.HotTransparency, 0, 100, name, "HOTTRANSPARENCY", repairs);
    limitInteger(s.GradientPercent, 0, 100, name, "GRADIENTPERCENT", repairs);
    limitInteger(s.HotGradientPercent, 0, 100, name, "HOTGRADIENTPERCENT", repairs);
    limitInteger(s.ImagePercent, 0, 100, name, "IMAGEPERCENT", repairs);
    limitInteger(s.HotImagePercent, 0, 100, name, "HOTIMAGEPERCENT", repairs);
    limitInteger(s.FadingIterations, 0, kMaxFadingIterations, name, "FADINGITERATIONS", repairs);
    limitInteger(s.GlowMargin, 0, glowMarginLimit(model, s), name, "GLOWMARGIN", repairs);
    limitSteps(s.GradientSteps, name, "GRADIENTDATA", repairs);
    limitSteps(s.HotGradientSteps, name, "HOTGRADIENTDATA", repairs);
  }
}

void repairHeader(TsSkinData& header, Repairs& repairs) {
  constexpr std::string_view kGlobal = "GLOBALINFO";
  limitInteger(header.Shadow1Blur, -1, kMaxShadowBlur, kGlobal, "SHADOW1BLUR", repairs);
  limitInteger(header.Shadow1Offset, -kMaxShadowOffset, kMaxShadowOffset, kGlobal, "SHADOW1OFFSET", repairs);
  limitInteger(header.Shadow1Transparency, 0, 100, kGlobal, "SHADOW1TRANSPARENCY", repairs);
  limitInteger(header.BISpace, -kMaxCaptionButtonSpacing, kMaxCaptionButtonSpacing, kGlobal, "BISPACE", repairs);
  limitInteger(header.BIVAlign, -kMaxCaptionButtonSpacing, kMaxCaptionButtonSpacing, kGlobal, "BIVALIGN", repairs);
  limitInteger(header.BILeft, -kMaxCaptionButtonSpacing, kMaxCaptionButtonSpacing, kGlobal, "BILEFT", repairs);
  limitInteger(header.BIRight, -kMaxCaptionButtonSpacing, kMaxCaptionButtonSpacing, kGlobal, "BIRIGHT", repairs);
  limitInteger(header.BICloseGlowMargin, 0, kMaxHeaderGlowMargin, kGlobal, "BICONCLOSEGLOWMARGIN", repairs);
  limitInteger(header.BIMaxGlowMargin, 0, kMaxHeaderGlowMargin, kGlobal, "BICONMAXGLOWMARGIN", repairs);
  limitInteger(header.BIMinGlowMargin, 0, kMaxHeaderGlowMargin, kGlobal, "BICONMINGLOWMARGIN", repairs);
}

}  // namespace

std::vector<SkinRepair> repairSkinModel(SkinModel& model) {
  std::vector<SkinRepair> out;
  Repairs repairs(out);
  repairHeader(model.SkinData, repairs);
  repairMasks(model, repairs);
  repairSections(model, repairs);
  return out;
}

}  // namespace tavra
