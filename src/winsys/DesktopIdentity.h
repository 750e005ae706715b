#pragma once
// How the desktop (a window manager and its taskbar) knows the program: every top-level window
// carries the same name and class, and one taskbar entry titled after the program stands for
// all of its windows.
#include <string>

namespace tavra {

struct DesktopIdentity {
  std::string name;       // the instance name of every window ("tavra")
  std::string className;  // the class of every window ("Tavra")
  std::string title;      // the title of the one taskbar entry
};

}  // namespace tavra
