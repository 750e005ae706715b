#include "skin/paint/MenuSkinning.h"

#include <memory>

#include "skin/manager/SkinHandOver.h"
#include "skin/paint/MenuWindowAdapter.h"
#include "skin/paint/TsSkinableMenus.h"

namespace tavra {

void installMenuSkinning() {
  SkinHandOver& slots = SkinHandOver::slots();
  slots.createMenuSkinner = [](TsSkinManager& manager) -> std::unique_ptr<SkinMenuSkinner> {
    return std::make_unique<TsSkinableMenus>(manager);
  };
  slots.attachMenuWindowAdapter = [](TsSkinManager& manager, Window& window,
                                     std::string_view section) -> std::unique_ptr<SkinWindowAdapter> {
    return std::make_unique<MenuWindowAdapter>(manager, window, section);
  };
}

}  // namespace tavra
