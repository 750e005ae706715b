#pragma once
// The indices that the engine's shared parts (tabs, scroll bars, check boxes, the combo-box
// button) use, cached after every skin change. Section entries are section indices, the others
// mask indices; -1 means none. The table below is the one list of the fields, in their order.
#include <cstdint>

namespace tavra {

#define TAVRA_COMMON_INDICES(X)                                                                           \
  X(std::int16_t, GlobalInfo)                                                                             \
  X(std::int16_t, TabTop) X(std::int16_t, TabBottom) X(std::int16_t, TabLeft) X(std::int16_t, TabRight)   \
  X(std::int16_t, TabTopBorder) X(std::int16_t, TabBottomBorder) X(std::int16_t, TabLeftBorder)           \
  X(std::int16_t, TabRightBorder)                                                                         \
  X(std::int16_t, ScrollBtnTop) X(std::int16_t, ScrollBtnBottom) X(std::int16_t, ScrollBtnLeft)           \
  X(std::int16_t, ScrollBtnRight)                                                                         \
  X(std::int16_t, ScrollBtnTopBorder) X(std::int16_t, ScrollBtnBottomBorder)                              \
  X(std::int16_t, ScrollBtnLeftBorder) X(std::int16_t, ScrollBtnRightBorder)                              \
  X(std::int16_t, ScrollBtnTopTexture) X(std::int16_t, ScrollBtnBottomTexture)                            \
  X(std::int16_t, ScrollBtnLeftTexture) X(std::int16_t, ScrollBtnRightTexture)                            \
  X(std::int16_t, ScrollBtnTopHotTexture) X(std::int16_t, ScrollBtnBottomHotTexture)                      \
  X(std::int16_t, ScrollBtnLeftHotTexture) X(std::int16_t, ScrollBtnRightHotTexture)                      \
  X(std::int16_t, ScrollBtnTopGlyph) X(std::int16_t, ScrollBtnBottomGlyph)                                \
  X(std::int16_t, ScrollBtnLeftGlyph) X(std::int16_t, ScrollBtnRightGlyph)                                \
  X(std::int16_t, SliderV) X(std::int16_t, SliderH)                                                       \
  X(std::int16_t, SliderVBorder) X(std::int16_t, SliderHBorder)                                           \
  X(std::int16_t, SliderVGlyph) X(std::int16_t, SliderHGlyph)                                             \
  X(std::int16_t, SliderHTexture) X(std::int16_t, SliderHHotTexture)                                      \
  X(std::int16_t, SliderVTexture) X(std::int16_t, SliderVHotTexture)                                      \
  X(std::int16_t, ScrollBar1H) X(std::int16_t, ScrollBar1V) X(std::int16_t, ScrollBar2H)                  \
  X(std::int16_t, ScrollBar2V)                                                                            \
  X(std::int16_t, ScrollBar1HBorder) X(std::int16_t, ScrollBar1VBorder)                                   \
  X(std::int16_t, ScrollBar2HBorder) X(std::int16_t, ScrollBar2VBorder)                                   \
  X(std::int16_t, ScrollBar1HTexture) X(std::int16_t, ScrollBar1VTexture)                                 \
  X(std::int16_t, ScrollBar2HTexture) X(std::int16_t, ScrollBar2VTexture)                                 \
  X(std::int16_t, ScrollBar1HHotTexture) X(std::int16_t, ScrollBar1VHotTexture)                           \
  X(std::int16_t, ScrollBar2HHotTexture) X(std::int16_t, ScrollBar2VHotTexture)                           \
  X(std::int16_t, BoxChecked) X(std::int16_t, BoxUnchecked) X(std::int16_t, BoxGrayed)                    \
  X(std::int16_t, RadioChecked) X(std::int16_t, RadioUnchecked) X(std::int16_t, RadioGrayed)              \
  X(std::int16_t, SmallChecked) X(std::int16_t, SmallUnchecked) X(std::int16_t, SmallGrayed)              \
  X(std::int32_t, ComboBtn) X(std::int32_t, ComboBtnBorder) X(std::int32_t, ComboBtnTexture)              \
  X(std::int32_t, ComboBtnHotTexture) X(std::int32_t, ComboGlyph)

struct TsCommonIndices {
#define TAVRA_DECLARE_INDEX(type, name) type name = -1;
  TAVRA_COMMON_INDICES(TAVRA_DECLARE_INDEX)
#undef TAVRA_DECLARE_INDEX
};

#define TAVRA_COUNT_INDEX(type, name) +1
constexpr int kCommonIndexCount = 0 TAVRA_COMMON_INDICES(TAVRA_COUNT_INDEX);
#undef TAVRA_COUNT_INDEX
static_assert(kCommonIndexCount == 69, "the common indices table lists 69 fields");

}  // namespace tavra
