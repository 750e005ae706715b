#pragma once
// A loaded skin as the skin manager holds it: the header, the master bitmap, the sections, the
// masks and the patterns, with the lookups by name (exact, case-sensitive, falling back along
// PARENTCLASS), the mask geometry helpers, the colour accessors and the cached common indices.
// Controls keep indices into the arrays; they stay valid until the next load. The loader fills
// the arrays and builds the lookup tables once; nothing changes the model after that (the
// manager loads a new model for every change of skin, hue or saturation).
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "skin/data/CommonIndices.h"
#include "skin/data/SkinModelRepair.h"
#include "skin/data/TsGeneralData.h"
#include "skin/data/TsMaskData.h"
#include "skin/data/TsPatternData.h"
#include "skin/data/TsSkinData.h"

namespace tavra {

class SkinModel {
 public:
  SkinModel() = default;
  SkinModel(const SkinModel&) = delete;
  SkinModel& operator=(const SkinModel&) = delete;

  TsSkinData SkinData;
  Bitmap MasterBitmap;
  TsGeneralDataArray Sections;
  TsMaskArray Masks;
  TsPatternArray Patterns;
  TsCommonIndices CommonIndices;
  // What the load changed to make the model safe to paint (for the skin's author).
  std::vector<SkinRepair> LoadRepairs;

  // A deep copy: its own images, its masks owned by the copy, its lookup tables built.
  std::unique_ptr<SkinModel> clone() const;

  // Empties the masks, the master bitmap, the patterns and the sections (the header stays).
  void clearModel();

  // Lookups. Unknown names, negative indices and empty names give -1; chains of PARENTCLASS that
  // come back to a section already visited, or longer than kMaxParentChain, are cut. The first
  // match is found through hash tables built once per load: code that adds, removes or renames
  // records calls invalidateLookups(), and the next lookup builds them again.
  int FindSection(std::string_view name) const;
  int FindMask(int sectionIndex, std::string_view sectionName, std::string_view key) const;
  int FindMaskExact(std::string_view sectionName, std::string_view key) const;
  int FindTexture(int sectionIndex, std::string_view sectionName, std::string_view key) const;
  int FindPattern(int sectionIndex, std::string_view sectionName, std::string_view key) const;
  bool IsValidSection(int index) const;
  bool IsValidMask(int index) const;
  bool IsValidPattern(int index) const;

  // Mask geometry. A mask whose ImageCount is below 1 counts as one frame wide; a MaskType below
  // 0 counts as 0. Invalid indices give 0.
  Size MaskFrameSize(int maskIndex) const;
  int MaskWidthLeft(int maskIndex) const;
  int MaskWidthRight(int maskIndex) const;
  int MaskWidthTop(int maskIndex) const;
  int MaskWidthBottom(int maskIndex) const;

  // Colours with system colours resolved.
  Color GlobalColor() const;
  Color GlobalFontColor() const;
  Color GlobalHotColor() const;
  Color EditHotFontColor() const;
  Color MenuHighlightColor() const;
  Color MenuHighlightTextColor() const;

  // BorderMask and the four corner indices of every section but GLOBALINFO.
  void FillBorderIndices();
  // The common indices for the current model (all -1 when it has no sections).
  void CacheCommonIndices();

  void invalidateLookups();
  // Builds the lookup tables now (the end of every load), so that no lookup changes the model.
  void buildLookups();

 private:
  enum class Candidates { AnyMask, Textures, Patterns };
  int findInherited(Candidates candidates, int sectionIndex, std::string_view sectionName, std::string_view key) const;
  int findFirst(Candidates candidates, std::string_view sectionName, std::string_view key) const;

  // First index by name ("section" for sections, the section and key for the others).
  struct Lookups {
    bool built = false;
    std::unordered_map<std::string, int> sections;
    std::unordered_map<std::string, int> masks;
    std::unordered_map<std::string, int> textures;
    std::unordered_map<std::string, int> patterns;
  };
  const Lookups& lookups() const;
  // Built lazily while a load is filling the arrays; by buildLookups at its end.
  mutable Lookups lookups_;
};

}  // namespace tavra
