#pragma once
// Skinned scroll bars for every control that has the framework's bars and paints no skin of its
// own (the page viewers): while the default skin manager's skin is active, the bars are painted
// from its scroll-bar sections, and so is the square where two bars meet; otherwise, and for a
// skin without them, in the plain look.

namespace tavra {

// Installs the painter for the process's scroll bars; removing it brings back the plain look.
void installScrollBarSkinning();
void removeScrollBarSkinning();

}  // namespace tavra
