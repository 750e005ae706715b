#pragma once
// The reviewers' scenario "menus": the page viewer's context menu and its zoom submenu, the
// system menu, both with their shortcuts, and a narrow window whose menu bar takes two lines,
// in the start skin and two skins of other kinds.
#include <functional>
#include <string>

#include "driver/harness/HeadlessDriver.h"

namespace tavra {

void menusScenario(HeadlessDriver& d, const std::function<void(const std::string& step)>& shot);

}  // namespace tavra
