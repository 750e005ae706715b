#pragma once
// A menu item: caption ("-" for a separator, "&" before the accelerator letter), hint, picture
// (its own bitmap or an image of the menu's image list), shortcut, state flags, a column break,
// and its own items, which make it a submenu. Items are components owned by their form; the menu
// structure is kept apart from ownership, as items are added to a parent item. When the menu
// is owner-drawn, the measure and draw events replace the framework's own look.
#include <functional>
#include <string>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Control.h"
#include "framework/menus/ShortCut.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace tavra {

class TMenu;
class TImageList;

enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };

// The state an item is drawn in.
enum OwnerDrawStateFlag : unsigned {
  odSelected = 0x1,
  odGrayed = 0x2,
  odDisabled = 0x4,
  odChecked = 0x8,
  odFocused = 0x10,
  odDefault = 0x20,
  odHotLight = 0x40,
  odInactive = 0x80,
  odNoAccel = 0x100,
  odNoFocusRect = 0x200,
};
using TOwnerDrawState = unsigned;

class TMenuItem;
using TMenuMeasureItemEvent = std::function<void(TMenuItem& sender, Canvas& canvas, int& width, int& height)>;
using TMenuDrawItemEvent = std::function<void(TMenuItem& sender, Canvas& canvas, Rect rect, bool selected)>;
using TAdvancedMenuDrawItemEvent = std::function<void(TMenuItem& sender, Canvas& canvas, Rect rect, TOwnerDrawState state)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption);
  const std::string& hint() const { return hint_; }
  void setHint(const std::string& hint) { hint_ = hint; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  bool visible() const { return visible_; }
  void setVisible(bool on);
  bool checked() const { return checked_; }
  void setChecked(bool on);
  bool radioItem() const { return radioItem_; }
  void setRadioItem(bool on);
  // The default item is drawn bold.
  bool isDefault() const { return default_; }
  void setDefault(bool on);
  TMenuBreak breakKind() const { return break_; }
  void setBreak(TMenuBreak b);
  const Bitmap& bitmap() const { return bitmap_; }
  void setBitmap(Bitmap b);
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int index);
  // The key that chooses the item from outside the menu (TMenu::IsShortCut); its text is shown
  // right-aligned in the item's row.
  const TShortCut& shortCut() const { return shortCut_; }
  void setShortCut(const TShortCut& shortCut);
  std::string shortCutText() const { return ShortCutToText(shortCut_); }
  // Images for the items of this item's submenu (else the menu's).
  TImageList* subMenuImages() const { return subMenuImages_; }
  void setSubMenuImages(TImageList* images);

  // A separator: the caption "-".
  bool isLine() const { return caption_ == "-"; }
  // The accelerator letter (upper case), after "&"; 0 without one.
  char32_t accelerator() const;
  // The first letter of the caption, upper case; 0 for an empty caption.
  char32_t firstLetter() const;

  // Structure.
  int count() const { return static_cast<int>(items_.size()); }
  TMenuItem* items(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* parentItem() const { return parent_; }
  int menuIndex() const;
  void Add(TMenuItem& item);
  void Insert(int index, TMenuItem& item);
  void Remove(TMenuItem& item);
  // Visible items: what a popup of this item shows.
  std::vector<TMenuItem*> visibleItems() const;
  bool hasSubmenu() const { return !visibleItems().empty(); }
  // The menu the item belongs to (through its parents), or null.
  TMenu* GetParentMenu() const;
  // The images this item's picture comes from.
  TImageList* images() const;

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

  virtual void Click();
  // The size of the item (`topLevel`: in a menu bar); an owner-drawn menu's OnMeasureItem may
  // change what the framework measured.
  virtual void MeasureItem(Canvas& canvas, int& width, int& height, bool topLevel);
  // Draws the item in `rect`: the owner-draw events of an owner-drawn menu, else the
  // framework's look.
  virtual void DrawItem(Canvas& canvas, const Rect& rect, TOwnerDrawState state, bool topLevel);

 private:
  friend class TMenu;
  void changed();
  Size glyphSize() const;
  void measureDefault(Canvas& canvas, int& width, int& height, bool topLevel) const;
  void drawDefault(Canvas& canvas, const Rect& rect, TOwnerDrawState state, bool topLevel) const;
  void drawGlyph(Canvas& canvas, const Rect& column, TOwnerDrawState state) const;

  std::string caption_;
  std::string hint_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool radioItem_ = false;
  bool default_ = false;
  TMenuBreak break_ = TMenuBreak::mbNone;
  Bitmap bitmap_;
  int imageIndex_ = -1;
  TShortCut shortCut_;
  TImageList* subMenuImages_ = nullptr;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
  TMenu* menu_ = nullptr;  // set on a menu's root item
};

}  // namespace tavra
