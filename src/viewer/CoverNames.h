#pragma once
// The skin names of the main window's covers menu, items "1" to "51" in order, exactly as the
// items set them (letter case and blanks included: "Bluelce", "Office 12Style ").
#include <string>
#include <vector>

namespace tavra {

inline const std::vector<std::string> kCoverNames = {
    "Acryl", "Beijing", "BlueGauze", "BlueGlass", "Bluelce", "BluePlastic", "Calcium", "Cappuccino", "Cold", "DarkGlass",
    "Desert", "Elegant", "FalloutStyle", "Golden", "GrayPlastic", "HeroesStyle", "Ledenets", "LikeOperaStyle", "LongHorn",
    "MacMetal", "MacOS2", "MacOS", "Neutral2", "Neutral3", "Neutral4", "Neutral", "Next Alpha2", "Next Alpha",
    "Office 12Style ", "Office2003", "Office2007 Black", "Office2007 Blue", "Opus", "Pulsar", "Retro", "Rhombus", "Sand",
    "SoapSky - Blue", "SoapSky - Lime", "Steam", "Terminal4bit", "TheFrog", "Topaz", "Vista", "Winter2003", "WLM", "WMP11",
    "WMP 2008", "Wood", "XPLuna", "XPSilver"};

}  // namespace tavra
