#pragma once
// The application's hidden window (class "TApplication"), kept by the manager that became the
// default manager when it was created, from its creation to its destruction. The menu skinning
// posts its two private messages here: kMenuItemDrawnMessage (lParam: a menu item being drawn;
// its popup window is found and handed to the menu skinner) and kMenuPopupMessage (lParam: a
// popup window's handle, handed to the menu skinner). With SkinnedPopups off neither is handled.
// The theme-change message is swallowed.
#include <memory>

#include "winsys/Window.h"

namespace tavra {

class TsSkinManager;

class SkinApplicationWindow {
 public:
  explicit SkinApplicationWindow(TsSkinManager& manager);
  ~SkinApplicationWindow();
  SkinApplicationWindow(const SkinApplicationWindow&) = delete;
  SkinApplicationWindow& operator=(const SkinApplicationWindow&) = delete;

  Window& window() { return *window_; }

 private:
  LResult handle(Window& window, MessageId msg, WParam wParam, LParam lParam);

  TsSkinManager& manager_;
  std::unique_ptr<Window> window_;
};

}  // namespace tavra
