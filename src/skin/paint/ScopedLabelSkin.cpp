#include "skin/paint/ScopedLabelSkin.h"

namespace tavra {

// Defined beside labelSkin(); only this guard changes the registration.
LabelSkin* exchangeRegisteredLabelSkin(LabelSkin* skin);

ScopedLabelSkin::ScopedLabelSkin(LabelSkin& skin) : previous_(exchangeRegisteredLabelSkin(&skin)) {}

ScopedLabelSkin::~ScopedLabelSkin() { exchangeRegisteredLabelSkin(previous_); }

}  // namespace tavra
