#include "contentbuild/Cp1251Html.h"

#include "base/Text.h"

namespace tavra::content {

std::string htmlToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t cp : utf8ToCodePoints(utf8)) {
    if (auto byte = cp1251FromCodePoint(cp)) {
      out.push_back(static_cast<char>(*byte));
    } else {
      out += "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
    }
  }
  return out;
}

}  // namespace tavra::content
