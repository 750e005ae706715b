#include "skin/data/SkinLoader.h"

#include <memory>

#include "skin/data/GeneralDataFields.h"
#include "skin/data/IniStore.h"
#include "skin/data/InheritedReader.h"
#include "skin/data/MaskForms.h"
#include "skin/data/SkinFiles.h"
#include "skin/data/SkinLoadSteps.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinValues.h"
#include "skin/data/StoredSkinLoader.h"

namespace tavra {
namespace {

constexpr int kPatternMinPixels = 90000;

bool namesJpeg(std::string_view upperValue) {
  return containsText(upperValue, ".JPG") || containsText(upperValue, ".JPEG");
}

}  // namespace

SkinStatus SkinLoader::LoadAll() {
  model_.invalidateLookups();
  if (SkinStatus status = LoadMasks(); !status) return status;
  if (SkinStatus status = LoadPatterns(); !status) return status;
  return LoadGeneralData();
}

SkinStatus SkinLoader::LoadMasks() {
  if (!input_.options) return StoredSkinLoader(model_, input_).LoadMasks();
  const IniStore& store = *input_.options;
  model_.Masks.clear();
  model_.MasterBitmap = Bitmap();

  const SkinFiles files(input_.package, model_.SkinData.SkinPath);
  const std::string masterName = store.readString("GLOBALINFO", "MASTERBITMAP", "");
  if (auto bytes = files.read(masterName, masterName)) model_.MasterBitmap = decodeSkinBmp(*bytes);
  model_.MasterBitmap.setFormat(PixelFormat::Bits24);
  model_.MasterBitmap.transparent = true;
  model_.MasterBitmap.transparentColor = clFuchsia;

  for (const IniStore::Section& section : store.sections()) {
    for (const IniStore::Entry& entry : section.entries) {
      if (section.name == "GLOBALINFO" && entry.key == "MASTERBITMAP") continue;
      const std::string* value = store.findValue(section.name, entry.key);
      if (SkinStatus status = appendMask(section.name, entry.key, value ? *value : std::string()); !status) return status;
    }
  }
  return addCommonMasks(model_, input_.CommonSections);
}

SkinStatus SkinLoader::appendMask(const std::string& section, const std::string& key, const std::string& value) {
  const MaskForm form = maskFormOf(value);
  TsMaskData mask;
  switch (form) {
    case MaskForm::None: return skinOk();
    case MaskForm::Border:
    case MaskForm::Glyph:
    case MaskForm::Texture:
    case MaskForm::Region: {
      auto parsed = parseMasterRegionMask(form, value);
      if (!parsed) return inOption(parsed.error(), section, key);
      mask = std::move(parsed.value());
      break;
    }
    case MaskForm::OwnImage: {
      auto parsed = parseOwnImageValue(value);
      if (!parsed) return inOption(parsed.error(), section, key);
      if (!parsed->has_value()) return skinOk();
      const OwnImageValue& own = **parsed;
      auto bytes = SkinFiles(input_.package, model_.SkinData.SkinPath).read(own.fileName, own.fileName);
      if (!bytes) return skinOk();
      Bitmap image = own.isPng ? decodeSkinPng(*bytes) : decodeSkinBmp(*bytes);
      if (image.width() == 0) return skinOk();
      if (own.isPng) {
        clearWhitePixels(image);
      } else if (own.ImgType != TacImgType::itisaTexture) {
        image.setFormat(PixelFormat::Bits24);
      }
      mask = ownImageMask(own, image.width(), image.height());
      mask.Image = std::make_unique<Bitmap>(std::move(image));
      break;
    }
    case MaskForm::PlainFile: {
      auto bytes = SkinFiles(input_.package, model_.SkinData.SkinPath).read(upperName(value), value);
      if (!bytes) return skinOk();
      Bitmap image = decodeSkinBmp(*bytes);
      if (image.width() == 0) return skinOk();
      image.setFormat(PixelFormat::Bits24);
      mask = plainFileMask(image.width(), image.height());
      mask.Image = std::make_unique<Bitmap>(std::move(image));
      break;
    }
  }
  // The forms that name a region or an image file keep the names as the file spells them;
  // whole files and "#" regions keep them upper-cased.
  const bool upper = form == MaskForm::PlainFile || form == MaskForm::Region;
  mask.SectionName = upper ? upperName(section) : section;
  mask.PropertyName = upper ? upperName(key) : key;
  mask.Owner = &model_;
  model_.Masks.push_back(std::move(mask));
  return skinOk();
}

SkinStatus SkinLoader::LoadPatterns() {
  if (!input_.options) return StoredSkinLoader(model_, input_).LoadPatterns();
  const IniStore& store = *input_.options;
  model_.Patterns.clear();
  const SkinFiles files(input_.package, model_.SkinData.SkinPath);
  for (const IniStore::Section& section : store.sections()) {
    for (const IniStore::Entry& entry : section.entries) {
      const std::string* value = store.findValue(section.name, entry.key);
      if (!value) continue;
      const std::string upperValue = upperName(*value);
      if (!namesJpeg(upperValue)) continue;
      auto bytes = files.read(upperValue, *value);
      if (!bytes) continue;
      Bitmap image = decodeSkinJpeg(*bytes);
      if (image.width() == 0) continue;
      image.setFormat(PixelFormat::Bits24);
      if (static_cast<long long>(image.width()) * image.height() >= kPatternMinPixels) {
        model_.Patterns.push_back(TsPatternData{.Image = std::make_unique<Bitmap>(std::move(image)),
                                                .SectionName = upperName(section.name),
                                                .PropertyName = upperName(entry.key)});
      } else {
        TsMaskData mask;
        mask.Image = std::make_unique<Bitmap>(std::move(image));
        mask.ImgType = TacImgType::itisaTexture;
        mask.ImageCount = 1;
        mask.SectionName = upperName(section.name);
        mask.PropertyName = upperName(entry.key);
        mask.Owner = &model_;
        model_.Masks.push_back(std::move(mask));
      }
    }
  }
  addCommonPatterns(model_, input_.CommonSections);
  return skinOk();
}

SkinStatus SkinLoader::readHeader() {
  const IniStore& store = *input_.options;
  TsSkinData& header = model_.SkinData;
  const int global = store.findSection("GLOBALINFO");
  auto text = [&](std::string_view key, std::string_view fallback) {
    const std::string* value = store.findValue(global, key);
    return value ? *value : std::string(fallback);
  };
  auto tolerant = [&](std::string_view key) { return readSkinInteger(text(key, "0"), 0); };

  header.Version = readSkinNumber(text("VERSION", "0"));
  header.Author = text("AUTHOR", "");
  header.Description = text("DESCRIPTION", "");
  header.Shadow1Color = tolerant("SHADOW1COLOR");
  header.BISpace = tolerant("BISPACE");
  header.BIVAlign = tolerant("BIVALIGN");
  header.BIRight = tolerant("BIRIGHT");
  header.BILeft = tolerant("BILEFT");
  header.BorderColor = static_cast<Color>(tolerant("BORDERCOLOR"));

  struct StrictKey {
    std::string_view key;
    std::string_view fallback;
    std::int32_t TsSkinData::*field;
  };
  static constexpr StrictKey kStrictKeys[] = {
      {"SHADOW1OFFSET", "0", &TsSkinData::Shadow1Offset},
      {"SHADOW1BLUR", "-1", &TsSkinData::Shadow1Blur},
      {"SHADOW1TRANSPARENCY", "0", &TsSkinData::Shadow1Transparency},
      {"BICONCLOSEGLOW", "0", &TsSkinData::BICloseGlow},
      {"BICONCLOSEGLOWMARGIN", "0", &TsSkinData::BICloseGlowMargin},
      {"BICONMAXGLOW", "0", &TsSkinData::BIMaxGlow},
      {"BICONMAXGLOWMARGIN", "0", &TsSkinData::BIMaxGlowMargin},
      {"BICONMINGLOW", "0", &TsSkinData::BIMinGlow},
      {"BICONMINGLOWMARGIN", "0", &TsSkinData::BIMinGlowMargin},
  };
  for (const StrictKey& strict : kStrictKeys) {
    auto value = convertSkinInteger(text(strict.key, strict.fallback));
    if (!value) return inOption(value.error(), "GLOBALINFO", strict.key);
    header.*strict.field = *value;
  }
  return skinOk();
}

SkinStatus SkinLoader::LoadGeneralData() {
  if (!input_.options) return StoredSkinLoader(model_, input_).LoadGeneralData();
  const IniStore& store = *input_.options;
  if (SkinStatus status = readHeader(); !status) return status;
  runSkinVersionCheck(model_.SkinData.Version);

  model_.Sections.clear();
  const InheritedReader reader(store);
  const TsGeneralData defaults;
  for (const IniStore::Section& section : store.sections()) {
    const int index = store.findSection(section.name);
    TsGeneralData record;
    record.SectionName = section.name;
    const std::string* parentClass = store.findValue(index, "PARENTCLASS");
    record.ParentClass = parentClass ? *parentClass : std::string();
    for (const GeneralDataField& field : generalDataFields()) {
      switch (field.kind) {
        case FieldKind::Integer:
        case FieldKind::Color:
          setIntegerField(record, field, reader.readInteger(index, field.key, integerField(defaults, field)));
          break;
        case FieldKind::Text: record.*field.text = reader.readText(index, field.key, defaults.*field.text); break;
        case FieldKind::Boolean: record.*field.boolean = reader.readBoolean(index, field.key); break;
      }
    }
    record.Color = resolveColor(record.Color);
    if (SkinStatus parsed = parseSectionGradients(record); !parsed) return parsed;
    model_.Sections.push_back(std::move(record));
  }
  if (SkinStatus merged = mergeCommonSections(model_, input_.CommonSections); !merged) return merged;
  finishGeneralData(model_, input_.HueOffset, input_.Saturation);
  return skinOk();
}

}  // namespace tavra
