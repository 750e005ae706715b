#pragma once
// Tiny skin models for the painting tests, built record by record: a master bitmap painted with
// solid blocks, sections and masks placed in it, the lookups built as a load ends.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "gfx/Bitmap.h"
#include "skin/data/SkinModel.h"
#include "skin/primitives/TsCacheView.h"

namespace tavra::test {

class TinySkin {
 public:
  explicit TinySkin(int masterWidth = 64, int masterHeight = 64) {
    model.MasterBitmap = Bitmap(masterWidth, masterHeight);
    model.MasterBitmap.fill(pixelFromColor(clFuchsia));
  }
  TinySkin(const TinySkin&) = delete;
  TinySkin& operator=(const TinySkin&) = delete;

  SkinModel model;

  void paint(const Rect& r, Color c) { model.MasterBitmap.fillRect(r, pixelFromColor(c)); }
  void put(int x, int y, Color c) { model.MasterBitmap.setPixel(x, y, pixelFromColor(c)); }

  int section(const std::string& name, const std::function<void(TsGeneralData&)>& set = {}) {
    TsGeneralData s;
    s.SectionName = name;
    s.Color = clWhite;
    s.HotColor = clWhite;
    if (set) set(s);
    model.Sections.push_back(std::move(s));
    model.invalidateLookups();
    return static_cast<int>(model.Sections.size()) - 1;
  }

  struct MaskSpec {
    std::string section;
    std::string property = "BORDERSMASK";
    Rect rect;
    int imageCount = 1;
    int maskType = 0;
    int stretchMode = 0;
    int wl = 0, wt = 0, wr = 0, wb = 0;
    TacImgType type = TacImgType::itisaBorder;
  };
  int mask(const MaskSpec& spec) {
    TsMaskData m;
    m.SectionName = spec.section;
    m.PropertyName = spec.property;
    m.Rect = spec.rect;
    m.ImageCount = static_cast<std::int16_t>(spec.imageCount);
    m.MaskType = static_cast<std::int16_t>(spec.maskType);
    m.StretchMode = static_cast<std::int16_t>(spec.stretchMode);
    m.ImgType = spec.type;
    m.WL = static_cast<std::int16_t>(spec.wl);
    m.WT = static_cast<std::int16_t>(spec.wt);
    m.WR = static_cast<std::int16_t>(spec.wr);
    m.WB = static_cast<std::int16_t>(spec.wb);
    m.Owner = &model;
    model.Masks.push_back(std::move(m));
    model.invalidateLookups();
    return static_cast<int>(model.Masks.size()) - 1;
  }

  // As a load ends: border and corner indices, common indices, lookups.
  void finish() {
    model.FillBorderIndices();
    model.CacheCommonIndices();
    model.buildLookups();
  }
};

inline Bitmap filled(int w, int h, Color c) {
  Bitmap b(w, h);
  b.fill(pixelFromColor(c));
  return b;
}

inline TsCacheView viewOf(const Bitmap& b, int x = 0, int y = 0) {
  return TsCacheView{.Bitmap = &b, .X = x, .Y = y, .FillColor = clFuchsia, .Ready = true};
}
inline TsCacheView colourView(Color c) { return TsCacheView{.FillColor = c}; }

// Every pixel of r has colour c.
inline ::testing::AssertionResult allOf(const Bitmap& b, const Rect& r, Color c) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (b.colorAt(x, y) != c) {
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x" << std::hex << b.colorAt(x, y)
                                             << ", not 0x" << c;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace tavra::test
