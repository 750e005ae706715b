#pragma once
// The default manager's hook on window creation and activation. While installed it hands
//   - every new popup-menu window ("#32768") that does not answer SKC_ISSKINNED to a menu
//     window adapter painting with the section "MAINMENU";
//   - a top-level window being activated, unless it answers SKC_ISSKINNED, is already taken over
//     or is of the class "TApplication", "TQRStandardPreview" or "TfcPopup":
//       a program form to a provider holder, when the rules hold srStdForms and its Tag is not
//       -98 (a message-dialog form, class "TMessageForm": when they hold srStdDialogs);
//       any other window (a native dialog, "#32770") to a window adapter, when the rules hold
//       srStdDialogs and no taken-over window is visible or the window has a descendant of the
//       class "toolbarwindow32".
// What it attaches comes from the hand-over slots; the list of taken-over windows keeps it.
// Removing the hooks frees every attachment in the list.
namespace tavra {

class TCustomForm;
class TsSkinManager;
class Window;

class SkinHooks {
 public:
  explicit SkinHooks(TsSkinManager& manager);
  ~SkinHooks();
  SkinHooks(const SkinHooks&) = delete;
  SkinHooks& operator=(const SkinHooks&) = delete;

 private:
  void windowCreated(Window& window);
  void windowActivating(Window& window);

  TsSkinManager& manager_;
  int hookId_ = 0;
};

// The program form whose window this is, or null.
TCustomForm* formOfWindow(Window& window);

}  // namespace tavra
