#include "skin/controls/sPanel.h"

#include "skin/binding/BindingPainting.h"
#include "skin/controls/FrameBand.h"
#include "winsys/Window.h"

namespace tavra {

Rect TsPanel::captionRect(int lineHeight) const {
  const int bevels = (bevelInner() != TBevelCut::bvNone ? 1 : 0) + (bevelOuter() != TBevelCut::bvNone ? 1 : 0);
  const int inset = bevelWidth() * bevels + borderWidth();
  const Rect inside = clientRect().inflatedBy(-inset, -inset);
  const int top = inside.top + (inside.height() - lineHeight) / 2;
  return {inside.left, top, inside.right, top + lineHeight};
}

void TsPanel::WndProc(TMessage& m) {
  if (m.Msg == SM_SKINCMD && SkinData.HasSkin()) {
    switch (skinCommandOf(m.WParam_)) {
      case SKC_GETHELD:
        m.Result = SkinData.IsPaintingHeld() ? 1 : 0;
        return;
      case SKC_PARENTPAINTED:
        if (SkinData.PaintingHeld) {
          // Still held while anything above is; otherwise shown again, frame included.
          SkinData.PaintingHeld = false;
          if (SkinData.IsPaintingHeld()) {
            SkinData.PaintingHeld = true;
          } else if (Window* w = handleAllocated() ? window() : nullptr) {
            SkinData.BackgroundDirty = true;
            w->invalidateFrame();
            w->invalidate(Erase::Yes);
          }
        }
        SkinData.TellChildrenPainted();
        m.Result = 0;
        return;
      default:
        break;
    }
  }
  TsSkinnedControl::WndProc(m);
  // The caption is drawn into the cache: a new text, font or own colour composes it again.
  switch (m.Msg) {
    case CM_TEXTCHANGED:
      if (parent()) SkinData.RequestRepaint();
      break;
    case CM_FONTCHANGED:
      if (!caption().empty()) {
        SkinData.BackgroundDirty = true;
        Invalidate();
      }
      break;
    case CM_COLORCHANGED:
      if (SkinData.customColor()) SkinData.BackgroundDirty = true;
      break;
    default:
      break;
  }
}

void TsPanel::paintContent(Canvas& cache, int state) {
  (void)state;
  if (caption().empty()) return;
  unsigned format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX;
  if (alignment() == TAlignment::taCenter) format |= DT_CENTER;
  else if (alignment() == TAlignment::taRightJustify) format |= DT_RIGHT;
  // The cache is the whole panel: its client area starts inside the frame.
  const Point frame = ClientOffsetIn(*this);
  const Rect r = captionRect(cache.textExtent("W").height).offsetBy(frame);
  WriteSkinText(cache, caption(), enabled(), false, SkinData, format, r);
}

}  // namespace tavra
