#pragma once
// A small skin made in code, for tests and reviewers' pictures: a blue gradient BAR with a lit
// bottom edge, a light PANEL with a one-pixel frame, BUTTON with three border frames (normal,
// hot, pressed; rounded by transparent corner pixels) over a gradient, a SPEEDBUTTON that shows
// only its hot and pressed frames, and a plain EDIT. Stored as an internal skin's collections.
#include <string_view>

#include "skin/data/TsStoredSkin.h"

namespace tavra {

constexpr std::string_view kFixtureSkinName = "Fixture";

TsStoredSkin fixtureSkin();

}  // namespace tavra
