#pragma once
// Fills the manager's hand-over slots for window frames: program forms get a provider holder,
// message boxes a dialog adapter. Called once at start-up, before any window is activated.
//
// The manager's hook takes a dialog window only while no taken-over window is visible, so the
// system's boxes of the program ("#32770": the error box, the skin manager's notices), which
// always open over a skinned window, are taken by a window-system hook of their own that this
// installs as well.
namespace tavra {

void installFramesHandOver();

}  // namespace tavra
