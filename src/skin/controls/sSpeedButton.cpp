#include "skin/controls/sSpeedButton.h"

#include <algorithm>

#include "framework/menus/PopupMenu.h"
#include "skin/data/SkinModel.h"
#include "skin/data/TsGeneralData.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinProcessState.h"
#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/controls/ButtonContentOf.h"
#include "skin/controls/SkinButtonLayout.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

namespace {

// The parent's background under the button, or the parent's colour where there is none (the
// skin's global colour when even that is unknown). The colour goes first and the parent's
// transparent pixels are left out: clFuchsia in the cache would reach the screen as it is.
void copyBackground(Bitmap& cache, const TsCacheView& view, TControl* parent, Color global) {
  Color c = view.FillColor;
  if (c == clFuchsia) c = ParentColorOf(parent);
  if (c == clFuchsia) c = global;
  cache.fill(pixelFromColor(resolveColor(c)));
  if (!view.Ready || !view.Bitmap) return;
  for (int y = 0; y < cache.height(); ++y) {
    Pixel* out = cache.row(y);
    for (int x = 0; x < cache.width(); ++x) {
      if (const Pixel* v = view.pixelAt(x, y); v && !skinpx::isFuchsia(*v)) out[x] = *v;
    }
  }
}

}  // namespace

TsSpeedButton::TsSpeedButton(TComponent* owner, int kind) : TsSkinnedControl(owner, kind) {
  SkinData.Recompose = [this] { composeButton(); };
}

TsSpeedButton::~TsSpeedButton() {
  if (animTimer_) animTimer_->stop();
}

void TsSpeedButton::setButtonStyle(TsButtonStyle style) {
  if (style == buttonStyle_) return;
  buttonStyle_ = style;
  SkinData.RequestRepaint();
}

void TsSpeedButton::setChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  SkinData.RequestRepaint();
}

void TsSpeedButton::buttonPropertyChanged() { SkinData.RequestRepaint(); }

int TsSpeedButton::skinState() const {
  const TButtonState s = state();
  if (s == TButtonState::bsDown || s == TButtonState::bsExclusive) return 2;
  if (checked_ && buttonStyle_ == TsButtonStyle::tbsCheck && enabled()) return 2;
  return SkinData.ShowsHot() ? 1 : 0;
}

int TsSpeedButton::dropDownState() const {
  if (menuDropped_ || down() || state() == TButtonState::bsDown) return 2;
  return SkinData.ShowsHot() ? 1 : 0;
}

void TsSpeedButton::Click() {
  if (buttonStyle_ == TsButtonStyle::tbsCheck) setChecked(!checked_);
  TsSkinnedControl::Click();
}

void TsSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  const bool onDropDown = buttonStyle_ == TsButtonStyle::tbsDropDown && dropdownMenu_ && button == TMouseButton::mbLeft &&
                          enabled() && x >= width() - kDropDownWidth;
  if (!onDropDown) {
    TsSkinnedControl::MouseDown(button, shift, x, y);
    return;
  }
  // The drop-down part opens the menu below the button instead of pressing it.
  menuDropped_ = true;
  SkinData.RequestRepaint();
  Update();
  const Point at = clientToScreen({0, height()});
  dropdownMenu_->Popup(at.x, at.y);
  menuDropped_ = false;
  SkinData.RequestRepaint();
}

// --- Composing ---------------------------------------------------------------------------------

void TsSpeedButton::composeButton() {
  if (!SkinData.HasSkin() || width() <= 0 || height() <= 0) return;
  const SkinModel& model = *SkinData.model();
  const int state = skinState();
  SkinData.EnsureCache();
  Bitmap& cache = SkinData.CacheBitmap;
  const TsCacheView view = ParentViewOf(*this);
  const Rect all = cache.bounds();
  std::optional<DisabledCaption> caption;
  switch (buttonStyle_) {
    case TsButtonStyle::tbsSeparator:
      copyBackground(cache, view, parent(), model.GlobalColor());
      break;
    case TsButtonStyle::tbsDivider: {
      copyBackground(cache, view, parent(), model.GlobalColor());
      const int divider = model.FindMaskExact("DIVIDER", "BORDERSMASK");
      const MaskFrame f = maskFrame(model, divider, 0);
      if (f.valid()) {
        const Rect band = Rect::fromSize((width() - f.frameWidth) / 2, 0, f.frameWidth, height());
        DrawBorderMask(cache, band, CentreFill::Yes, CornersFromParent::Yes, 0, model, divider, viewOfTarget(cache));
      }
      break;
    }
    default:
      if (drawOverBorder()) {
        PaintSection(SkinData, view, CentreFill::Yes, state, cache, {0, 0}, all);
        caption = drawContent(cache, state);
      } else {
        PaintSectionBackground(SkinData, view, state, cache, {0, 0}, all);
        caption = drawContent(cache, state);
        if (model.IsValidMask(SkinData.borderMaskIndex())) {
          DrawBorderMask(cache, all, CentreFill::No, CornersFromParent::Yes, state, model, SkinData.borderMaskIndex(), view);
        }
      }
      if (buttonStyle_ == TsButtonStyle::tbsDropDown) drawDropDownPart(cache, view);
      break;
  }
  if (!enabled()) {
    ApplyDisabledEffect(cache, disabledKind(), parent(), {0, 0}, view);
    if (caption) WriteDisabledCaption(cache, *caption, (disabledKind() & dkGrayed) != 0);
  }
  SkinData.BackgroundDirty = false;
  composedState_ = state;
  composedGlyphs_ = numGlyphs();
  composedSpacing_ = spacing();
  composedDown_ = down();
}

void TsSpeedButton::drawDropDownPart(Bitmap& cache, const TsCacheView& view) {
  const SkinModel& model = *SkinData.model();
  const int state = dropDownState();
  const Rect part = Rect::fromSize(std::max(width() - kDropDownWidth, 0), 0, std::min(kDropDownWidth, width()), height());
  PaintSection(SkinData, view.offsetBy(part.left, 0), CentreFill::Yes, state, ClippedRows(cache).translated(part.topLeft()),
               {0, 0}, Rect::fromSize(0, 0, part.width(), part.height()));
  const int arrow = model.CommonIndices.ScrollBtnBottomGlyph;
  const MaskFrame f = maskFrame(model, arrow, state);
  if (arrow < 0 || !f.valid()) return;
  const Point at{part.left + (part.width() - f.frameWidth) / 2 + 1, (height() - f.frameHeight) / 2};
  DrawMaskImage(cache, at, state, viewOfTarget(cache), model, arrow, MaskOpacity::Opaque);
}

std::optional<DisabledCaption> TsSpeedButton::drawContent(Bitmap& cache, int state) {
  Canvas c(cache);
  c.setFont(font());
  c.setBackgroundMode(BackgroundMode::Transparent);
  const bool hot = state != 0;
  const SkinGlyph g = glyphOfButton(*this, hot);
  SkinButtonContent content = contentOfButton(*this, g);
  Rect client = clientRect().inflatedBy(-1, -1);
  if (buttonStyle_ == TsButtonStyle::tbsDropDown) client.right = std::max(client.left, client.right - kDropDownWidth);
  const SkinButtonPlacement placed = placeButtonContent(c, client, content);
  const Point shift = state == 2 ? Point{1, 1} : Point{0, 0};
  std::optional<DisabledCaption> disabledCaption;
  if (!content.caption.empty() && !enabled()) {
    disabledCaption = disabledCaptionOf(SkinData, content.caption, hot, placed.textFormat, placed.text.offsetBy(shift));
  } else if (!content.caption.empty()) {
    WriteSkinText(c, content.caption, enabled(), hot, SkinData, placed.textFormat, placed.text.offsetBy(shift));
  }
  if (g.present()) c.writeRows([&](const ClippedRows& rows) { DrawSkinGlyph(rows, placed.glyph + shift, g); });
  return disabledCaption;
}

bool TsSpeedButton::animationShowing() const {
  return animTimer_ && animTimer_->running() && animTimer_->Frame.width() == width() && !animTimer_->Frame.isEmpty();
}

void TsSpeedButton::Paint() {
  if (!paintsSkinned()) {
    TSpeedButton::Paint();
    return;
  }
  if (width() <= 0 || height() <= 0) return;
  Canvas& target = *canvas();
  if (animationShowing()) {
    target.drawBitmap({0, 0}, animTimer_->Frame);
    return;
  }
  bool dirty = SkinData.BackgroundDirty || composedDown_ != down() || SkinData.PartlyClipped;
  SkinData.PartlyClipped = SkinData.VariesWithParent();
  if (composedGlyphs_ != numGlyphs() || composedSpacing_ != spacing() || composedState_ != skinState()) dirty = true;
  if (SkinData.CacheBitmap.width() != width() || SkinData.CacheBitmap.height() != height()) dirty = true;
  if (dirty) composeButton();
  RefreshCorners(SkinData, composedState_);
  target.drawBitmap({0, 0}, SkinData.CacheBitmap);
}

// --- Animation ---------------------------------------------------------------------------------

void TsSpeedButton::freeAnimTimer() {
  if (!animTimer_) return;
  animTimer_->stop();
  // The timer may be in its own tick (SKC_FADEDONE comes from there): it is freed later.
  retiredTimer_ = std::move(animTimer_);
}

void TsSpeedButton::animate(TacAnimatEvent event, HalfLength half) {
  const TsGeneralData* section = SkinData.section();
  const bool animates = section && section->FadingEnabled && eventAnimates(animatEvents(), event, SkinData.manager()) &&
                        !fadesSuspended() && !SkinData.CacheBitmap.isEmpty() && showing() &&
                        buttonStyle_ != TsButtonStyle::tbsSeparator && buttonStyle_ != TsButtonStyle::tbsDivider;
  SkinData.BackgroundDirty = true;
  if (!animates) {
    freeAnimTimer();
    Invalidate();
    return;
  }
  // The new animation fades from the look the cache holds now. One that turns a running one
  // round starts at the mirrored step (the old one's remaining steps), so the look it shows first
  // follows on from the frame on screen instead of jumping back to the far end.
  const bool turning = animTimer_ && animTimer_->running();
  // (Past its last step a timer waits for the tick that ends it: it turns round at step 0.)
  const int firstStep = turning ? std::max(animTimer_->Iterations - animTimer_->Step, 0) : 1;
  Bitmap start = SkinData.CacheBitmap;
  freeAnimTimer();
  retiredTimer_.reset();
  animTimer_ = std::make_unique<TsAnimTimer>(SkinData);
  const int steps = half == HalfLength::Yes ? section->FadingIterations / 2 : section->FadingIterations;
  composeButton();
  RefreshCorners(SkinData, composedState_);
  animTimer_->start(steps, firstStep);
  animTimer_->StartImage = std::move(start);
  animTimer_->animStep();
  // An animation over before its first step (none left to show) shows the new look at once.
  if (!animationShowing()) Invalidate();
}

void TsSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      const bool own = m.LParam_ == 0 || m.LParam_ == reinterpret_cast<LParam>(this);
      const bool wasOver = SkinData.MouseOver;
      TsSkinnedControl::WndProc(m);
      if (!own || !enabled() || isDesigning() || !SkinData.HasSkin()) return;
      const bool entering = m.Msg == CM_MOUSEENTER;
      if (entering == wasOver) return;
      SkinData.MouseOver = entering;
      animate(entering ? aeMouseEnter : aeMouseLeave, HalfLength::No);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int before = skinState();
      TsSkinnedControl::WndProc(m);
      if (SkinData.HasSkin() && enabled() && skinState() != before) animate(aeMouseDown, HalfLength::Yes);
      return;
    }
    case WM_LBUTTONUP: {
      if (animationShowing()) {
        // The press is finished at once before the release.
        freeAnimTimer();
        SkinData.BackgroundDirty = true;
        Repaint();
      }
      const int before = skinState();
      TsSkinnedControl::WndProc(m);
      if (!isDestroying() && SkinData.HasSkin() && enabled() && skinState() != before) animate(aeMouseUp, HalfLength::Yes);
      return;
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      if (visible()) SkinData.BackgroundDirty = true;
      break;
    case WM_ERASEBKGND:
      return;
    case CM_TEXTCHANGED:
      TsSkinnedControl::WndProc(m);
      if (showCaption()) SkinData.RequestRepaint();
      return;
    case CM_ENABLEDCHANGED:
      if (!enabled()) freeAnimTimer();
      TsSkinnedControl::WndProc(m);
      SkinData.RequestRepaint();
      return;
    case SM_SKINCMD:
      switch (skinCommandOf(m.WParam_)) {
        case SKC_REFRESH:
        case SKC_REMOVESKIN:
        case SKC_SETSKIN:
          freeAnimTimer();
          TsSkinnedControl::WndProc(m);
          // Skinned, the composed look covers every pixel: nothing is erased under it.
          if (SkinData.HasSkin()) {
            controlStyle_ |= csOpaque;
          } else {
            controlStyle_ &= ~csOpaque;
          }
          if (visible()) SkinData.RequestRepaint();
          return;
        case SKC_ANIMSTEP:
          SkinData.PaintingHeld = false;
          SkinData.BackgroundDirty = true;
          Repaint();
          m.Result = 0;
          return;
        case SKC_FADEDONE: {
          const bool shown = animTimer_ && !animTimer_->Frame.isEmpty();
          freeAnimTimer();
          if (shown) Repaint();
          break;
        }
        case SKC_GETHELD:
          m.Result = SkinData.PaintingHeld ? 1 : 0;
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
