#pragma once
// Fills the skin manager's menu slots: every manager created from now on gets a menu skinner,
// and the hook attaches a menu window adapter to every new popup-menu window. Called once at
// start-up, before the first manager is created.
namespace tavra {

void installMenuSkinning();

}  // namespace tavra
