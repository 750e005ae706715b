#pragma once
// Fills the manager's hand-over slots for window frames: program forms get a provider holder,
// message boxes a dialog adapter. Called once at start-up, before any window is activated.
namespace tavra {

void installFramesHandOver();

}  // namespace tavra
