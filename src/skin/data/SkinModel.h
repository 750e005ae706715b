#pragma once
// A loaded skin as the skin manager holds it: the header, the master bitmap, the sections, the
// masks and the patterns, with the lookups by name (exact, case-sensitive, falling back along
// PARENTCLASS), the mask geometry helpers, the colour accessors and the cached common indices.
// Controls keep indices into the arrays; they stay valid until the next load.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "skin/data/CommonIndices.h"
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

  // Empties the masks, the master bitmap, the patterns and the sections (the header stays).
  void clearModel();

  // Lookups. Unknown names, negative indices and empty names give -1; chains of PARENTCLASS that
  // come back to a section already visited, or longer than kMaxParentChain, are cut. The first
  // match is found through hash indices, rebuilt when an array has grown or shrunk; code that
  // renames records in place calls invalidateLookups().
  int FindSection(std::string_view name) const;
  int FindMask(int sectionIndex, std::string_view sectionName, std::string_view key) const;
  int FindMaskExact(std::string_view sectionName, std::string_view key) const;
  int FindTexture(int sectionIndex, std::string_view sectionName, std::string_view key) const;
  int FindPattern(int sectionIndex, std::string_view sectionName, std::string_view key) const;
  bool IsValidSection(int index) const;
  bool IsValidMask(int index) const;
  bool IsValidPattern(int index) const;

  // Mask geometry. A mask whose ImageCount is below 1 counts as one frame wide (and is raised
  // to 1 by MaskWidthLeft); a MaskType below 0 counts as 0. Invalid indices give 0.
  Size MaskFrameSize(int maskIndex) const;
  int MaskWidthLeft(int maskIndex);
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

  void invalidateLookups() const;

 private:
  enum class Candidates { AnyMask, Textures, Patterns };
  int findInherited(Candidates candidates, int sectionIndex, std::string_view sectionName, std::string_view key) const;
  int findFirst(Candidates candidates, std::string_view sectionName, std::string_view key) const;
  void refreshLookups() const;

  // First index by name ("section" for sections, the section and key for the others).
  struct Lookups {
    static constexpr size_t kStale = static_cast<size_t>(-1);
    size_t sectionCount = kStale;
    size_t maskCount = kStale;
    size_t patternCount = kStale;
    std::unordered_map<std::string, int> sections;
    std::unordered_map<std::string, int> masks;
    std::unordered_map<std::string, int> textures;
    std::unordered_map<std::string, int> patterns;
  };
  mutable Lookups lookups_;
};

}  // namespace tavra
