#include "driver/program/ProgramStart.h"

#include "app/Startup.h"
#include "framework/core/Form.h"

namespace tavra {

void startProgram(HeadlessDriver& driver) {
  createProgramWindows(driver.app());
  driver.app().ShowMainForm();
  driver.settle();
}

}  // namespace tavra
