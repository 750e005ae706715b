#include "skin/data/GeneralDataFields.h"

#include <array>

namespace tavra {
namespace {

using G = TsGeneralData;

constexpr GeneralDataField integer(std::string_view key, std::int32_t G::*member) {
  return {.key = key, .kind = FieldKind::Integer, .integer = member};
}
constexpr GeneralDataField color(std::string_view key, tavra::Color G::*member) {
  return {.key = key, .kind = FieldKind::Color, .color = member};
}
constexpr GeneralDataField colorEntry(std::string_view key, FontColors G::*member, int index) {
  return {.key = key, .kind = FieldKind::Color, .colors = member, .colorIndex = index};
}
constexpr GeneralDataField text(std::string_view key, std::string G::*member) {
  return {.key = key, .kind = FieldKind::Text, .text = member};
}
constexpr GeneralDataField boolean(std::string_view key, bool G::*member) {
  return {.key = key, .kind = FieldKind::Boolean, .boolean = member};
}

constexpr std::array kFields = {
    color("COLOR", &G::Color),
    colorEntry("FONTCOLOR", &G::FontColor, 0),
    colorEntry("TCLEFT", &G::FontColor, 1),
    colorEntry("TCTOP", &G::FontColor, 2),
    colorEntry("TCRIGHT", &G::FontColor, 3),
    colorEntry("TCBOTTOM", &G::FontColor, 4),
    colorEntry("HOTFONTCOLOR", &G::HotFontColor, 0),
    colorEntry("HOTTCLEFT", &G::HotFontColor, 1),
    colorEntry("HOTTCTOP", &G::HotFontColor, 2),
    colorEntry("HOTTCRIGHT", &G::HotFontColor, 3),
    colorEntry("HOTTCBOTTOM", &G::HotFontColor, 4),
    boolean("GIVEOWNFONT", &G::GiveOwnFont),
    integer("GLOW", &G::GlowCount),
    integer("GLOWMARGIN", &G::GlowMargin),
    boolean("RESERVEDBOOLEAN", &G::ReservedBoolean),
    integer("TRANSPARENCY", &G::Transparency),
    integer("GRADIENTPERCENT", &G::GradientPercent),
    text("GRADIENTDATA", &G::GradientData),
    integer("IMAGEPERCENT", &G::ImagePercent),
    boolean("SHOWFOCUS", &G::ShowFocus),
    boolean("FADINGENABLED", &G::FadingEnabled),
    integer("FADINGITERATIONS", &G::FadingIterations),
    color("HOTCOLOR", &G::HotColor),
    integer("HOTTRANSPARENCY", &G::HotTransparency),
    integer("HOTGRADIENTPERCENT", &G::HotGradientPercent),
    text("HOTGRADIENTDATA", &G::HotGradientData),
    integer("HOTIMAGEPERCENT", &G::HotImagePercent),
};
static_assert(kFields.size() == 27, "27 keys fill the fields of a section");

}  // namespace

std::span<const GeneralDataField> generalDataFields() { return kFields; }

std::int32_t integerField(const TsGeneralData& record, const GeneralDataField& field) {
  if (field.integer) return record.*field.integer;
  if (field.color) return static_cast<std::int32_t>(record.*field.color);
  if (field.colors) return static_cast<std::int32_t>((record.*field.colors)[static_cast<size_t>(field.colorIndex)]);
  return 0;
}

void setIntegerField(TsGeneralData& record, const GeneralDataField& field, std::int32_t value) {
  if (field.integer) record.*field.integer = value;
  if (field.color) record.*field.color = static_cast<tavra::Color>(value);
  if (field.colors) (record.*field.colors)[static_cast<size_t>(field.colorIndex)] = static_cast<tavra::Color>(value);
}

void copyField(TsGeneralData& to, const TsGeneralData& from, const GeneralDataField& field) {
  switch (field.kind) {
    case FieldKind::Integer:
    case FieldKind::Color: setIntegerField(to, field, integerField(from, field)); break;
    case FieldKind::Text: to.*field.text = from.*field.text; break;
    case FieldKind::Boolean: to.*field.boolean = from.*field.boolean; break;
  }
}

}  // namespace tavra
