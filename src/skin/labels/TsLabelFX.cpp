#include "skin/labels/TsLabelFX.h"

#include <algorithm>

#include "skin/data/SkinModel.h"
#include "skin/data/SkinModelRepair.h"
#include "skin/primitives/ShadowBlur.h"

namespace tavra {

TsLabelFX::TsLabelFX(TComponent* owner) : TsCustomLabel(owner), maskCanvas_(std::make_unique<Canvas>(mask_)) {}

TsLabelFX::~TsLabelFX() = default;

TsLabelFX::ShadowParams TsLabelFX::shadowParams() const {
  if (shadow_.mode() == TsShadowMode::smSkin1) {
    if (const SkinModel* skin = activeSkin(); skin && skin->SkinData.Shadow1Blur != -1) {
      // A model loaded from a file is bounded already; one built in code is bounded here, since
      // the blur's buffers grow with both values.
      const TsSkinData& header = skin->SkinData;
      return {static_cast<Color>(header.Shadow1Color), std::clamp(header.Shadow1Blur, -1, kMaxShadowBlur),
              std::clamp(header.Shadow1Offset, -kMaxShadowOffset, kMaxShadowOffset)};
    }
  }
  return {shadow_.color(), shadow_.blurCount(), shadow_.distance()};
}

Color TsLabelFX::textColor() const {
  switch (kind_.kindType()) {
    case TsKindType::ktStandard:
      return color();
    case TsKindType::ktCustom:
      return kind_.color();
    case TsKindType::ktSkin:
      break;
  }
  if (const SkinModel* skin = activeSkin()) {
    const int global = skin->FindSection("GLOBALINFO");
    if (skin->IsValidSection(global)) {
      const Color contourLeft = skin->Sections[static_cast<size_t>(global)].FontColor[1];
      if (contourLeft != kNoColor) return contourLeft;
    }
  }
  return kind_.color();
}

Rect TsLabelFX::insetByExtents(const Rect& r) const {
  return {r.left - topLeftExtent_, r.top - topLeftExtent_, r.right - bottomRightExtent_, r.bottom - bottomRightExtent_};
}

void TsLabelFX::DoDrawText(Canvas& c, Rect& r, unsigned flags) {
  if (shadow_.mode() == TsShadowMode::smNone) {
    TsCustomLabel::DoDrawText(c, r, flags);
    return;
  }
  const bool measuring = (flags & DT_CALCRECT) != 0;
  std::string text = labelText();
  if (measuring && (text.empty() || (showAccelChar() && text == "&"))) text.assign(1, ' ');
  const Font f = paintFont();
  c.setFont(f);
  c.setBackgroundMode(BackgroundMode::Transparent);

  if (!enabled()) {
    // Embossed, without a shadow.
    if (measuring) {
      c.drawText(text, r, flags);
      return;
    }
    c.setTextColor(systemColor(SysColor::BtnHighlight));
    c.drawText(text, r.offsetBy(1, 1), flags);
    c.setTextColor(systemColor(SysColor::BtnShadow));
    c.drawText(text, r, flags);
    return;
  }

  const ShadowParams shadow = shadowParams();
  const Color ink = textColor();
  const bool shadowOn = shadow.color != clNone && shadow.blurCount != 0;
  if (measuring || !shadowOn) {
    c.setTextColor(ink);
    c.drawText(text, r, flags);
    if (measuring && shadowOn) {
      // The shadow's reach around the text, added to the measured size.
      topLeftExtent_ = std::min(0, shadow.distance - shadow.blurCount);
      bottomRightExtent_ = std::max(0, shadow.distance + shadow.blurCount);
      int grow = bottomRightExtent_ - topLeftExtent_;
      r.right += grow;
      r.bottom += grow;
    }
    return;
  }
  drawWithShadow(c, text, r, flags, shadow, ink);
}

void TsLabelFX::drawWithShadow(Canvas& c, const std::string& text, const Rect& r, unsigned flags, const ShadowParams& shadow,
                               Color ink) {
  const int w = std::max(r.width(), 0);
  const int h = std::max(r.height(), 0);
  // Mask: the text in white on black, where the shadow falls.
  if (mask_.width() != w || mask_.height() != h) {
    mask_.resize(w, h);
    maskCanvas_->resetClip();
  }
  maskCanvas_->fillRect(mask_.bounds(), clBlack);
  maskCanvas_->setFont(paintFont());
  maskCanvas_->setBackgroundMode(BackgroundMode::Transparent);
  maskCanvas_->setTextColor(clWhite);
  maskCanvas_->drawText(text, insetByExtents(r).offsetBy(shadow.distance, shadow.distance), flags);
  maskCanvas_->syncPixels();

  // Blur buffer: kept and only grown, twice the entries needed.
  const std::size_t needed = 2 * shadowBufferEntries(w, h);
  if (blur_.size() < needed) blur_.resize(needed);
  std::fill_n(blur_.begin(), needed, std::uint8_t{0});
  blurShadowMask(mask_, blur_, shadow.blurCount);

  // Composition into the mask bitmap, then onto the label.
  if (transparent()) {
    c.grabInto(Rect::fromSize(0, 0, w, h), mask_);
    composeShadowOver(mask_, blur_, shadow.color);
  } else {
    composeShadowOnColor(mask_, blur_, shadow.color, color());
  }
  maskCanvas_->syncPixels();
  c.drawBitmap({0, 0}, mask_);

  c.setTextColor(ink);
  c.drawText(text, insetByExtents(r), flags);
}

}  // namespace tavra
