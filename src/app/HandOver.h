#pragma once
// Moved to program/HandOver.h; this header remains while code still includes the old place.
#include "program/HandOver.h"
