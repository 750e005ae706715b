#include "skin/binding/BindingPainting.h"

#include <array>
#include <cassert>

#include "framework/core/WinControl.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/DisabledCaption.h"
#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/binding/TsCommonData.h"

namespace tavra {

using namespace skinpx;

void PaintSectionBackground(const TsCommonData& b, const TsCacheView& view, int state, const ClippedRows& target,
                            Point offset, const Rect& r) {
  const SkinModel* model = b.model();
  if (!model || !b.HasSkin()) return;
  const Color custom = b.customColor() ? resolveColor(b.owner().color()) : clFuchsia;
  PaintSectionBackground(*model, b.sectionIndex(), view, custom, b.hotPatternIndex(), b.patternIndex(), target, offset, r,
                         state);
}

void PaintSection(const TsCommonData& b, const TsCacheView& view, CentreFill centre, int state, const ClippedRows& target,
                  Point offset, const Rect& r) {
  const SkinModel* model = b.model();
  if (!model || !b.HasSkin() || r.isEmpty()) return;
  PaintSectionBackground(b, view, state, target, offset, r);
  // DrawBorderMask itself leaves out state 0 when the mask's mode says so.
  if (model->IsValidMask(b.borderMaskIndex())) {
    DrawBorderMask(target, r, centre, CornersFromParent::Yes, state, *model, b.borderMaskIndex(), view.offsetBy(offset.x, offset.y));
  }
  DrawSectionCorners(*model, b.sectionIndex(), target, r, state);
}

void RefreshCorners(TsCommonData& b, int state, unsigned corners) {
  const SkinModel* model = b.model();
  TControl& owner = b.owner();
  if (!model || !model->IsValidMask(b.borderMaskIndex()) || b.CacheBitmap.isEmpty() || owner.width() <= 1 ||
      owner.height() <= 1) {
    return;
  }
  const MaskFrame f = maskFrame(*model, b.borderMaskIndex(), state);
  if (!f.valid()) return;
  const TsCacheView parent = ParentViewOf(owner);
  const bool useColor = !parent.Ready && parent.FillColor != clFuchsia;
  if (!parent.Ready && !useColor) return;
  // Widths cut to the frame: every corner is read from inside it.
  const BorderWidths m = frameBorderWidths(f);
  const int w = b.CacheBitmap.width();
  const int h = b.CacheBitmap.height();
  struct Corner {
    unsigned bit;
    Rect source;
    Point at;
  };
  const std::array<Corner, 4> all = {{
      {1, Rect::fromSize(f.origin.x, f.origin.y, m.left, m.top), {0, 0}},
      {2, Rect::fromSize(f.origin.x, f.origin.y + f.frameHeight - m.bottom, m.left, m.bottom), {0, h - m.bottom}},
      {4, Rect::fromSize(f.origin.x + f.frameWidth - m.right, f.origin.y, m.right, m.top), {w - m.right, 0}},
      {8, Rect::fromSize(f.origin.x + f.frameWidth - m.right, f.origin.y + f.frameHeight - m.bottom, m.right, m.bottom),
       {w - m.right, h - m.bottom}},
  }};
  const Pixel fill = pixelFromColor(resolveColor(parent.FillColor));
  for (const Corner& c : all) {
    if (!(corners & c.bit) || c.source.isEmpty()) continue;
    assert(pictureHolds(*f.source, c.source));
    for (int y = 0; y < c.source.height(); ++y) {
      const int ty = c.at.y + y;
      if (ty < 0 || ty >= h) continue;
      const Pixel* in = f.source->row(c.source.top + y) + c.source.left;
      Pixel* out = b.CacheBitmap.row(ty);
      for (int x = 0; x < c.source.width(); ++x) {
        const int tx = c.at.x + x;
        if (tx < 0 || tx >= w || !isFuchsia(in[x])) continue;
        if (useColor) {
          out[tx] = fill;
        } else if (const Pixel* v = parent.pixelAt(tx, ty)) {
          out[tx] = *v | 0xFF000000u;
        }
      }
    }
  }
}

void ApplyDisabledEffect(Bitmap& bitmap, unsigned kinds, TControl* parent, Point offset, const TsCacheView& view) {
  if (kinds & dkGrayed) MakeGrey(bitmap);
  if (!(kinds & dkBlended)) return;
  if (view.Ready && view.Bitmap) {
    // The control keeps 40 %, its parent's background 60 %. Where the parent's picture does not
    // reach, `under` keeps the control's own pixels, so the blend leaves them as painted.
    Bitmap under = bitmap;
    under.copyFrom(*view.Bitmap, Rect::fromSize(view.X + offset.x, view.Y + offset.y, bitmap.width(), bitmap.height()), 0, 0);
    CopyBlended(bitmap, 0, 0, clNone, 0.4, under.bounds(), under);
    return;
  }
  Color c = view.FillColor;
  if (c == clFuchsia) c = ParentColorOf(parent);
  MixIntoRect(bitmap, bitmap.bounds(), 50, c);
}

namespace {

// The section whose colours a control's text takes (its own unless it shows its parent's).
int textSectionOf(const TsCommonData& b, int state) {
  const SkinModel& model = *b.model();
  const TsGeneralData* own = b.section();
  TControl& owner = b.owner();
  const int kind = b.controlKind();
  const bool inherits = kind == 32 || kind == 33 || kind == 74 || !owner.isWindowed();
  const int t = state == 0 ? own->Transparency : own->HotTransparency;
  TWinControl* parent = owner.parent();
  if (!inherits || !owner.parentFont() || !parent || t < 1) return b.sectionIndex();
  int index = static_cast<int>(sendSkinCommand(*parent, SKC_GETSECTIONINDEX)) - 1;
  if (!model.IsValidSection(index)) return b.sectionIndex();
  if (model.Sections[static_cast<size_t>(index)].Transparency > 50 && parent->parent()) {
    const int up = static_cast<int>(sendSkinCommand(*parent->parent(), SKC_GETSECTIONINDEX)) - 1;
    if (model.IsValidSection(up)) index = up;
  }
  return model.Sections[static_cast<size_t>(index)].GiveOwnFont ? index : b.sectionIndex();
}

void drawContoured(Canvas& canvas, const std::string& text, const FontColors& colors, bool contours, unsigned format,
                   const Rect& r) {
  if (contours) {
    DrawTextContours(canvas, colors, [&](Point shift) { canvas.drawText(text, r.offsetBy(shift), format | DT_NOCLIP); });
  }
  canvas.setTextColor(colors[0]);
  canvas.drawText(text, r, format | DT_NOCLIP);
}

}  // namespace

void DrawTextContours(Canvas& canvas, const FontColors& colors, const std::function<void(Point shift)>& drawShifted) {
  const Point shifts[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
  for (size_t i = 0; i < 4; ++i) {
    const Color c = colors[i + 1];
    if (c == kNoColor) continue;
    canvas.setTextColor(c);
    drawShifted(shifts[i]);
  }
}

void WriteSkinText(Canvas& canvas, const std::string& text, bool enabled, bool hot, const TsCommonData& b, unsigned format,
                   const Rect& r) {
  Canvas::StateSaver saver(canvas);
  Font font = b.owner().font();
  const TsGeneralData* own = b.HasSkin() ? b.section() : nullptr;
  if (hot && own && own->SectionName == "WEBBUTTON") font.style |= fsUnderline;
  canvas.setFont(font);
  canvas.intersectClip(r);
  canvas.setBackgroundMode(BackgroundMode::Transparent);
  if (!own) {
    canvas.drawText(text, r, format | (enabled ? DT_NOCLIP : 0u));
    return;
  }
  const SkinModel& model = *b.model();
  const TsGeneralData& s = model.Sections[static_cast<size_t>(textSectionOf(b, hot ? 1 : 0))];
  if (!enabled) {
    // Muted, but never faded into the face it stands on (strongly coloured skins).
    const Color font = resolveColor(s.FontColor[0]);
    canvas.setTextColor(DisabledCaptionInk(font, BlendColors(font, model.GlobalColor(), 0.4), b.StateColor(0)));
    canvas.drawText(text, r, format);
    return;
  }
  FontColors colors = hot ? s.HotFontColor : s.FontColor;
  if (b.customFont()) colors[0] = font.color;
  drawContoured(canvas, text, colors, !b.customFont(), format, r);
}

void WriteSectionText(Canvas& canvas, const std::string& text, bool enabled, TsSkinManager* manager, bool hot,
                      int sectionIndex, unsigned format, const Rect& r) {
  if (!manager) manager = TsSkinManager::DefaultManager();
  if (text.empty() || !manager || !manager->model().IsValidSection(sectionIndex)) return;
  const TsGeneralData& s = manager->model().Sections[static_cast<size_t>(sectionIndex)];
  Canvas::StateSaver saver(canvas);
  canvas.intersectClip(r);
  canvas.setBackgroundMode(BackgroundMode::Transparent);
  if (!enabled) {
    const Color font = resolveColor(s.FontColor[0]);
    const Color face = resolveColor(s.Color);
    canvas.setTextColor(DisabledCaptionInk(font, BlendColors(font, face, 0.4), face));
    canvas.drawText(text, r, format);
    return;
  }
  drawContoured(canvas, text, hot ? s.HotFontColor : s.FontColor, true, format, r);
}

}  // namespace tavra
