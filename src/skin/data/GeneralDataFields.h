#pragma once
// The keys of a section and the fields of TsGeneralData they fill, defined once for the loader,
// the common sections and the skin checker. Defaults are those of a new TsGeneralData.
#include <cstdint>
#include <span>
#include <string_view>

#include "skin/data/TsGeneralData.h"

namespace tavra {

enum class FieldKind {
  Integer,  // a tolerant integer; -1 counts as missing
  Color,    // an integer in the colour layout; -1 counts as missing
  Text,     // any text; a lone "?" counts as missing
  Boolean,  // a text; true exactly when it reads "TRUE" in any case
};

struct GeneralDataField {
  std::string_view key;
  FieldKind kind;
  std::int32_t TsGeneralData::*integer = nullptr;
  tavra::Color TsGeneralData::*color = nullptr;
  FontColors TsGeneralData::*colors = nullptr;  // with `colorIndex`, one entry of a colour set
  int colorIndex = 0;
  std::string TsGeneralData::*text = nullptr;
  bool TsGeneralData::*boolean = nullptr;
};

// Every key of a section that the loader reads, PARENTCLASS excepted, in field order.
std::span<const GeneralDataField> generalDataFields();

// Field access for integer and colour kinds (as the 32-bit value read from the file).
std::int32_t integerField(const TsGeneralData& record, const GeneralDataField& field);
void setIntegerField(TsGeneralData& record, const GeneralDataField& field, std::int32_t value);
// Copies one field from another record.
void copyField(TsGeneralData& to, const TsGeneralData& from, const GeneralDataField& field);

}  // namespace tavra
