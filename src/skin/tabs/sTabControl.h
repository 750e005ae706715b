#pragma once
// The unit of the skinned tab control.
#include "skin/tabs/TsTabControl.h"
