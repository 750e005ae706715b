#pragma once
// Reads of section keys that fall back along PARENTCLASS: a key missing from a section is read
// from the section its PARENTCLASS names, and so on up the chain. The chain stops at a section
// without PARENTCLASS, at one that names itself, at a missing section, at a section already
// visited (A names B, B names A), and after kMaxParentChain sections.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/IniStore.h"

namespace tavra {

class InheritedReader {
 public:
  explicit InheritedReader(const IniStore& store) : store_(store) {}

  // A tolerant integer; -1 or a non-integer counts as missing.
  std::int32_t readInteger(int section, std::string_view key, std::int32_t fallback) const;
  // A text; a missing key or a lone "?" counts as missing (an empty value is present).
  std::string readText(int section, std::string_view key, std::string_view fallback) const;
  // True exactly when the text read with the fallback "FALSE" is "TRUE" in any case.
  bool readBoolean(int section, std::string_view key) const;

  // The store sections along the chain, starting with `section`, and whether it was cut
  // because it came back to a section already visited.
  struct Chain {
    std::vector<int> sections;
    bool cycle = false;
  };
  Chain chainOf(int section) const;

 private:
  const Chain& cachedChain(int section) const;
  template <typename Found>
  void walk(int section, Found&& found) const;

  const IniStore& store_;
  mutable std::vector<Chain> chains_;  // per store section, computed on first use
  mutable std::vector<bool> known_;
};

}  // namespace tavra
