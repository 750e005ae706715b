// Tavra: the program entry. No arguments, no settings: start-up creates the six windows and the
// event loop runs until the splash window (the main form) is closed.
#include <iostream>
#include <string>

#include "app/Startup.h"
#include "framework/core/Application.h"
#include "gfx/Font.h"
#include "winsys/SdlBackend.h"
#include "winsys/WindowSystem.h"

int main() {
  using namespace tavra;
  std::string error;
  auto backend = SdlBackend::create(&error);
  if (!backend) {
    std::cerr << "tavra: no display (" << error << ").\n"
              << "Run it on a virtual display: xvfb-run -s \"-screen 0 1024x768x24\" ./tavra\n";
    return 1;
  }
  WindowSystem windowSystem(std::move(backend));
  warmUpFonts();
  TApplication application;
  createProgramWindows(application);
  application.Run();
  return 0;
}
