#pragma once
// The glow windows of hovered skinned controls: one list for the process. A glow exists only
// where the display has per-pixel alpha; elsewhere nothing is shown.
namespace tavra {

class TsCommonData;

// Shows the glow of the binding's control (or closes it, see the .cpp).
void ShowGlow(TsCommonData& binding, bool enteringOnly);
// Closes the glow of one binding, and every glow of the process.
void closeGlowOf(TsCommonData& binding);
void closeAllGlows();
// How many glow windows are open.
int openGlowCount();

}  // namespace tavra
