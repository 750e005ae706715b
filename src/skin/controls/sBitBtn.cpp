#include "skin/controls/sBitBtn.h"

#include <exception>

#include "framework/core/Application.h"
#include "skin/data/SkinModel.h"
#include "skin/data/TsGeneralData.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinProcessState.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/GlowEffects.h"
#include "skin/controls/ButtonContentOf.h"
#include "skin/controls/SkinButtonLayout.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

TsBitBtn::TsBitBtn(TComponent* owner) : TsSkinnedControl(owner, ControlKind::BitBtn) {
  SkinData.Recompose = [this] { composeButton(); };
}

TsBitBtn::~TsBitBtn() {
  if (fadeTimer_) fadeTimer_->stop();
}

void TsBitBtn::setShowFocus(bool on) {
  if (on == showFocus_) return;
  showFocus_ = on;
  SkinData.RequestRepaint();
}

void TsBitBtn::setFocusMargin(int margin) {
  if (margin == focusMargin_) return;
  focusMargin_ = margin;
  SkinData.RequestRepaint();
}

void TsBitBtn::setDown(bool on) {
  if (on == down_) return;
  down_ = on;
  SkinData.RequestRepaint();
}

void TsBitBtn::setWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  SkinData.RequestRepaint();
}

void TsBitBtn::setAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  SkinData.RequestRepaint();
}

void TsBitBtn::buttonPropertyChanged() { SkinData.RequestRepaint(); }

int TsBitBtn::skinState() const {
  if (down_ || forcedPressed_) return 2;
  if (pushed() && (SkinData.MouseOver || !mouseCaptured())) return 2;
  if (isDefault() || SkinData.ShowsHot()) return 1;
  return 0;
}

// --- Composing ---------------------------------------------------------------------------------

void TsBitBtn::composeButton() {
  if (!SkinData.HasSkin() || width() <= 0 || height() <= 0) return;
  const SkinModel& model = *SkinData.model();
  const int state = skinState();
  const TsCacheView view = ParentViewOf(*this);
  SkinData.EnsureCache();
  Bitmap& cache = SkinData.CacheBitmap;
  PaintSectionBackground(SkinData, view, state, cache, {0, 0}, cache.bounds());
  Region shape(cache.bounds());
  auto border = [&] {
    if (model.IsValidMask(SkinData.borderMaskIndex())) {
      DrawBorderMaskShaping(cache, cache.bounds(), CentreFill::Yes, state, model, SkinData.borderMaskIndex(), shape);
    }
  };
  if (drawOverBorder()) border();
  const std::optional<DisabledCaption> caption = drawContent(cache, state);
  if (!drawOverBorder()) border();
  if (!enabled()) {
    ApplyDisabledEffect(cache, disabledKind(), parent(), {0, 0}, view);
    if (caption) WriteDisabledCaption(cache, *caption, (disabledKind() & dkGrayed) != 0);
  }
  std::optional<Region> cut;
  if (!(shape == Region(cache.bounds()))) cut = std::move(shape);
  shapeChanged_ = shapeChanged_ || cut.has_value() != shape_.has_value() || (cut && !(*cut == *shape_));
  shape_ = std::move(cut);
  SkinData.BackgroundDirty = false;
  composedState_ = state;
  composedSpacing_ = spacing();
}

std::optional<DisabledCaption> TsBitBtn::drawContent(Bitmap& cache, int state) {
  Canvas c(cache);
  c.setFont(font());
  c.setBackgroundMode(BackgroundMode::Transparent);
  const bool hot = state != 0;
  const SkinGlyph g = glyphOfButton(*this, hot);
  SkinButtonContent content = contentOfButton(*this, g);
  content.wordWrap = wordWrap_;
  content.alignment = alignment_;
  const SkinButtonPlacement placed = placeButtonContent(c, clientRect().inflatedBy(-2, -2), content);
  const Point shift = state == 2 ? Point{1, 1} : Point{0, 0};
  std::optional<DisabledCaption> disabledCaption;
  if (!content.caption.empty() && !enabled()) {
    disabledCaption = disabledCaptionOf(SkinData, content.caption, hot, placed.textFormat, placed.text.offsetBy(shift));
  } else if (!content.caption.empty()) {
    const Rect text = placed.text.offsetBy(shift);
    WriteSkinText(c, content.caption, enabled(), hot, SkinData, placed.textFormat, text);
    const TsGeneralData* section = SkinData.section();
    if (enabled() && focused() && showFocus_ && section && section->ShowFocus) {
      const Rect frame = text.inflatedBy(focusMargin_, focusMargin_);
      c.writeRows([&](const ClippedRows& rows) { DrawFocusFrame(rows, frame); });
    }
  }
  if (g.present()) c.writeRows([&](const ClippedRows& rows) { DrawSkinGlyph(rows, placed.glyph + shift, g); });
  return disabledCaption;
}

void TsBitBtn::applyShape() {
  Window* w = window();
  if (!w || !shapeChanged_ || skinProcessState().skinChangeAnimation || isDesigning()) return;
  shapeChanged_ = false;
  w->setWindowRegion(shape_, Redraw::No);
  // A button that shrank leaves its former corners to its parent.
  const Rect now = boundsRect();
  if (parent() && parent()->window() && !shapedBounds_.isEmpty() &&
      (now.width() < shapedBounds_.width() || now.height() < shapedBounds_.height())) {
    parent()->window()->invalidateRect(shapedBounds_, Erase::Yes);
  }
  shapedBounds_ = now;
}

void TsBitBtn::Paint() {
  if (!paintsSkinned()) {
    TBitBtn::Paint();
    return;
  }
  Canvas& target = *canvas();
  if (fadeTimer_ && fadeTimer_->running()) {
    // A fade shows its latest frame (the look it started from before the first one).
    const Bitmap& frame = fadeTimer_->shownFrame().isEmpty() ? fadeTimer_->StartImage : fadeTimer_->shownFrame();
    target.drawBitmap({0, 0}, frame);
    return;
  }
  // Held while the parent is, the button shows its last look until the parent's paint brings
  // it back (SKC_PARENTPAINTED).
  if (SkinData.StartPaint()) {
    bool dirty = SkinData.BackgroundDirty || SkinData.PartlyClipped;
    if (parent() && sendSkinCommand(*parent(), SKC_GETCLIPPED) != 0) dirty = true;
    SkinData.PartlyClipped = parent() && !parent()->clientRect().contains(boundsRect());
    if (composedSpacing_ != spacing()) dirty = true;
    if (SkinData.CacheBitmap.width() != width() || SkinData.CacheBitmap.height() != height()) dirty = true;
    if (composedState_ != skinState()) dirty = true;
    if (dirty) composeButton();
    RefreshCorners(SkinData, composedState_);
  }
  if (!SkinData.CacheBitmap.isEmpty()) target.drawBitmap({0, 0}, SkinData.CacheBitmap);
  applyShape();
}

// --- Fades -------------------------------------------------------------------------------------

void TsBitBtn::stopFade() {
  if (fadeTimer_) fadeTimer_->stop();
}

void TsBitBtn::freeFadeTimer() {
  if (!fadeTimer_) return;
  fadeTimer_->stop();
  // The timer may be in its own tick (SKC_FADEDONE comes from there): it is freed later.
  retiredTimer_ = std::move(fadeTimer_);
}

void TsBitBtn::showChange(TacAnimatEvent event, HalfLength half) {
  const TsGeneralData* section = SkinData.section();
  Window* w = window();
  const bool fades = section && section->FadingEnabled && eventAnimates(animatEvents(), event, SkinData.manager()) &&
                     !fadesSuspended() && !SkinData.CacheBitmap.isEmpty() && !SkinData.BackgroundDirty && w &&
                     w->isShowing();
  if (fades) {
    SkinData.BackgroundDirty = true;
    // A fade that is still running hands on the frame it shows, so the new one starts there.
    Bitmap shown;
    if (fadeTimer_ && fadeTimer_->running() && !fadeTimer_->shownFrame().isEmpty()) shown = fadeTimer_->shownFrame();
    if (!fadeTimer_) {
      retiredTimer_.reset();
      fadeTimer_ = std::make_unique<TsFadeTimer>(SkinData);
    }
    const int steps = half == HalfLength::Yes ? section->FadingIterations / 2 : section->FadingIterations;
    fadeTimer_->prepare(steps);
    if (!shown.isEmpty()) fadeTimer_->StartImage = std::move(shown);
    Perform(SM_SKINCMD, skinCommandWParam(SKC_PREPAREFADE));
    fadeTimer_->run();
  } else {
    SkinData.BackgroundDirty = true;
    freeFadeTimer();
    Invalidate();
  }
  ShowGlow(SkinData, half == HalfLength::Yes);
}

void TsBitBtn::withoutRedraw(TMessage& m) {
  Window* w = window();
  const bool was = w && w->redrawEnabled();
  if (w) w->setRedraw(false);
  TsSkinnedControl::WndProc(m);
  if (w && was) w->setRedraw(true);
}

void TsBitBtn::handleMouseUp(TMessage& m) {
  const bool after = pressedHere_;
  pressedHere_ = false;
  if (after && fadeTimer_ && fadeTimer_->running() && SkinData.HasSkin()) {
    // The press is shown whole before the release fades from it.
    stopFade();
    forcedPressed_ = true;
    composeButton();
    forcedPressed_ = false;
    if (Window* w = window(); w && w->isShowing()) {
      auto dc = w->system().getDC(*w);
      dc->canvas().drawBitmap({0, 0}, SkinData.CacheBitmap);
    }
    pauseGuiThread(30);
  }
  TsSkinnedControl::WndProc(m);
  if (!after || isDestroying() || !SkinData.HasSkin()) return;
  SkinData.PaintingHeld = false;
  SkinData.BackgroundDirty = false;
  try {
    showChange(aeMouseUp, HalfLength::Yes);
  } catch (const std::exception&) {
    // A fade that cannot start leaves the button as it is, shown in its new state.
    freeFadeTimer();
    SkinData.RequestRepaint();
  }
}

void TsBitBtn::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      const bool own = m.LParam_ == 0 || m.LParam_ == reinterpret_cast<LParam>(this);
      const bool wasOver = SkinData.MouseOver;
      TsSkinnedControl::WndProc(m);
      if (!own || !enabled() || isDesigning() || !SkinData.HasSkin()) return;
      const bool entering = m.Msg == CM_MOUSEENTER;
      if (entering && wasOver) return;
      SkinData.MouseOver = entering;
      SkinData.BackgroundDirty = false;
      showChange(entering ? aeMouseEnter : aeMouseLeave, HalfLength::No);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const bool animate = SkinData.HasSkin() && enabled() && !isDesigning() && !down_;
      pressedHere_ = enabled();
      // No hint pops up while the press is handled.
      bool unusedHints = false;
      ScopedSkinFlag noHints(TApplication::exists() ? Application().ShowHint : unusedHints, false);
      TsSkinnedControl::WndProc(m);
      if (!animate || isDestroying()) return;
      // The press shows at once unless the parent is still held (its paint releases the button).
      SkinData.StartPaint();
      SkinData.BackgroundDirty = false;
      showChange(aeMouseDown, HalfLength::Yes);
      return;
    }
    case WM_LBUTTONUP:
      handleMouseUp(m);
      return;
    case WM_SETFOCUS:
    case CM_ENTER:
      withoutRedraw(m);
      if (fadeTimer_ && fadeTimer_->running()) {
        fadeTimer_->fadeStep();
      } else {
        SkinData.RequestRepaint();
      }
      return;
    case WM_KILLFOCUS:
    case CM_EXIT:
      stopFade();
      withoutRedraw(m);
      if (SkinData.HasSkin()) {
        SkinData.HasFocus = false;
        SkinData.RequestRepaint();
      }
      return;
    case CM_TEXTCHANGED:
      stopFade();
      TsSkinnedControl::WndProc(m);
      SkinData.RequestRepaint();
      return;
    case WM_MOVE: {
      TsSkinnedControl::WndProc(m);
      const TsGeneralData* s = SkinData.section();
      if (s && (s->Transparency > 0 || (s->HotTransparency > 0 && SkinData.ShowsHot()))) SkinData.RequestRepaint();
      return;
    }
    case WM_UPDATEUISTATE:
      if (visible() && SkinData.HasSkin()) {
        m.Result = 0;
        return;
      }
      break;
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      if (m.Msg == CM_ENABLEDCHANGED && !enabled()) freeFadeTimer();
      TsSkinnedControl::WndProc(m);
      SkinData.PaintingHeld = false;
      SkinData.RequestRepaint();
      return;
    case CM_VISIBLECHANGED:
      TsSkinnedControl::WndProc(m);
      SkinData.BackgroundDirty = true;
      SkinData.PaintingHeld = false;
      if (visible()) SkinData.RequestRepaint();
      return;
    case SM_SKINCMD:
      switch (skinCommandOf(m.WParam_)) {
        case SKC_REFRESH:
          stopFade();
          break;
        case SKC_REMOVESKIN:
          freeFadeTimer();
          TsSkinnedControl::WndProc(m);
          shape_.reset();
          shapeChanged_ = false;
          if (Window* w = window()) w->setWindowRegion(std::nullopt, Redraw::No);
          Invalidate();
          return;
        case SKC_SETSKIN:
          freeFadeTimer();
          TsSkinnedControl::WndProc(m);
          if (!skinProcessState().skinChangeAnimation) SkinData.RequestRepaint();
          return;
        case SKC_FADEDONE:
          if (fadeTimer_) {
            freeFadeTimer();
            Invalidate();
          }
          break;
        case SKC_PREPAREFADE:
          composeButton();
          m.Result = 0;
          return;
        default:
          break;
      }
      break;
    default:
      break;
  }
  TsSkinnedControl::WndProc(m);
}

}  // namespace tavra
