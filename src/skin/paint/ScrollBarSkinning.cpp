#include "skin/paint/ScrollBarSkinning.h"

#include "framework/ScrollBar.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/paint/SkinScrollBar.h"

namespace tavra {

void installScrollBarSkinning() {
  ScrollBar::setPainter([](Canvas& windowCanvas, const ScrollBar& bar) {
    const TsSkinManager* manager = TsSkinManager::DefaultManager();
    if (!manager || !manager->model().SkinData.Active) return false;
    PaintSkinScrollBar(windowCanvas, bar, manager->model());
    return true;
  });
}

void removeScrollBarSkinning() { ScrollBar::setPainter(nullptr); }

}  // namespace tavra
