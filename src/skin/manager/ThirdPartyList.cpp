#include "skin/manager/ThirdPartyList.h"

namespace tavra {

void ThirdPartyList::fillDefaults() {
#define TAVRA_FILL_THIRD_PARTY(name, text) \
  if (name.empty()) name = text;
  TAVRA_THIRD_PARTY_LISTS(TAVRA_FILL_THIRD_PARTY)
#undef TAVRA_FILL_THIRD_PARTY
}

std::array<const std::string*, kThirdPartyListCount> ThirdPartyList::texts() const {
  return {
#define TAVRA_THIRD_PARTY_TEXT(name, text) &name,
      TAVRA_THIRD_PARTY_LISTS(TAVRA_THIRD_PARTY_TEXT)
#undef TAVRA_THIRD_PARTY_TEXT
  };
}

std::array<std::string_view, kThirdPartyListCount> ThirdPartyList::names() {
  return {
#define TAVRA_THIRD_PARTY_NAME(name, text) #name,
      TAVRA_THIRD_PARTY_LISTS(TAVRA_THIRD_PARTY_NAME)
#undef TAVRA_THIRD_PARTY_NAME
  };
}

std::vector<std::string> classListOf(std::string_view text) {
  std::vector<std::string> classes;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    const size_t first = line.find_first_not_of(" \t");
    if (first != std::string_view::npos) {
      const size_t last = line.find_last_not_of(" \t");
      classes.emplace_back(line.substr(first, last - first + 1));
    }
    start = end + 1;
  }
  return classes;
}

}  // namespace tavra
