#include "skin/controls/ScrollBarSkinning.h"

#include "framework/controls/ScrollBar.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/controls/SkinScrollBar.h"

namespace tavra {

void installScrollBarSkinning() {
  ScrollBar::setPainter([](Canvas& windowCanvas, const ScrollBar& bar) {
    const TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!manager || !manager->model().SkinData.Active) return false;
    PaintSkinScrollBar(windowCanvas, bar, manager->model());
    return true;
  });
  ScrollBar::setCornerPainter([](Canvas& windowCanvas, const Rect& corner) {
    const TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!manager || !manager->model().SkinData.Active) return false;
    return PaintSkinScrollCorner(windowCanvas, corner, manager->model());
  });
}

void removeScrollBarSkinning() {
  ScrollBar::setPainter(nullptr);
  ScrollBar::setCornerPainter(nullptr);
}

}  // namespace tavra
