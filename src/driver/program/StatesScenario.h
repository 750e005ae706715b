#pragma once
// The reviewers' scenario "states": every window of the program in skins of different kinds,
// with controls hot, pressed, focused and disabled.
#include <functional>
#include <string>

#include "driver/harness/HeadlessDriver.h"

namespace tavra {

void statesScenario(HeadlessDriver& driver, const std::function<void(const std::string& step)>& shot);

}  // namespace tavra
