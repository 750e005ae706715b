#include "skin/data/InheritedReader.h"

#include <algorithm>

#include "skin/data/SkinLimits.h"
#include "skin/data/SkinValues.h"

namespace tavra {

InheritedReader::Chain InheritedReader::chainOf(int section) const {
  Chain chain;
  if (section < 0 || section >= static_cast<int>(store_.sections().size())) return chain;
  std::string name = store_.sections()[static_cast<size_t>(section)].name;
  chain.sections.push_back(section);
  for (;;) {
    const std::string* parent = store_.findValue(section, "PARENTCLASS");
    if (!parent || parent->empty() || *parent == "?" || *parent == name) break;
    int next = store_.findSection(*parent);
    if (next < 0) break;
    if (std::find(chain.sections.begin(), chain.sections.end(), next) != chain.sections.end()) {
      chain.cycle = true;
      break;
    }
    if (static_cast<int>(chain.sections.size()) >= kMaxParentChain) break;
    chain.sections.push_back(next);
    section = next;
    name = *parent;
  }
  return chain;
}

const InheritedReader::Chain& InheritedReader::cachedChain(int section) const {
  static const Chain kNone;
  if (section < 0 || section >= static_cast<int>(store_.sections().size())) return kNone;
  if (chains_.empty()) {
    chains_.resize(store_.sections().size());
    known_.assign(store_.sections().size(), false);
  }
  auto index = static_cast<size_t>(section);
  if (!known_[index]) {
    chains_[index] = chainOf(section);
    known_[index] = true;
  }
  return chains_[index];
}

template <typename Found>
void InheritedReader::walk(int section, Found&& found) const {
  for (int index : cachedChain(section).sections) {
    if (found(index)) return;
  }
}

std::int32_t InheritedReader::readInteger(int section, std::string_view key, std::int32_t fallback) const {
  std::int32_t result = -1;
  walk(section, [&](int index) {
    const std::string* value = store_.findValue(index, key);
    result = value ? readSkinInteger(*value, -1) : -1;
    return result != -1;
  });
  return result == -1 ? fallback : result;
}

std::string InheritedReader::readText(int section, std::string_view key, std::string_view fallback) const {
  const std::string* result = nullptr;
  walk(section, [&](int index) {
    const std::string* value = store_.findValue(index, key);
    if (value && *value != "?") result = value;
    return result != nullptr;
  });
  return result ? *result : std::string(fallback);
}

bool InheritedReader::readBoolean(int section, std::string_view key) const {
  return upperName(readText(section, key, "FALSE")) == "TRUE";
}

}  // namespace tavra
