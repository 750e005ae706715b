#include "skin/binding/DisabledCaption.h"

#include "gfx/Canvas.h"
#include "skin/data/SkinModel.h"
#include "skin/primitives/Contrast.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/binding/TsCommonData.h"

namespace tavra {
namespace {

Color greyOf(Color c) {
  const int g = (redOf(c) + greenOf(c) + blueOf(c)) / 3;
  return rgb(g, g, g);
}

}  // namespace

Color DisabledCaptionInk(Color font, Color disabled, Color face) {
  if (ContrastRatio(disabled, face) >= kDisabledCaptionContrast) return resolveColor(disabled);
  const Color contrasting = ContrastRatio(clBlack, face) >= ContrastRatio(clWhite, face) ? clBlack : clWhite;
  for (const Color ink : {resolveColor(font), contrasting}) {
    // From half faded to the full ink: the first that reads is the most muted legible one.
    for (int keep = 50; keep <= 100; keep += 10) {
      const Color muted = BlendColors(ink, face, keep / 100.0);
      if (ContrastRatio(muted, face) >= kDisabledCaptionContrast) return muted;
    }
  }
  return contrasting;
}

DisabledCaption disabledCaptionOf(const TsCommonData& binding, std::string text, bool hot, unsigned format, const Rect& r) {
  DisabledCaption caption{.text = std::move(text), .font = binding.owner().font(), .format = format, .rect = r};
  if (const TsGeneralData* s = binding.HasSkin() ? binding.section() : nullptr) {
    caption.fontColor = hot ? s->HotFontColor[0] : s->FontColor[0];
    caption.windowColor = binding.model()->GlobalColor();
  }
  return caption;
}

void WriteDisabledCaption(Bitmap& picture, const DisabledCaption& caption, bool grey) {
  if (caption.text.empty()) return;
  const Color face = MeanColor(picture, caption.rect);
  const Color disabled = BlendColors(resolveColor(caption.fontColor), resolveColor(caption.windowColor), 0.4);
  Color ink = DisabledCaptionInk(caption.fontColor, disabled, face);
  if (grey) ink = greyOf(ink);
  Canvas c(picture);
  c.setFont(caption.font);
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.intersectClip(caption.rect);
  c.setTextColor(ink);
  c.drawText(caption.text, caption.rect, caption.format);
}

}  // namespace tavra
