#include "CoverPreviewPainter.h"

#include "gfx/Canvas.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/SectionPainting.h"

namespace tavra {
namespace {

constexpr int kCaptionHeight = 20;
constexpr int kMenuLineHeight = 16;

TsCacheView selfView(const Bitmap& copy) {
  return TsCacheView{.Bitmap = &copy, .X = 0, .Y = 0, .FillColor = clFuchsia, .Ready = true};
}

}  // namespace

void CoverPreviewPainter::section(Bitmap& target, const char* name, const Rect& r, int state) const {
  const int index = model_.FindSection(name);
  if (!model_.IsValidSection(index)) return;
  const Bitmap under = target;
  PaintSection(model_, index, selfView(under), -1, -1, ClippedRows(target), {0, 0}, r, state, CentreFill::Yes);
}

void CoverPreviewPainter::text(Bitmap& target, const char* sectionName, const std::string& s, const Rect& r, unsigned flags,
                               bool hot, bool bold) const {
  const int index = model_.FindSection(sectionName);
  Color color = 0;
  if (model_.IsValidSection(index)) {
    const TsGeneralData& d = model_.Sections[static_cast<size_t>(index)];
    color = hot ? d.HotFontColor[0] : d.FontColor[0];
  }
  Canvas c(target);
  Font f;
  f.name = "Tahoma";
  f.height = 11;
  if (bold) f.style |= fsBold;
  c.setFont(f);
  c.setTextColor(color);
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.drawText(s, r, flags | DT_SINGLELINE | DT_NOPREFIX);
  c.syncPixels();
}

void CoverPreviewPainter::mask(Bitmap& target, const char* sectionName, const char* key, Point at, int state) const {
  const int index = model_.FindSection(sectionName);
  const int m = model_.FindMask(index, sectionName, key);
  if (!model_.IsValidMask(m)) return;
  const Bitmap under = target;
  DrawMaskImage(ClippedRows(target), at, state, selfView(under), model_, m, MaskOpacity::Opaque);
}

Bitmap CoverPreviewPainter::paint() const {
  Bitmap b(kWidth, kHeight, PixelFormat::Bits24);
  b.fill(0xFF808080u);
  const Rect whole = b.bounds();
  // The window: its background and frame, the caption bar inside the frame, the menu line.
  section(b, "FORM", whole, 0);
  const int form = model_.FindSection("FORM");
  const int frameMask = model_.FindMask(form, "FORM", "BORDERSMASK");
  const int wl = model_.IsValidMask(frameMask) ? model_.MaskWidthLeft(frameMask) : 3;
  const int wt = model_.IsValidMask(frameMask) ? model_.MaskWidthTop(frameMask) : 3;
  const int wr = model_.IsValidMask(frameMask) ? model_.MaskWidthRight(frameMask) : 3;
  const Rect caption{0, 0, kWidth, wt + kCaptionHeight};
  section(b, "FORMTITLE", caption, 1);
  text(b, "FORMTITLE", "Tavra", {wl + 6, wt, kWidth - wr - 24, wt + kCaptionHeight}, DT_LEFT | DT_VCENTER, true, true);
  const int close = model_.FindMask(model_.FindSection("GLOBALINFO"), "GLOBALINFO", "BICONCLOSE");
  if (model_.IsValidMask(close)) {
    const Size s = model_.MaskFrameSize(close);
    mask(b, "GLOBALINFO", "BICONCLOSE", {kWidth - wr - s.width - 2, wt + (kCaptionHeight - s.height) / 2}, 0);
  }
  const Rect menuLine{wl, caption.bottom, kWidth - wr, caption.bottom + kMenuLineHeight};
  section(b, "MENULINE", menuLine, 0);
  text(b, "MENULINE", "Вид", Rect{menuLine.left + 6, menuLine.top, menuLine.left + 40, menuLine.bottom}, DT_LEFT | DT_VCENTER, false, false);
  const Rect hotItem{menuLine.left + 36, menuLine.top, menuLine.left + 90, menuLine.bottom};
  section(b, "MENUITEM", hotItem, 1);
  text(b, "MENUITEM", "Справка", hotItem, DT_CENTER | DT_VCENTER, true, false);

  // The client area: a panel holding an edit and a check box, and two buttons under it.
  const int top = menuLine.bottom + 5;
  const Rect panel{wl + 5, top, kWidth - wr - 5, top + 40};
  section(b, "PANEL", panel, 0);
  const Rect edit{panel.left + 5, panel.top + 4, panel.right - 5, panel.top + 20};
  section(b, "EDIT", edit, 0);
  text(b, "EDIT", "Veltrana", Rect{edit.left + 4, edit.top, edit.right, edit.bottom}, DT_LEFT | DT_VCENTER, false, false);
  const int box = model_.FindMask(model_.FindSection("GLOBALINFO"), "GLOBALINFO", "BOXCHECKED");
  const int boxHeight = model_.IsValidMask(box) ? model_.MaskFrameSize(box).height : 13;
  mask(b, "GLOBALINFO", "BOXCHECKED", {panel.left + 5, panel.top + 22 + (16 - boxHeight) / 2}, 0);
  text(b, "CHECKBOX", "Обложка", {panel.left + 24, panel.top + 22, panel.right, panel.top + 38}, DT_LEFT | DT_VCENTER, false, false);
  const int buttonsTop = panel.bottom + 5;
  const Rect ok{panel.left, buttonsTop, panel.left + 64, buttonsTop + 22};
  const Rect hot{panel.right - 64, buttonsTop, panel.right, buttonsTop + 22};
  section(b, "BUTTON", ok, 0);
  text(b, "BUTTON", "OK", ok, DT_CENTER | DT_VCENTER, false, false);
  section(b, "BUTTON", hot, 1);
  text(b, "BUTTON", "Выбор", hot, DT_CENTER | DT_VCENTER, true, false);
  return b;
}

}  // namespace tavra
