#pragma once
// Moved to program/ContentPaths.h; this header remains while code still includes the old place.
#include "program/ContentPaths.h"
