#pragma once
// Moved to program/ProgramWindows.h; this header remains while code still includes the old place.
#include "program/ProgramWindows.h"
