#pragma once
// The last few skins a manager loaded from packages (skin folder files and internal skins), kept
// decoded so that switching back to one of them copies it instead of inflating and decoding it
// again. An entry is used only for the same package contents (the file's path, size and time of
// change; an internal skin's bytes) loaded with the same settings (skin folder, hue, saturation);
// anything else loads afresh. Skins that read loose files (common sections) or that show a notice
// while loading are never kept. Every hit hands out a copy: the manager swaps its own model in.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/data/SkinModel.h"
#include "skin/manager/SkinModelLoad.h"

namespace tavra {

struct SkinChoice;

class SkinModelCache {
 public:
  static constexpr std::size_t kCapacity = 3;

  struct Key {
    std::string name;
    std::string packagePath;                 // the package file, as found; empty for an internal skin
    std::uintmax_t fileSize = 0;
    std::filesystem::file_time_type fileTime{};
    std::vector<std::uint8_t> internalBytes;  // the internal skin's package
    std::string resolvedSkinDirectory;
    int hueOffset = 0;
    int saturation = 0;

    friend bool operator==(const Key&, const Key&) = default;
  };

  // The key of a choice, or none when such a load is not kept.
  static std::optional<Key> keyOf(const SkinChoice& choice, const SkinLoadSettings& settings);

  // A copy of the kept model, or none.
  std::optional<LoadedSkinModel> find(const Key& key);
  // Keeps a copy of a freshly loaded model (common indices cached), dropping the least recently
  // used entry when full.
  void keep(Key key, const LoadedSkinModel& loaded);

  std::size_t size() const { return entries_.size(); }
  void clear() { entries_.clear(); }

 private:
  struct Entry {
    Key key;
    std::unique_ptr<SkinModel> model;
    bool isPacked = false;
  };
  std::vector<Entry> entries_;  // most recently used first
};

}  // namespace tavra
