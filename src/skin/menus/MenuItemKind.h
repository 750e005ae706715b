#pragma once
// What a menu item is, by its caption ("-" a separator, "-word-" a caption item, else a normal
// item), and the measures the skinned menus share: the glyph size of an item, whether it lies
// in its menu's first column, and the title a caption item shows.
#include <string>

#include "base/Geometry.h"

namespace tavra {

class TMenuItem;

enum TsMenuItemType { smCaption = 0, smDivider = 1, smNormal = 2, smTopLine = 3 };

// The kind of an item that is not a top-level item: the separator test comes first.
TsMenuItemType menuItemKind(const std::string& caption);
// Its own bitmap's size, else the size of the parent's submenu images, else of the menu's image
// list, else 16 × 16.
Size menuGlyphSize(const TMenuItem& item);
// No item of its menu up to and including it starts a new column.
bool inFirstColumn(const TMenuItem& item);
// The title a caption item shows: the caption's first word with the dashes taken for
// separators ("-Обложки-" → "Обложки").
std::string captionItemTitle(const std::string& caption);
// The caption with every "&" removed.
std::string withoutAmpersands(const std::string& caption);
// The item is directly in a main menu's item list.
bool isTopLevelItem(const TMenuItem& item);

}  // namespace tavra
