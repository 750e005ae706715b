#include "skin/data/SkinModel.h"

#include <algorithm>
#include <limits>

#include "skin/data/SkinLimits.h"

namespace tavra {
namespace {

std::int16_t toIndex16(int index) {
  if (index < 0 || index > std::numeric_limits<std::int16_t>::max()) return -1;
  return static_cast<std::int16_t>(index);
}

int frameCount(const TsMaskData& mask) { return std::max<int>(mask.ImageCount, 1); }
int frameRows(const TsMaskData& mask) { return std::max<int>(mask.MaskType, 0) + 1; }

// A key of the section and property names that no two different pairs share.
std::string pairKey(std::string_view section, std::string_view key) {
  std::string out = std::to_string(section.size());
  out += ':';
  out += section;
  out += key;
  return out;
}

bool isNoneOf(Color c, std::initializer_list<Color> values) {
  return std::find(values.begin(), values.end(), c) == values.end();
}

}  // namespace

std::unique_ptr<SkinModel> SkinModel::clone() const {
  auto copy = std::make_unique<SkinModel>();
  copy->SkinData = SkinData;
  copy->MasterBitmap = MasterBitmap;
  copy->Sections = Sections;
  copy->CommonIndices = CommonIndices;
  copy->LoadRepairs = LoadRepairs;
  copy->Masks.reserve(Masks.size());
  for (const TsMaskData& m : Masks) {
    copy->Masks.push_back(TsMaskData{.Image = m.Image ? std::make_unique<Bitmap>(*m.Image) : nullptr,
                                     .SectionName = m.SectionName,
                                     .PropertyName = m.PropertyName,
                                     .Rect = m.Rect,
                                     .ImageCount = m.ImageCount,
                                     .MaskType = m.MaskType,
                                     .BorderWidth = m.BorderWidth,
                                     .StretchMode = m.StretchMode,
                                     .ImgType = m.ImgType,
                                     .Owner = m.Owner == this ? copy.get() : m.Owner,
                                     .WL = m.WL,
                                     .WT = m.WT,
                                     .WR = m.WR,
                                     .WB = m.WB});
  }
  copy->Patterns.reserve(Patterns.size());
  for (const TsPatternData& p : Patterns) {
    copy->Patterns.push_back(TsPatternData{.Image = p.Image ? std::make_unique<Bitmap>(*p.Image) : nullptr,
                                           .SectionName = p.SectionName,
                                           .PropertyName = p.PropertyName});
  }
  copy->buildLookups();
  return copy;
}

void SkinModel::clearModel() {
  Masks.clear();
  MasterBitmap = Bitmap();
  Patterns.clear();
  Sections.clear();
  LoadRepairs.clear();
  invalidateLookups();
}

void SkinModel::invalidateLookups() { lookups_ = Lookups{}; }

void SkinModel::buildLookups() { lookups(); }

const SkinModel::Lookups& SkinModel::lookups() const {
  Lookups& l = lookups_;
  if (l.built) return l;
  for (size_t i = 0; i < Sections.size(); ++i) l.sections.try_emplace(Sections[i].SectionName, static_cast<int>(i));
  for (size_t i = 0; i < Masks.size(); ++i) {
    std::string key = pairKey(Masks[i].SectionName, Masks[i].PropertyName);
    if (Masks[i].ImgType == TacImgType::itisaTexture) l.textures.try_emplace(key, static_cast<int>(i));
    l.masks.try_emplace(std::move(key), static_cast<int>(i));
  }
  for (size_t i = 0; i < Patterns.size(); ++i) {
    l.patterns.try_emplace(pairKey(Patterns[i].SectionName, Patterns[i].PropertyName), static_cast<int>(i));
  }
  l.built = true;
  return l;
}

int SkinModel::FindSection(std::string_view name) const {
  const Lookups& l = lookups();
  auto it = l.sections.find(std::string(name));
  return it == l.sections.end() ? -1 : it->second;
}

int SkinModel::findFirst(Candidates candidates, std::string_view sectionName, std::string_view key) const {
  const Lookups& l = lookups();
  const auto& index = candidates == Candidates::Patterns ? l.patterns
                      : candidates == Candidates::Textures ? l.textures
                                                           : l.masks;
  auto it = index.find(pairKey(sectionName, key));
  return it == index.end() ? -1 : it->second;
}

int SkinModel::findInherited(Candidates candidates, int sectionIndex, std::string_view sectionName, std::string_view key) const {
  // Every step moves to another section; a chain that comes back to a section it visited (A
  // names B, B names A) or grows too long is cut.
  const size_t maxSections = std::clamp<size_t>(Sections.size(), 1, kMaxParentChain);
  for (size_t visited = 0; visited < maxSections; ++visited) {
    if (sectionIndex < 0 || sectionName.empty()) return -1;
    if (int found = findFirst(candidates, sectionName, key); found >= 0) return found;
    if (sectionIndex >= static_cast<int>(Sections.size())) return -1;
    const std::string& parent = Sections[static_cast<size_t>(sectionIndex)].ParentClass;
    if (parent.empty() || parent == sectionName) return -1;
    int parentIndex = FindSection(parent);
    if (parentIndex < 0) return -1;
    sectionIndex = parentIndex;
    sectionName = Sections[static_cast<size_t>(parentIndex)].SectionName;
  }
  return -1;
}

int SkinModel::FindMask(int sectionIndex, std::string_view sectionName, std::string_view key) const {
  return findInherited(Candidates::AnyMask, sectionIndex, sectionName, key);
}

int SkinModel::FindTexture(int sectionIndex, std::string_view sectionName, std::string_view key) const {
  return findInherited(Candidates::Textures, sectionIndex, sectionName, key);
}

int SkinModel::FindPattern(int sectionIndex, std::string_view sectionName, std::string_view key) const {
  return findInherited(Candidates::Patterns, sectionIndex, sectionName, key);
}

int SkinModel::FindMaskExact(std::string_view sectionName, std::string_view key) const {
  if (sectionName.empty()) return -1;
  return findFirst(Candidates::AnyMask, sectionName, key);
}

bool SkinModel::IsValidSection(int index) const { return index >= 0 && index < static_cast<int>(Sections.size()); }
bool SkinModel::IsValidMask(int index) const { return index >= 0 && index < static_cast<int>(Masks.size()); }
bool SkinModel::IsValidPattern(int index) const { return index >= 0 && index < static_cast<int>(Patterns.size()); }

Size SkinModel::MaskFrameSize(int maskIndex) const {
  if (!IsValidMask(maskIndex)) return {};
  const TsMaskData& mask = Masks[static_cast<size_t>(maskIndex)];
  if (mask.Image) return {mask.Image->width() / 3, mask.Image->height() / 2};
  return {mask.Rect.width() / frameCount(mask), mask.Rect.height() / frameRows(mask)};
}

int SkinModel::MaskWidthLeft(int maskIndex) const {
  if (!IsValidMask(maskIndex)) return 0;
  const TsMaskData& mask = Masks[static_cast<size_t>(maskIndex)];
  if (mask.WL > 0) return mask.WL;
  if (mask.BorderWidth > 0) return mask.BorderWidth;
  return mask.Rect.width() / (frameCount(mask) * 3);
}

int SkinModel::MaskWidthRight(int maskIndex) const {
  if (!IsValidMask(maskIndex)) return 0;
  const TsMaskData& mask = Masks[static_cast<size_t>(maskIndex)];
  if (mask.WR > 0) return mask.WR;
  if (mask.BorderWidth > 0) return mask.BorderWidth;
  return mask.Rect.width() / (frameCount(mask) * 3);
}

int SkinModel::MaskWidthTop(int maskIndex) const {
  if (!IsValidMask(maskIndex)) return 0;
  const TsMaskData& mask = Masks[static_cast<size_t>(maskIndex)];
  if (mask.WT > 0) return mask.WT;
  if (mask.BorderWidth > 0) return mask.BorderWidth;
  return mask.Rect.height() / (frameRows(mask) * 3);
}

int SkinModel::MaskWidthBottom(int maskIndex) const {
  if (!IsValidMask(maskIndex)) return 0;
  const TsMaskData& mask = Masks[static_cast<size_t>(maskIndex)];
  if (mask.WB > 0) return mask.WB;
  if (mask.BorderWidth > 0) return mask.BorderWidth;
  return mask.Rect.height() / (frameRows(mask) * 3);
}

Color SkinModel::GlobalColor() const {
  if (IsValidSection(CommonIndices.GlobalInfo)) return resolveColor(Sections[static_cast<size_t>(CommonIndices.GlobalInfo)].Color);
  return resolveColor(clBtnFace);
}

Color SkinModel::GlobalFontColor() const {
  if (IsValidSection(CommonIndices.GlobalInfo)) {
    return resolveColor(Sections[static_cast<size_t>(CommonIndices.GlobalInfo)].FontColor[0]);
  }
  return clFuchsia;
}

Color SkinModel::GlobalHotColor() const {
  if (IsValidSection(CommonIndices.GlobalInfo)) {
    return resolveColor(Sections[static_cast<size_t>(CommonIndices.GlobalInfo)].HotColor);
  }
  return resolveColor(clWindow);
}

Color SkinModel::EditHotFontColor() const {
  int edit = FindSection("EDIT");
  if (edit < 0) return clFuchsia;
  return resolveColor(Sections[static_cast<size_t>(edit)].HotFontColor[0]);
}

Color SkinModel::MenuHighlightColor() const {
  int item = FindSection("MENUITEM");
  if (IsValidSection(item)) {
    Color hot = Sections[static_cast<size_t>(item)].HotColor;
    if (isNoneOf(hot, {kNoColor, clFuchsia, clWhite})) return resolveColor(hot);
  }
  return clHighlight;
}

Color SkinModel::MenuHighlightTextColor() const {
  int item = FindSection("MENUITEM");
  if (IsValidSection(item)) {
    const TsGeneralData& section = Sections[static_cast<size_t>(item)];
    Color text = section.HotFontColor[0];
    if (isNoneOf(text, {kNoColor, clFuchsia, clWhite, clBlack}) && isNoneOf(section.HotColor, {kNoColor, clFuchsia, clWhite})) {
      return resolveColor(text);
    }
  }
  return clHighlightText;
}

void SkinModel::FillBorderIndices() {
  for (size_t i = 0; i < Sections.size(); ++i) {
    TsGeneralData& section = Sections[i];
    if (section.SectionName == "GLOBALINFO") {
      section.BorderMask = section.CornerTopLeft = section.CornerTopRight = -1;
      section.CornerBottomLeft = section.CornerBottomRight = -1;
      continue;
    }
    int index = static_cast<int>(i);
    section.BorderMask = FindMask(index, section.SectionName, "BORDERSMASK");
    section.CornerTopLeft = FindMask(index, section.SectionName, "IMGTOPLEFT");
    section.CornerTopRight = FindMask(index, section.SectionName, "IMGTOPRIGHT");
    section.CornerBottomLeft = FindMask(index, section.SectionName, "IMGBTMLEFT");
    section.CornerBottomRight = FindMask(index, section.SectionName, "IMGBTMRIGHT");
  }
}

void SkinModel::CacheCommonIndices() {
  TsCommonIndices& c = CommonIndices;
  auto section = [this](std::string_view name) { return toIndex16(FindSection(name)); };
  auto mask = [this](int sectionIndex, std::string_view name, std::string_view key) {
    return toIndex16(FindMask(sectionIndex, name, key));
  };

  c.GlobalInfo = section("GLOBALINFO");
  {
    struct CheckKey { std::int16_t TsCommonIndices::*field; std::string_view key; };
    static constexpr CheckKey kCheckKeys[] = {
        {&TsCommonIndices::BoxChecked, "BOXCHECKED"},     {&TsCommonIndices::BoxUnchecked, "BOXUNCHECKED"},
        {&TsCommonIndices::BoxGrayed, "BOXGRAYED"},       {&TsCommonIndices::RadioChecked, "RADIOCHECKED"},
        {&TsCommonIndices::RadioUnchecked, "RADIOUNCHECKED"}, {&TsCommonIndices::RadioGrayed, "RADIOGRAYED"},
        {&TsCommonIndices::SmallChecked, "SMALLCHECKED"}, {&TsCommonIndices::SmallUnchecked, "SMALLUNCHECKED"},
        {&TsCommonIndices::SmallGrayed, "SMALLGRAYED"},
    };
    for (const CheckKey& k : kCheckKeys) c.*k.field = c.GlobalInfo >= 0 ? mask(c.GlobalInfo, "GLOBALINFO", k.key) : -1;
  }

  c.ComboBtn = FindSection("COMBOBTN");
  c.ComboBtnBorder = FindMaskExact("COMBOBTN", "BORDERSMASK");
  c.ComboBtnTexture = FindTexture(c.ComboBtn, "COMBOBTN", "PATTERN");
  c.ComboBtnHotTexture = FindTexture(c.ComboBtn, "COMBOBTN", "HOTPATTERN");
  c.ComboGlyph = FindMaskExact("COMBOBOX", "GLYPHMASK");

  c.TabTop = section("TABTOP");
  c.TabBottom = section("TABBOTTOM");
  c.TabLeft = section("TABLEFT");
  c.TabRight = section("TABRIGHT");
  c.TabTopBorder = mask(c.TabTop, "TABTOP", "BORDERSMASK");
  c.TabBottomBorder = mask(c.TabBottom, "TABBOTTOM", "BORDERSMASK");
  c.TabLeftBorder = mask(c.TabLeft, "TABLEFT", "BORDERSMASK");
  c.TabRightBorder = mask(c.TabRight, "TABRIGHT", "BORDERSMASK");

  c.ScrollBtnTop = section("SCROLLBTNTOP");
  c.ScrollBtnBottom = section("SCROLLBTNBOTTOM");
  c.ScrollBtnLeft = section("SCROLLBTNLEFT");
  c.ScrollBtnRight = section("SCROLLBTNRIGHT");
  c.SliderV = section("SCROLLSLIDERV");
  c.SliderH = section("SCROLLSLIDERH");

  // Each scroll part: its section field, its name and the fields its masks go to.
  struct ScrollPart {
    std::int16_t TsCommonIndices::*section;
    std::string_view name;
    std::int16_t TsCommonIndices::*border;
    std::int16_t TsCommonIndices::*glyph;
    std::int16_t TsCommonIndices::*texture;
    std::int16_t TsCommonIndices::*hotTexture;
  };
  static constexpr ScrollPart kButtons[] = {
      {&TsCommonIndices::ScrollBtnTop, "SCROLLBTNTOP", &TsCommonIndices::ScrollBtnTopBorder, &TsCommonIndices::ScrollBtnTopGlyph,
       &TsCommonIndices::ScrollBtnTopTexture, &TsCommonIndices::ScrollBtnTopHotTexture},
      {&TsCommonIndices::ScrollBtnBottom, "SCROLLBTNBOTTOM", &TsCommonIndices::ScrollBtnBottomBorder,
       &TsCommonIndices::ScrollBtnBottomGlyph, &TsCommonIndices::ScrollBtnBottomTexture, &TsCommonIndices::ScrollBtnBottomHotTexture},
      {&TsCommonIndices::ScrollBtnLeft, "SCROLLBTNLEFT", &TsCommonIndices::ScrollBtnLeftBorder, &TsCommonIndices::ScrollBtnLeftGlyph,
       &TsCommonIndices::ScrollBtnLeftTexture, &TsCommonIndices::ScrollBtnLeftHotTexture},
      {&TsCommonIndices::ScrollBtnRight, "SCROLLBTNRIGHT", &TsCommonIndices::ScrollBtnRightBorder,
       &TsCommonIndices::ScrollBtnRightGlyph, &TsCommonIndices::ScrollBtnRightTexture, &TsCommonIndices::ScrollBtnRightHotTexture},
  };
  static constexpr ScrollPart kSliderV = {&TsCommonIndices::SliderV, "SCROLLSLIDERV", &TsCommonIndices::SliderVBorder,
                                          &TsCommonIndices::SliderVGlyph, &TsCommonIndices::SliderVTexture,
                                          &TsCommonIndices::SliderVHotTexture};
  static constexpr ScrollPart kSliderH = {&TsCommonIndices::SliderH, "SCROLLSLIDERH", &TsCommonIndices::SliderHBorder,
                                          &TsCommonIndices::SliderHGlyph, &TsCommonIndices::SliderHTexture,
                                          &TsCommonIndices::SliderHHotTexture};
  auto borderAndGlyph = [&](const ScrollPart& part) {
    int index = c.*part.section;
    c.*part.border = mask(index, part.name, "BORDERSMASK");
    c.*part.glyph = index >= 0 ? mask(index, part.name, "GLYPHMASK") : -1;
  };
  auto textures = [&](const ScrollPart& part) {
    int index = c.*part.section;
    c.*part.texture = mask(index, part.name, "PATTERN");
    c.*part.hotTexture = mask(index, part.name, "HOTPATTERN");
  };
  for (const ScrollPart& part : kButtons) borderAndGlyph(part);
  borderAndGlyph(kSliderV);
  borderAndGlyph(kSliderH);
  for (const ScrollPart& part : kButtons) textures(part);
  textures(kSliderH);
  textures(kSliderV);

  struct ScrollBar {
    std::int16_t TsCommonIndices::*section;
    std::string_view name;
    std::int16_t TsCommonIndices::*border;
    std::int16_t TsCommonIndices::*texture;
    std::int16_t TsCommonIndices::*hotTexture;
  };
  static constexpr ScrollBar kBars[] = {
      {&TsCommonIndices::ScrollBar1H, "SCROLLBAR1H", &TsCommonIndices::ScrollBar1HBorder, &TsCommonIndices::ScrollBar1HTexture,
       &TsCommonIndices::ScrollBar1HHotTexture},
      {&TsCommonIndices::ScrollBar1V, "SCROLLBAR1V", &TsCommonIndices::ScrollBar1VBorder, &TsCommonIndices::ScrollBar1VTexture,
       &TsCommonIndices::ScrollBar1VHotTexture},
      {&TsCommonIndices::ScrollBar2H, "SCROLLBAR2H", &TsCommonIndices::ScrollBar2HBorder, &TsCommonIndices::ScrollBar2HTexture,
       &TsCommonIndices::ScrollBar2HHotTexture},
      {&TsCommonIndices::ScrollBar2V, "SCROLLBAR2V", &TsCommonIndices::ScrollBar2VBorder, &TsCommonIndices::ScrollBar2VTexture,
       &TsCommonIndices::ScrollBar2VHotTexture},
  };
  for (const ScrollBar& bar : kBars) c.*bar.section = section(bar.name);
  for (const ScrollBar& bar : kBars) c.*bar.border = mask(c.*bar.section, bar.name, "BORDERSMASK");
  for (const ScrollBar& bar : kBars) c.*bar.texture = mask(c.*bar.section, bar.name, "PATTERN");
  for (const ScrollBar& bar : kBars) c.*bar.hotTexture = mask(c.*bar.section, bar.name, "HOTPATTERN");
}

}  // namespace tavra
