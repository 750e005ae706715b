#include "driver/program/ProgramStart.h"

#include "app/Startup.h"
#include "framework/core/Form.h"

namespace tavra {

void startProgram(HeadlessDriver& driver) {
  createProgramWindows(driver.app());
  if (TCustomForm* main = driver.app().MainForm()) main->Show();
  driver.settle();
}

}  // namespace tavra
