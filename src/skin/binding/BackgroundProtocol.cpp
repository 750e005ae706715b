#include "skin/binding/BackgroundProtocol.h"

#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "winsys/WindowSystem.h"

namespace tavra {

namespace {

Color fallbackGlobalColor() {
  TsSkinManager* m = TsSkinManager::DefaultManager();
  return m ? m->model().GlobalColor() : resolveColor(clBtnFace);
}

}  // namespace

bool GetParentBackground(TsBackgroundInfo& info, TWinControl& parent, bool paintInto) {
  const bool wantedPaint = info.PaintInto;
  info.Kind = BackgroundKind::None;
  info.PaintInto = paintInto;
  sendSkinCommand(parent, SKC_GETBG, reinterpret_cast<LParam>(&info));
  if (info.Kind != BackgroundKind::None) return true;
  if (wantedPaint && info.TargetDC) {
    // The parent paints itself under the requester.
    Canvas& dc = *info.TargetDC;
    Canvas::StateSaver saver(dc);
    dc.translate(-info.OffsetX, -info.OffsetY);
    dc.intersectClip(info.Rect.offsetBy(info.OffsetX, info.OffsetY));
    parent.Perform(WM_ERASEBKGND, reinterpret_cast<WParam>(&dc), 0);
    parent.Perform(WM_PRINTCLIENT, reinterpret_cast<WParam>(&dc), 0);
    return false;
  }
  info.Kind = BackgroundKind::Color;
  const LResult answer = sendSkinCommand(parent, SKC_GETCOLOR);
  info.Color = answer != 0 ? resolveColor(static_cast<Color>(answer)) : resolveColor(parent.color());
  if (paintInto && info.Bitmap && info.TargetDC) info.TargetDC->fillRect(info.Rect, info.Color);
  return false;
}

bool GetParentBackground(TsBackgroundInfo& info, Window& parent, bool paintInto) {
  if (TWinControl* control = TWinControl::fromWindow(&parent)) return GetParentBackground(info, *control, paintInto);
  info.Kind = BackgroundKind::None;
  info.PaintInto = paintInto;
  sendSkinCommand(parent, SKC_GETBG, reinterpret_cast<LParam>(&info));
  if (info.Kind != BackgroundKind::None) return true;
  info.Kind = BackgroundKind::Color;
  info.Color = fallbackGlobalColor();
  return false;
}

TsCacheView BackgroundToView(const TsBackgroundInfo& info) {
  if (info.Kind == BackgroundKind::Bitmap && info.Bitmap) {
    return TsCacheView{.Bitmap = info.Bitmap, .X = info.OffsetX, .Y = info.OffsetY, .FillColor = clFuchsia, .Ready = true};
  }
  return TsCacheView{.FillColor = resolveColor(info.Color)};
}

TsCacheView ParentViewOf(TControl& control) {
  TWinControl* parent = control.parent();
  if (!parent) return TsCacheView{.FillColor = clFuchsia};
  TsBackgroundInfo info;
  GetParentBackground(info, *parent, false);
  TsCacheView view = BackgroundToView(info);
  if (view.Ready) {
    view.X += control.left();
    view.Y += control.top();
  }
  return view;
}

}  // namespace tavra
