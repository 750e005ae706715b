#include "skin/menus/MenuWindowAdapter.h"

#include "skin/manager/SkinCommands.h"
#include "winsys/WindowSystem.h"

namespace tavra {

MenuWindowAdapter::MenuWindowAdapter(TsSkinManager& /*manager*/, Window& window, std::string_view section) : section_(section) {
  std::shared_ptr<State> state = state_;
  auto previous = std::make_shared<WindowProc>();
  *previous = window.setProc([state, previous](Window& w, MessageId msg, WParam wp, LParam lp) -> LResult {
    if (state->attached && msg == SM_SKINCMD) {
      const unsigned command = hiWord(wp);
      if (command == SKC_ISSKINNED) return 1;
      if (command == kFrameTakenQuery && loWord(wp) == 0) return state->frameTaken ? 1 : 0;
      if (command == kTakeFrame) {
        state->frameTaken = true;
        return 1;
      }
    }
    return *previous ? (*previous)(w, msg, wp, lp) : w.system().defWindowProc(w, msg, wp, lp);
  });
}

MenuWindowAdapter::~MenuWindowAdapter() { state_->attached = false; }

}  // namespace tavra
