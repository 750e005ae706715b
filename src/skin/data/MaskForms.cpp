#include "skin/data/MaskForms.h"

#include <algorithm>
#include <vector>

#include "base/Text.h"
#include "skin/data/SkinValues.h"

namespace tavra {
namespace {

std::int16_t count16(std::int32_t value) { return static_cast<std::int16_t>(std::max(static_cast<std::int16_t>(value), std::int16_t{1})); }
std::int16_t type16(std::int32_t value) { return static_cast<std::int16_t>(std::max(static_cast<std::int16_t>(value), std::int16_t{0})); }

// Characters `first` to `first + length - 1` (counting from 1) of the value's single-byte text,
// cut at its end.
std::string_view field(std::string_view bytes, size_t first, size_t length) {
  if (first - 1 >= bytes.size()) return {};
  return bytes.substr(first - 1, length);
}

Result<std::int32_t> digits(std::string_view bytes, size_t first, size_t length) {
  return convertSkinInteger(field(bytes, first, length));
}

// Splits at any of `separators`, dropping empty words.
std::vector<std::string_view> words(std::string_view text, std::string_view separators) {
  std::vector<std::string_view> out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(separators, start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) out.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

Result<TsMaskData> parseRegionForm(std::string_view value) {
  // "#NAME (l, t, r, b) (count, type, border, stretch)": word 1, then the groups in parentheses
  // (or, without parentheses, the following blank-separated words).
  std::vector<std::string_view> groups;
  size_t open = value.find('(');
  if (open == std::string_view::npos) {
    std::vector<std::string_view> all = words(value, " \t");
    groups.assign(all.begin() + std::min<size_t>(1, all.size()), all.end());
  } else {
    size_t position = open;
    while (position != std::string_view::npos && position < value.size()) {
      size_t close = value.find(')', position + 1);
      if (close == std::string_view::npos) close = value.size();
      groups.push_back(value.substr(position + 1, close - position - 1));
      position = value.find('(', close);
    }
  }
  std::vector<std::int32_t> rect;
  for (std::string_view word : words(groups.empty() ? std::string_view{} : groups[0], ", \t")) {
    auto number = convertSkinInteger(word);
    if (!number) return Error{number.error()};
    rect.push_back(*number);
  }
  if (rect.size() < 4) return Error{"'" + std::string(value) + "' does not give the four numbers of a rectangle"};
  std::vector<std::int32_t> settings;
  for (std::string_view word : words(groups.size() < 2 ? std::string_view{} : groups[1], ", \t")) {
    auto number = convertSkinInteger(word);
    if (!number) return Error{number.error()};
    settings.push_back(*number);
  }
  // Coordinates this far out lie outside any picture; bounding them keeps widths from overflowing.
  constexpr std::int32_t kFar = 1 << 20;
  for (std::int32_t& coordinate : rect) coordinate = std::clamp(coordinate, -kFar, kFar);
  TsMaskData mask;
  mask.Rect = {rect[0], rect[1], rect[2], rect[3]};
  mask.ImageCount = count16(settings.size() > 0 ? settings[0] : 1);
  mask.MaskType = type16(settings.size() > 1 ? settings[1] : 0);
  mask.BorderWidth = type16(settings.size() > 2 ? settings[2] : 0);
  mask.StretchMode = static_cast<std::int16_t>(settings.size() > 3 ? settings[3] : 1);
  mask.ImgType = TacImgType::itisaBorder;
  applyWidthRule(mask);
  return mask;
}

}  // namespace

MaskForm maskFormOf(std::string_view value) {
  if (value.empty()) return MaskForm::None;
  switch (value.front()) {
    case '^': return MaskForm::Border;
    case '@': return MaskForm::Glyph;
    case '~': return MaskForm::Texture;
    case '!': return MaskForm::OwnImage;
    default: break;
  }
  if (containsText(value, "#")) return value == "#" ? MaskForm::None : MaskForm::Region;
  if (containsText(upperName(value), ".BMP")) return MaskForm::PlainFile;
  return MaskForm::None;
}

const char* maskFormName(MaskForm form) {
  switch (form) {
    case MaskForm::None: return "none";
    case MaskForm::Border: return "^";
    case MaskForm::Glyph: return "@";
    case MaskForm::Texture: return "~";
    case MaskForm::OwnImage: return "!";
    case MaskForm::PlainFile: return "file";
    case MaskForm::Region: return "#";
  }
  return "none";
}

Result<TsMaskData> parseMasterRegionMask(MaskForm form, std::string_view value) {
  if (form == MaskForm::Region) return parseRegionForm(value);

  // The positions count single-byte characters, as the options file holds them.
  const std::string bytes = utf8ToCp1251(value);
  TsMaskData mask;
  std::int32_t numbers[4] = {};
  for (size_t i = 0; i < 4; ++i) {
    auto number = digits(bytes, 2 + 5 * i, 4);
    if (!number) return Error{number.error()};
    numbers[i] = *number;
  }
  mask.Rect = {numbers[0], numbers[1], numbers[2], numbers[3]};

  if (form == MaskForm::Border) {
    std::int32_t widths[4] = {};
    for (size_t i = 0; i < 4; ++i) {
      auto number = digits(bytes, 22 + 5 * i, 4);
      if (!number) return Error{number.error()};
      widths[i] = *number;
    }
    auto count = digits(bytes, 42, 1);
    auto type = count ? digits(bytes, 44, 1) : count;
    auto stretch = type ? digits(bytes, 46, 1) : type;
    auto border = stretch ? digits(bytes, 48, 1) : stretch;
    if (!border) return Error{border.error()};
    mask.WL = static_cast<std::int16_t>(widths[0]);
    mask.WT = static_cast<std::int16_t>(widths[1]);
    mask.WR = static_cast<std::int16_t>(widths[2]);
    mask.WB = static_cast<std::int16_t>(widths[3]);
    mask.ImageCount = count16(*count);
    mask.MaskType = type16(*type);
    mask.StretchMode = static_cast<std::int16_t>(*stretch);
    mask.BorderWidth = static_cast<std::int16_t>(*border);
    mask.ImgType = TacImgType::itisaBorder;
    applyWidthRule(mask);
  } else if (form == MaskForm::Glyph) {
    auto count = digits(bytes, 22, 1);
    auto type = count ? digits(bytes, 24, 1) : count;
    if (!type) return Error{type.error()};
    mask.ImageCount = count16(*count);
    mask.MaskType = type16(*type);
    mask.ImgType = TacImgType::itisaGlyph;
  } else if (form == MaskForm::Texture) {
    auto stretch = digits(bytes, 22, 2);
    if (!stretch) return Error{stretch.error()};
    std::int32_t type = 0;
    if (bytes.size() > 24) {
      auto read = digits(bytes, 25, 1);
      if (!read) return Error{read.error()};
      type = *read;
    }
    mask.ImageCount = 1;
    mask.StretchMode = static_cast<std::int16_t>(*stretch);
    mask.MaskType = type16(type);
    mask.ImgType = TacImgType::itisaTexture;
  } else {
    return Error{"'" + std::string(value) + "' is not a mask of the master bitmap"};
  }
  return mask;
}

Result<std::optional<OwnImageValue>> parseOwnImageValue(std::string_view value) {
  std::vector<std::string_view> parts = words(value, "!");
  if (parts.empty()) return std::optional<OwnImageValue>{};
  OwnImageValue out;
  out.fileName = std::string(parts[0]);
  bool isBmp = containsText(out.fileName, ".BMP");
  out.isPng = containsText(out.fileName, ".PNG");
  if (!isBmp && !out.isPng) return std::optional<OwnImageValue>{};
  if (isBmp && out.isPng) out.isPng = upperName(out.fileName).rfind(".PNG") > upperName(out.fileName).rfind(".BMP");

  auto number = [&](size_t word) -> Result<std::int32_t> {
    if (word >= parts.size()) return Error{"'" + std::string(value) + "' lacks number " + std::to_string(word + 1)};
    return convertSkinInteger(parts[word]);
  };
  auto count = number(1);
  auto type = count ? number(2) : count;
  auto imgType = type ? number(3) : type;
  if (!imgType) return Error{imgType.error()};
  out.ImageCount = count16(*count);
  out.MaskType = type16(*type);
  out.ImgType = static_cast<TacImgType>(std::clamp(*imgType, 0, 3));
  if (parts.size() >= 5) {
    std::int32_t widths[4] = {};
    for (size_t i = 0; i < 4; ++i) {
      auto width = number(4 + i);
      if (!width) return Error{width.error()};
      widths[i] = *width;
    }
    out.hasWidths = true;
    out.WL = static_cast<std::int16_t>(widths[0]);
    out.WT = static_cast<std::int16_t>(widths[1]);
    out.WR = static_cast<std::int16_t>(widths[2]);
    out.WB = static_cast<std::int16_t>(widths[3]);
  }
  return std::optional<OwnImageValue>(std::move(out));
}

TsMaskData ownImageMask(const OwnImageValue& value, int imageWidth, int imageHeight) {
  TsMaskData mask;
  mask.Rect = {0, 0, imageWidth, imageHeight};
  mask.ImageCount = value.ImageCount;
  mask.MaskType = value.MaskType;
  mask.ImgType = value.ImgType;
  mask.StretchMode = 4;
  if (value.hasWidths) {
    mask.WL = value.WL;
    mask.WT = value.WT;
    mask.WR = value.WR;
    mask.WB = value.WB;
  } else {
    mask.WL = mask.WR = static_cast<std::int16_t>(imageWidth / (mask.ImageCount * 3));
    mask.WT = mask.WB = static_cast<std::int16_t>(imageHeight / ((mask.MaskType + 1) * 3));
  }
  return mask;
}

TsMaskData plainFileMask(int imageWidth, int imageHeight) {
  TsMaskData mask;
  mask.Rect = {0, 0, imageWidth, imageHeight};
  mask.ImageCount = 3;
  mask.MaskType = 1;
  mask.ImgType = TacImgType::itisaBorder;
  applyWidthRule(mask);
  return mask;
}

}  // namespace tavra
