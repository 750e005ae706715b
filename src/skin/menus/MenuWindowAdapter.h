#pragma once
// What the skin manager's hook attaches to a new popup-menu window: it answers the engine's
// questions about the window (it is skinned; whether the menu skinner has taken its frame yet)
// and otherwise leaves the window to its own procedure and to the menu skinner, which paints it.
#include <memory>
#include <string>
#include <string_view>

#include "skin/manager/SkinHandOver.h"
#include "winsys/Window.h"

namespace tavra {

class TsSkinManager;

class MenuWindowAdapter : public SkinWindowAdapter {
 public:
  // The commands the menu skinner asks with: 8 (low word 0) whether the window's frame is the
  // skinner's already, 14 to hand it over.
  static constexpr unsigned kFrameTakenQuery = 8;
  static constexpr unsigned kTakeFrame = 14;

  MenuWindowAdapter(TsSkinManager& manager, Window& window, std::string_view section);
  ~MenuWindowAdapter() override;

  const std::string& section() const { return section_; }

 private:
  struct State {
    bool attached = true;
    bool frameTaken = false;
  };
  std::string section_;
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace tavra
