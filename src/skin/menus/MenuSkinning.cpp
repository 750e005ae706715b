#include "skin/menus/MenuSkinning.h"

#include <memory>

#include "skin/manager/SkinHandOver.h"
#include "skin/menus/MenuWindowAdapter.h"
#include "skin/menus/TsSkinableMenus.h"

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
