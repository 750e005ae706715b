#pragma once
// The points where the skin manager hands windows and work to the parts of the engine built
// above it: the skinning provider of forms and its holder, the window adapters of dialogs and
// popup menus, the menu skinner, the glow effects. The manager knows them only through the
// interfaces below; the frames, menus and control-painting code fill the slots of
// `SkinHandOver::slots()` when the program starts. A slot left empty means that part does not
// exist: the hook then takes no window of that kind, and the manager skips that step.
#include <functional>
#include <memory>
#include <string_view>

#include "base/Geometry.h"
#include "winsys/Messages.h"

namespace tavra {

class Canvas;
class TMenuItem;
class TCustomForm;
class TsSkinManager;
class Window;

// What the hook attached to a window it took over (a form's provider holder, a dialog or
// popup-menu adapter). The list of taken-over windows owns it and frees it when the hooks are
// removed or the window is gone (the adapter's window may no longer exist then).
class SkinWindowAdapter {
 public:
  virtual ~SkinWindowAdapter() = default;
};

// One form's part of the skin-change animation, prepared while the form's redraw is off.
class SkinChangeAnimation {
 public:
  // The pace of the animation: one step every this many milliseconds.
  static constexpr int kStepMs = 10;
  virtual ~SkinChangeAnimation() = default;
  // Step k of n: the form shows old × (n − k) / n + new × k / n at once; step n is the new look.
  virtual void step(int k, int n) = 0;
};

// A form's skinning provider as the manager sees it. A form that has one answers SKC_GETPROVIDER
// with a pointer to it (reinterpret_cast of the LResult).
class SkinFormProvider {
 public:
  virtual ~SkinFormProvider() = default;
  // The manager the provider paints with; null means the default manager.
  virtual TsSkinManager* skinManager() const = 0;
  // Whether the provider paints the window frame (else the system does).
  virtual bool drawsNonClientArea() const = 0;
  // The form's part of the skin-change animation (its old look and its new one), taken while
  // the form's redraw is still off; null when there is nothing to animate. The manager steps
  // the parts of every visible form together, so a change lasts one animation time in all.
  virtual std::unique_ptr<SkinChangeAnimation> prepareSkinChange() = 0;
};

// How a form's menu bar shows one of its items.
struct MenuBarItemState {
  bool selected = false;          // hot, or chosen by the keyboard
  bool open = false;              // its menu is open
  bool showAccelerators = false;  // accelerator letters are underlined
};

// The menu skinner each manager owns.
class SkinMenuSkinner {
 public:
  virtual ~SkinMenuSkinner() = default;
  // The cached width of the skin's menu border is unknown again (a skin is being applied).
  virtual void resetBorderWidth() = 0;
  // Applies itself again to the application's menus: skinned when `skinActive`, else plain.
  virtual void applyToMenus(bool skinActive) = 0;
  // The popup window that shows a menu item (the lParam of kMenuItemDrawnMessage), or null.
  virtual Window* popupWindowOfItem(LParam item) = 0;
  // Takes over a popup-menu window.
  virtual void takePopupWindow(Window& popup) = 0;
  // Draws one item of a skinned form's menu bar at `rect` of the frame's canvas, over the bar
  // background the frame has painted. False when it draws nothing (the frame then draws the
  // item plainly).
  virtual bool drawBarItem(TMenuItem& /*item*/, Canvas& /*canvas*/, Rect /*rect*/,
                           const MenuBarItemState& /*state*/) {
    return false;
  }
};

struct SkinHandOver {
  // A program form being activated: attaches its provider holder (frames).
  std::function<std::unique_ptr<SkinWindowAdapter>(TsSkinManager&, TCustomForm&)> attachFormProvider;
  // Another top-level window being activated, a native dialog: attaches a window adapter.
  std::function<std::unique_ptr<SkinWindowAdapter>(TsSkinManager&, Window&)> attachWindowAdapter;
  // A new popup-menu window: attaches a menu window adapter painting with `section` (menus).
  std::function<std::unique_ptr<SkinWindowAdapter>(TsSkinManager&, Window&, std::string_view section)> attachMenuWindowAdapter;
  // Creates the menu skinner of a manager (menus).
  std::function<std::unique_ptr<SkinMenuSkinner>(TsSkinManager&)> createMenuSkinner;
  // Closes every glow effect of the controls (control painting).
  std::function<void()> dropGlowEffects;

  // The slots of the process.
  static SkinHandOver& slots();
};

}  // namespace tavra
