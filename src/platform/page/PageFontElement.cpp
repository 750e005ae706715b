#include "platform/page/PageFontElement.h"

#include <algorithm>
#include <array>

#include "base/Text.h"

namespace tavra {

std::string PageFontElement::cssFontSize(std::string_view sizeAttribute) {
  // The pixel sizes of the seven HTML font sizes at the usual 16 px default.
  static constexpr std::array<int, 7> kSizes{10, 13, 16, 18, 24, 32, 48};
  std::string_view s = trimmed(sizeAttribute);
  int sign = 0;
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    sign = s[0] == '+' ? 1 : -1;
    s.remove_prefix(1);
  }
  int value = 0;
  size_t digits = 0;
  while (digits < s.size() && digits < 3 && s[digits] >= '0' && s[digits] <= '9') {
    value = value * 10 + (s[digits] - '0');
    ++digits;
  }
  if (digits == 0) return {};
  int size = sign == 0 ? value : 3 + sign * value;
  size = std::clamp(size, 1, 7);
  return std::to_string(kSizes[static_cast<size_t>(size - 1)]) + "px";
}

void PageFontElement::parse_attributes() {
  if (const char* face = get_attr("face"); face && *face) m_style.add_property("font-family", face, nullptr, false, this);
  if (const char* size = get_attr("size")) {
    std::string css = cssFontSize(size);
    if (!css.empty()) m_style.add_property("font-size", css.c_str(), nullptr, false, this);
  }
  if (const char* color = get_attr("color"); color && *color) m_style.add_property("color", color, nullptr, false, this);
  litehtml::html_tag::parse_attributes();
}

}  // namespace tavra
