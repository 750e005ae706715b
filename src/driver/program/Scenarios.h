#pragma once
// Named scenarios for reviewers: each runs the program on the headless driver and writes
// pictures of what a user would see at its steps.
#include <functional>
#include <string>
#include <vector>

#include "driver/harness/HeadlessDriver.h"

namespace tavra {

struct Scenario {
  std::string name;
  std::string description;
  // Runs the scenario; `shot(step)` saves the desktop as "<name>-<step>.png".
  std::function<void(HeadlessDriver& driver, const std::function<void(const std::string& step)>& shot)> run;
};

const std::vector<Scenario>& scenarios();

}  // namespace tavra
