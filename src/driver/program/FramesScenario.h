#pragma once
// The reviewers' scenario "frames": every window of the program and two message boxes in three
// skins of different kinds, active and inactive.
#include <functional>
#include <string>

#include "driver/harness/HeadlessDriver.h"

namespace tavra {

void framesScenario(HeadlessDriver& driver, const std::function<void(const std::string& step)>& shot);

}  // namespace tavra
