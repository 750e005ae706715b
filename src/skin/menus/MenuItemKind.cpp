#include "skin/menus/MenuItemKind.h"

#include "framework/core/ImageList.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuItem.h"

namespace tavra {

TsMenuItemType menuItemKind(const std::string& caption) {
  if (caption == "-") return smDivider;
  if (caption.size() >= 2 && caption.front() == '-' && caption.back() == '-') return smCaption;
  return smNormal;
}

Size menuGlyphSize(const TMenuItem& item) {
  if (!item.bitmap().isEmpty()) return item.bitmap().size();
  if (const TMenuItem* parent = item.parentItem(); parent && parent->subMenuImages()) {
    return {parent->subMenuImages()->width(), parent->subMenuImages()->height()};
  }
  if (const TMenu* menu = item.GetParentMenu(); menu && menu->images()) return {menu->images()->width(), menu->images()->height()};
  return {16, 16};
}

bool inFirstColumn(const TMenuItem& item) {
  const TMenuItem* parent = item.parentItem();
  if (!parent) return item.breakKind() == TMenuBreak::mbNone;
  for (int i = 0; i < parent->count(); ++i) {
    const TMenuItem* sibling = parent->items(i);
    if (sibling->breakKind() != TMenuBreak::mbNone) return false;
    if (sibling == &item) return true;
  }
  return true;
}

std::string captionItemTitle(const std::string& caption) {
  // The first word between separators: dashes and blanks both end a word.
  size_t start = caption.find_first_not_of("- ");
  if (start == std::string::npos) return {};
  size_t end = caption.find_first_of("- ", start);
  return caption.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string withoutAmpersands(const std::string& caption) {
  std::string out;
  out.reserve(caption.size());
  for (char c : caption) {
    if (c != '&') out += c;
  }
  return out;
}
bool isTopLevelItem(const TMenuItem& item) {
  const TMenuItem* parent = item.parentItem();
  if (!parent || parent->parentItem()) return false;
  const TMenu* menu = parent->GetParentMenu();
  return menu && &menu->Items() == parent && dynamic_cast<const TMainMenu*>(menu) != nullptr;
}

}  // namespace tavra
