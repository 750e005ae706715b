#pragma once
// Starting the whole program on the headless driver.
#include "driver/harness/HeadlessDriver.h"

namespace tavra {

// Creates the program's six windows and shows the main form, as start-up does before its event
// loop runs.
void startProgram(HeadlessDriver& driver);

}  // namespace tavra
