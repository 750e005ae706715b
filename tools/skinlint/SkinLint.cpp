#include "SkinLint.h"

#include <algorithm>
#include <cstdio>

#include "SectionNames.h"
#include "skin/data/GeneralDataFields.h"
#include "skin/data/Gradient.h"
#include "skin/data/InheritedReader.h"
#include "skin/data/MaskForms.h"
#include "skin/data/SkinFiles.h"
#include "skin/data/SkinModel.h"
#include "skin/data/SkinSource.h"
#include "skin/data/SkinValues.h"
#include "skin/primitives/Contrast.h"

namespace tavra::lint {
namespace {

// Keys the engine does not read and skins carry anyway.
constexpr std::string_view kIgnoredKeys[] = {"SUID", "FADINGINTERVALIN", "FADINGINTERVALOUT"};

enum class HeaderKind { Number, Text, Tolerant, Strict, Master };
struct HeaderKey {
  std::string_view key;
  HeaderKind kind;
};
constexpr HeaderKey kHeaderKeys[] = {
    {"VERSION", HeaderKind::Number},          {"AUTHOR", HeaderKind::Text},
    {"DESCRIPTION", HeaderKind::Text},        {"SHADOW1COLOR", HeaderKind::Tolerant},
    {"SHADOW1OFFSET", HeaderKind::Strict},    {"SHADOW1BLUR", HeaderKind::Strict},
    {"SHADOW1TRANSPARENCY", HeaderKind::Strict}, {"BISPACE", HeaderKind::Tolerant},
    {"BIVALIGN", HeaderKind::Tolerant},       {"BIRIGHT", HeaderKind::Tolerant},
    {"BILEFT", HeaderKind::Tolerant},         {"BORDERCOLOR", HeaderKind::Tolerant},
    {"BICONCLOSEGLOW", HeaderKind::Strict},   {"BICONCLOSEGLOWMARGIN", HeaderKind::Strict},
    {"BICONMAXGLOW", HeaderKind::Strict},     {"BICONMAXGLOWMARGIN", HeaderKind::Strict},
    {"BICONMINGLOW", HeaderKind::Strict},     {"BICONMINGLOWMARGIN", HeaderKind::Strict},
    {"MASTERBITMAP", HeaderKind::Master},
};

const GeneralDataField* generalField(std::string_view upperKey) {
  for (const GeneralDataField& field : generalDataFields()) {
    if (field.key == upperKey) return &field;
  }
  return nullptr;
}

bool namesJpeg(std::string_view upperValue) { return containsText(upperValue, ".JPG") || containsText(upperValue, ".JPEG"); }

bool looksLikeImage(std::string_view upperValue) {
  for (std::string_view extension : {".BMP", ".PNG", ".JPG", ".JPEG", ".GIF", ".TGA", ".ICO"}) {
    if (containsText(upperValue, extension)) return true;
  }
  return false;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

void SkinLint::add(Level level, std::string where, std::string message) {
  findings_.push_back(Finding{level, std::move(where), std::move(message)});
}

// What the loader changed to make the model safe to paint: the program shows the repaired value.
void SkinLint::checkRepairs() {
  for (const SkinRepair& repair : model_.LoadRepairs) {
    add(Level::Warning, "[" + repair.section + "] " + repair.key, repair.what);
  }
}

std::vector<Finding> SkinLint::run() {
  findings_.clear();
  if (!source_.options) return findings_;
  if (source_.options->sections().empty()) {
    add(Level::Warning, "", "Options.dat is empty: the skin has no sections and paints nothing of its own");
    return std::move(findings_);
  }
  checkSections();
  checkParentChains();
  checkMasterBitmap();
  checkLabelInk();
  checkTextContrast();
  const IniStore& store = *source_.options;
  for (size_t i = 0; i < store.sections().size(); ++i) {
    const IniStore::Section& section = store.sections()[i];
    if (store.findSection(section.name) != static_cast<int>(i)) {
      add(Level::Warning, "[" + section.name + "]", "the section appears a second time; its keys are read from the first one");
    }
    for (const IniStore::Entry& entry : section.entries) checkEntry(section.name, entry.key, entry.value);
  }
  checkRepairs();
  return std::move(findings_);
}

void SkinLint::checkSections() {
  const IniStore& store = *source_.options;
  auto exact = [&](std::string_view name) {
    return std::any_of(store.sections().begin(), store.sections().end(), [&](const IniStore::Section& s) { return s.name == name; });
  };
  std::string engineOnly;
  for (const SectionName& wanted : sectionNames()) {
    if (exact(wanted.name)) continue;
    if (wanted.need == SectionNeed::Engine) {
      engineOnly += (engineOnly.empty() ? "" : ", ") + std::string(wanted.name);
      continue;
    }
    std::string message = "missing section " + std::string(wanted.name) + " (" + std::string(wanted.usedBy) + ")";
    if (int other = store.findSection(wanted.name); other >= 0) {
      message += "; the skin has " + quoted(store.sections()[static_cast<size_t>(other)].name) +
                 ", but section names are compared exactly";
    }
    add(wanted.need == SectionNeed::Windows ? Level::Warning : Level::Note, "", message);
  }
  if (!engineOnly.empty()) add(Level::Note, "", "missing sections that this program's windows do not use: " + engineOnly);
}

void SkinLint::checkParentChains() {
  const IniStore& store = *source_.options;
  const InheritedReader reader(store);
  for (size_t i = 0; i < store.sections().size(); ++i) {
    const IniStore::Section& section = store.sections()[i];
    const std::string* parent = store.findValue(static_cast<int>(i), "PARENTCLASS");
    if (!parent || parent->empty()) continue;
    const std::string where = "[" + section.name + "] PARENTCLASS";
    if (*parent == section.name) {
      add(Level::Note, where, "the section names itself as its parent");
      continue;
    }
    if (store.findSection(*parent) < 0) {
      add(Level::Warning, where, "names the missing section " + quoted(*parent) + "; nothing is inherited");
      continue;
    }
    InheritedReader::Chain chain = reader.chainOf(static_cast<int>(i));
    if (chain.cycle) {
      std::string path;
      for (int index : chain.sections) path += store.sections()[static_cast<size_t>(index)].name + " -> ";
      const std::string* back = store.findValue(chain.sections.back(), "PARENTCLASS");
      path += back ? *back : std::string("?");
      add(Level::Warning, where, "PARENTCLASS cycle " + path + "; the chain is cut where it returns");
    }
  }
}

void SkinLint::checkLabelInk() {
  // Effect labels of the skin kind write in this colour; without it they keep their own (white
  // by default), which vanishes on a light window.
  const int global = model_.FindSection("GLOBALINFO");
  if (!model_.IsValidSection(global) || model_.Sections[static_cast<size_t>(global)].FontColor[1] == kNoColor) {
    add(Level::Note, "[GLOBALINFO] TCLEFT", "missing: effect labels that take their colours from the skin keep their own text colour");
  }
}

// The text of a section against the face it is written on: each section's own colours of the
// same state, except the menu bar's open item, whose text (MENULINE) is written on the face of a
// selected item (MENUITEM). Sections that are see-through (check boxes, a popup's unselected
// items) write on their parent and are not listed.
struct TextOnFace {
  std::string_view textSection;
  bool hotText;
  std::string_view faceSection;
  bool hotFace;
};
constexpr TextOnFace kTextsOnFaces[] = {
    {"BUTTON", false, "BUTTON", false},       {"BUTTON", true, "BUTTON", true},         {"SPEEDBUTTON", true, "SPEEDBUTTON", true},
    {"EDIT", false, "EDIT", false},           {"EDIT", true, "EDIT", true},             {"PANEL", false, "PANEL", false},
    {"BAR", false, "BAR", false},             {"GROUPBOX", false, "GROUPBOX", false},   {"PAGECONTROL", false, "PAGECONTROL", false},
    {"TABSHEET", false, "TABSHEET", false},   {"TABTOP", false, "TABTOP", false},       {"TABTOP", true, "TABTOP", true},
    {"TABBOTTOM", false, "TABBOTTOM", false}, {"TABBOTTOM", true, "TABBOTTOM", true},   {"HINT", false, "HINT", false},
    {"MAINMENU", false, "MAINMENU", false},   {"MENUITEM", true, "MENUITEM", true},     {"MENULINE", false, "MENULINE", false},
    {"MENULINE", true, "MENUITEM", true},     {"TOOLBAR", false, "TOOLBAR", false},     {"FORMTITLE", false, "FORMTITLE", false},
    {"FORMTITLE", true, "FORMTITLE", true},
};

void SkinLint::checkTextContrast() {
  constexpr double kLegible = 4.5;
  for (const TextOnFace& pair : kTextsOnFaces) {
    const int text = model_.FindSection(pair.textSection), face = model_.FindSection(pair.faceSection);
    if (!model_.IsValidSection(text) || !model_.IsValidSection(face)) continue;
    const TsGeneralData& t = model_.Sections[static_cast<size_t>(text)];
    const TsGeneralData& f = model_.Sections[static_cast<size_t>(face)];
    const Color ink = pair.hotText ? t.HotFontColor[0] : t.FontColor[0];
    const Color back = pair.hotFace ? f.HotColor : f.Color;
    const double ratio = ContrastRatio(ink, back);
    if (ratio >= kLegible) continue;
    char value[16];
    std::snprintf(value, sizeof value, "%.2f", ratio);
    const std::string faceKey = std::string(pair.hotFace ? "HOTCOLOR" : "COLOR");
    add(Level::Warning, "[" + std::string(pair.textSection) + "] " + (pair.hotText ? "HOTFONTCOLOR" : "FONTCOLOR"),
        "contrasts " + std::string(value) + ":1 with " +
            (pair.faceSection == pair.textSection ? faceKey : "[" + std::string(pair.faceSection) + "] " + faceKey) +
            ", less than the 4.5:1 small text needs");
  }
}

void SkinLint::checkMasterBitmap() {
  const IniStore& store = *source_.options;
  const std::string name = store.readString("GLOBALINFO", "MASTERBITMAP", "");
  const bool usesMaster = std::any_of(model_.Masks.begin(), model_.Masks.end(), [](const TsMaskData& m) { return !m.Image; });
  if (name.empty()) {
    if (usesMaster) add(Level::Warning, "[GLOBALINFO] MASTERBITMAP", "missing, but masks are regions of the master bitmap");
    return;
  }
  // Regions that reach outside the master bitmap are reported with the loader's repairs.
}

void SkinLint::checkEntry(const std::string& sectionName, const std::string& key, const std::string& value) {
  const std::string where = "[" + sectionName + "] " + key;
  const std::string upperKey = upperName(key);
  if (upperKey == "PARENTCLASS") return;
  if (upperName(sectionName) == "GLOBALINFO") {
    for (const HeaderKey& header : kHeaderKeys) {
      if (header.key == upperKey) {
        checkHeaderKey(where, upperKey, value);
        return;
      }
    }
  }
  if (const GeneralDataField* field = generalField(upperKey)) {
    switch (field->kind) {
      case FieldKind::Integer:
      case FieldKind::Color:
        if (!parseSkinInteger(value)) add(Level::Warning, where, quoted(value) + " is not an integer; the inherited value or the default is used");
        break;
      case FieldKind::Boolean:
        if (upperName(value) != "TRUE" && upperName(value) != "FALSE") {
          add(Level::Warning, where, quoted(value) + " is neither TRUE nor FALSE; it reads as FALSE");
        }
        break;
      case FieldKind::Text:
        if (upperKey == "GRADIENTDATA" || upperKey == "HOTGRADIENTDATA") checkGradient(where, value);
        break;
    }
    return;
  }
  if (checkImageReference(where, value)) return;
  if (value.empty() || value == "N/A") return;
  if (std::find(std::begin(kIgnoredKeys), std::end(kIgnoredKeys), upperKey) != std::end(kIgnoredKeys)) return;
  if (looksLikeImage(upperName(value))) {
    add(Level::Warning, where, quoted(value) + " names an image in no form the engine reads");
  } else {
    add(Level::Note, where, "the engine does not read this key");
  }
}

void SkinLint::checkHeaderKey(const std::string& where, const std::string& key, const std::string& value) {
  for (const HeaderKey& header : kHeaderKeys) {
    if (header.key != key) continue;
    switch (header.kind) {
      case HeaderKind::Number:
        if (readSkinNumber(value) == 0 && value != "0") add(Level::Warning, where, quoted(value) + " is not a number; it reads as 0");
        break;
      case HeaderKind::Tolerant:
        if (!parseSkinInteger(value)) add(Level::Warning, where, quoted(value) + " is not an integer; 0 is used");
        break;
      case HeaderKind::Strict:
        if (!parseSkinInteger(value)) add(Level::Warning, where, quoted(value) + " is not an integer; loading stops here");
        break;
      case HeaderKind::Text: break;
      case HeaderKind::Master:
        checkImageFile(where, value, value, "master bitmap");
        break;
    }
  }
}

bool SkinLint::checkImageReference(const std::string& where, const std::string& value) {
  const MaskForm form = maskFormOf(value);
  const std::string upperValue = upperName(value);
  switch (form) {
    case MaskForm::None:
      if (!namesJpeg(upperValue)) return false;
      checkImageFile(where, upperValue, value, "JPEG");
      return true;
    case MaskForm::Border:
    case MaskForm::Glyph:
    case MaskForm::Texture:
    case MaskForm::Region:
      if (auto mask = parseMasterRegionMask(form, value); !mask) add(Level::Warning, where, mask.error() + "; loading stops here");
      return true;
    case MaskForm::OwnImage: {
      auto own = parseOwnImageValue(value);
      if (!own) {
        add(Level::Warning, where, own.error() + "; loading stops here");
      } else if (!own->has_value()) {
        add(Level::Warning, where, quoted(value) + ": the file name must hold \".BMP\" or \".PNG\" in capitals; no mask");
      } else {
        checkImageFile(where, (*own)->fileName, (*own)->fileName, (*own)->isPng ? "PNG" : "BMP");
      }
      return true;
    }
    case MaskForm::PlainFile:
      checkImageFile(where, upperValue, value, "BMP");
      return true;
  }
  return false;
}

void SkinLint::checkImageFile(const std::string& where, const std::string& entryName, const std::string& fileName, const char* kind) {
  const SkinFiles files(source_.package.get(), model_.SkinData.SkinPath);
  auto bytes = files.read(entryName, fileName);
  if (!bytes) {
    add(Level::Warning, where,
        std::string(kind) + " image " + quoted(fileName) + " is missing" +
            (files.isPacked() ? " (no package entry of that name)" : ""));
    return;
  }
  const std::string_view k = kind;
  Bitmap image = k == "PNG" ? decodeSkinPng(*bytes) : k == "JPEG" ? decodeSkinJpeg(*bytes) : decodeSkinBmp(*bytes);
  if (image.isEmpty()) add(Level::Warning, where, std::string(kind) + " image " + quoted(fileName) + " is empty or cannot be decoded");
}

void SkinLint::checkGradient(const std::string& where, const std::string& value) {
  if (value == " " || value.empty()) return;
  auto steps = ParseGradient(value);
  if (!steps) {
    add(Level::Warning, where, "the gradient does not parse: " + steps.error() + "; loading stops here");
    return;
  }
  size_t words = 0;
  for (size_t start = 0; start <= value.size();) {
    size_t end = value.find(';', start);
    if (end == std::string::npos) end = value.size();
    if (end > start) ++words;
    start = end + 1;
  }
  if (words < 5) {
    add(Level::Note, where, "the gradient has " + std::to_string(words) + (words == 1 ? " number" : " numbers") +
                                ", fewer than the five of one step; it is ignored");
  } else if (words % 5 != 0) {
    add(Level::Note, where, "the gradient has " + std::to_string(words) + " numbers; those past the last group of five are ignored");
  }
  if (steps->empty()) add(Level::Warning, where, "the gradient has no complete step");
  if (!steps->empty() && (steps->front().Mode < 0 || steps->front().Mode > 2)) {
    add(Level::Warning, where, "mode " + std::to_string(steps->front().Mode) + " paints nothing (0, 1 and 2 are known)");
  }
}

}  // namespace tavra::lint
