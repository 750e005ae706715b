#include "skin/data/SkinLoadSteps.h"

#include <memory>
#include <optional>

#include "skin/data/CommonSections.h"
#include "skin/data/GeneralDataFields.h"
#include "skin/data/Gradient.h"
#include "skin/data/IniStore.h"
#include "skin/data/MaskForms.h"
#include "skin/data/SkinColorAdjust.h"
#include "skin/data/SkinFiles.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinModelRepair.h"
#include "skin/data/SkinValues.h"
#include "skin/data/SkinWarnings.h"

namespace tavra {
namespace {

bool namesJpeg(std::string_view upperValue) {
  return containsText(upperValue, ".JPG") || containsText(upperValue, ".JPEG");
}

}  // namespace

Error inOption(const std::string& error, std::string_view section, std::string_view key) {
  return Error{error + " (section " + std::string(section) + ", key " + std::string(key) + ")"};
}

void runSkinVersionCheck(double version) {
  if (version > kNewestSupportedSkinVersion) SkinWarnings::show(SkinNoticeKind::Message, std::string(kSkinVersionNotice));
}

SkinStatus addCommonMasks(SkinModel& model, const std::vector<std::string>& lines) {
  if (lines.empty()) return skinOk();
  const IniStore common = IniStore::fromLines(lines);
  for (const IniStore::Section& section : common.sections()) {
    if (upperName(section.name) == "GLOBALINFO") continue;
    for (const IniStore::Entry& entry : section.entries) {
      const std::string value = common.readString(section.name, entry.key, "-");
      if (model.MasterBitmap.isEmpty() || !containsText(value, "#")) {
        if (!containsText(upperName(value), ".BMP")) continue;
        auto bytes = SkinFiles::readLoose(model.SkinData.SkinPath, value);
        if (!bytes) continue;
        Bitmap image = decodeSkinBmp(*bytes);
        if (image.width() == 0) continue;
        image.setFormat(PixelFormat::Bits24);
        // A whole BMP file, laid out as the same file named in a skin section would be.
        TsMaskData mask = plainFileMask(image.width(), image.height());
        mask.Image = std::make_unique<Bitmap>(std::move(image));
        mask.SectionName = upperName(section.name);
        mask.PropertyName = upperName(entry.key);
        mask.Owner = &model;
        model.Masks.push_back(std::move(mask));
      } else if (value != "#") {
        auto mask = parseMasterRegionMask(MaskForm::Region, value);
        if (!mask) return inOption(mask.error(), section.name, entry.key);
        mask->SectionName = upperName(section.name);
        mask->PropertyName = upperName(entry.key);
        mask->Owner = &model;
        model.Masks.push_back(std::move(mask.value()));
      }
    }
  }
  return skinOk();
}

void addCommonPatterns(SkinModel& model, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  const IniStore common = IniStore::fromLines(lines);
  for (const IniStore::Section& section : common.sections()) {
    for (const IniStore::Entry& entry : section.entries) {
      const std::string value = common.readString(section.name, entry.key, "");
      if (!namesJpeg(upperName(value))) continue;
      auto bytes = SkinFiles::readLoose(model.SkinData.SkinPath, value);
      if (!bytes) continue;
      Bitmap image = decodeSkinJpeg(*bytes);
      if (image.width() == 0) continue;
      model.Patterns.push_back(TsPatternData{.Image = std::make_unique<Bitmap>(std::move(image)),
                                             .SectionName = upperName(section.name),
                                             .PropertyName = upperName(entry.key)});
    }
  }
}

SkinStatus parseSectionGradients(TsGeneralData& section) {
  section.GradientSteps.clear();
  section.HotGradientSteps.clear();
  if (section.GradientData != " ") {
    auto steps = ParseGradient(section.GradientData);
    if (!steps) return inOption(steps.error(), section.SectionName, "GRADIENTDATA");
    section.GradientSteps = std::move(steps.value());
  }
  if (section.HotGradientData != " ") {
    auto steps = ParseGradient(section.HotGradientData);
    if (!steps) return inOption(steps.error(), section.SectionName, "HOTGRADIENTDATA");
    section.HotGradientSteps = std::move(steps.value());
  }
  return skinOk();
}

SkinStatus mergeCommonSections(SkinModel& model, const std::vector<std::string>& lines) {
  model.invalidateLookups();
  if (lines.empty()) return skinOk();
  const CommonSections common(lines);
  const TsGeneralData defaults;
  for (const CommonSections::Section& section : common.sections()) {
    if (model.FindSection(section.name) >= 0) continue;
    TsGeneralData record;
    record.SectionName = section.name;
    std::optional<std::string> parentClass = CommonSections::value(section, "PARENTCLASS");
    record.ParentClass = parentClass ? upperName(*parentClass) : "-1";
    std::optional<TsGeneralData> parent;
    for (const TsGeneralData& candidate : model.Sections) {
      if (upperName(candidate.SectionName) == record.ParentClass) {
        parent = candidate;
        break;
      }
    }
    const TsGeneralData& base = parent ? *parent : defaults;
    for (const GeneralDataField& field : generalDataFields()) {
      std::optional<std::string> value = CommonSections::value(section, field.key);
      switch (field.kind) {
        case FieldKind::Integer:
        case FieldKind::Color: {
          std::int32_t number = value ? readSkinInteger(*value, -1) : -1;
          if (number == -1) {
            copyField(record, base, field);
          } else {
            setIntegerField(record, field, number);
          }
          break;
        }
        case FieldKind::Text:
          if (!value || *value == "?") {
            copyField(record, base, field);
          } else {
            record.*field.text = *value;
          }
          break;
        case FieldKind::Boolean:
          if (!value || *value == "?") {
            copyField(record, base, field);
          } else {
            record.*field.boolean = upperName(*value) == "TRUE";
          }
          break;
      }
    }
    record.Color = resolveColor(record.Color);
    if (SkinStatus parsed = parseSectionGradients(record); !parsed) return parsed;
    model.Sections.push_back(std::move(record));
    model.invalidateLookups();
  }
  return skinOk();
}

void finishGeneralData(SkinModel& model, int hueOffset, int saturation) {
  AdjustSkinColors(model, hueOffset, saturation);
  model.invalidateLookups();
  model.LoadRepairs = repairSkinModel(model);
  model.FillBorderIndices();
  model.buildLookups();
}

}  // namespace tavra
