#pragma once
// The reviewers' scenario "hints": the help menu and three hints (a main window button, the table
// of contents, a testing window field) in the start skin and two skins of other kinds.
#include <functional>
#include <string>

#include "driver/harness/HeadlessDriver.h"

namespace tavra {

void hintsScenario(HeadlessDriver& d, const std::function<void(const std::string& step)>& shot);

}  // namespace tavra
