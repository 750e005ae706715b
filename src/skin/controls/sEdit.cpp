#include "skin/controls/sEdit.h"

#include "skin/data/SkinModel.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/controls/FrameBand.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

TsEdit::TsEdit(TComponent* owner) : TsBoundControl(owner, ControlKind::Edit), boundLabel_(std::make_unique<TsBoundLabel>(*this)) {
  SkinData.Recompose = [this] { composeCache(); };
}

TsEdit::~TsEdit() = default;

void TsEdit::setDisabledKind(unsigned kinds) {
  if (kinds == disabledKind_) return;
  disabledKind_ = kinds;
  if (!enabled()) SkinData.RequestRepaint();
}

void TsEdit::composeCache() {
  if (!SkinData.HasSkin()) return;
  const int state = skinState();
  SkinData.EnsureCache();
  Bitmap& cache = SkinData.CacheBitmap;
  const TsCacheView behind = ParentViewOf(*this);
  PaintSection(SkinData, behind, CentreFill::Yes, state, cache, {0, 0}, cache.bounds());
  if (!enabled()) ApplyDisabledEffect(cache, disabledKind_, parent(), {0, 0}, behind);
  SkinData.BackgroundDirty = false;
  SkinData.PartlyClipped = false;
  composedState_ = state;
  composedEnabled_ = enabled();
}

void TsEdit::composeIfStale() {
  const Bitmap& cache = SkinData.CacheBitmap;
  const bool sizeChanged = cache.width() != width() || cache.height() != height();
  if (SkinData.BackgroundDirty || sizeChanged || composedState_ != skinState() || composedEnabled_ != enabled()) composeCache();
}

void TsEdit::PaintTextBackground(Canvas& c, const Rect& client) {
  if (!SkinData.HasSkin()) {
    TEdit::PaintTextBackground(c, client);
    return;
  }
  const bool stale = composedState_ != skinState() || composedEnabled_ != enabled() || SkinData.BackgroundDirty;
  composeIfStale();
  const Point offset = ClientOffsetIn(*this);
  c.drawBitmap({-offset.x, -offset.y}, SkinData.CacheBitmap);
  // The frame shows the same cache: a new look repaints it too.
  if (stale && window()) window()->invalidateFrame();
}

Color TsEdit::textInk() const {
  const TsGeneralData* s = SkinData.HasSkin() ? SkinData.section() : nullptr;
  if (!s) return TEdit::textInk();
  if (SkinData.customFont()) return enabled() ? font().color : clGrayText;
  if (!enabled()) return BlendColors(resolveColor(s->FontColor[0]), SkinData.model()->GlobalColor(), 0.4);
  return resolveColor(skinState() == 0 ? s->FontColor[0] : s->HotFontColor[0]);
}

void TsEdit::PaintTextContour(Canvas& c, Point origin, const std::string& shown) {
  const TsGeneralData* s = SkinData.HasSkin() ? SkinData.section() : nullptr;
  if (!s || SkinData.customFont() || !enabled()) return;
  const FontColors& colors = skinState() == 0 ? s->FontColor : s->HotFontColor;
  DrawTextContours(c, colors, [&](Point shift) { c.textOut(origin.x + shift.x, origin.y + shift.y, shown); });
}

void TsEdit::WndProc(TMessage& m) {
  if (m.Msg == WM_NCPAINT && SkinData.HasSkin()) {
    composeIfStale();
    PaintFrameBand(*this, SkinData.CacheBitmap);
    m.Result = 0;
    return;
  }
  TsBoundControl::WndProc(m);
  switch (m.Msg) {
    case CM_ENABLEDCHANGED:
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (SkinData.HasSkin()) SkinData.RequestRepaint();
      break;
    case WM_MOVE:
    case WM_SIZE:
    case CM_VISIBLECHANGED:
      boundLabel_->follow();
      break;
    default:
      break;
  }
}

}  // namespace tavra
