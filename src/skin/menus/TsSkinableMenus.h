#pragma once
// The menu skinner each skin manager owns. It makes the application's menus owner-drawn and
// draws them from the skin: top-level items of a main menu into the form's menu bar, every other
// item into its popup window over a background composed once per opened menu (the "MAINMENU"
// section with its border, the icon column, and the extra line when the manager asks for one).
// The popup window takes the background's shape (its transparent corner pixels cut away).
#include <functional>
#include <memory>
#include <set>
#include <vector>
#include <string>

#include "base/Geometry.h"
#include "framework/core/Control.h"
#include "framework/menus/MenuItem.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/Font.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/menus/MenuItemKind.h"
#include "winsys/Window.h"

namespace tavra {

class TComponent;
class TMenu;
class TsSkinManager;
class SkinModel;
struct MenuBackground;

using TsMenuManagerDrawItemEvent =
    std::function<void(TMenuItem& sender, Canvas& canvas, Rect rect, TOwnerDrawState state, TsMenuItemType itemType)>;

class TsSkinableMenus : public SkinMenuSkinner {
 public:
  explicit TsSkinableMenus(TsSkinManager& manager);
  ~TsSkinableMenus() override;

  // Published properties.
  TAlignment Alignment = TAlignment::taLeftJustify;
  int BevelWidth = 0;
  int BorderWidth = 3;
  Font CaptionFont;
  // The width of the skin's menu border: computed from the "MAINMENU" border mask while the
  // stored value is negative.
  int SkinBorderWidth();
  void setSkinBorderWidth(int value) { skinBorderWidth_ = value; }
  int Margin = 2;
  int Spacing = 6;
  TsMenuManagerDrawItemEvent OnDrawItem;

  bool Active() const { return active_; }
  void setActive(bool value);
  // Installs (active) or removes the skinner's handlers on every menu of the application.
  void ApplyToMenus(bool active);
  // Installs or removes the handlers of one menu (ApplyToMenus does it for each menu it finds).
  void applyToMenu(TMenu& menu, bool active);

  // The handlers.
  void MeasureBarItem(TMenuItem& item, Canvas& canvas, int& width, int& height);
  void DrawBarItem(TMenuItem& item, Canvas& canvas, Rect rect, TOwnerDrawState state);
  void MeasureMenuItem(TMenuItem& item, Canvas& canvas, int& width, int& height);
  void DrawMenuItem(TMenuItem& item, Canvas& canvas, Rect rect, TOwnerDrawState state);

  // The extra line's width beside the menu of `firstItem` (0 when it shows none).
  int ExtraLineWidthOf(const TMenuItem* firstItem);
  // Composes the background of the menu that starts with `first` and keeps it in the cache;
  // with a window, the window takes its shape.
  MenuBackground& BuildMenuBackground(TMenuItem& first, int width, int height, Window* window);
  // Takes over the popup window's frame and cuts its shape from the background.
  void SetMenuRegion(Window& window, const Bitmap& background);
  // The size of the popup window of a menu, measured from its items (used without a window).
  Size menuWindowSize(TMenuItem& parent);

  // SkinMenuSkinner.
  void resetBorderWidth() override;
  void applyToMenus(bool skinActive) override { ApplyToMenus(skinActive); }
  Window* popupWindowOfItem(LParam item) override;
  void takePopupWindow(Window& popup) override;
  bool drawBarItem(TMenuItem& item, Canvas& canvas, Rect rect, const MenuBarItemState& state) override;

  TsSkinManager& manager() const { return manager_; }

 private:
  bool skinActive() const;
  SkinModel& model() const;
  // The extra line of a menu as the manager's event describes it.
  struct ExtraLine {
    std::string section = "EXTRALINE";
    std::string caption;
    Bitmap glyph;
    bool visible = false;
  };
  ExtraLine extraLineData(TMenuItem& first);
  Font menuFont(const TMenuItem& item) const;
  // The menu background of an item's menu, built when missing and a size is known.
  MenuBackground* backgroundOf(TMenuItem& item, Window* window);
  Window* windowShowing(const TMenuItem& item) const;
  void drawFrameStrips(TMenuItem& item, Window& window, const Bitmap& background, const Rect& rect, int extra);
  void drawSeparator(Canvas& canvas, const Rect& rect, const Bitmap* background, int extra);
  void drawCaptionItem(TMenuItem& item, Canvas& canvas, const Rect& rect, const Bitmap* background, int extra);
  void drawNormalItem(TMenuItem& item, Canvas& canvas, const Rect& rect, TOwnerDrawState state, const Bitmap* background,
                      int extra);
  void drawItemGlyph(TMenuItem& item, Bitmap& itemBitmap, TOwnerDrawState state);
  void paintScrollBands(Window& window);
  void installPopupHandlers(TMenuItem& parent, bool install);
  void installBarHandlers(TMenu& menu, bool install);

  TsSkinManager& manager_;
  bool active_ = false;
  int skinBorderWidth_ = -1;
  bool drawingBorder_ = false;
  bool gettingExtraLine_ = false;
  std::vector<Rect> cornerRects_;
  std::set<WindowHandle> subclassed_;
  // The popup windows it subclassed ask through this whether the skinner still exists.
  std::shared_ptr<TsSkinableMenus*> alive_ = std::make_shared<TsSkinableMenus*>(this);
};

}  // namespace tavra
