#include "skin/data/StoredSkinLoader.h"

#include <algorithm>
#include <memory>
#include <sstream>

#include "skin/data/SkinLoadSteps.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinValues.h"
#include "skin/data/TsStoredSkins.h"

namespace tavra {
namespace {

// Five blank-separated integers, or the defaults.
FontColors fontColorsFromText(const std::string& text) {
  std::istringstream words(text);
  std::string word;
  FontColors colors = kDefaultFontColors;
  size_t count = 0;
  while (words >> word) {
    auto value = parseSkinInteger(word);
    if (!value || count == colors.size()) return kDefaultFontColors;
    colors[count++] = static_cast<Color>(*value);
  }
  return count == colors.size() ? colors : kDefaultFontColors;
}

}  // namespace

const TsStoredSkin* StoredSkinLoader::storedSkin() const {
  return input_.InternalSkins ? input_.InternalSkins->find(input_.SkinName) : nullptr;
}

SkinStatus StoredSkinLoader::LoadMasks() {
  model_.Masks.clear();
  model_.MasterBitmap = Bitmap();
  const TsStoredSkin* skin = storedSkin();
  if (!skin) return skinOk();
  model_.MasterBitmap = skin->MasterBitmap.copy(skin->MasterBitmap.bounds());
  model_.MasterBitmap.setFormat(PixelFormat::Bits24);
  model_.MasterBitmap.transparent = true;
  model_.MasterBitmap.transparentColor = clFuchsia;

  for (const TsSkinImage& item : skin->Images) {
    TsMaskData mask;
    if (item.Image && !item.Name.empty()) {
      mask.Image = std::make_unique<Bitmap>(item.Image->copy(item.Image->bounds()));
      mask.Image->setFormat(PixelFormat::Bits24);
      mask.Rect = mask.Image->bounds();
    } else {
      mask.Rect = {item.Left, item.Top, item.Right, item.Bottom};
    }
    mask.PropertyName = upperName(item.PropertyName);
    mask.SectionName = upperName(item.SectionName);
    mask.ImageCount = item.ImageCount;
    mask.MaskType = item.MaskType;
    mask.BorderWidth = item.BorderWidth;
    mask.StretchMode = item.StretchMode;
    mask.ImgType = static_cast<TacImgType>(std::min<int>(item.ImgType, 3));
    mask.WL = item.WL;
    mask.WT = item.WT;
    mask.WR = item.WR;
    mask.WB = item.WB;
    if (mask.ImageCount == 0) {
      mask.ImageCount = 3;
      mask.MaskType = 1;
    }
    mask.ImageCount = std::max<std::int16_t>(mask.ImageCount, 1);
    mask.MaskType = std::max<std::int16_t>(mask.MaskType, 0);
    applyWidthRule(mask);
    mask.Owner = &model_;
    model_.Masks.push_back(std::move(mask));
  }
  return addCommonMasks(model_, input_.CommonSections);
}

SkinStatus StoredSkinLoader::LoadPatterns() {
  model_.Patterns.clear();
  const TsStoredSkin* skin = storedSkin();
  if (!skin) return skinOk();
  for (const TsSkinPattern& item : skin->Patterns) {
    const Bitmap* image = nullptr;
    if (item.Image && !item.Image->isEmpty()) {
      image = &*item.Image;
    } else {
      for (const TsSkinPattern& other : skin->Patterns) {
        if (&other != &item && other.Name == item.Name && other.Image && !other.Image->isEmpty()) {
          image = &*other.Image;
          break;
        }
      }
    }
    model_.Patterns.push_back(TsPatternData{.Image = image ? std::make_unique<Bitmap>(image->copy(image->bounds())) : nullptr,
                                            .SectionName = upperName(item.SectionName),
                                            .PropertyName = upperName(item.PropertyName)});
  }
  addCommonPatterns(model_, input_.CommonSections);
  return skinOk();
}

SkinStatus StoredSkinLoader::LoadGeneralData() {
  const TsStoredSkin* skin = storedSkin();
  if (!skin) return skinOk();
  TsSkinData& header = model_.SkinData;
  header.Version = skin->Version;
  header.Author = skin->Author;
  header.Description = skin->Description;
  header.Shadow1Color = skin->Shadow1Color;
  header.Shadow1Offset = skin->Shadow1Offset;
  header.Shadow1Blur = skin->Shadow1Blur;
  header.Shadow1Transparency = skin->Shadow1Transparency;
  header.BorderColor = skin->BorderColor;
  runSkinVersionCheck(header.Version);

  model_.Sections.clear();
  for (const TsSkinGeneral& item : skin->GeneralData) {
    TsGeneralData record;
    record.SectionName = item.SectionName;
    record.ParentClass = item.ParentClass;
    record.Color = item.Color;
    record.ReservedBoolean = item.ReservedBoolean;
    record.GiveOwnFont = item.GiveOwnFont;
    record.GlowCount = item.GlowCount;
    record.GlowMargin = item.GlowMargin;
    record.Transparency = item.Transparency;
    record.GradientPercent = item.GradientPercent;
    record.ImagePercent = item.ImagePercent;
    record.GradientData = item.GradientData;
    record.ShowFocus = item.ShowFocus;
    record.FadingEnabled = item.FadingEnabled;
    record.FadingIterations = item.FadingIterations;
    record.HotColor = item.HotColor;
    record.HotTransparency = item.HotTransparency;
    record.HotGradientPercent = item.HotGradientPercent;
    record.HotGradientData = item.HotGradientData;
    record.HotImagePercent = item.HotImagePercent;
    record.FontColor = fontColorsFromText(item.FontColor);
    record.HotFontColor = fontColorsFromText(item.HotFontColor);
    if (SkinStatus parsed = parseSectionGradients(record); !parsed) return parsed;
    model_.Sections.push_back(std::move(record));
  }
  if (SkinStatus merged = mergeCommonSections(model_, input_.CommonSections); !merged) return merged;
  finishGeneralData(model_, input_.HueOffset, input_.Saturation);
  return skinOk();
}

}  // namespace tavra
